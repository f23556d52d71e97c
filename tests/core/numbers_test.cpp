#include "core/numbers.h"

#include <gtest/gtest.h>

#include <charconv>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>

using namespace tsl;

namespace {
constexpr double notanumber = std::numeric_limits<double>::quiet_NaN();
constexpr double infinite = std::numeric_limits<double>::infinity();
} // namespace

TEST(LeadingNumber, TakesTheLongestNumberAtTheStart) {
    EXPECT_EQ(leadingnumber("12abc"), 12);
    EXPECT_EQ(leadingnumber(" -3.5e1x"), -35);
    EXPECT_EQ(leadingnumber("1e"), 1);
    EXPECT_EQ(leadingnumber("1e+"), 1);
    EXPECT_EQ(leadingnumber(".5"), 0.5);
    EXPECT_EQ(leadingnumber("7.25 W"), 7.25);
    EXPECT_EQ(leadingnumber("  42"), 42);
}

TEST(LeadingNumber, IsZeroWithoutANumber) {
    EXPECT_EQ(leadingnumber("abc"), 0);
    EXPECT_EQ(leadingnumber(""), 0);
    EXPECT_EQ(leadingnumber("   "), 0);
    EXPECT_EQ(leadingnumber("-"), 0);
    EXPECT_EQ(leadingnumber("."), 0);
    EXPECT_EQ(leadingnumber("x12"), 0);
}

TEST(ParseNumber, AcceptsOnlyAWholeNumberWithBlanksAround) {
    EXPECT_EQ(parsenumber("12"), 12.0);
    EXPECT_EQ(parsenumber("  -3.5e1  "), -35.0);
    EXPECT_EQ(parsenumber(".5"), 0.5);
    EXPECT_EQ(parsenumber("12abc"), std::nullopt);
    EXPECT_EQ(parsenumber("1e"), std::nullopt);
    EXPECT_EQ(parsenumber("1 2"), std::nullopt);
    EXPECT_EQ(parsenumber("abc"), std::nullopt);
    EXPECT_EQ(parsenumber(""), std::nullopt);
    EXPECT_EQ(parsenumber("  "), std::nullopt);
    EXPECT_EQ(parsenumber("-"), std::nullopt);
}

TEST(RoundHalfEven, RoundsHalvesToTheEvenNeighbour) {
    EXPECT_EQ(roundhalfeven(0.5), 0);
    EXPECT_EQ(roundhalfeven(1.5), 2);
    EXPECT_EQ(roundhalfeven(2.5), 2);
    EXPECT_EQ(roundhalfeven(3.5), 4);
    EXPECT_EQ(roundhalfeven(-2.5), -2);
    EXPECT_EQ(roundhalfeven(-3.5), -4);
    EXPECT_EQ(roundhalfeven(2.4999), 2);
    EXPECT_EQ(roundhalfeven(2.5001), 3);
    EXPECT_EQ(roundhalfeven(-0.7), -1);
}

TEST(ToInt16, RoundsAndFailsOutsideSixteenBits) {
    EXPECT_EQ(toint16(32766.5), int16_t{32766});
    EXPECT_EQ(toint16(32767.0), int16_t{32767});
    EXPECT_EQ(toint16(32767.5), std::nullopt); // rounds to 32768
    EXPECT_EQ(toint16(-32768.0), int16_t{-32768});
    EXPECT_EQ(toint16(-32768.5), int16_t{-32768});
    EXPECT_EQ(toint16(-32769.0), std::nullopt);
    EXPECT_EQ(toint16(40000.0), std::nullopt);
    EXPECT_EQ(toint16(2.5), int16_t{2});
    EXPECT_EQ(toint16(notanumber), std::nullopt);
    EXPECT_EQ(toint16(infinite), std::nullopt);
    EXPECT_EQ(toint16(-infinite), std::nullopt);
}

TEST(ToInt32, RoundsAndFailsOutsideThirtyTwoBits) {
    EXPECT_EQ(toint32(2147483646.5), int32_t{2147483646});
    EXPECT_EQ(toint32(2147483647.0), int32_t{2147483647});
    EXPECT_EQ(toint32(2147483647.5), std::nullopt);
    EXPECT_EQ(toint32(-2147483648.0), int32_t{-2147483647 - 1});
    EXPECT_EQ(toint32(-2147483649.0), std::nullopt);
    EXPECT_EQ(toint32(40000.0), int32_t{40000});
    EXPECT_EQ(toint32(-1.5), int32_t{-2});
    EXPECT_EQ(toint32(notanumber), std::nullopt);
    EXPECT_EQ(toint32(infinite), std::nullopt);
}

TEST(SingleText, WritesTheShortestPlainText) {
    EXPECT_EQ(singletext(100.0f), "100");
    EXPECT_EQ(singletext(2.5f), "2.5");
    EXPECT_EQ(singletext(71.06f), "71.06");
    EXPECT_EQ(singletext(-5.0f), "-5");
    EXPECT_EQ(singletext(0.0f), "0");
    EXPECT_EQ(singletext(-0.0f), "0");
    EXPECT_EQ(singletext(0.1f), "0.1");
    EXPECT_EQ(singletext(1234567.0f), "1234567");
    EXPECT_EQ(singletext(18.168f), "18.168");
    EXPECT_EQ(singletext(-0.25f), "-0.25");
    EXPECT_EQ(singletext(1500.0f), "1500");
}

TEST(SingleText, ReadsBackAsTheSameValue) {
    for (float v : {3.14159f, 0.001f, 1e-5f, 1e-6f, 123456.7f, -42.36f, 7.0e-3f, 1e20f, 9999999.0f,
                    0.3f, 33.333f}) {
        const std::string s = singletext(v);
        float back = 0;
        std::from_chars(s.data(), s.data() + s.size(), back);
        EXPECT_EQ(back, v) << s;
        EXPECT_NE(s.front(), ' ') << s;
        EXPECT_EQ(s.find(','), std::string::npos) << s;
    }
}

TEST(SingleText, WritesAPointWhateverTheUsersLocale) {
    // The application takes the user's locale at start-up; list files must not follow it.
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    bool comma = false;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "fr_FR.utf8"})
        if (std::setlocale(LC_NUMERIC, name) && *std::localeconv()->decimal_point == ',') {
            comma = true;
            break;
        }
    const std::string text = singletext(71.06f);
    std::setlocale(LC_NUMERIC, saved.c_str());
    if (!comma) GTEST_SKIP() << "no locale with a decimal comma installed";
    EXPECT_EQ(text, "71.06");
}

TEST(IntText, WritesPlainDecimal) {
    EXPECT_EQ(inttext(0), "0");
    EXPECT_EQ(inttext(-12), "-12");
    EXPECT_EQ(inttext(100000), "100000");
}
