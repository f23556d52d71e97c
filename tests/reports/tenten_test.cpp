#include "reports/tenten.h"
#include "support/reportlog.h"

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

// Awards of testdata/tenten/awards.dat: 1 "Ten-Ten #", 2 "Ten-Ten VP #", 3 "Worked All
// States", 4 "Great Britain Counties / Regions", 5 "Ten Ten Chapters" (Alamo, Bluebonnet,
// Quiet Chapter).
constexpr int tenten = 1, vp = 2, chapters = 5;
constexpr int alamo = 0, bluebonnet = 1, quiet = 2;

struct TenTen : ::testing::Test, ReportLog {
    TenTen() : ReportLog("tenten") {}

    // Members with and without numbers, a chapter in two slots, a six-digit number, a
    // deleted QSO, one award in two slots and a member without a chapter.
    void chapterlog() {
        qsorecord& aa = add("K5AA", 0, 1, "10:00");
        slot(aa, 0, chapters, alamo);
        slot(aa, 1, tenten, 12345);
        slot(aa, 2, vp, 678);
        slot(add("K5BB", 0, 2, "11:00"), 3, chapters, alamo);
        qsorecord& cc = add("K5CC", 0, 3, "12:00");
        slot(cc, 0, chapters, alamo);
        slot(cc, 4, chapters, alamo);
        slot(cc, 1, tenten, 123456);
        qsorecord& dd = add("K5DD", 0, 4, "13:00");
        slot(dd, 0, chapters, bluebonnet);
        slot(dd, 1, tenten, 42);
        qsorecord& ee = add("K5EE", 1, 5, "13:30");
        slot(ee, 0, chapters, alamo);
        ee.deleted = "D";
        qsorecord& ff = add("K5FF", 1, 6, "14:00");
        slot(ff, 0, tenten, 11);
        slot(ff, 1, chapters, alamo);
        slot(ff, 2, tenten, 99);
        slot(ff, 3, vp, 5);
        slot(add("K5GG", 0, 7, "15:00"), 0, tenten, 7);
    }
};

} // namespace

TEST_F(TenTen, TheChapterListIsTheAwardsEntries) {
    EXPECT_EQ(tentenchapternames(*s),
              (std::vector<std::string>{"Alamo", "Bluebonnet", "Quiet Chapter"}));
    // An award without entries lists nothing, nor does an untracked one.
    s->awardtable[chapters].last = static_cast<int16_t>(s->awardtable[chapters].first - 1);
    EXPECT_TRUE(tentenchapternames(*s).empty());
    s->tentenchaptersaward = 0;
    EXPECT_TRUE(tentenchapternames(*s).empty());
}

TEST_F(TenTen, ChapterReportsMatchTheHandWrittenReports) {
    chapterlog();
    const auto r = tentenchapterreport(*s, alamo);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->lines, golden("tenten/alamo.golden"));
    expectwindowuse(*r, 10, true, true, true);
    EXPECT_EQ(tentenchapterreport(*s, quiet)->lines, golden("tenten/quiet.golden"));
    const auto blue = tentenchapterreport(*s, bluebonnet)->lines;
    ASSERT_EQ(blue.size(), 6u);
    EXPECT_EQ(blue[3], "01/04/2024 13:00 K5DD         42           ");
}

TEST_F(TenTen, UntrackedAwardsGiveBlankColumnsOrNoReport) {
    chapterlog();
    s->tentenaward = 0;
    s->tentenvpaward = 0;
    EXPECT_EQ(tentenchapterreport(*s, alamo)->lines[3],
              "01/01/2024 10:00 K5AA" + std::string(22, ' '));
    EXPECT_FALSE(tentenchapterreport(*s, -1));
    EXPECT_FALSE(tentenchapterreport(*s, 3));
    s->tentenchaptersaward = 0;
    EXPECT_FALSE(tentenchapterreport(*s, alamo));
}

TEST_F(TenTen, AnOptionWhoseAwardIsNotTrackedRunsNothing) {
    s->wasaward = s->gbcountiesaward = s->tentenaward = 0;
    for (const int option : {tentenwhilemobile, tentenwasmobiles, tentenvpwas, tentenwas,
                             tentengbcounties, tentencwqsos, tentennumbers, tentenchapterlist})
        EXPECT_FALSE(tentenreport(*s, option)) << option;
    EXPECT_TRUE(tentenreport(*s, tentenvpnumbers));
    s->tentenvpaward = 0;
    EXPECT_FALSE(tentenreport(*s, tentenvpnumbers));
    // The options that take no award still run.
    for (const int option : {tentencontinents, tentendxcc, tentenprefixes})
        EXPECT_TRUE(tentenreport(*s, option)) << option;
}
