#include "reports/numberaward.h"
#include "support/reportlog.h"

#include <gtest/gtest.h>

#include <utility>

using namespace tsl;
using namespace tsl::test;

namespace {

// Awards: 1 "Ten-Ten #", 2 "QCWA #" (number awards), 3 "Canadian Provinces".
constexpr int tenten = 1, qcwa = 2, provinces = 3;

struct NumberAward : ::testing::Test, ReportLog {
    NumberAward() : ReportLog("numberaward") {}

    void worked(const std::string& call, int32_t number, int qslr, int mode = 1) {
        qsorecord& q = add(call, qslr);
        q.mode = static_cast<int16_t>(mode);
        slot(q, 2, qcwa, number);
    }

    // One number worked three times, five confirmed numbers (one of them also worked
    // without a card), number 0, a nine-digit number and a deleted QSO.
    void fill() {
        worked("K5ABC", 5, 0);
        worked("K5ABC", 5, 0, 2);
        worked("K5ABC", 5, 0);
        worked("W1A", 101, 1);
        worked("W1B", 102, 1);
        worked("W1C", 103, 1);
        worked("W1D", 104, 1, 2);
        worked("W0ZERO", 0, 1);
        worked("VE3LONGCALL1", 123456789, 0);
        worked("W7NO", 77, 0);
        worked("W7YES", 77, 1);
        worked("W9DEL", 200, 1);
        s->qsos[static_cast<std::size_t>(s->qsocount)].deleted = "D";
    }
};

} // namespace

TEST_F(NumberAward, MatchesTheHandWrittenReport) {
    fill();
    const auto r = numberedawardreport(*s, qcwa, 0, 0, 0, 0, false);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->lines, golden("numberaward/qcwa.golden"));
    EXPECT_TRUE(r->clearsfirst);
    EXPECT_TRUE(r->setslistfont);
    EXPECT_EQ(r->fontsize, 10);
}

TEST_F(NumberAward, ANumberConfirmedOnceIsConfirmedInEitherLogOrder) {
    fill();
    std::swap(s->qsos[10], s->qsos[11]); // W7YES before W7NO
    EXPECT_EQ(numberedawardreport(*s, qcwa, 0, 0, 0, 0, false)->lines,
              golden("numberaward/qcwa.golden"));
}

TEST_F(NumberAward, TheCwVariantTakesOnlyCwQsos) {
    fill();
    EXPECT_EQ(tentencwreport(*s, qcwa)->lines, golden("numberaward/cw.golden"));
    EXPECT_EQ(numberedawardreport(*s, qcwa, 2, 0, 0, 0, false)->lines.back(), "0 Worked");
}

TEST_F(NumberAward, NoMatchGivesEmptySections) {
    fill();
    EXPECT_EQ(numberedawardreport(*s, tenten, 0, 0, 0, 0, false)->lines,
              golden("numberaward/nomatch.golden"));
}

TEST_F(NumberAward, AnIndexThatNamesNoNumberAwardMakesNoReport) {
    EXPECT_FALSE(numberedawardreport(*s, 0, 0, 0, 0, 0, false));
    EXPECT_FALSE(numberedawardreport(*s, provinces, 0, 0, 0, 0, false));
    EXPECT_FALSE(tentencwreport(*s, 9));
}

TEST_F(NumberAward, EverySlotGetsARowPastTheOldTable) {
    s->qsocount = 0;
    for (int32_t n = 1; n <= 40000; ++n) {
        qsorecord& q = add("W1AW", n % 2);
        slot(q, 0, tenten, 40001 - n); // confirmed: the even numbers
        slot(q, 1, tenten, 40001 - n); // the same number twice in one QSO
    }
    const auto r = numberedawardreport(*s, tenten, 0, 0, 0, 0, false);
    EXPECT_EQ(r->lines[4].substr(0, 8), "2       ");
    EXPECT_EQ(r->lines[4].substr(24, 8), "4       ");
    EXPECT_EQ(r->lines[r->lines.size() - 1], "40000 Worked");
    EXPECT_EQ(r->lines[r->lines.size() - 3], "20000 Not Confirmed");
}
