#include "platform/codepage.h"

#include <gtest/gtest.h>

#include <string>

using namespace tsl;

TEST(CodePage, EveryByteRoundTrips) {
    for (int b = 0; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        const QString q = toqt(one);
        ASSERT_EQ(q.size(), 1) << b;
        EXPECT_EQ(fromqt(q), one) << b;
    }
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    EXPECT_EQ(toqt(all).size(), 256);
    EXPECT_EQ(fromqt(toqt(all)), all);
}

TEST(CodePage, AsciiAndLatinOneRangesKeepTheirCodes) {
    for (int b = 0; b < 256; ++b) {
        if (b >= 0x80 && b < 0xA0) continue;
        EXPECT_EQ(toqt(std::string(1, static_cast<char>(b))).at(0).unicode(), b) << b;
    }
}

TEST(CodePage, HighControlRangeHoldsTheTypographicCharacters) {
    const auto code = [](unsigned char b) {
        return toqt(std::string(1, static_cast<char>(b))).at(0).unicode();
    };
    EXPECT_EQ(code(0x80), 0x20AC); // euro
    EXPECT_EQ(code(0x85), 0x2026); // ellipsis
    EXPECT_EQ(code(0x8A), 0x0160);
    EXPECT_EQ(code(0x93), 0x201C);
    EXPECT_EQ(code(0x96), 0x2013);
    EXPECT_EQ(code(0x99), 0x2122); // trade mark
    EXPECT_EQ(code(0x9F), 0x0178);
    for (unsigned char unassigned : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(code(unassigned), unassigned);
    EXPECT_EQ(fromqt(QString(QChar(0x20AC))), "\x80");
    EXPECT_EQ(fromqt(QString(QChar(0x2122))), "\x99");
}

TEST(CodePage, SlashedZeroIsCapitalOWithStroke) {
    EXPECT_EQ(toqt(std::string(1, slashedzero)), QString(QChar(0x00D8)));
    EXPECT_EQ(fromqt(QStringLiteral(u"K\u00D8ABC")), "K\xd8"
                                                     "ABC");
    EXPECT_EQ(toqt("K\xd8"
                   "ABC"),
              QStringLiteral(u"K\u00D8ABC"));
}

TEST(CodePage, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(fromqt(QString(QChar(0x4E2D))), "?");
    EXPECT_EQ(fromqt(QStringLiteral(u"a\u4E2Db")), "a?b");
    EXPECT_EQ(fromqt(QString(QChar(0x0100))), "?");
    // A character beyond the first 65536 is one character, so one mark.
    EXPECT_EQ(fromqt(QString::fromUtf8("x\xF0\x9F\x98\x80y")), "x?y");
    EXPECT_EQ(fromqt(QString()), "");
    EXPECT_TRUE(toqt("").isEmpty());
}
