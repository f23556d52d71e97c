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
    // One QSO of 30 lines, "x" on every line but those given.
    static std::string qsolines(const std::map<int, std::string>& given) {
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
    expectroundtrip();
}

TEST_F(Dxtreme, YearsTakeTheEntryPanelsCentury) {
    const auto date = [&](const std::string& year) {
        const dxtremeread r =
            readdxtreme(*s, qsolines({{1, "K1A"}, {7, "1"}, {8, "2"}, {9, year}}), 2024, 10);
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
