#include "importexport/valtro.h"

#include "importfixture.h"
#include "support/recordfiles.h"

using namespace tsl;
using namespace tsl::test;

namespace {

// Byte positions: the columns of the layout less one.
const fieldplaces places = {{"call", 0},  {"date", 12}, {"year", 18},  {"time", 20}, {"mhz", 25},
                            {"rsts", 29}, {"rstr", 41}, {"name", 53},  {"town", 65}, {"qsls", 85},
                            {"qslr", 86}, {"mode", 87}, {"power", 91}, {"more", 95}};
const fieldtexts usual = {{"date", "08/25/"}, {"year", "04"},  {"time", "14:30"}, {"mhz", "14.0"},
                          {"rsts", "599"},    {"rstr", "579"}, {"name", "Bob"},   {"qsls", "y"},
                          {"qslr", "N"},      {"mode", "CW"},  {"more", "xyz"}};
const std::string header(128, 'h');

std::string valtrorecord(const fieldtexts& f) {
    return namedrecord(128, places, f, usual);
}

// A town field ending in column 85.
std::string town(const std::string& text) {
    return std::string(20 - text.size(), ' ') + text;
}

struct Valtro : ImportTest {
    importoutcome run(const std::string& bytes) {
        choose(bytes, "valtro.dat");
        return importvaltro(*s, status, dialogs);
    }
};

} // namespace

TEST_F(Valtro, TheColumnsOfARecord) {
    run(header + valtrorecord({{"call", "w1aw"}, {"year", "09"}, {"town", town("AUSTIN TX")}}) +
        valtrorecord({{"call", "K2ABC"},
                      {"year", "12"},
                      {"town", town("DALLAS X")},
                      {"mode", "cw"},
                      {"power", "5"}}) +
        valtrorecord({{"call", "K3ABC"}, {"year", "25"}}));
    EXPECT_EQ(status.last(), "3 records imported from Valtro.log");
    ASSERT_EQ(s->qsocount, 3);
    EXPECT_EQ(fieldsof(1), "W1AW|United States of America|5|??|??|20090825|14:30|8|1|1|100|599|"
                           "579|1|0||||0|0|Bob AUSTIN TX xyz");
    EXPECT_EQ(slotsof(qso(1)), std::vector{slot(s->wasaward, 42)}); // Texas
    EXPECT_EQ(qso(2).date, "20120825"); // up to this year's two digits: 20yy
    EXPECT_EQ(qso(2).mode, 0);          // the case of a mode name counts
    EXPECT_EQ(qso(2).power, 5.0f);
    EXPECT_TRUE(slotsof(qso(2)).empty()); // "SX"
    EXPECT_EQ(qso(3).date, "19250825");
    expectroundtrip();
}

TEST_F(Valtro, ShortFilesPiecesAndTooLargeNumbersAreSaid) {
    run(header);
    EXPECT_EQ(status.last(), "0 records imported from Valtro.log");
    run(header + valtrorecord({{"call", "K1BIG"}, {"power", "1E99"}}) +
        valtrorecord({{"call", "K2A"}}) + "12345");
    EXPECT_EQ(status.last(), "1 records imported from Valtro.log. The last 5 bytes, too few for a "
                             "record, were left out. 1 skipped: record 1 (K1BIG): the power is "
                             "too large.");
    run("12345");
    EXPECT_EQ(status.last(),
              "0 records imported from Valtro.log. The file of 5 bytes is shorter than its header "
              "record.");
    s->chosenfile = folder.path() + "none.dat";
    EXPECT_FALSE(importvaltro(*s, status, dialogs).ok);
    EXPECT_EQ(dialogs.shown.at(0).text,
              s->chosenfile + " not found or it is corrupted.\r\nThe file does not exist.");
    EXPECT_EQ(status.last(), "0 No records imported from " + s->chosenfile + ".");
    EXPECT_EQ(s->qsocount, 1);
}

TEST_F(Valtro, ABadDateABadTimeAndACallOfTwoWordsAreNamedNotStored) {
    run(header + valtrorecord({{"call", "K1A"}}) +
        valtrorecord({{"call", "K2A"}, {"date", "02/30/"}}) +
        valtrorecord({{"call", "K3A"}, {"time", "9x:70"}}) +
        valtrorecord({{"call", std::string("K4\0A", 4)}}));
    ASSERT_EQ(s->qsocount, 1);
    EXPECT_EQ(status.last(),
              "1 records imported from Valtro.log. 3 skipped: record 2 (K2A): the date "
              "\"20040230\" is no day of the calendar; record 3 (K3A): the time \"9x:70\" is no "
              "time of day; record 4 (K4 A): the call \"K4 A\" is not one word.");
}

TEST_F(Valtro, ALoneEndOfFileByteIsNoPieceOfARecord) {
    run(header + valtrorecord({{"call", "K1A"}}) + "\x1A");
    EXPECT_EQ(status.last(), "1 records imported from Valtro.log");
    // Anything more after the last record still is one.
    run(header + valtrorecord({{"call", "K2A"}}) + "\x1A\x1A");
    EXPECT_EQ(status.last(), "1 records imported from Valtro.log. The last 2 bytes, too few for a "
                             "record, were left out.");
    run(header + valtrorecord({{"call", "K3A"}}) + "x");
    EXPECT_EQ(status.last(), "1 records imported from Valtro.log. The last 1 bytes, too few for a "
                             "record, were left out.");
    EXPECT_EQ(s->qsocount, 3);
}
