#include "core/helpers.h"
#include "importexport/adifimport.h"
#include "importexport/exports.h"
#include "platform/fileio.h"
#include "support/logfixture.h"

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

struct Exports : ::testing::Test, LoadedLog {
    Exports() {
        s->mycall = "K1ABC";
        qsorecord a = qso("W1AW", "20040825");
        a.qsls = 1;
        a.ituz = "8";
        a.cqz = "5";
        a.grid = "FN31";
        a.continent = 5;
        a.dxcc = static_cast<int16_t>(entity("United States of America"));
        a.comments = "hello";
        a.awards[0] = s->wasaward;
        a.entries[0] = 20;
        append(a);

        qsorecord b = qso("K\xd8"
                          "ABC",
                          "20240101");
        b.time = "09:05";
        b.band = 3;
        b.mode = 2;
        b.prop = 6;
        b.power = 2.5f;
        b.rsts = "59";
        b.rstr = "57";
        b.qslr = 1;
        b.qslvia = "W1XYZ";
        b.cqz = "??";
        b.qth = 2;
        const int16_t ma = static_cast<int16_t>(s->uscountiesaward + 20);
        b.awards = {ma, s->iotaeuropeaward, s->tentenaward, s->provincesaward, s->wasaward, 0};
        b.entries = {entryof(ma, "Middlesex"), 0, 1234, 3, 0, 0};
        append(b);

        qsorecord gone = qso("W9GONE", "20100101");
        gone.deleted = "D";
        append(gone);
    }
    int32_t entryof(int16_t award, const std::string& name) const {
        const awardrecord& a = s->awardtable[static_cast<std::size_t>(award)];
        for (int e = a.first; e <= a.last; ++e)
            if (s->awardentries[static_cast<std::size_t>(e)] == name) return e - a.first;
        return -1;
    }
};

const std::string expectedadif =
    "ADIF file from Tessalog K1ABC  2024/08/25 14:30<EOH>\r\n"
    "<BAND:3>20m<CALL:4>W1AW<COMMENT:5>hello<CONT:2>NA<CQZ:1>5<DXCC:3>291<GRIDSQUARE:4>FN31"
    "<ITUZ:1>8<MODE:2>CW<OPERATOR:5>K1ABC<PROP_MODE:0><QSL_RCVD:1>N<QSL_SENT:1>Y<QSL_VIA:0>"
    "<QSO_DATE:8>20040825<QTH:4>HOME<RST_RCVD:3>579<RST_SENT:3>599<STATE:2>MA<TEN_TEN:0>"
    "<TIME_OFF:4>1430<TIME_ON:4>1430<TX_PWR:3>100<VE_PROV:0><EOR>\r\n"
    "<BAND:3>80m<CALL:5>K0ABC<CNTY:12>MA,Middlesex<COMMENT:0><CONT:0><DXCC:1>0"
    "<GRIDSQUARE:0><IOTA:6>EU-001<ITUZ:0><MODE:3>SSB<OPERATOR:5>K1ABC<PROP_MODE:2>MS"
    "<QSL_RCVD:1>Y<QSL_SENT:1>N<QSL_VIA:5>W1XYZ<QSO_DATE:8>20240101<QTH:8>PORTABLE"
    "<RST_RCVD:2>57<RST_SENT:2>59<STATE:2>AL<TEN_TEN:4>1234<TIME_OFF:4>0905<TIME_ON:4>0905"
    "<TX_PWR:3>2.5<VE_PROV:2>ON<EOR>\r\n";

} // namespace

TEST_F(Exports, AdifFileByteForByte) {
    const exporttext text = adiftext(*s, false, " ", " ");
    EXPECT_EQ(text.bytes, expectedadif);
    EXPECT_EQ(text.count, 2); // the deleted QSO is left out
}

TEST_F(Exports, ADateRangeIncludesBothEnds) {
    EXPECT_EQ(adiftext(*s, true, "20040825", "20240101").count, 2);
    EXPECT_EQ(adiftext(*s, true, "20040826", "20240101").count, 1);
    EXPECT_EQ(adiftext(*s, true, "20240101", "20040825").count, 0);
    s->chosenfile = folder.path() + "out.adi";
    ASSERT_TRUE(exportadif(*s, status, dialogs, true, "20240101", "20040825"));
    EXPECT_EQ(status.last(), "0 records written to ADIF file. The beginning date lies after "
                             "the ending date.");
}

