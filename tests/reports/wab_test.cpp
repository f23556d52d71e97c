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

TEST_F(WabReport, EnglishSquaresListTheFirstRowOfTheirOwnSort) {
    // Alone, the two TL27E rows keep their order: G4AA stands first (G4BB in all squares).
    EXPECT_EQ(report(1), (std::vector<std::string>{
                             "Worked All English Squares   Band=All Mode=ALL Propagation=All  "
                             "- KD9XYZ",
                             " ",
                             "WAB        Call         Date       Time",
                             "TL27E      G4AA         01/01/2005 10:00",
                             " ",
                             "1 WAB Squares Worked",
                         }));
}

TEST_F(WabReport, EachOtherPartListsOnlyItsOwnSquare) {
    const std::pair<const char*, const char*> parts[] = {
        {"Worked All Irish Squares", "J33I "},
        {"Worked All Scottish Squares", "NT27S"},
        {"Worked All Welsh Squares", "SH57W"},
        {"Worked All Isle of Man Squares", "SC38M"},
        {"Worked All Channel Islands Squares", "WV55C"},
    };
    for (int part = 2; part <= 6; ++part) {
        const auto lines = report(part);
        const auto& [title, square] = parts[part - 2];
        ASSERT_EQ(lines.size(), 6u) << part;
        EXPECT_EQ(lines[0].substr(0, lines[0].find("   Band=")), title);
        EXPECT_EQ(lines[3].substr(0, 5), square);
        EXPECT_EQ(lines[5], "1 WAB Squares Worked");
    }
    EXPECT_TRUE(report(7).empty());
}

TEST_F(WabReport, EightyMetresTakesInSeventyFive) {
    const auto lines = report(0, 3);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], "Worked All Britain Squares   Band=80 Mtrs Mode=ALL Propagation=All  - "
                        "KD9XYZ");
    EXPECT_EQ(lines[3], "NT27S      GM4DD        01/04/2005 13:00");
    EXPECT_EQ(lines[4], "SH57W      GW4EE        01/05/2005 14:00");
    EXPECT_EQ(lines[6], "2 WAB Squares Worked");
}

TEST_F(WabReport, NoSelectedQsoGivesACountOfNought) {
    EXPECT_EQ(report(0, 0, 5), (std::vector<std::string>{
                                   "Worked All Britain Squares   Band=All Mode=RTTY "
                                   "Propagation=All  - KD9XYZ",
                                   " ",
                                   "WAB        Call         Date       Time",
                                   " ",
                                   "0 WAB Squares Worked",
                               }));
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
