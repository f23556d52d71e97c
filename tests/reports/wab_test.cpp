#include "reports/wab.h"
#include "support/logfixture.h"
#include "support/pickerlogs.h"

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

struct WabReport : ::testing::Test, LoadedLog {
    WabReport() {
        s->mycall = "KD9XYZ";
        wablog(*s);
    }
    std::vector<std::string> report(int part, int band = 0, int mode = 0) {
        return wabreport(*s, static_cast<int16_t>(part), static_cast<int16_t>(band),
                         static_cast<int16_t>(mode), 0, 0)
            .lines;
    }
};

} // namespace

TEST_F(WabReport, MatchesTheHandWrittenReport) {
    const Report r = wabreport(*s, 0, 0, 0, 0, 0);
    EXPECT_EQ(r.lines, goldenlines("wab/all.golden"));
    EXPECT_EQ(r.fontsize, 10);
    EXPECT_TRUE(r.clearsfirst);
}

TEST_F(WabReport, EachPartListsOnlyItsOwnSquares) {
    // Alone, the two TL27E rows keep their order: G4AA stands first (G4BB in all squares).
    const auto english = report(1);
    ASSERT_EQ(english.size(), 6u);
    EXPECT_EQ(english[0],
              "Worked All English Squares   Band=All Mode=ALL Propagation=All  - KD9XYZ");
    EXPECT_EQ(english[3], "TL27E      G4AA         01/01/2005 10:00");
    const char* squares[] = {"J33I ", "NT27S", "SH57W", "SC38M", "WV55C"};
    for (int part = 2; part <= 6; ++part) {
        const auto lines = report(part);
        ASSERT_EQ(lines.size(), 6u) << part;
        EXPECT_EQ(lines[3].substr(0, 5), squares[part - 2]);
        EXPECT_EQ(lines[5], "1 WAB Squares Worked");
    }
    EXPECT_EQ(report(6)[0].substr(0, 37), "Worked All Channel Islands Squares   ");
    EXPECT_TRUE(report(7).empty());
}

TEST_F(WabReport, FiltersChooseTheQsos) {
    const auto eighty = report(0, 3); // 75 m ("75 Extra") is in 80 m
    ASSERT_EQ(eighty.size(), 7u);
    EXPECT_EQ(eighty[3], "NT27S      GM4DD        01/04/2005 13:00");
    EXPECT_EQ(eighty[4], "SH57W      GW4EE        01/05/2005 14:00");
    const auto none = report(0, 0, 5);
    ASSERT_EQ(none.size(), 5u);
    EXPECT_EQ(none[0], "Worked All Britain Squares   Band=All Mode=RTTY Propagation=All  - KD9XYZ");
    EXPECT_EQ(none[3], " ");
    EXPECT_EQ(none[4], "0 WAB Squares Worked");
}

TEST_F(WabReport, TakesEverySelectedQsoBeyondThirtyTwoThousand) {
    s->qsocount = 0;
    for (int i = 1; i <= 33000; ++i)
        addqso(*s, "G4AA", "20050101", "10:00").wab = "SQ" + std::to_string(i) + "E";
    const auto lines = report(1);
    EXPECT_EQ(lines.size(), 33005u);
    EXPECT_EQ(lines.back(), "33000 WAB Squares Worked");
    EXPECT_EQ(lines[3].substr(0, 10), "SQ10000E  "); // "0" sorts before "E"
}
