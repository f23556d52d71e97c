#include "reports/auditfixture.h"
#include "reports/gridsquares.h"

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

struct GridSquares : ::testing::Test, LoadedLog {
    GridSquares() { s->mycall = "KD9XYZ"; }
    std::vector<std::string> report(int band = 0, int mode = 0, int prop = 0, int power = 0) {
        return gridsquarereport(*s, static_cast<int16_t>(band), static_cast<int16_t>(mode),
                                static_cast<int16_t>(prop), static_cast<int16_t>(power))
            .lines;
    }
};

} // namespace

TEST_F(GridSquares, MatchesTheHandWrittenReport) {
    gridlog(*s);
    const Report r = gridsquarereport(*s, 0, 0, 0, 0);
    EXPECT_EQ(r.lines, goldenlines("gridsquares/all.golden"));
    expectwindowuse(r, 10, true, true, true);
    // Continue once more: the same report.
    EXPECT_EQ(report(), r.lines);
}

TEST_F(GridSquares, FiltersChooseTheQsosAndNameThemselvesInTheTitle) {
    gridlog(*s);
    const auto eighty = report(3); // 75 m ("75 Extra") is in 80 m
    ASSERT_EQ(eighty.size(), 8u);
    EXPECT_EQ(eighty[0], "Grid Squares   Band=80 Mtrs Mode=ALL Propagation=All  - KD9XYZ");
    EXPECT_EQ(eighty[3], "EN82 VE3AA        01/08/2004 10:00  Confirmed");
    EXPECT_EQ(eighty[4], "IO91 G3AA         01/11/2004 10:00  Worked");
    EXPECT_EQ(eighty[6], "1 Grid Squares Confirmed");
    EXPECT_EQ(report(0, 2)[0], "Grid Squares   Band=All Mode=SSB Propagation=All  - KD9XYZ");
    EXPECT_EQ(report(0, 2).size(), 7u);
    s->qsos[3].power = 5; // K1CC, CW: the one QRP QSO
    const auto qrp = report(0, 0, 6, 1);
    EXPECT_EQ(qrp[0], "Grid Squares   Band=All Mode=ALL Propagation=Meteor Scatter QRP - KD9XYZ");
    EXPECT_EQ(report(0, 0, 0, 1)[3], "FN42 K1CC         01/03/2004 12:00  Worked");
}

TEST_F(GridSquares, NoUsableGridCountsNothing) {
    addqso(*s, "W3AA", "20040105", "10:00").grid = "EM";
    addqso(*s, "W4AA", "20040106", "10:00").grid = " FN42";
    addqso(*s, "W5AA", "20040107", "10:00");
    const auto lines = report();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[3], " ");
    EXPECT_EQ(lines[4], "0 Grid Squares Confirmed");
    EXPECT_EQ(lines[5], "0 Grid Squares Worked");
}

TEST_F(GridSquares, PickerMidpointRoundsHalvesToEven) {
    EXPECT_EQ(pickermidpoint(1, 4), 2);
    EXPECT_EQ(pickermidpoint(1, 6), 4);
    EXPECT_EQ(pickermidpoint(2, 3), 2);
}

// Rows C1, C2, AB12, C3, C4: the pivot AB12 goes to row 1 and C1 to row 5; the run of
// FN31 rows then sheds its last row at each pass, leaving C2 C1 C4 C3.
TEST_F(GridSquares, ARunOfUnconfirmedQsosListsTheRowTheSortLeavesFirst) {
    addqso(*s, "C1", "20040101", "10:00").grid = "FN31";
    addqso(*s, "C2", "20040102", "10:00").grid = "FN31";
    addqso(*s, "D1", "20040103", "10:00").grid = "AB12";
    addqso(*s, "C3", "20040104", "10:00").grid = "FN31";
    addqso(*s, "C4", "20040105", "10:00").grid = "FN31";
    const auto lines = report();
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[3], "AB12 D1           01/03/2004 10:00  Worked");
    EXPECT_EQ(lines[4], "FN31 C2           01/02/2004 10:00  Worked");
}

TEST_F(GridSquares, KeysOrderByCharacterCode) {
    // The slashed zero (U+00D8) after "Z"; "\xff" (U+00FF) before the euro sign (0x80, U+20AC).
    EXPECT_LT(pickerkeyof("AZ"), pickerkeyof("A\xd8"));
    EXPECT_LT(pickerkeyof("A\xff"), pickerkeyof("A\x80"));
    EXPECT_LT(pickerkeyof("FN42 "), pickerkeyof("FN42A"));
    EXPECT_EQ(pickerkeyof("WV55C     "), pickerkeyof("WV55C     "));
    EXPECT_LT(pickerkeyof("WV55C    A"), pickerkeyof("WV55C    B"));
}

TEST_F(GridSquares, ImportedAdifFileGivesItsSquaresCountedByHand) {
    s->chosenfile = std::string(TESSALOG_TESTDATA_DIR) + "/adif/Log4OM.adi";
    ASSERT_TRUE(importadif(*s, status, dialogs).ok);
    const auto lines = report();
    // 72 distinct four-character squares, 42 of them with a QSO whose QSL_RCVD is "Y".
    EXPECT_EQ(lines.size(), 72u + 6u);
    EXPECT_EQ(lines[lines.size() - 2], "42 Grid Squares Confirmed");
    EXPECT_EQ(lines.back(), "72 Grid Squares Worked");
}
