#include "core/paging.h"
#include "core/state.h"

#include <gtest/gtest.h>

#include <memory>

using namespace tsl;

namespace {

struct Paging : ::testing::Test {
    std::unique_ptr<AppState> s = std::make_unique<AppState>();
    void log(int32_t n) {
        setstartvalues(*s, "/tmp/", 1000);
        s->qsocount = n;
    }
    void expectpage(int32_t first, int32_t last) {
        EXPECT_EQ(s->pagefirst, first);
        EXPECT_EQ(s->pagelast, last);
        EXPECT_EQ(s->pageoffset, first - 1);
        EXPECT_EQ(s->gridrowsused, last - first + 2);
    }
};

} // namespace

TEST_F(Paging, EndOfLogPageLeavesRowsFreeForNewQsos) {
    log(5000);
    EXPECT_EQ(frameendoflog(*s), 986);
    expectpage(4014, 5000);
    EXPECT_TRUE(s->onlastpage);
}

TEST_F(Paging, PriorAndNextPagesAbut) {
    log(5000);
    frameendoflog(*s);
    framepageup(*s, s->pagerows - 1);
    expectpage(3015, 4013);
    EXPECT_FALSE(s->onlastpage);
    framepagedown(*s, s->pagerows - 1);
    expectpage(4014, 5000);
    EXPECT_TRUE(s->onlastpage);
}

TEST_F(Paging, FirstLastAndNextFromTheFirstPage) {
    log(5000);
    EXPECT_EQ(framepagetop(*s), 1);
    expectpage(1, 999);
    framepagedown(*s, s->pagerows - 1);
    expectpage(1000, 1998);
    EXPECT_FALSE(s->onlastpage);
    EXPECT_EQ(framepagebottom(*s), 998);
    expectpage(4002, 5000);
    EXPECT_EQ(s->gridrowsused, 1000);
    EXPECT_FALSE(s->onlastpage);
    // Prior on the first page stays there.
    framepagetop(*s);
    framepageup(*s, s->pagerows - 1);
    expectpage(1, 999);
}

TEST_F(Paging, ShortAndEmptyLogs) {
    log(500);
    for (auto frame : {&frameendoflog, &framepagetop, &framepagebottom}) {
        frame(*s);
        expectpage(1, 500);
    }
    framepagedown(*s, 999);
    expectpage(1, 500);
    EXPECT_TRUE(s->onlastpage);
    log(0);
    frameendoflog(*s);
    expectpage(1, 0);
    EXPECT_EQ(s->gridrowsused, 1);
    EXPECT_TRUE(s->onlastpage);
}
