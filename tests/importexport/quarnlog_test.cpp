#include "importexport/quarnlog.h"

#include "importfixture.h"

using namespace tsl;
using namespace tsl::test;

namespace {

struct Quarnlog : ImportTest {
    quarnchoice choice{13, 1, 1, 2024}; // 20 m CW, QRP, Mobile
    importoutcome import(const std::string& bytes) {
        choose(bytes, "export.inf");
        return importquarn(*s, status, dialogs, choice);
    }
    qsorecord one(const std::string& call, const std::string& state, const std::string& info,
                  const std::string& checkin = "1") {
        const std::string group = call + "\r\n" + state + "\r\n" + info +
                                  "\r\n01/01/20\r\n12:00\r\n5\r\n5\r\nN\r\nN\r\n" + checkin +
                                  "\r\n";
        const quarnread r = readquarnlog(*s, group, choice, 10);
        return r.records.empty() ? qsorecord{} : r.records[0];
    }
};

} // namespace

TEST_F(Quarnlog, TheHandMadeExportTakesTheFormsChoice) {
    s->chosenfile = testpath("quarnlog/export.inf");
    EXPECT_TRUE(importquarn(*s, status, dialogs, choice).ok);
    EXPECT_EQ(status.last(), "3 records imported from CCN / QUARNLOG");
    ASSERT_EQ(s->qsocount, 3);
    // 20 m CW, 5 W and Mobile from the form; "10" is 2010 in 2024.
    EXPECT_EQ(fieldsof(1), "W1AW/M|United States of America|5|??|??|20050825|14:30|8|1|1|5|59|57|"
                           "1|0||||0|1|/M/ /C/ op Bob 3 (NO)");
    EXPECT_EQ(slotsof(qso(1)), (std::vector{slot(s->wasaward, 20), slot(s->statecapitalsaward, 20),
                                            slot(s->ccnaward, 0)}));
    EXPECT_EQ(fieldsof(2), "K2ABC/M|United States of America|5|??|??|20101201|09:15|8|1|1|5|599|"
                           "599|1|1||||1|1|going M now YL here 3");
    EXPECT_EQ(slotsof(qso(2)), (std::vector{slot(s->wasaward, 31), slot(s->ccnaward, 0)}));
    EXPECT_EQ(fieldsof(3), "NoCall|None|0|||19990102|00:05|8|1|1|5|5|5|0|0||||0|1|/C/ 4 (NO)");
    EXPECT_EQ(slotsof(qso(3)), std::vector{slot(s->ccnaward, 0)});
    expectroundtrip();
}

TEST_F(Quarnlog, MarkersOfTheInformationLine) {
    EXPECT_EQ(one("K1A", "", " M ").call.trimmedright(), "K1A"); // trimmed first
    EXPECT_EQ(one("K1A", "", "x M y /M/").call.trimmedright(), "K1A/M");
    EXPECT_EQ(one("K1A/M", "", "/M/").call.trimmedright(), "K1A/M");
    for (const char* yl : {"a /Y/ b", "a Y b", "a/YL/", "a YL b", "/XYL/", "a XYL b"})
        EXPECT_EQ(one("K1A", "", yl).gender, 1) << yl;
    EXPECT_EQ(one("K1A", "", "XYLO").gender, 0);
    EXPECT_EQ(slotsof(one("K1A", "TX", "a C b")),
              (std::vector{slot(s->wasaward, 42), slot(s->statecapitalsaward, 42),
                           slot(s->ccnaward, 0)}));
    EXPECT_EQ(slotsof(one("K1A", "ZZ", "/C/")), std::vector{slot(s->ccnaward, 0)});
    EXPECT_EQ(one("K1A", "", "i", "3 ").comments.trimmedright(), "i 3");
    EXPECT_EQ(one("K1A", "", "i", "4").comments.trimmedright(), "i 4 (NO)");
    s->wasaward = 0;
    EXPECT_EQ(slotsof(one("K1A", "TX", "/C/")), std::vector{slot(s->ccnaward, 0)});
    s->ccnaward = 0;
    EXPECT_TRUE(slotsof(one("K1A", "TX", "")).empty());
}

TEST_F(Quarnlog, AwardValuesPastTheFiveSlotsAreCounted) {
    const std::string group = "K1A\r\nMA\r\n/C/ /C/ /C/ /C/ /C/\r\n01/01/20\r\n12:00\r\n5\r\n5\r\n"
                              "N\r\nN\r\n1\r\n";
    import(group);
    EXPECT_EQ(s->qsocount, 1);
    EXPECT_EQ(slotsof(qso(1)).size(), 5u);
    EXPECT_EQ(status.last(), "1 records imported from CCN / QUARNLOG. 2 award values past the "
                             "five slots of their QSOs were left out.");
}

TEST_F(Quarnlog, AFileEndingInsideAQsoKeepsTheCompleteOnes) {
    const std::string file = testdata("quarnlog/export.inf");
    import(file + "W9XX\r\nIL\r\n");
    EXPECT_EQ(s->qsocount, 3);
    EXPECT_EQ(status.last(), "3 records imported from CCN / QUARNLOG. The file ends inside its "
                             "last QSO, which was left out.");
    import(file + "\r\n \r\n");
    EXPECT_EQ(status.last(), "3 records imported from CCN / QUARNLOG");
    import("");
    EXPECT_EQ(status.last(), "0 records imported from CCN / QUARNLOG");
    EXPECT_TRUE(dialogs.shown.empty());
}
