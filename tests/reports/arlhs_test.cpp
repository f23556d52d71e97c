#include "reports/arlhs.h"
#include "support/pickerlogs.h"
#include "support/reportlog.h"

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

// The awards.dat (with the "ARLHS" entry award) and dxcc.dat of testdata/arlhs.
struct ArlhsReports : ::testing::Test, ReportLog {
    const std::string need = std::string(41, ' ') + "Need     ";

    ArlhsReports() : ReportLog("arlhs") { s->mycall = "KD9XYZ"; }
    std::vector<std::string> report(int report, int country = 1) const {
        return arlhsreport(*s, static_cast<int16_t>(report), static_cast<int16_t>(country)).lines;
    }
    qsorecord& lighthouse(const std::string& call, int entry, int dxcc, int continent, int qslr) {
        qsorecord& q = addqso(*s, call, "20070101", "09:00");
        q.awards[0] = s->arlhsaward;
        q.entries[0] = entry;
        q.dxcc = static_cast<int16_t>(dxcc);
        q.continent = static_cast<int16_t>(continent);
        q.qslr = static_cast<int16_t>(qslr);
        return q;
    }
};

} // namespace

// The log holds the award in two slots, a deleted QSO, an entry outside the list, a state
// outside the table, a call without a digit and a continent outside the table.
TEST_F(ArlhsReports, ListAndKeyedReportsMatchTheHandWrittenReports) {
    arlhslog(*s);
    const Report all = arlhsreport(*s, 0, 1);
    EXPECT_EQ(all.lines, goldenlines("arlhs/all.golden"));
    EXPECT_EQ(all.fontsize, 10);
    EXPECT_TRUE(all.clearsfirst);
    EXPECT_EQ(report(1), goldenlines("arlhs/states.golden"));
    EXPECT_EQ(report(2), goldenlines("arlhs/areas.golden"));
    EXPECT_EQ(report(3), goldenlines("arlhs/continents.golden"));
    EXPECT_EQ(report(11), goldenlines("arlhs/dxcc.golden"));
    EXPECT_TRUE(report(13).empty());
}

TEST_F(ArlhsReports, ALighthouseWorkedThreeTimesOnceConfirmed) {
    lighthouse("W1AW", 0, 2, 5, 0);
    lighthouse("K1ABC", 0, 2, 5, 1);
    lighthouse("N1XYZ", 0, 2, 5, 0);
    // Equal keys: the pivot of rows 1..3 (row 2) goes to row 3, and rows 1 and 2 stay.
    const auto lines = report(0);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[3], "USA001     W1AW         01/01/2007 09:00 Confirmed");
    EXPECT_EQ(lines[4], "USA001     N1XYZ        01/01/2007 09:00 Confirmed");
    EXPECT_EQ(lines[5], "USA001     K1ABC        01/01/2007 09:00 Confirmed");
    EXPECT_EQ(lines[7], "Confirmed QSOs: 3");
    EXPECT_EQ(lines[9], "1 Lighthouses Worked");
}

TEST_F(ArlhsReports, KeysEqualInSevenCharactersAreOneLighthouseWithTheirOwnStatus) {
    lighthouse("W2AA", 2, 2, 5, 0); // USA003 North Tower
    lighthouse("W3BB", 3, 2, 5, 1); // USA003 South Tower
    const auto lines = report(0);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[3], "USA003     W2AA         01/01/2007 09:00 Worked   ");
    EXPECT_EQ(lines[4], "USA003     W3BB         01/01/2007 09:00 Confirmed");
    EXPECT_EQ(lines[8], "1 Lighthouses Worked");
}

TEST_F(ArlhsReports, ContinentAndCountryListsShowTheStatusOfTheWholeLog) {
    arlhslog(*s);
    const auto africa = report(4); // no African QSO: title, header and totals of 0
    ASSERT_EQ(africa.size(), 8u);
    EXPECT_EQ(africa[0], "ARLHS Africa Lighthouses - KD9XYZ");
    EXPECT_EQ(africa[6], "0 Lighthouses Worked");
    EXPECT_EQ(report(10)[0], "ARLHS Soth America Lighthouses - KD9XYZ");
    EXPECT_EQ(report(7)[3], "ENG001     G3DD         01/07/2006 16:00 Worked   ");
    // A North American QSO confirms the English lighthouse: Europe's list says so.
    lighthouse("VE2ZZ", 5, 3, 5, 1);
    EXPECT_EQ(report(7)[3], "ENG001     G3DD         01/07/2006 16:00 Confirmed");
    const auto england = report(12, 5);
    EXPECT_EQ(england[0], "ARLHS England Lighthouses - KD9XYZ");
    EXPECT_EQ(england[3], "ENG001     G3DD         01/07/2006 16:00 Confirmed");
    EXPECT_EQ(england.back(), "1 QSOs");
}

TEST_F(ArlhsReports, UntrackedAwardsGiveNoLighthousesAndNoStates) {
    arlhslog(*s);
    s->wasaward = 0;
    EXPECT_EQ(report(1)[55], "Not Confirmed QSOs: 50");
    EXPECT_EQ(report(1)[56], "0 States Worked");
    s->arlhsaward = 0;
    EXPECT_EQ(report(0).size(), 8u);
    EXPECT_EQ(report(0)[7], "0 QSOs");
    EXPECT_EQ(report(3)[7], "NA        " + need);
}

TEST_F(ArlhsReports, EntriesAndKeysOutsideTheirTablesCountNowhere) {
    lighthouse("W7AA", 6, 2, 5, 1); // one past the six lighthouses
    lighthouse("W7BB", -1, 2, 5, 1);
    lighthouse("W7CC", 32000, 2, 5, 1);
    lighthouse("ZZ7ZZ", 0, 77, 9, 1).awards[1] = s->wasaward;
    s->qsos[4].entries[1] = -3;
    lighthouse("AA7ZZ", 0, -1, -2, 1);
    for (const int r : {1, 2, 3, 11})
        EXPECT_EQ(report(r).back().substr(0, 2), "0 ") << r;
    EXPECT_EQ(report(0).back(), "2 QSOs");
}

TEST_F(ArlhsReports, CallAreas) {
    lighthouse("K\330XX", 0, 2, 5, 0); // the slashed zero is area 0
    lighthouse("W1XX/4", 1, 2, 5, 0);
    lighthouse("VE6AA", 2, 3, 5, 1); // Canada: no US call area
    lighthouse("KKKK", 3, 2, 5, 1);  // no digit: no area either
    const auto lines = report(2);
    ASSERT_EQ(lines.size(), 17u);
    EXPECT_EQ(lines[3].substr(0, 11), "0    USA001");
    EXPECT_EQ(lines[7].substr(0, 11), "4    USA002");
    EXPECT_EQ(lines[9], "6    " + need);
    EXPECT_EQ(lines[14], "Confirmed QSOs: 0");
    EXPECT_EQ(lines[16], "2 Call Areas");
}
