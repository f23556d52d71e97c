#include "core/fixedtext.h"

#include <gtest/gtest.h>

#include <string>

using tsl::FixedText;

TEST(FixedText, AssignmentPadsCutsAndKeepsEveryByte) {
    FixedText<5> f;
    EXPECT_EQ(f.str(), "     ");
    f = std::string("ABCDEFG");
    EXPECT_EQ(f.str(), "ABCDE");
    f = "X"; // a shorter text clears what a longer one left
    EXPECT_EQ(f.str(), "X    ");
    f = " A B";
    EXPECT_EQ(f.trimmedright(), " A B");
    f = std::string("\0\xd8Z", 3);
    EXPECT_EQ(f.str(), std::string("\0\xd8Z  ", 5));
}

TEST(FixedText, ComparesTheFullWidthByCharacterCode) {
    using F = FixedText<3>;
    EXPECT_EQ(F("AB"), F("AB "));
    EXPECT_FALSE(F("AB") == "AB");
    EXPECT_LT(F("AB"), F("ABC")); // the padding blank sorts first
    EXPECT_LT(F("Z"), F("a"));
    EXPECT_GT(F("\xd8"), F("z")); // the slashed zero after letters and digits
    EXPECT_LT(F("W0A"), F("W\xd8"
                          "A"));
}