TEST_F(Exports, WhatIsExportedImportsBack) {
    s->chosenfile = folder.path() + "out.adi";
    s->chosentitle = "out.adi";
    ASSERT_TRUE(exportadif(*s, status, dialogs, false, " ", " "));
    EXPECT_EQ(status.texts.front(),
              "Exporting ADIF file out.adi. This may take a while, please be patient.");
    EXPECT_EQ(status.last(), "2 records written to ADIF file.");
    const std::array<qsorecord, 2> before = {s->qsos[1], s->qsos[2]};
    s->qsocount = 3;
    ASSERT_EQ(importadif(*s, status, dialogs).imported, 2);
    for (int k = 0; k < 2; ++k) {
        const qsorecord& was = before[static_cast<std::size_t>(k)];
        const qsorecord& now = s->qsos[static_cast<std::size_t>(4 + k)];
        EXPECT_EQ(now.date, was.date);
        EXPECT_EQ(now.time, was.time);
        EXPECT_EQ(now.band, was.band);
        EXPECT_EQ(now.mode, was.mode);
        EXPECT_EQ(now.power, was.power);
        EXPECT_EQ(now.qslr, was.qslr);
        EXPECT_EQ(now.qsls, was.qsls);
        EXPECT_EQ(now.qslvia, was.qslvia);
        EXPECT_EQ(now.rsts, was.rsts);
        EXPECT_EQ(now.qth, was.qth);
        EXPECT_EQ(now.grid, was.grid);
    }
    // The second QSO's slots come back: county, IOTA, Ten-Ten, province and state.
    const qsorecord& b = s->qsos[5];
    EXPECT_EQ(b.call.trimmedright(), "K0ABC");
    EXPECT_EQ(b.entries[3], 1234);
    EXPECT_NE(std::find(b.awards.begin(), b.awards.end(), s->provincesaward), b.awards.end());
}

TEST_F(Exports, IotaListHoldsOneLinePerQsoFromItsLastIotaSlot) {
    s->qsos[1].awards[3] = s->iotaafricaaward;
    s->qsos[1].entries[3] = 0;
    s->qsos[1].awards[4] = s->iotaeuropeaward;
    s->qsos[1].entries[4] = 4;
    const exporttext text = iotatext(*s);
    EXPECT_EQ(text.count, 2);
    const std::string eu005 = s->awardentries[static_cast<std::size_t>(
        s->awardtable[static_cast<std::size_t>(s->iotaeuropeaward)].first + 4)];
    EXPECT_EQ(
        text.bytes,
        eu005.substr(0, 6) + " W1AW " + eu005.substr(7) + "\r\n" +
            "EU-001 K\xd8"
            "ABC " +
            s->awardentries[static_cast<std::size_t>(
                                s->awardtable[static_cast<std::size_t>(s->iotaeuropeaward)].first)]
                .substr(7) +
            "\r\n");
}

TEST_F(Exports, AnExportThatCannotBeWrittenSaysSoAndLeavesNoFile) {
    s->chosenfile = folder.path() + "missing/out.adi";
    EXPECT_FALSE(exportadif(*s, status, dialogs, false, " ", " "));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.shown[0].text.find("could not be written"), std::string::npos);
    EXPECT_FALSE(exportiota(*s, status, dialogs));
    EXPECT_FALSE(fileexists(s->chosenfile));
}

namespace {

// A station call holding a zero, accented names, bands without a plain ADIF name and
// zones of several values.
struct TodaysReaders : ::testing::Test, LoadedLog {
    TodaysReaders() {
        s->mycall = "K\xd8XYZ";
        qsorecord a = qso("DL1ABC", "20240301");
        a.time = "09:15";
        a.band = 18; // 902 MHz
        a.mode = 4;
        a.power = 50;
        a.rsts = "59";
        a.rstr = "57";
        a.qsls = 1;
        a.ituz = "28";
        a.cqz = "14";
        a.grid = "JO31";
        a.continent = 4;
        a.dxcc = static_cast<int16_t>(entity("Germany"));
        a.comments = "Jos\xe9 M\xfcller";
        append(a);

        qsorecord b = qso("W1AW", "20231231");
        b.time = "23:59";
        b.band = 1; // ULF
        b.power = 1000;
        b.rstr = "599";
        b.ituz = "??";
        b.cqz = "??";
        b.continent = 5;
        b.dxcc = static_cast<int16_t>(entity("United States of America"));
        b.awards[0] = s->wasaward;
        b.entries[0] = 20;
        append(b);

        qsorecord c = qso("K\xd8"
                          "ABC",
                          "20240102");
        c.time = "00:05";
        c.band = 0;
        c.mode = 0;
        c.prop = 7;
        c.power = 5;
        c.ituz = "7";
        c.cqz = "4";
        c.continent = 5;
        c.dxcc = b.dxcc;
        c.qth = 1;
        c.qslr = 1;
        c.qslvia = "W1XYZ";
        c.comments = "Gr\xfc\xdf"
                     "e";
        append(c);
    }
};

// Written from the export's rules: UTF-8 text with byte lengths, the call's zero as the
// digit, 33cm and 2190m, no BAND tag for band 0, no zone tag for "??".
const std::string todaysadif =
    "ADIF file from Tessalog K0XYZ  2024/08/25 14:30<EOH>\r\n"
    "<BAND:4>33cm<CALL:6>DL1ABC<COMMENT:13>Jos\xc3\xa9 M\xc3\xbcller<CONT:2>EU<CQZ:2>14"
    "<DXCC:3>230<GRIDSQUARE:4>JO31<ITUZ:2>28<MODE:2>FM<OPERATOR:5>K0XYZ<PROP_MODE:0>"
    "<QSL_RCVD:1>N<QSL_SENT:1>Y<QSL_VIA:0><QSO_DATE:8>20240301<QTH:4>HOME<RST_RCVD:2>57"
    "<RST_SENT:2>59<STATE:0><TEN_TEN:0><TIME_OFF:4>0915<TIME_ON:4>0915<TX_PWR:2>50"
    "<VE_PROV:0><EOR>\r\n"
    "<BAND:5>2190m<CALL:4>W1AW<COMMENT:0><CONT:2>NA<DXCC:3>291<GRIDSQUARE:0><MODE:2>CW"
    "<OPERATOR:5>K0XYZ<PROP_MODE:0><QSL_RCVD:1>N<QSL_SENT:1>N<QSL_VIA:0>"
    "<QSO_DATE:8>20231231<QTH:4>HOME<RST_RCVD:3>599<RST_SENT:3>599<STATE:2>MA<TEN_TEN:0>"
    "<TIME_OFF:4>2359<TIME_ON:4>2359<TX_PWR:4>1000<VE_PROV:0><EOR>\r\n"
    "<CALL:5>K0ABC<COMMENT:7>Gr\xc3\xbc\xc3\x9f"
    "e<CONT:2>NA<CQZ:1>4<DXCC:3>291<GRIDSQUARE:0><ITUZ:1>7"
    "<MODE:0><OPERATOR:5>K0XYZ<PROP_MODE:3>SAT<QSL_RCVD:1>Y<QSL_SENT:1>N<QSL_VIA:5>W1XYZ"
    "<QSO_DATE:8>20240102<QTH:6>MOBILE<RST_RCVD:3>579<RST_SENT:3>599<STATE:0><TEN_TEN:0>"
    "<TIME_OFF:4>0005<TIME_ON:4>0005<TX_PWR:1>5<VE_PROV:0><EOR>\r\n";

} // namespace

