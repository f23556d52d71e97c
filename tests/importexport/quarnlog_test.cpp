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
        const quarnread r = readquarnlog(*s, group, choice);
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
    const qsorecord& a = qso(1);
    EXPECT_EQ(a.call.trimmedright(), "W1AW/M");
    EXPECT_EQ(a.dxcc, entity("United States of America"));
    EXPECT_EQ(slotsof(a), (std::vector{slot(s->wasaward, 20), slot(s->statecapitalsaward, 20),
                                       slot(s->ccnaward, 0)}));
    EXPECT_EQ(a.date, "20050825");
    EXPECT_EQ(a.time, "14:30");
    EXPECT_EQ(a.rsts, "59 ");
    EXPECT_EQ(a.qsls, 1);
    EXPECT_EQ(a.qslr, 0);
    EXPECT_EQ(a.comments.trimmedright(), "/M/ /C/ op Bob 3 (NO)");
    EXPECT_EQ(a.band, 8);
    EXPECT_EQ(a.mode, s->cwmodeindex);
    EXPECT_EQ(a.power, 5.0f);
    EXPECT_EQ(a.qth, 1);
    EXPECT_EQ(a.prop, 1);
    EXPECT_EQ(a.gender, 0);
    const qsorecord& b = qso(2);
    EXPECT_EQ(b.call.trimmedright(), "K2ABC/M");
    EXPECT_EQ(b.gender, 1);
    EXPECT_EQ(b.date, "20101201"); // "10" is 2010 in 2024
    EXPECT_EQ(b.qslr, 1);
    EXPECT_EQ(b.comments.trimmedright(), "going M now YL here 3");
    EXPECT_EQ(slotsof(b), (std::vector{slot(s->wasaward, 31), slot(s->ccnaward, 0)}));
    const qsorecord& c = qso(3);
    EXPECT_EQ(c.call.trimmedright(), "NoCall");
    EXPECT_EQ(c.dxcc, 0);
    EXPECT_EQ(c.date, "19990102");
    EXPECT_EQ(c.comments.trimmedright(), "/C/ 4 (NO)");
    EXPECT_EQ(slotsof(c), std::vector{slot(s->ccnaward, 0)});
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

TEST_F(Quarnlog, AMissingFileIsToldWithItsReason) {
    s->qsocount = 2;
    s->chosenfile = folder.path() + "export.inf";
    EXPECT_FALSE(importquarn(*s, status, dialogs, choice).ok);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text,
              "File, " + s->chosenfile +
                  ", not found or it is corrupted.\r\nThe file does not exist.");
    EXPECT_EQ(status.last(), "0 No records imported from CCN / QUARNLOG.");
    EXPECT_EQ(s->qsocount, 2);
}

TEST_F(Quarnlog, ABadDateABadTimeAndACallOfTwoWordsAreNamedNotStored) {
    const auto group = [](const std::string& call, const std::string& date,
                          const std::string& time) {
        return call + "\r\nTX\r\ninfo\r\n" + date + "\r\n" + time + "\r\n5\r\n5\r\nN\r\nN\r\n1\r\n";
    };
    import(group("K1A", "01/01/20", "12:00") + group("K2A", "13/45/20", "12:00") +
           group("K3A", "01/01/20", "25:00") + group(std::string("K4\0A", 4), "01/01/20", "12:00"));
    ASSERT_EQ(s->qsocount, 1);
    EXPECT_EQ(qso(1).call.trimmedright(), "K1A");
    EXPECT_EQ(status.last(), "1 records imported from CCN / QUARNLOG. 3 skipped: QSO 2 (K2A): the "
                             "date \"20201345\" is no day of the calendar; QSO 3 (K3A): the time "
                             "\"25:00\" is no time of day; QSO 4 (K4 A): the call \"K4 A\" is not "
                             "one word.");
}
