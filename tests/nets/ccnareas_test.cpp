#include "nets/ccn.h"
#include "nets/ccnareas.h"
#include "nets/ccnlog.h"

using namespace tsl;
using namespace tsl::test;

namespace {

struct CcnAreas : CcnLog {
    qsorecord& area(const std::string& call) { return net(call, "20230301", "18:00", 6, 1); }
    std::vector<std::string> report() const { return ccnreport(*s, 1, 6, ccncallareas).lines; }
};

} // namespace

TEST(CcnCallArea, FromTheDigitOrTheCanadianPrefix) {
    EXPECT_EQ(ccncallarea("VO1AA"), 10);
    EXPECT_EQ(ccncallarea("CO1AA"), 10);
    EXPECT_EQ(ccncallarea("Vo2AA"), 11);
    EXPECT_EQ(ccncallarea("VY0CC"), 11);
    EXPECT_EQ(ccncallarea("VE"), 11); // no third character
    EXPECT_EQ(ccncallarea("VE3DD"), 14);
    EXPECT_EQ(ccncallarea("VE8EE"), 19);
    EXPECT_EQ(ccncallarea("VE9FF"), 20);
    EXPECT_EQ(ccncallarea("KH6GG"), 6);
    EXPECT_EQ(ccncallarea("K12AB"), 2); // the third character's digit wins
    EXPECT_EQ(ccncallarea("AA1A"), 1);
    EXPECT_EQ(ccncallarea("XE1HH"), -1);
    EXPECT_EQ(ccncallarea("vo1aa"), -1); // lower case matches no prefix
    EXPECT_EQ(ccncallarea("K"), -1);
    EXPECT_EQ(ccncallarea(""), -1);
}

TEST_F(CcnAreas, MatchesTheHandWrittenReport) {
    province(area("VO1AA"), 9);
    province(area("VO2BB"), 9);
    province(area("VY0CC"), 10);
    province(area("VE3DD"), 3);
    province(area("VE8EE"), 8);
    province(area("VE9FF"), 1); // area 20: none
    was(area("KH6GG"), 10);
    was(area("XE1HH"), 42); // no area
    was(area("W1DUP"), 20);
    was(area("W1DUP"), 6); // printed once, with the smaller code
    for (const char* call : {"W2AH", "W2AG", "W2AF", "W2AE", "W2AD", "W2AC", "W2AB", "W2AA"})
        was(area(call), 31);
    province(was(area("VE7ZZ"), 46), 7); // the province code wins
    area("K9NONE");                      // neither state nor province
    province(area("VE1PE"), 0);
    was(area("K" + Z + "AB"), 5);
    EXPECT_EQ(report(), golden("callareas.golden"));
}

TEST_F(CcnAreas, AnAreaTakesEveryCall) {
    for (int k = 0; k < 600; ++k)
        was(area("W3" + std::string(1, static_cast<char>('A' + k / 26)) +
                 std::string(1, static_cast<char>('A' + k % 26))),
            37);
    const auto lines = report();
    EXPECT_EQ(lines.back(), "600 QSOs");
    // 600 calls: 85 full lines and one of five.
    EXPECT_EQ(lines[2 + 1 + 1 + 1 + 85].size(), 5u * 15u);
}
