#include "core/numbers.h"

#include <gtest/gtest.h>

#include <charconv>
#include <limits>

using namespace tsl;

TEST(LeadingNumber, TakesTheLongestNumberAtTheStartOrZero) {
    EXPECT_EQ(leadingnumber("12abc"), 12);
    EXPECT_EQ(leadingnumber(" -3.5e1x"), -35);
    EXPECT_EQ(leadingnumber("1e+"), 1);
    EXPECT_EQ(leadingnumber(".5"), 0.5);
    for (const char* none : {"abc", "", "   ", "-", ".", "x12"})
        EXPECT_EQ(leadingnumber(none), 0) << none;
}

TEST(NumberOfText, IgnoresBlanksInsideTheNumber) {
    EXPECT_EQ(numberoftext("12 34"), 1234);
    EXPECT_EQ(numberoftext(" 14 .0 25 kHz"), 14.025);
    EXPECT_EQ(numberoftext("5A"), 5);
    EXPECT_EQ(numberoftext("   "), 0);
}

TEST(ParseNumber, AcceptsOnlyAWholeNumberWithBlanksAround) {
    EXPECT_EQ(parsenumber("  -3.5e1  "), -35.0);
    EXPECT_EQ(parsenumber(".5"), 0.5);
    for (const char* bad : {"12abc", "1e", "1 2", "abc", "", "  ", "-"})
        EXPECT_EQ(parsenumber(bad), std::nullopt) << bad;
}

TEST(WholeNumbers, RoundHalvesToEvenAndFailOutsideTheirRange) {
    EXPECT_EQ(roundhalfeven(0.5), 0);
    EXPECT_EQ(roundhalfeven(1.5), 2);
    EXPECT_EQ(roundhalfeven(2.5), 2);
    EXPECT_EQ(roundhalfeven(-2.5), -2);
    EXPECT_EQ(roundhalfeven(-3.5), -4);
    EXPECT_EQ(toint16(32766.5), int16_t{32766});
    EXPECT_EQ(toint16(32767.5), std::nullopt); // rounds to 32768
    EXPECT_EQ(toint16(-32768.5), int16_t{-32768});
    EXPECT_EQ(toint16(-32769.0), std::nullopt);
    EXPECT_EQ(toint32(2147483647.5), std::nullopt);
    EXPECT_EQ(toint32(-2147483648.0), int32_t{-2147483647 - 1});
    EXPECT_EQ(toint32(-1.5), int32_t{-2});
    for (double bad :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        EXPECT_EQ(toint16(bad), std::nullopt);
        EXPECT_EQ(toint32(bad), std::nullopt);
    }
}

TEST(SingleNumbers, FailBeyondTheirRange) {
    EXPECT_EQ(tosingle(14.025), 14.025f);
    EXPECT_EQ(tosingle(-3.0e38), -3.0e38f);
    EXPECT_EQ(tosingle(1.0e39), std::nullopt);
    EXPECT_EQ(tosingle(-1.0e39), std::nullopt);
    EXPECT_EQ(tosingle(std::numeric_limits<double>::quiet_NaN()), std::nullopt);
}

TEST(SingleText, WritesTheShortestPlainTextThatReadsBack) {
    EXPECT_EQ(singletext(100.0f), "100");
    EXPECT_EQ(singletext(2.5f), "2.5");
    EXPECT_EQ(singletext(71.06f), "71.06");
    EXPECT_EQ(singletext(-5.0f), "-5");
    EXPECT_EQ(singletext(-0.0f), "0");
    EXPECT_EQ(singletext(0.1f), "0.1");
    EXPECT_EQ(singletext(1234567.0f), "1234567");
    EXPECT_EQ(singletext(18.168f), "18.168");
    for (float v : {3.14159f, 0.001f, 1e-6f, 123456.7f, -42.36f, 1e20f, 9999999.0f, 33.333f}) {
        const std::string s = singletext(v);
        float back = 0;
        std::from_chars(s.data(), s.data() + s.size(), back);
        EXPECT_EQ(back, v) << s;
        EXPECT_EQ(s.find_first_of(" ,"), std::string::npos) << s;
    }
}
