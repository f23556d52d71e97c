#include "importexport/dxtreme.h"

#include "importfixture.h"

#include <map>

using namespace tsl;
using namespace tsl::test;

namespace {

struct Dxtreme : ImportTest {
    void copyfixtures() {
        for (const char* name : {"dxsl_1.dat", "dxsl_2.dat", "dxsl_3.dat"})
            folder.copyfrom(std::string(TESSALOG_TESTDATA_DIR) + "/dxtreme", name);
    }
    // One QSO of 30 lines on 2 January 2024 at 12:30, "x" on every other line but those
    // given.
    static std::string qsolines(std::map<int, std::string> given) {
        for (const auto& [k, text] :
             std::map<int, std::string>{{7, "1"}, {8, "2"}, {9, "24"}, {10, "12"}, {12, "30"}})
            given.try_emplace(k, text);
        std::string text;
        for (int k = 1; k <= 30; ++k)
            text +=
                (given.count(k) ? given.at(k) : (k == 30 ? std::string(25, 'z') : "x")) + "\r\n";
        return text;
    }
};

} // namespace

TEST_F(Dxtreme, TheStationLogsOfTheProgramFolder) {
    copyfixtures();
    EXPECT_TRUE(importdxtreme(*s, status, dialogs).ok);
    EXPECT_EQ(status.last(), "4 records imported from DXtreme. Not found: dxsl_4.dat, dxsl_5.dat, "
                             "dxsl_6.dat, dxsl_7.dat, dxsl_8.dat, dxsl_9.dat.");
    EXPECT_TRUE(dialogs.shown.empty());
    ASSERT_EQ(s->qsocount, 4);
    // 31 lines (line 30 of 19 characters), then 30 (of 20): "eu 005" is EU-005, a reference
    // of 5 characters none; no country is the call's entity; the last line has no line end,
    // and an empty power line is the usual 100 W, not QRP.
    EXPECT_EQ(fieldsof(1), "DL1ABC|Germany|4|28|14|20030507|09:05|8|1|1|1000|599|579|1|1|DL1QSL|||"
                           "0|0|c1-c2-kw-eu 005-c5-c6-c7");
    EXPECT_EQ(slotsof(qso(1)), std::vector{slot(s->iotaeuropeaward, 4)});
    EXPECT_EQ(fieldsof(2), "W1AW|United States of America|5|??|??|20051231|23:59|6|2|1|5|59|57|1|0|"
                           "BURO|||0|0|a-b-qrp-EU-05-e-f-g");
    EXPECT_TRUE(slotsof(qso(2)).empty());
    EXPECT_EQ(fieldsof(3),
              "F5XYZ|France|4|27|14|19990102|00:00|10|5|1|100|5|5|1|0||||0|0|--100----");
    EXPECT_EQ(fieldsof(4), "K2ABC|United States of America|5|??|??|20100601|12:30|12|0|1|100|5|5|"
                           "1|1||||0|0|------");
    const qsorecord& a = qso(1); // 31 lines: line 30 has 19 characters
    EXPECT_EQ(a.call.trimmedright(), "DL1ABC");
    EXPECT_EQ(a.dxcc, entity("Germany"));
    EXPECT_EQ(a.continent, 4);
    EXPECT_EQ(a.cqz, "14");
    EXPECT_EQ(a.ituz, "28");
    EXPECT_EQ(a.date, "20030507");
    EXPECT_EQ(a.time, "09:05");
    EXPECT_EQ(a.band, 8);
    EXPECT_EQ(a.mode, s->cwmodeindex);
    EXPECT_EQ(a.rsts, "599");
    EXPECT_EQ(a.rstr, "579");
    EXPECT_EQ(a.qsls, 1);
    EXPECT_EQ(a.qslr, 1);
    EXPECT_EQ(a.qslvia.trimmedright(), "DL1QSL");
    EXPECT_EQ(a.power, 1000.0f);
    EXPECT_EQ(slotsof(a), std::vector{slot(s->iotaeuropeaward, 4)}); // "eu 005" is EU-005
    EXPECT_EQ(a.comments.trimmedright(), "c1-c2-kw-eu 005-c5-c6-c7");
    const qsorecord& b = qso(2); // 30 lines: line 30 has 20 characters
    EXPECT_EQ(b.call.trimmedright(), "W1AW");
    EXPECT_EQ(b.dxcc, entity("United States of America"));
    EXPECT_EQ(b.cqz, "??");
    EXPECT_EQ(b.date, "20051231");
    EXPECT_EQ(b.time, "23:59");
    EXPECT_EQ(b.mode, s->ssbmodeindex);
    EXPECT_EQ(b.qslr, 0);
    EXPECT_EQ(b.power, 5.0f);
    EXPECT_TRUE(slotsof(b).empty()); // a reference of 5 characters
    EXPECT_EQ(b.comments.trimmedright(), "a-b-qrp-EU-05-e-f-g");
    const qsorecord& c = qso(3); // no country: the call's entity
    EXPECT_EQ(c.dxcc, entity("France"));
    EXPECT_EQ(c.date, "19990102");
    EXPECT_EQ(c.time, "00:00");
    EXPECT_EQ(c.band, 10);
    EXPECT_EQ(c.mode, s->rttymodeindex);
    EXPECT_EQ(c.power, 100.0f);
    EXPECT_EQ(c.comments.trimmedright(), "--100----");
    const qsorecord& d = qso(4); // the file's last line has no line end
    EXPECT_EQ(d.call.trimmedright(), "K2ABC");
    EXPECT_EQ(d.date, "20100601");
    EXPECT_EQ(d.band, 12);
    EXPECT_EQ(d.mode, 0);
    EXPECT_EQ(d.power, 100.0f); // an empty power line is the usual 100 W, not QRP
    expectroundtrip();
}

