#include "reports/auditfixture.h"
#include "reports/prefixes.h"

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

struct Prefixes : AwardLog {
    const std::string heads =
        "Pre -Call         Pre -Call         Pre -Call         Pre -Call         Pre -Call";
    std::vector<std::string> report(int16_t tentenonly = 0, bool qrp = false) const {
        return prefixreport(*s, tentenonly, qrp).lines;
    }
};

} // namespace

TEST_F(Prefixes, MatchesTheHandWrittenReport) {
    for (const char* call :
         {"W1AW", "DL/W1ABC", "NoCall", "W1XYZ/P", "FR5ZU/T", "k1abc", "K1ABC", "W1BB", "SV2ASP/A"})
        add(call);
    const std::vector<qsorecord> before(s->qsos.begin(), s->qsos.begin() + 10);
    const Report r = prefixreport(*s, 0, false);
    // The sort leaves the three W1 rows as W1XYZ/P, W1BB, W1AW (worked out by hand); the
    // blank prefix of "NoCall" equals row 0's and is passed over; "k1" sorts after "W1".
    const std::vector<std::string> expected = {
        "Prefixes - W9XYZ ",
        "",
        heads,
        "DL  -DL/W1ABC     FR/T-FR5ZU/T      K1  -K1ABC        SV/A-SV2ASP/A     W1  -W1XYZ/P     "
        " ",
        "k1  -k1abc        ",
        "6 prefixes worked",
    };
    EXPECT_EQ(r.lines, expected);
    expectwindowuse(r, 10, true, true, true);
    // The calls with "/" are as they were: the prefix rule worked on copies.
    for (std::size_t i = 1; i < before.size(); ++i)
        EXPECT_EQ(s->qsos[i].call, before[i].call) << i;
    EXPECT_EQ(report(), expected); // and a second run gives the same
}

TEST_F(Prefixes, AnEmptyLogGivesTheHeadsAndACountOfNone) {
    const std::vector<std::string> expected = {"Prefixes - W9XYZ ", "", heads, "0 prefixes worked"};
    EXPECT_EQ(report(), expected);
    add("NOCALL");
    add("");
    add("NoCall").deleted = "D";
    EXPECT_EQ(report(), expected);
}

TEST_F(Prefixes, FiveToALineAndTheSlashedZeroAfterTheLetters) {
    for (const char* call : {"N5A", "N3A", "N1A", "N4A", "N2A"})
        add(call);
    const std::string five = "N1  -N1A          N2  -N2A          N3  -N3A          N4  -N4A     "
                             "     N5  -N5A          ";
    EXPECT_EQ(report(), (std::vector<std::string>{"Prefixes - W9XYZ ", "", heads, five,
                                                  "5 prefixes worked"}));
    add("N6A"); // a sixth starts a line of its own
    EXPECT_EQ(report(), (std::vector<std::string>{"Prefixes - W9XYZ ", "", heads, five,
                                                  "N6  -N6A          ", "6 prefixes worked"}));
    for (const char* call : {"N7A", "N8A", "N9A",
                             "N\xd8"
                             "A"})
        add(call);
    const auto lines = report();
    ASSERT_EQ(lines.size(), 6u); // no line follows a full one
    EXPECT_EQ(lines[3], five);
    // The slashed zero is a digit of the prefix and sorts after the letters.
    EXPECT_EQ(lines[4], "N6  -N6A          N7  -N7A          N8  -N8A          N9  -N9A          "
                        "N\xd8  -N\xd8"
                        "A          ");
    EXPECT_EQ(lines[5], "10 prefixes worked");
}

TEST_F(Prefixes, KeptKeysAndLetterCaseMakeTheirOwnPrefixes) {
    for (const char* call :
         {"FR5AB/T", "FR5AB/E", "FR5AB/J", "FR5AB/G", "SV2AB/A", "FR5AB/P", "sv2ab/a", "Sv2AB"})
        add(call);
    const auto lines = report();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[3], "FR/E-FR5AB/E      FR/G-FR5AB/G      FR/J-FR5AB/J      FR/T-FR5AB/T      "
                        "FR5 -FR5AB/P      ");
    EXPECT_EQ(lines[4], "SV/A-SV2AB/A      Sv2 -Sv2AB        sv2 -sv2ab/a      ");
    EXPECT_EQ(lines[5], "8 prefixes worked");
}

TEST_F(Prefixes, QrpAndTenTenChooseTheQsos) {
    add("W1AW").power = 5;
    add("K1AB").awards[3] = s->tentenaward;
    qsorecord& fifteen = add("N1XY");
    fifteen.band = 10; // any band counts
    fifteen.awards[0] = s->tentenaward;
    add("VE1Q").awards[0] = s->tentenaward;
    s->qsos[4].deleted = "D";
    auto lines = report(0, true);
    EXPECT_EQ(lines[0], "Prefixes - QRP W9XYZ ");
    EXPECT_EQ(lines[3], "W1  -W1AW         ");
    lines = report(1, false);
    EXPECT_EQ(lines[0], "Prefixes - W9XYZ ");
    EXPECT_EQ(lines[3], "K1  -K1AB         N1  -N1XY         ");
    EXPECT_EQ(report(2).back(), "0 prefixes worked");
    s->tentenaward = 0; // not tracked: no QSO is a Ten-Ten QSO
    EXPECT_EQ(report(1).back(), "0 prefixes worked");
}
