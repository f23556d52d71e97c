#include "importexport/win1010.h"

#include "importfixture.h"

using namespace tsl;
using namespace tsl::test;

using Win1010 = ImportTest;

TEST_F(Win1010, TheHandMadeExport) {
    s->chosenfile = testpath("win1010/log.asc");
    EXPECT_TRUE(importwin1010(*s, status, dialogs).ok);
    EXPECT_EQ(status.last(), "WIN 1010 CSV 4 records imported.");
    ASSERT_EQ(s->qsocount, 4);
    // Mode "s" is SSB; the entity's several zones as the lookup writes them.
    EXPECT_EQ(fieldsof(1), "K1ABC|United States of America|5|??|??|19991231|09:30|8|2|1|100|59|57|"
                           "0|0||||0|0|a b c d e United States");
    EXPECT_EQ(slotsof(qso(1)), std::vector{slot(s->tentenaward, 1234)});
    EXPECT_EQ(fieldsof(2), "DL1ABC|Germany|4|28|14|20050115|09:30|6|1|1|100|579|599|1|0||||0|0|a b "
                           "c d e Germany");
    EXPECT_EQ(slotsof(qso(2)), std::vector{slot(s->tentenvpaward, 56)});
    EXPECT_EQ(qso(2).awards[1], s->tentenvpaward); // the VP number keeps its own slot
    // No country name: the call's entity; band 0 is no band.
    EXPECT_EQ(fieldsof(3), "F5XYZ|France|4|27|14|20100601|12:00|0|10|1|100|5|5|1|1||||0|0|a b, "
                           "comma c d e");
    // A deleted entity's name matches nothing.
    EXPECT_EQ(fieldsof(4), "VE3ABC|Canada|5|??|??|20120704|23:59|0|5|1|100|5|5|1|1||||0|0|a b c d "
                           "e Abu Ail Is.");
    EXPECT_TRUE(slotsof(qso(4)).empty());
    const qsorecord& a = qso(1);
    EXPECT_EQ(a.call.trimmedright(), "K1ABC");
    EXPECT_EQ(a.dxcc, entity("United States of America"));
    EXPECT_EQ(a.cqz, "??"); // several zones, as the lookup writes them
    EXPECT_EQ(a.continent, 5);
    EXPECT_EQ(a.time, "09:30");
    EXPECT_EQ(a.mode, s->ssbmodeindex); // "s"
    EXPECT_EQ(a.date, "19991231");
    EXPECT_EQ(a.qsls, 0);
    EXPECT_EQ(a.qslr, 0);
    EXPECT_EQ(a.rstr, "57 ");
    EXPECT_EQ(a.rsts, "59 ");
    EXPECT_EQ(slotsof(a), std::vector{slot(s->tentenaward, 1234)});
    EXPECT_EQ(a.band, 8);
    EXPECT_EQ(a.comments.trimmedright(), "a b c d e United States");
    EXPECT_EQ(a.power, 100.0f);
    const qsorecord& b = qso(2);
    EXPECT_EQ(b.dxcc, entity("Germany"));
    EXPECT_EQ(b.ituz, "28");
    EXPECT_EQ(b.time, "09:30");
    EXPECT_EQ(b.date, "20050115");
    EXPECT_EQ(b.qsls, 1);
    EXPECT_EQ(b.qslr, 0);
    EXPECT_EQ(b.awards[0], 0);
    EXPECT_EQ(b.awards[1], s->tentenvpaward);
    EXPECT_EQ(b.entries[1], 56);
    EXPECT_EQ(b.band, 6);
    const qsorecord& c = qso(3); // no country name: the call's entity
    EXPECT_EQ(c.dxcc, entity("France"));
    EXPECT_EQ(c.mode, s->pskmodeindex);
    EXPECT_EQ(c.date, "20100601");
    EXPECT_EQ(c.qslr, 1);
    EXPECT_EQ(c.band, 0); // band 0 is no band
    EXPECT_EQ(c.comments.trimmedright(), "a b, comma c d e");
    const qsorecord& d = qso(4); // a deleted entity's name matches nothing
    EXPECT_EQ(d.dxcc, entity("Canada"));
    EXPECT_EQ(d.date, "20120704");
    EXPECT_EQ(d.mode, s->rttymodeindex);
    EXPECT_EQ(d.band, 0);
    EXPECT_TRUE(slotsof(d).empty());
    expectroundtrip();
}

TEST_F(Win1010, AFileEndingInsideAQsoKeepsTheCompleteOnes) {
    choose(testdata("win1010/log.asc") + "\"a\",\"W1AW\",\"b\"\r\n");
    importwin1010(*s, status, dialogs);
    EXPECT_EQ(s->qsocount, 4);
    EXPECT_EQ(
        status.last(),
        "WIN 1010 CSV 4 records imported. The file ends inside its last QSO, which was left out.");
    choose("");
    importwin1010(*s, status, dialogs);
    EXPECT_EQ(status.last(), "WIN 1010 CSV 0 records imported.");
}

TEST_F(Win1010, ATenTenNumberTooLargeSkipsItsQso) {
    choose("a,W1AW,b,c,1200,C,01/01/20,d,e,0,,5,5,99999999999,0,20\r\n"
           "a,W2AW,b,c,1200,C,01/01/20,d,e,0,,5,5,12,0,20\r\n");
    importwin1010(*s, status, dialogs);
    EXPECT_EQ(s->qsocount, 1);
    EXPECT_EQ(qso(1).call.trimmedright(), "W2AW");
    EXPECT_EQ(status.last(), "WIN 1010 CSV 1 records imported. 1 skipped: QSO 1 (W1AW): a Ten-Ten "
                             "number is too large.");
}

TEST_F(Win1010, AMissingFileIsToldWithItsName) {
    s->chosenfile = folder.path() + "log.asc";
    EXPECT_FALSE(importwin1010(*s, status, dialogs).ok);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text,
              "WIN 1010 CSV file, " + s->chosenfile +
                  ", not found or it is corrupted.\r\nThe file does not exist.");
    EXPECT_EQ(status.last(), "0 No records imported from WIN 1010 CSV file.");
}

TEST_F(Win1010, ABadDateABadTimeAndACallOfTwoWordsAreNamedNotStored) {
    const auto qsoline = [](const std::string& call, const std::string& time,
                            const std::string& date) {
        return "a," + call + ",b,c," + time + ",C," + date + ",d,e,0,,5,5,0,0,20\r\n";
    };
    choose(qsoline("W1AW", "1200", "01/01/20") + qsoline("W2AW", "1200", "ab/cd/ef") +
           qsoline("W3AW", "9x7", "01/01/20") +
           qsoline(std::string("W4\0AW", 5), "1200", "01/01/20"));
    importwin1010(*s, status, dialogs);
    ASSERT_EQ(s->qsocount, 1);
    EXPECT_EQ(qso(1).call.trimmedright(), "W1AW");
    EXPECT_EQ(status.last(), "WIN 1010 CSV 1 records imported. 3 skipped: QSO 2 (W2AW): the date "
                             "\"20efabcd\" is no day of the calendar; QSO 3 (W3AW): the time "
                             "\"09:x7\" is no time of day; QSO 4 (W4 AW): the call \"W4 AW\" is "
                             "not one word.");
}