TEST_F(Dxtreme, YearsTakeTheEntryPanelsCentury) {
    const auto date = [&](const std::string& year) {
        const dxtremeread r =
            readdxtreme(*s, qsolines({{1, "K1A"}, {7, "1"}, {8, "2"}, {9, year}}), 2024);
        return r.records.at(0).date.str();
    };
    EXPECT_EQ(date("4"), "20040102");
    EXPECT_EQ(date("24"), "20240102");
    EXPECT_EQ(date("25"), "19250102");
    EXPECT_EQ(date(""), "20000102");
}

TEST_F(Dxtreme, UnreadableQsosAndCutFilesAreNamed) {
    folder.write("dxsl_1.dat", qsolines({{1, "K1A"}, {25, "1e50"}}) + qsolines({{1, "K2A"}}));
    folder.write("dxsl_5.dat", qsolines({{1, "K3A"}}) + "K4A\r\nx\r\n");
    importdxtreme(*s, status, dialogs);
    EXPECT_EQ(s->qsocount, 2);
    EXPECT_EQ(qso(2).call.trimmedright(), "K3A");
    const std::string text = status.last();
    EXPECT_EQ(text.substr(0, 33), "2 records imported from DXtreme. ");
    EXPECT_NE(text.find(" dxsl_5.dat ends inside a QSO, which was left out."), std::string::npos);
    EXPECT_NE(text.find(" 1 skipped: dxsl_1.dat QSO 1 (K1A): the power is too large."),
              std::string::npos);
}

TEST_F(Dxtreme, NoStationLogAtAllIsToldWithTheFolder) {
    s->qsocount = 2;
    EXPECT_FALSE(importdxtreme(*s, status, dialogs).ok);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text,
              "No DXtreme station log, dxsl_1.dat thru dxsl_9.dat, was found in " + s->apppath);
    EXPECT_EQ(status.last(), "No records imported from DXtreme.");
    EXPECT_EQ(s->qsocount, 2);
}

TEST_F(Dxtreme, ABadDateABadTimeAndACallOfTwoWordsAreNamedNotStored) {
    folder.write("dxsl_2.dat", qsolines({{1, "K1A"}}) + qsolines({{1, "K2A"}, {7, "13"}}) +
                                   qsolines({{1, "K3A"}, {12, "61"}}) +
                                   qsolines({{1, std::string("K4\0A", 4)}}));
    importdxtreme(*s, status, dialogs);
    ASSERT_EQ(s->qsocount, 1);
    EXPECT_EQ(qso(1).call.trimmedright(), "K1A");
    const std::string text = status.last();
    EXPECT_NE(text.find(" 3 skipped: dxsl_2.dat QSO 2 (K2A): the date \"20241302\" is no day of "
                        "the calendar; dxsl_2.dat QSO 3 (K3A): the time \"12:61\" is no time of "
                        "day; dxsl_2.dat QSO 4 (K4 A): the call \"K4 A\" is not one word."),
              std::string::npos)
        << text;
}