TEST_F(TodaysReaders, TheExportIsPlainAdifAndImportsBackWhole) {
    const exporttext text = adiftext(*s, false, " ", " ");
    EXPECT_EQ(text.bytes, todaysadif);
    folder.write("out.adi", text.bytes);
    s->chosenfile = folder.path() + "out.adi";
    const importresult r = importadif(*s, status, dialogs);
    ASSERT_EQ(r.imported, 3);
    EXPECT_EQ(r.nomode, 1);
    for (std::size_t k = 1; k <= 3; ++k) {
        const qsorecord& was = s->qsos[k];
        const qsorecord& now = s->qsos[k + 3];
        EXPECT_EQ(now.date, was.date) << k;
        EXPECT_EQ(now.time, was.time) << k;
        EXPECT_EQ(now.band, was.band) << k;
        EXPECT_EQ(now.mode, was.mode) << k;
        EXPECT_EQ(now.call.trimmedright(), normalizecall(was.call.str())) << k;
        EXPECT_EQ(now.dxcc, was.dxcc) << k;
        EXPECT_EQ(now.continent, was.continent) << k;
        EXPECT_EQ(now.ituz, was.ituz) << k;
        EXPECT_EQ(now.cqz, was.cqz) << k;
        EXPECT_EQ(now.grid, was.grid) << k;
        EXPECT_EQ(now.qsls, was.qsls) << k;
        EXPECT_EQ(now.qslr, was.qslr) << k;
        EXPECT_EQ(now.qslvia, was.qslvia) << k;
        EXPECT_EQ(now.rsts, was.rsts) << k;
        EXPECT_EQ(now.rstr, was.rstr) << k;
        EXPECT_EQ(now.power, was.power) << k;
        EXPECT_EQ(now.qth, was.qth) << k;
        EXPECT_EQ(now.awards, was.awards) << k;
        EXPECT_EQ(now.entries, was.entries) << k;
        EXPECT_EQ(now.comments.trimmedright(), was.comments.trimmedright()) << k;
    }
}

TEST_F(TodaysReaders, SlowScanTelevisionGoesOutAsSstvAndComesBackAsSctv) {
    s->qsos[1].mode = 6;
    ASSERT_EQ(s->modetable[6].name, "SCTV");
    std::string expected = todaysadif;
    expected.replace(expected.find("<MODE:2>FM"), 10, "<MODE:4>SSTV");
    const exporttext text = adiftext(*s, false, " ", " ");
    EXPECT_EQ(text.bytes, expected);
    folder.write("out.adi", text.bytes);
    s->chosenfile = folder.path() + "out.adi";
    ASSERT_EQ(importadif(*s, status, dialogs).imported, 3);
    EXPECT_EQ(s->qsos[4].mode, 6);
    EXPECT_EQ(s->qsos[5].mode, s->qsos[2].mode);
}
