#include "core/helpers.h"
#include "core/state.h"
#include "core/text.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

using namespace tsl;

namespace {

struct Helpers : ::testing::Test {
    std::unique_ptr<AppState> s = std::make_unique<AppState>();
    void SetUp() override { s->cwmodeindex = 1; }

    bool qrp(int16_t mode, float watts) {
        s->qsos[1].mode = mode;
        s->qsos[1].power = watts;
        return isqrp(*s, 1);
    }
};

// The prefix and what callprefix leaves in its argument.
std::pair<std::string, std::string> prefixof(const std::string& call) {
    std::string arg = call;
    std::string prefix = callprefix(arg);
    return {prefix, arg};
}

using Result = std::pair<std::string, std::string>;

} // namespace

TEST_F(Helpers, QrpIsAtMostFiveWattsOnCwAndTenOnOtherModes) {
    EXPECT_TRUE(qrp(1, 5.0f));
    EXPECT_FALSE(qrp(1, 5.5f));
    EXPECT_TRUE(qrp(2, 10.0f));
    EXPECT_FALSE(qrp(2, 10.5f));
    EXPECT_TRUE(qrp(0, 0.0f));
}

TEST_F(Helpers, DateTextFollowsTheDateOrder) {
    s->qsos[1].date = "20040825";
    EXPECT_EQ(qsodatetext(*s, 1), "08/25/2004");
    s->dateformatflag = 1;
    EXPECT_EQ(qsodatetext(*s, 1), "25.08.2004");
    EXPECT_EQ(qsodatetext(*s, 2), "  .  .    "); // a blank date
}

TEST(SmallHelpers, LargerSmallerDigitsAndCleanCalls) {
    EXPECT_EQ(maxlong(3, 7), 7);
    EXPECT_EQ(minlong(7, 3), 3);
    EXPECT_EQ(maxlong(2.5, 1), 2); // halves to even
    EXPECT_EQ(maxlong(1, 3.5), 4);
    EXPECT_TRUE(isalldigits(""));
    EXPECT_TRUE(isalldigits("0123456789"));
    for (const char* bad : {" 1", "1.5", "-1", "\xd8"})
        EXPECT_FALSE(isalldigits(bad)) << bad;
    EXPECT_EQ(normalizecall("  K\xd8"
                            "ABC  "),
              "K0ABC");
    EXPECT_EQ(normalizecall("w1abc"), "w1abc"); // the case is kept
}

TEST(CallPrefix, RunsToTheLastDigit) {
    EXPECT_EQ(prefixof("WA1ABC"), Result("WA1", "WA1ABC"));
    EXPECT_EQ(prefixof("4X4ABC"), Result("4X4", "4X4ABC"));
    EXPECT_EQ(prefixof("W\xd8"
                       "ABC"),
              Result("W\xd8", "W\xd8"
                              "ABC"));
    EXPECT_EQ(prefixof("K1A\xd8Z"), Result("K1A\xd8", "K1A\xd8Z"));
    EXPECT_EQ(prefixof(" WA1ABC "), Result("WA1", " WA1ABC "));
    EXPECT_EQ(prefixof("ABC"), Result("", "ABC"));
    EXPECT_EQ(prefixof(""), Result("", ""));
}

TEST(CallPrefix, SlashTakesTheShorterPartExceptSuffixes) {
    EXPECT_EQ(prefixof("W1ABC/QRP"), Result("W1", "W1ABC"));
    EXPECT_EQ(prefixof("W1ABC/P"), Result("W1", "W1ABC"));
    EXPECT_EQ(prefixof("W1ABC/"), Result("W1", "W1ABC"));
    EXPECT_EQ(prefixof("DL/W1ABC"), Result("DL", "DL"));
    EXPECT_EQ(prefixof("W1ABC/VE3"), Result("VE3", "VE3"));
    EXPECT_EQ(prefixof("AB1/CD2"), Result("CD2", "CD2"));
    EXPECT_EQ(prefixof("W1ABC/12"), Result("12", "12"));
}

TEST(CallPrefix, FrenchIslandSuffixIsItsOwnPrefix) {
    EXPECT_EQ(prefixof("FR5XX/T"), Result("FR/T", "FR5XX/T"));
}

TEST(SmallHelpers, UpperCaseChangesOnlyAToZ) {
    // Accented letters and the slashed zero stay as they are, as the entry panel types them.
    EXPECT_EQ(uppercased("k0ab/p \xe9\xe8\xff\xd8z{"), "K0AB/P \xe9\xe8\xff\xd8Z{");
    EXPECT_EQ(lowercased('Q'), 'q');
    EXPECT_EQ(lowercased('\xc9'), '\xc9');
}
