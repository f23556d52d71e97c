#include "importexport/importframe.h"

#include <gtest/gtest.h>

using namespace tsl;

namespace {

qsorecord qso(const std::string& date, const std::string& time, const std::string& call) {
    qsorecord q;
    q.date = date;
    q.time = time;
    q.call = call;
    return q;
}

std::string datecheck(const std::string& date) {
    return importcheck(qso(date, "12:00", "W1AW"));
}
std::string timecheck(const std::string& time) {
    return importcheck(qso("20240101", time, "W1AW"));
}
std::string callcheck(const std::string& call) {
    return importcheck(qso("20240101", "12:00", call));
}

} // namespace

TEST(ImportCheck, ADateIsADayOfTheCalendar) {
    for (const char* date : {"20240229", "20000229", "19991231", "00010101", "20240131"})
        EXPECT_EQ(datecheck(date), "") << date;
    EXPECT_EQ(datecheck("19000229"), "the date \"19000229\" is no day of the calendar");
    for (const char* date :
         {"20230229", "20240230", "20240431", "20241301", "20240001", "20240100", "00000101",
          "2024010x", "20efabcd", "2024-1-1", " 2004082", "NOTADATE"})
        EXPECT_NE(datecheck(date), "") << date;
    EXPECT_EQ(datecheck(""), "no date");
    EXPECT_EQ(datecheck("        "), "no date");
}

TEST(ImportCheck, ATimeIsWithinTheDayOrLeftEmpty) {
    for (const char* time : {"00:00", "23:59", "09:05", "", "     ", ":", "  :  "})
        EXPECT_EQ(timecheck(time), "") << time;
    EXPECT_EQ(timecheck("09:x7"), "the time \"09:x7\" is no time of day");
    for (const char* time : {"24:00", "12:60", "9:30", "1200", "12:3", "?:", "1 :3 ", "12-30",
                             "\xF0\x9A:\x9A\xA0", ":: 12"})
        EXPECT_NE(timecheck(time), "") << time;
}

TEST(ImportCheck, ACallIsOneWordWithoutControlCharacters) {
    for (const char* call : {"W1AW", "NoCall", "NOCALL", "DL/W1ABC/P", "VK2/DL2XYZ/P", "\xD8N1A"})
        EXPECT_EQ(callcheck(call), "") << call;
    EXPECT_EQ(callcheck("W1 AW"), "the call \"W1 AW\" is not one word");
    EXPECT_EQ(callcheck("W1\"AW"), "the call \"W1 AW\" is not one word");
    EXPECT_EQ(callcheck(std::string("W1\0AW", 5)), "the call holds a control character");
    EXPECT_EQ(callcheck("W1AW\x1A"), "the call holds a control character");
    EXPECT_EQ(callcheck(""), "no call");
    // The date is checked first, then the time, then the call.
    EXPECT_EQ(importcheck(qso("2024", "25:00", "W1 AW")), "the date \"2024\" is no day of the "
                                                          "calendar");
    EXPECT_EQ(importcheck(qso("20240101", "25:00", "W1 AW")), "the time \"25:00\" is no time of "
                                                              "day");
}

TEST(ImportCheck, RefusedQsosAreNamedAndTheRoomCountsOnlyGoodOnes) {
    importread read;
    read.add(qso("20241301", "12:00", "K1A"), "line 3");
    read.add(qso("20240101", "12:00", "K2A"), "line 4");
    read.add(qso("20240101", "99:00", ""), "line 6");
    read.add(qso("20240102", "12:00", "K3A"), "line 7");
    read.skipped = {"line 5: no received call"};
    const checkedread all = checkread(read, 10);
    EXPECT_EQ(all.kept, (std::vector<std::size_t>{1, 3}));
    EXPECT_EQ(all.leftout, 0);
    EXPECT_EQ(all.skipped,
              (std::vector<std::string>{"line 5: no received call",
                                        "line 3 (K1A): the date \"20241301\" is no day of the "
                                        "calendar",
                                        "line 6: the time \"99:00\" is no time of day"}));
    // A QSO the check refuses takes no room from a good one behind it.
    const checkedread one = checkread(read, 1);
    EXPECT_EQ(one.kept, std::vector<std::size_t>{1});
    EXPECT_EQ(one.leftout, 1);
    EXPECT_EQ(one.skipped.size(), 3u);
    EXPECT_TRUE(checkread(read, 0).kept.empty());
    EXPECT_EQ(checkread(read, 0).leftout, 2);
    // Without places the QSOs are named by their number.
    read.where.clear();
    EXPECT_EQ(checkread(read, 10).skipped[1],
              "QSO 1 (K1A): the date \"20241301\" is no day of the calendar");
}
