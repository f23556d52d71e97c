#include "core/fixedtext.h"

#include <gtest/gtest.h>

#include <string>

using tsl::FixedText;

TEST(FixedText, StartsAsBlanks) {
    const FixedText<4> f;
    EXPECT_EQ(f.str(), "    ");
    EXPECT_EQ(f.trimmedright(), "");
    EXPECT_EQ(FixedText<4>::width(), 4u);
}

TEST(FixedText, AssignmentPadsAndCuts) {
    FixedText<5> f = "AB";
    EXPECT_EQ(f.str(), "AB   ");
    EXPECT_EQ(f, "AB   ");
    f = std::string("ABCDEFG");
    EXPECT_EQ(f.str(), "ABCDE");
    f = "X"; // a shorter text clears what a longer one left
    EXPECT_EQ(f.str(), "X    ");
    f = "";
    EXPECT_EQ(f.str(), "     ");
    f = std::string_view(" Q");
    EXPECT_EQ(f.str(), " Q   ");
    EXPECT_EQ(f[1], 'Q');
}

TEST(FixedText, TrimmedRightKeepsLeadingAndInnerBlanks) {
    const FixedText<8> f = " A B  ";
    EXPECT_EQ(f.trimmedright(), " A B");
    EXPECT_EQ(FixedText<3>("ABC").trimmedright(), "ABC");
    const std::string plain = f;
    EXPECT_EQ(plain, " A B    ");
}

TEST(FixedText, HoldsAnyByte) {
    FixedText<3> f = std::string("\0\xd8Z", 3);
    EXPECT_EQ(f.str(), std::string("\0\xd8Z", 3));
    EXPECT_EQ(f[1], '\xd8');
}

TEST(FixedText, EqualityComparesTheFullWidth) {
    EXPECT_EQ(FixedText<4>("AB"), FixedText<4>("AB  "));
    EXPECT_NE(FixedText<4>("AB"), FixedText<4>("ABC"));
    EXPECT_FALSE(FixedText<4>("AB") == "AB");
    EXPECT_TRUE(FixedText<4>("AB") == std::string("AB  "));
}

TEST(FixedText, OrdersByCharacterCode) {
    using F = FixedText<3>;
    EXPECT_LT(F("A"), F("B"));
    EXPECT_LT(F("AB"), F("ABC")); // the padding blank sorts first
    EXPECT_LT(F("Z"), F("a"));
    EXPECT_LT(F("9"), F("A"));
    const F slashedzero = "\xd8";
    EXPECT_GT(slashedzero, F("Z"));
    EXPECT_GT(slashedzero, F("z"));
    EXPECT_GT(slashedzero, F("9"));
    EXPECT_LT(F("W0A"), F("W\xd8"
                          "A"));
    EXPECT_GT(F("W\xd8"
                "A"),
              F("WZA"));
    EXPECT_EQ(F("ABC") <=> F("ABC"), std::strong_ordering::equal);
}
