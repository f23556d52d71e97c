#include "core/listfile.h"

#include <gtest/gtest.h>

#include <string>

using namespace tsl;

TEST(ListReader, ReadsALineOfMixedItems) {
    ListReader r("\"K0ABC\",71.06,\"W\",42.36,\"N\",-5,0,1,\"Tnx\"\r\n");
    EXPECT_EQ(r.text(), "K0ABC");
    EXPECT_EQ(r.single(), 71.06f);
    EXPECT_EQ(r.text(), "W");
    EXPECT_EQ(r.single(), 42.36f);
    EXPECT_EQ(r.text(), "N");
    EXPECT_EQ(r.single(), -5.0f);
    EXPECT_EQ(r.int16(), int16_t{0});
    EXPECT_EQ(r.int16(), int16_t{1});
    EXPECT_EQ(r.text(), "Tnx");
    EXPECT_TRUE(r.atend());
    EXPECT_EQ(r.item(), std::nullopt);
    EXPECT_EQ(r.text(), std::nullopt);
}

TEST(ListReader, QuotedTextMayHoldCommasAndIgnoresWhatFollowsIt) {
    ListReader r("  \"a, b\" junk,\" keep \"x\r\n7");
    const auto first = r.item();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->text, "a, b");
    EXPECT_TRUE(first->quoted);
    EXPECT_EQ(r.text(), " keep ");
    EXPECT_EQ(r.int32(), 7);
}

TEST(ListReader, UnquotedItemsLoseSurroundingBlanks) {
    ListReader r("  abc  ,\tdef\t\r\nx y ");
    const auto first = r.item();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->text, "abc");
    EXPECT_FALSE(first->quoted);
    EXPECT_EQ(r.text(), "def");
    EXPECT_EQ(r.text(), "x y");
    EXPECT_TRUE(r.atend());
}

TEST(ListReader, AnyLineEndEndsAnItemAndBlankLinesAreSkipped) {
    ListReader r("1\r2\n3\r\n\r\n \r\n\n4\r\n");
    EXPECT_EQ(r.linenumber(), 1);
    EXPECT_EQ(r.int16(), 1);
    EXPECT_EQ(r.linenumber(), 2);
    EXPECT_EQ(r.int16(), 2);
    EXPECT_EQ(r.linenumber(), 3);
    EXPECT_EQ(r.int16(), 3);
    EXPECT_FALSE(r.atend());
    EXPECT_EQ(r.linenumber(), 7);
    EXPECT_EQ(r.int16(), 4);
    EXPECT_TRUE(r.atend());
}

TEST(ListReader, LineNumberStaysOnTheLineUntilItsLastItem) {
    ListReader r("\"a\",\"b\"\r\n\"c\"");
    EXPECT_EQ(r.text(), "a");
    EXPECT_EQ(r.linenumber(), 1);
    EXPECT_EQ(r.text(), "b");
    EXPECT_EQ(r.linenumber(), 2);
}

TEST(ListReader, EndIsOnlyBlanksLineEndsOrATrailingCtrlZ) {
    EXPECT_TRUE(ListReader("").atend());
    EXPECT_TRUE(ListReader(" \r\n\t\n").atend());
    ListReader r("5\r\n\x1a");
    EXPECT_FALSE(r.atend());
    EXPECT_EQ(r.int16(), 5);
    EXPECT_TRUE(r.atend());
    EXPECT_EQ(r.int16(), std::nullopt);
}

TEST(ListReader, UnterminatedQuoteFails) {
    ListReader r("\"open, and never closed\r\n");
    EXPECT_EQ(r.item(), std::nullopt);
}

TEST(ListReader, NumberReadsRejectWhatIsNotANumber) {
    EXPECT_EQ(ListReader("\"12\"").number(), std::nullopt);
    EXPECT_EQ(ListReader("\"12\"").int16(), std::nullopt);
    EXPECT_EQ(ListReader("abc").number(), std::nullopt);
    EXPECT_EQ(ListReader("12abc").int32(), std::nullopt);
    EXPECT_EQ(ListReader("40000").int16(), std::nullopt);
    EXPECT_EQ(ListReader("40000").int32(), 40000);
    EXPECT_EQ(ListReader("3000000000").int32(), std::nullopt);
    EXPECT_EQ(ListReader("1e39").single(), std::nullopt);
    EXPECT_EQ(ListReader("2.5").int16(), int16_t{2});
}

TEST(ListReader, EmptyUnquotedItemReadsAsZero) {
    ListReader r("1,,3, ,5");
    EXPECT_EQ(r.int16(), 1);
    EXPECT_EQ(r.number(), 0.0);
    EXPECT_EQ(r.int16(), 3);
    EXPECT_EQ(r.single(), 0.0f);
    EXPECT_EQ(r.int32(), 5);
}

TEST(ListWriter, QuotesTextsSeparatesByCommasAndEndsLinesWithCrLf) {
    ListWriter w;
    w.text("K0ABC").single(71.06f).integer(-5).endline().text("").integer(0).endline();
    EXPECT_EQ(w.bytes(), "\"K0ABC\",71.06,-5\r\n\"\",0\r\n");
}

TEST(ListWriter, KeepsQuotesAndLineBreaksOutOfTexts) {
    EXPECT_EQ(ListWriter::quotable("say \"hi\""), "say 'hi'");
    EXPECT_EQ(ListWriter::quotable(std::string("a\rb\nc\td\0e", 9)), "a b c d e");
    ListWriter w;
    w.text("5\" dish");
    EXPECT_EQ(w.bytes(), "\"5' dish\"");
}

TEST(ListWriter, WhatItWritesReadsBack) {
    const std::string awkward = std::string("Rig: \"FT-817\", 5 W,\r\nantenna\tdipole\0", 36);
    ListWriter w;
    w.text("W1ABC/P").text("a, b, c").single(-0.25f).integer(-32768).endline();
    w.text(awkward).text("  padded  ").single(1234567.0f).integer(2147483647).endline();

    ListReader r(w.bytes());
    EXPECT_EQ(r.text(), "W1ABC/P");
    EXPECT_EQ(r.text(), "a, b, c");
    EXPECT_EQ(r.single(), -0.25f);
    EXPECT_EQ(r.int16(), int16_t{-32768});
    EXPECT_EQ(r.linenumber(), 2);
    EXPECT_EQ(r.text(), ListWriter::quotable(awkward));
    EXPECT_EQ(r.text(), "  padded  ");
    EXPECT_EQ(r.single(), 1234567.0f);
    EXPECT_EQ(r.int32(), 2147483647);
    EXPECT_TRUE(r.atend());
}
