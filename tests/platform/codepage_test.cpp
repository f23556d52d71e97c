#include "platform/codepage.h"

#include <gtest/gtest.h>

#include <string>

using namespace tsl;

namespace {
char16_t code(unsigned char b) {
    return toqt(std::string(1, static_cast<char>(b))).at(0).unicode();
}
} // namespace

TEST(CodePage, EveryByteRoundTripsAndLatinOneKeepsItsCodes) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    EXPECT_EQ(toqt(all).size(), 256);
    EXPECT_EQ(fromqt(toqt(all)), all);
    for (int b = 0; b < 256; ++b) {
        if (b >= 0x80 && b < 0xA0) continue;
        EXPECT_EQ(code(static_cast<unsigned char>(b)), b) << b;
    }
    EXPECT_EQ(code(0xD8), 0x00D8); // the slashed zero
}

TEST(CodePage, HighControlRangeHoldsTheTypographicCharacters) {
    EXPECT_EQ(code(0x80), 0x20AC); // euro
    EXPECT_EQ(code(0x99), 0x2122); // trade mark
    EXPECT_EQ(code(0x9F), 0x0178);
    for (unsigned char unassigned : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(code(unassigned), unassigned);
    EXPECT_EQ(fromqt(QString(QChar(0x20AC))), "\x80");
}

TEST(CodePage, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(fromqt(QStringLiteral(u"a\u4E2Db\u0100")), "a?b?");
    // A character beyond the first 65536 is one character, so one mark.
    EXPECT_EQ(fromqt(QString::fromUtf8("x\xF0\x9F\x98\x80y")), "x?y");
}

TEST(CodePage, Utf8TextIsConvertedOnlyWhenItIsUtf8) {
    EXPECT_EQ(fromutf8ifvalid("M\xC3\xBCller"), "M\xFCller");
    EXPECT_EQ(fromutf8ifvalid("\xE4\xB8\xAD"), "?");
    EXPECT_EQ(fromutf8ifvalid("K\xD8"
                              "ABC"),
              "K\xD8"
              "ABC");                           // not UTF-8: kept as it is
    EXPECT_EQ(fromutf8ifvalid("\xC3"), "\xC3"); // cut short
    EXPECT_EQ(fromutf8ifvalid("plain"), "plain");
}
