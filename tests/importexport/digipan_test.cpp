#include "importexport/digipan.h"

#include "importfixture.h"

using namespace tsl;
using namespace tsl::test;

using DigiPan = ImportTest;

TEST_F(DigiPan, LineEndsOfEveryKindGiveTheSameQsos) {
    s->chosenfile = testpath("digipan/lf.log");
    EXPECT_TRUE(importdigipan(*s, status, dialogs).ok);
    const std::string text = "3 records imported from DigiPan. 1 lines without \";\" were skipped. "
                             "1 skipped: line 3: 2 \";\" instead of 17.";
    EXPECT_EQ(status.last(), text);
    s->chosenfile = testpath("digipan/crlf.log");
    importdigipan(*s, status, dialogs);
    EXPECT_EQ(status.last(), text);
    ASSERT_EQ(s->qsocount, 6);
    for (int k = 1; k <= 3; ++k)
        EXPECT_EQ(qsodataline(*s, qso(k)), qsodataline(*s, qso(k + 3))) << k;
    // 14070150 Hz; field 10 empty; no call; the last line has no line end.
    EXPECT_EQ(fieldsof(1), "K1ABC|United States of America|5|??|??|20040825|14:30|8|10|1|100|599|"
                           "579|0|0||||0|0|Bob Boston hi there");
    EXPECT_EQ(fieldsof(2), "NoCall|None|0|||20040826|09:05|6|10|1|100|599|589|0|0||||0|0|");
    EXPECT_EQ(fieldsof(3), "DL1ABC|Germany|4|28|14|20040827|:|3|10|1|100|5|5|0|0||||0|0|one two "
                           "three");
    expectroundtrip();
}

TEST_F(DigiPan, AFrequencyTooLargeSkipsItsLine) {
    const std::string line = "a;K1A;200408251430;x;x;x;x;9e300;x;;5;5;x;x;a;b;c;\r\n";
    const digipanread r = readdigipan(*s, line + "a;K2A;20040825;x;x;x;x;1;x;;5;5;x;x;a;b;c;", 10);
    ASSERT_EQ(r.records.size(), 1u);
    EXPECT_EQ(r.records[0].call.trimmedright(), "K2A");
    EXPECT_EQ(r.skipped, std::vector<std::string>{"line 1 (K1A): the frequency is too large"});
}

TEST_F(DigiPan, AnEmptyFileImportsNothing) {
    choose("");
    EXPECT_TRUE(importdigipan(*s, status, dialogs).ok);
    EXPECT_EQ(status.last(), "0 records imported from DigiPan.");
    EXPECT_EQ(s->qsocount, 0);
}
