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
    const qsorecord& a = qso(1); // field 10 empty
    EXPECT_EQ(a.call.trimmedright(), "K1ABC");
    EXPECT_EQ(a.dxcc, entity("United States of America"));
    EXPECT_EQ(a.date, "20040825");
    EXPECT_EQ(a.time, "14:30");
    EXPECT_EQ(a.band, 8); // 14070150 Hz
    EXPECT_EQ(a.mode, s->pskmodeindex);
    EXPECT_EQ(a.rsts, "599");
    EXPECT_EQ(a.rstr, "579");
    EXPECT_EQ(a.comments.trimmedright(), "Bob Boston hi there");
    EXPECT_EQ(a.power, 100.0f);
    EXPECT_EQ(a.prop, 1);
    const qsorecord& b = qso(2);
    EXPECT_EQ(b.call.trimmedright(), "NoCall");
    EXPECT_EQ(b.dxcc, 0);
    EXPECT_EQ(b.time, "09:05");
    EXPECT_EQ(b.band, 6);
    EXPECT_EQ(b.rsts, "599");
    EXPECT_EQ(b.comments.trimmedright(), "");
    const qsorecord& c = qso(3); // the last line, without a line end
    EXPECT_EQ(c.call.trimmedright(), "DL1ABC");
    EXPECT_EQ(c.dxcc, entity("Germany"));
    EXPECT_EQ(c.time, ":    ");
    EXPECT_EQ(c.band, 3);
    EXPECT_EQ(c.comments.trimmedright(), "one two three");
    expectroundtrip();
}

TEST_F(DigiPan, AFrequencyTooLargeSkipsItsLine) {
    const std::string line = "a;K1A;200408251430;x;x;x;x;9e300;x;;5;5;x;x;a;b;c;\r\n";
    const digipanread r = readdigipan(*s, line + "a;K2A;20040825;x;x;x;x;1;x;;5;5;x;x;a;b;c;");
    ASSERT_EQ(r.records.size(), 1u);
    EXPECT_EQ(r.records[0].call.trimmedright(), "K2A");
    EXPECT_EQ(r.skipped, std::vector<std::string>{"line 1 (K1A): the frequency is too large"});
}

TEST_F(DigiPan, AnEmptyFileImportsNothingAndAMissingOneIsTold) {
    choose("");
    EXPECT_TRUE(importdigipan(*s, status, dialogs).ok);
    EXPECT_EQ(status.last(), "0 records imported from DigiPan.");
    s->chosenfile = folder.path() + "absent.log";
    EXPECT_FALSE(importdigipan(*s, status, dialogs).ok);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text,
              "DigiPan file, " + s->chosenfile + ", not found\r\nThe file does not exist.");
    EXPECT_EQ(status.last(), "No Records imported from DigiPan.");
    EXPECT_EQ(s->qsocount, 0);
}

TEST_F(DigiPan, ABadDateABadTimeAndACallOfTwoWordsAreNamedNotStored) {
    const auto line = [](const std::string& call, const std::string& when) {
        return "a;" + call + ";" + when + ";x;x;x;x;14070150;x;;599;579;x;x;a;b;c;\r\n";
    };
    choose(line("K1A", "200408251430") + line("K2A", "200413251430") + line("K3A", "200408259x70") +
           line(std::string("K4\0A", 4), "200408251430") + line("K5A", "20040825"));
    EXPECT_TRUE(importdigipan(*s, status, dialogs).ok);
    ASSERT_EQ(s->qsocount, 2);
    EXPECT_EQ(qso(2).call.trimmedright(), "K5A"); // no time in the file
    EXPECT_EQ(status.last(),
              "2 records imported from DigiPan. 3 skipped: line 2 (K2A): the date \"20041325\" is "
              "no day of the calendar; line 3 (K3A): the time \"9x:70\" is no time of day; line 4 "
              "(K4 A): the call \"K4 A\" is not one word.");
}
