#include "core/dupecheck.h"
#include "core/state.h"

#include <gtest/gtest.h>

#include <memory>

using namespace tsl;

namespace {

// Today is 25 August 2024; the window is the start value, 2 days; 20 m CW is band 8, mode 1.
struct DupeCheck : ::testing::Test {
    std::unique_ptr<AppState> s = std::make_unique<AppState>();
    const QDate today{2024, 8, 25};
    DupeCheck() { setstartvalues(*s, "/", 1000); }

    void log(const std::string& call, const std::string& date, int16_t band = 8) {
        qsorecord& q = s->qsos[static_cast<std::size_t>(++s->qsocount)];
        q.call = call;
        q.date = date;
        q.band = band;
        q.mode = 1;
    }
    bool dupe(const std::string& call, int band = 8, int mode = 1) const {
        return isdupe(*s, call, band, mode, today);
    }
};

} // namespace

TEST_F(DupeCheck, SameCallBandAndModeWithinTwoDays) {
    EXPECT_FALSE(dupe("W1AW"));
    log("W1AW", "20240823");
    EXPECT_TRUE(dupe("W1AW"));
    EXPECT_TRUE(dupe(" W1AW "));
    EXPECT_FALSE(dupe("W1AW", 6));
    EXPECT_FALSE(dupe("W1AW", 8, 2));
    EXPECT_FALSE(dupe("w1aw")) << "calls compare exactly";
    s->qsos[1].date = "20240822";
    EXPECT_FALSE(dupe("W1AW")) << "three days ago is outside the window";
    s->qsos[1].date = "20250101";
    EXPECT_TRUE(dupe("W1AW")) << "a later date is inside it";
}

TEST_F(DupeCheck, TheWalkFromTheNewestEndsAtTheFirstOldOrUnreadableDate) {
    log("W1AW", "20240825");
    log("K1ABC", "20200101"); // a sorted log: an old QSO last
    EXPECT_FALSE(dupe("W1AW"));
    s->qsos[2].date = "2024xx25";
    EXPECT_FALSE(dupe("W1AW"));
    s->qsos[2].date = "20240824";
    EXPECT_TRUE(dupe("W1AW"));
}

TEST_F(DupeCheck, DeletedQsosCountAndSlashedZerosAreNotCleaned) {
    log("K0ABC", "20240825");
    s->qsos[1].deleted = "D";
    EXPECT_TRUE(dupe("K0ABC"));
    EXPECT_FALSE(dupe("K\xd8"
                      "ABC"));
}
