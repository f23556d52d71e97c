#include "reports/haveneed.h"
#include "support/reportlog.h"

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

// Entities: 1 France, 2 East Germany (deleted entity), 3 United States of America, 4 Japan,
// 5 Canada.
struct HaveNeed : ::testing::Test, ReportLog {
    HaveNeed() : ReportLog("haveneed") {
        add("F1AA", 0, 1, "10:00").dxcc = 1; // 20 m CW, not confirmed
        qsorecord& f2 = add("F2BB", 1, 2, "11:00");
        f2.dxcc = 1;
        f2.band = 6; // 40 m SSB, confirmed
        f2.mode = 2;
        add("Y22AA", 1).dxcc = 2;
        qsorecord& ja = add("JA1AA");
        ja.dxcc = 4;
        ja.mode = 0; // "None" counts under Other
        ja.power = 5;
        qsorecord& k = add("K1AA", 1);
        k.dxcc = 3;
        k.band = 4; // "75 Extra"
        k.mode = 2;
        qsorecord& gone = add("VE3AA", 1);
        gone.dxcc = 5;
        gone.deleted = "D";
        add("XX9XX", 1).dxcc = 0;
        add("BAD1", 1).dxcc = 77; // beyond the entity table
        add("BAD2", 1).dxcc = 1;
        s->qsos[9].band = 30; // beyond the band table
    }
};

} // namespace

TEST_F(HaveNeed, AllCountriesMatchTheHandWrittenReport) {
    const Report r = dxcchaveneedall(*s, 0, 0, 0, false);
    EXPECT_EQ(r.lines, golden("haveneed/all.golden"));
    expectwindowuse(r, 10, true, true, true);
}

TEST_F(HaveNeed, BandFilterThreeTakesSeventyFiveExtra) {
    const Report r = dxcchaveneedall(*s, 3, 0, 0, false);
    EXPECT_EQ(r.lines[2], "Band=80 Mtrs Mode=ALL Propagation=All");
    EXPECT_EQ(r.lines[5], "France                  Need        Need         Need         Need   "
                          "      Need  ");
    EXPECT_EQ(r.lines[6], "United States of Ame    Need        Have         Need         Need   "
                          "      Have  ");
}

TEST_F(HaveNeed, QrpKeepsOnlyQrpQsosAndSaysSo) {
    const Report all = dxcchaveneedall(*s, 0, 0, 0, true);
    EXPECT_EQ(all.lines[2], "Band=All Mode=ALL Propagation=All QRP");
    EXPECT_EQ(all.lines[5].substr(75), "Need  "); // France: no QRP QSO
    EXPECT_EQ(all.lines[7].substr(75), "Worked"); // Japan at 5 W
    EXPECT_EQ(dxccneeded(*s, true).lines[0], "DXCC Needed Countries QRP W9XYZ ");
    EXPECT_EQ(dxcchaveneedone(*s, 1, true)->lines[0], "DXCC Have / Need for France F    QRP");
}

TEST_F(HaveNeed, OneCountryMatchesTheHandWrittenReport) {
    const auto r = dxcchaveneedone(*s, 1, false);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->lines, golden("haveneed/one.golden"));
    EXPECT_EQ(r->fontsize, 12);
    EXPECT_TRUE(r->clearsfirst);
    // The "75 Extra" QSO is shown on the 80 m line.
    EXPECT_EQ(dxcchaveneedone(*s, 3, false)->lines[4],
              "80 Mtrs     Need        Have         Need         Need         Have  ");
}

TEST_F(HaveNeed, NeededCountriesListTheOnlyWorkedAndClearThePickerMode) {
    s->dxccneedflag = true;
    const Report r = dxccneeded(*s, false);
    EXPECT_EQ(r.lines, golden("haveneed/needed.golden"));
    EXPECT_EQ(r.fontsize, 8);
    EXPECT_FALSE(s->dxccneedflag);
}

TEST_F(HaveNeed, AnEmptyLogNeedsEveryLiveCountry) {
    s->qsocount = 0;
    const Report r = dxccneeded(*s, false);
    ASSERT_EQ(r.lines.size(), 11u);
    EXPECT_EQ(r.lines[4].substr(0, 6), "France");
    EXPECT_EQ(r.lines[7].substr(0, 6), "Canada");
}

TEST_F(HaveNeed, AnIndexThatNamesNoCountryMakesNoReport) {
    EXPECT_FALSE(dxcchaveneedone(*s, 0, false));
    EXPECT_FALSE(dxcchaveneedone(*s, 6, false));
    EXPECT_FALSE(dxcchaveneedone(*s, -1, false));
    EXPECT_FALSE(countryqsolist(*s, 6, 0, 0, 0, 0, false));
    EXPECT_FALSE(countryqsolist(*s, -1, 0, 0, 0, 0, false));
}

TEST_F(HaveNeed, QsosWithOneEntityMatchTheHandWrittenReport) {
    const auto r = countryqsolist(*s, 1, 0, 0, 0, 0, false);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->lines, golden("haveneed/france.golden"));
    // It follows the report already shown and leaves the font alone.
    expectwindowuse(*r, 0, false, false, false);
}

TEST_F(HaveNeed, QsosWithOneEntityWithoutAMatchOrFilterLine) {
    // Canada's only QSO is deleted.
    const auto r = countryqsolist(*s, 5, 1, 0, 0, 0, false);
    EXPECT_EQ(r->lines,
              (std::vector<std::string>{"All QSOs with Canada   W9XYZ ", " ",
                                        "Call         Date       Time ", "  ", "Total QSOs    0"}));
    const auto us = countryqsolist(*s, 3, 0, 3, 2, 0, false);
    EXPECT_EQ(us->lines[1], "Band=80 Mtrs Mode=SSB Propagation=All");
    EXPECT_EQ(us->lines[4], "K1AA         01/01/2024 10:00");
    EXPECT_EQ(us->lines[6], "Total QSOs    1");
}
