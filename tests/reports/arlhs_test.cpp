#include "reports/arlhs.h"
#include "support/logfixture.h"
#include "support/pickerlogs.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace tsl;
using namespace tsl::test;

namespace {

// The awards.dat (with the "ARLHS" entry award) and dxcc.dat of testdata/arlhs.
struct ArlhsReports : ::testing::Test {
    TempFolder folder;
    ScriptedDialogs dialogs;
    std::unique_ptr<AppState> s = std::make_unique<AppState>();

    ArlhsReports() {
        for (const char* name : {"awards.dat", "dxcc.dat"})
            folder.copyfrom(std::string(TESSALOG_TESTDATA_DIR) + "/arlhs", name);
        setstartvalues(*s, folder.path(), 1000);
        loadtables(*s);
        loadawards(*s, dialogs);
        loaddxcc(*s, dialogs);
        s->mycall = "KD9XYZ";
    }
    std::vector<std::string> report(int report, int country = 1) const {
        return arlhsreport(*s, static_cast<int16_t>(report), static_cast<int16_t>(country)).lines;
    }
    bool lists(int r, const std::string& call) const {
        const auto lines = report(r);
        return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
            return line.find(call) != std::string::npos;
        });
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

TEST_F(ArlhsReports, TheTestDataHasTheAwardsAndCountries) {
    EXPECT_EQ(s->arlhsaward, 3);
    EXPECT_EQ(s->wasaward, 2);
    EXPECT_EQ(s->dxcccount, 5);
}

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
}

TEST_F(ArlhsReports, AnAwardInTwoSlotsTakesTheLaterEntry) {
    arlhslog(*s);
    const auto lines = report(0);
    EXPECT_EQ(lines[11].substr(0, 15), "USA003     W2AA");
    EXPECT_FALSE(lists(0, "W4EE")); // deleted
}

TEST_F(ArlhsReports, ALighthouseWorkedThreeTimesOnceConfirmed) {
    lighthouse("W1AW", 0, 2, 5, 0);
    lighthouse("K1ABC", 0, 2, 5, 1);
    lighthouse("N1XYZ", 0, 2, 5, 0);
    // Three equal keys: the pivot N1XYZ's row swaps with K1ABC's, then rows 1 and 2 stay.
    EXPECT_EQ(report(0), (std::vector<std::string>{
                             "ARLHS All Lighthouses - KD9XYZ",
                             " ",
                             "Lighthouse Call         Date       Time",
                             "USA001     W1AW         01/01/2007 09:00 Confirmed",
                             "USA001     N1XYZ        01/01/2007 09:00 Confirmed",
                             "USA001     K1ABC        01/01/2007 09:00 Confirmed",
                             " ",
                             "Confirmed QSOs: 3",
                             "Not Confirmed QSOs: 0",
                             "1 Lighthouses Worked",
                             "3 QSOs",
                         }));
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

TEST_F(ArlhsReports, AContinentWithoutLighthouseQsosListsNone) {
    arlhslog(*s);
    EXPECT_EQ(report(4), (std::vector<std::string>{
                             "ARLHS Africa Lighthouses - KD9XYZ",
                             " ",
                             "Lighthouse Call         Date       Time",
                             " ",
                             "Confirmed QSOs: 0",
                             "Not Confirmed QSOs: 0",
                             "0 Lighthouses Worked",
                             "0 QSOs",
                         }));
    EXPECT_EQ(report(10)[0], "ARLHS Soth America Lighthouses - KD9XYZ");
}

TEST_F(ArlhsReports, ListsShowTheStatusOfTheWholeLog) {
    arlhslog(*s);
    EXPECT_EQ(report(7)[3], "ENG001     G3DD         01/07/2006 16:00 Worked   ");
    // A North American QSO confirms the English lighthouse: Europe's list says so.
    lighthouse("VE2ZZ", 5, 3, 5, 1);
    EXPECT_EQ(report(7)[3], "ENG001     G3DD         01/07/2006 16:00 Confirmed");
    const auto england = report(12, 5);
    EXPECT_EQ(england[0], "ARLHS England Lighthouses - KD9XYZ");
    EXPECT_EQ(england[3], "ENG001     G3DD         01/07/2006 16:00 Confirmed");
    EXPECT_EQ(england.back(), "1 QSOs");
}

TEST_F(ArlhsReports, NoLighthouseQsosWhileTheAwardIsNotTracked) {
    arlhslog(*s);
    s->arlhsaward = 0;
    const auto list = report(0);
    ASSERT_EQ(list.size(), 8u);
    EXPECT_EQ(list[6], "0 Lighthouses Worked");
    const auto states = report(1);
    ASSERT_EQ(states.size(), 57u);
    EXPECT_EQ(states[3], "AL    " + std::string(41, ' ') + "Need     ");
    EXPECT_EQ(states[56], "0 States Worked");
}

TEST_F(ArlhsReports, NoStatesWhileWorkedAllStatesIsNotTracked) {
    arlhslog(*s);
    s->wasaward = 0;
    const auto states = report(1);
    EXPECT_EQ(states[54], "Confirmed QSOs: 0");
    EXPECT_EQ(states[55], "Not Confirmed QSOs: 50");
    EXPECT_EQ(states[56], "0 States Worked");
}

TEST_F(ArlhsReports, AnEntryOutsideTheAwardsListIsNoLighthouse) {
    lighthouse("W7AA", 6, 2, 5, 1);  // one past the six lighthouses
    lighthouse("W7BB", -1, 2, 5, 1); // before the first
    lighthouse("W7CC", 32000, 2, 5, 1);
    EXPECT_EQ(report(0).back(), "0 QSOs");
    EXPECT_EQ(report(3)[7], "NA        " + std::string(41, ' ') + "Need     ");
}

TEST_F(ArlhsReports, KeysOutsideTheirRowsEnterNoRow) {
    lighthouse("ZZ7ZZ", 0, 77, 9, 1).awards[1] = s->wasaward;
    s->qsos[1].entries[1] = -3;
    lighthouse("AA7ZZ", 0, -1, -2, 1);
    const auto keyed = {1, 2, 3, 11};
    for (const int r : keyed) {
        const auto lines = report(r);
        EXPECT_EQ(lines.back().substr(0, 2), "0 ") << r;
    }
    EXPECT_EQ(report(0).back(), "2 QSOs");
}

TEST_F(ArlhsReports, CallAreas) {
    lighthouse("K\330XX", 0, 2, 5, 0); // the slashed zero is area 0
    lighthouse("W1XX/4", 1, 2, 5, 0);
    lighthouse("VE6AA", 2, 3, 5, 1); // Canada: no US call area
    lighthouse("KKKK", 3, 2, 5, 1);  // no digit: no area either
    const auto lines = report(2);
    EXPECT_EQ(lines[3].substr(0, 11), "0    USA001");
    EXPECT_EQ(lines[7].substr(0, 11), "4    USA002");
    EXPECT_EQ(lines[9], "6    " + std::string(41, ' ') + "Need     ");
    EXPECT_EQ(lines[14], "Confirmed QSOs: 0");
    EXPECT_EQ(lines[16], "2 Call Areas");
}

TEST_F(ArlhsReports, AReportOutsideTheThirteenHasNoLines) {
    EXPECT_TRUE(report(13).empty());
    EXPECT_TRUE(report(-1).empty());
}
