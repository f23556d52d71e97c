#include "nets/ccn.h"
#include "nets/ccnlog.h"

using namespace tsl;
using namespace tsl::test;

namespace {

using lines = std::vector<std::string>;

struct CcnPoker : CcnLog {
    void deal(std::initializer_list<std::string> calls) {
        for (const std::string& call : calls)
            net(call, "20230401", "20:00", 8, 2);
    }
    lines report() const { return ccnpokerreport(*s, 2, 8).lines; }
    // The lines between a section's heading (and the empty line after it) and the next
    // empty line.
    static lines section(const lines& all, const std::string& heading, int skip = 2) {
        lines out;
        auto at = std::find(all.begin(), all.end(), heading);
        if (at == all.end()) return {"<no " + heading + ">"};
        for (at += skip; at != all.end() && !at->empty(); ++at)
            out.push_back(*at);
        return out;
    }
};

} // namespace

TEST_F(CcnPoker, MatchesTheHandWrittenReport) {
    deal({"KA1AB", "KA2AB", "KA3AB", "K1XY",  "W2XY/P", "N4CCC",        "W6CCC", "K7DEF",
          "W1GH",  "K2GHX", "N3XGH", "WA4GH", "K8ST",   "N8ST",         "W8STZ", "KA5X",
          "KB5Y",  "KC5Z",  "K9RPA", "N9RPB", "KA1AB",  "W" + Z + "ZZ", "TEST"});
    // Out: 75 Extra, deleted, no net slot, another mode.
    net("KA4AB", "20230401", "20:00", 4, 2);
    net("KA5AB", "20230401", "20:00", 8, 2).deleted = "D";
    slot(net("KA6AB", "20230401", "20:00", 8, 2), 0, 0, 0);
    net("KA7AB", "20230401", "20:00", 8, 1);
    EXPECT_EQ(report(), golden("poker.golden"));
}

TEST_F(CcnPoker, AnEmptySelectionKeepsTheFixedLines) {
    EXPECT_EQ(report(), golden("empty-poker.golden"));
    expectwindowuse(ccnpokerreport(*s, 2, 8), 10, true, true, true);
}

TEST_F(CcnPoker, LongGroupsWrapAtEightCallsAndSinglesAtSeven) {
    deal({"K9QQQ", "K8QQQ", "K7QQQ", "K6QQQ", "K5QQQ", "K4QQQ", "K3QQQ", "K2QQQ", "K1QQQ"});
    const lines all = report();
    EXPECT_EQ(
        section(all, "Three of a Kind"),
        (lines{"K1QQQ   K2QQQ   K3QQQ   K4QQQ   K5QQQ   K6QQQ   K7QQQ   ", "K8QQQ   K9QQQ   "}));
    EXPECT_EQ(section(all, "Three of a Kind for Full House"),
              (lines{"K1QQQ   K2QQQ   K3QQQ   K4QQQ   K5QQQ   K6QQQ   K7QQQ   K8QQQ", "   K9QQQ"}));
    // A suffix of three equal letters is one Flush entry.
    EXPECT_EQ(section(all, "Flush"),
              (lines{"K1QQQ   K2QQQ   K3QQQ   K4QQQ   K5QQQ   K6QQQ   K7QQQ   K8QQQ   K9QQQ   "}));
    EXPECT_EQ(section(all, "Royal Flush"), lines{});
}

TEST_F(CcnPoker, CardsSplitAtTheLastDigit) {
    // 1A2BCD: prefix "1A", suffix "BCD"; a Straight and, with 3A2BCE, a Royal Flush. The
    // empty call equals the blank swap element and makes no card.
    deal({"1A2BCD", "3A2BCE", "w1aw/m", "K1 AW", "NODIGIT", "", "VE3/W1AB"});
    const lines all = report();
    EXPECT_EQ(all[1], "7 QSOs and 6 Calls");
    EXPECT_EQ(section(all, "Straight"), (lines{"1A2BCD   "}));
    EXPECT_EQ(section(all, "Royal Flush"), (lines{"1A2BCD   3A2BCE   "}));
    // "w1aw" upper-cased and "K1 AW" without its blank share the suffix.
    EXPECT_EQ(section(all, "Pairs for Full House", 1), (lines{"K1AW   W1AW"}));
}

TEST_F(CcnPoker, RunsNeedEachNextLetterInTurn) {
    // KA5X, KB5Y, KD5Z: the gap after B ends KA5X's run; KB5Y has no successor.
    deal({"KA5X", "KB5Y", "KD5Z", "KE5Q", "NA5X", "KA6X"});
    EXPECT_EQ(section(report(), "Straight Flush"), (lines{"KA5X   KB5Y   ", "KD5Z   KE5Q   "}));
}

TEST_F(CcnPoker, EveryQsoCountsInALargeLog) {
    for (int k = 0; k < 25000; ++k)
        net("W" + std::to_string(k % 10) + std::string(1, static_cast<char>('A' + k / 260 % 26)) +
                std::string(1, static_cast<char>('A' + k / 10 % 26)),
            "20230401", "20:00", 8, 2);
    EXPECT_EQ(report()[1], "25000 QSOs and 6760 Calls");
}
