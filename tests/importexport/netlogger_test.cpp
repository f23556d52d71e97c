#include "importexport/netlogger.h"

#include "importfixture.h"

using namespace tsl;
using namespace tsl::test;

namespace {

struct NetLogger : ImportTest {
    importoutcome import(const std::string& name) {
        s->chosenfile = testpath("netlogger/" + name);
        return importnetlogger(*s, status, dialogs);
    }
};

// A QSO of 22 values as the first pass writes it, the call and the net's items given.
std::string tmpline(const std::string& call, const std::string& net = "OMISS",
                    const std::string& member = "7") {
    return "20240101,1200," + call + ",,599,599,CW,20m,,14.0,,,,,,,,,," + net + "," + member +
           ",\r\n";
}

} // namespace

TEST_F(NetLogger, BothPassesReadTheHandMadeExport) {
    const importoutcome r = import("lower.adi");
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(status.last(), "2 records imported from NetLogger.");
    EXPECT_EQ(programfile("netlogger.tmp"),
              "20240825,143059,k1abc,Smith Bob,59,57,usb,20m,,14.250,Boston ,MA,Middlesex,FN42ab,"
              "S,N,W1QSL ,hello,W1AW,century,1234,x\r\n"
              "20240826,0905,,Ann,599,599,PSK31,40m,,7.035,Toronto,ON,,FN03,N,R,,,W1AW,OMISS,"
              "12.5 ,\r\n");
    EXPECT_EQ(programfile("lognetlogger.log"),
              "\"Log of netlogger import\"\r\n\"Date     Time  Call       DXCC\"\r\n"
              "\"20240825 14:30 K1ABC        United States of America\"\r\n"
              "\"20240826 09:05 NoCall       None\"\r\n");
    ASSERT_EQ(s->qsocount, 2);
    // "usb" is SSB, "PSK31" no mode name; a QSO without a call has no entity.
    EXPECT_EQ(fieldsof(1), "K1ABC|United States of America|5|??|??|20240825|14:30|8|2|1|100|59|57|"
                           "1|0|W1QSL|FN42ab||0|0|Smith Bob Boston Middlesex hello 1234");
    EXPECT_EQ(slotsof(qso(1)), (std::vector{slot(s->wasaward, 20), slot(s->ccnaward, 1234)}));
    EXPECT_EQ(fieldsof(2),
              "NoCall|None|0|||20240826|09:05|6|0|1|100|599|599|0|1||FN03||0|0|Ann Toronto   12.5");
    // ON is no state; 12.5 rounds to 12.
    EXPECT_EQ(slotsof(qso(2)), std::vector{slot(s->omissaward, 12)});
    const qsorecord& a = qso(1);
    EXPECT_EQ(a.date, "20240825");
    EXPECT_EQ(a.call.trimmedright(), "K1ABC");
    EXPECT_EQ(a.dxcc, entity("United States of America"));
    EXPECT_EQ(a.band, 8);
    EXPECT_EQ(a.mode, s->ssbmodeindex); // "usb"
    EXPECT_EQ(a.rsts, "59 ");
    EXPECT_EQ(a.rstr, "57 ");
    EXPECT_EQ(a.grid, "FN42ab");
    EXPECT_EQ(a.qsls, 1);
    EXPECT_EQ(a.qslr, 0);
    EXPECT_EQ(a.qslvia.trimmedright(), "W1QSL");
    EXPECT_EQ(a.comments.trimmedright(), "Smith Bob Boston Middlesex hello 1234");
    EXPECT_EQ(slotsof(a), (std::vector{slot(s->wasaward, 20), slot(s->ccnaward, 1234)}));
    EXPECT_EQ(a.prop, 1);
    EXPECT_EQ(a.power, 100.0f);
    const qsorecord& b = qso(2);
    EXPECT_EQ(b.time, "09:05");
    EXPECT_EQ(b.call.trimmedright(), "NoCall");
    EXPECT_EQ(b.dxcc, 0); // no entity for a QSO without a call
    EXPECT_EQ(b.band, 6);
    EXPECT_EQ(b.mode, 0); // "PSK31" is no mode name
    EXPECT_EQ(b.qslr, 1);
    EXPECT_EQ(b.comments.trimmedright(), "Ann Toronto   12.5");
    EXPECT_EQ(slotsof(b),
              std::vector{slot(s->omissaward, 12)}); // ON is no state; 12.5 rounds to 12
    expectroundtrip();
}

TEST_F(NetLogger, CapitalEndsOfRecordReadLikeSmallOnes) {
    import("lower.adi");
    import("upper.adi");
    ASSERT_EQ(s->qsocount, 4);
    EXPECT_EQ(qsodataline(*s, qso(3)), qsodataline(*s, qso(1)));
    EXPECT_EQ(qsodataline(*s, qso(4)), qsodataline(*s, qso(2)));
}

TEST_F(NetLogger, CenturyFillsNoSlotWhileTheNetIsNotTracked) {
    s->ccnaward = 0;
    import("lower.adi");
    EXPECT_EQ(slotsof(qso(1)), std::vector{slot(s->wasaward, 20)});
}

TEST_F(NetLogger, TheFirstPassStartsBehindTheFirstTagOfTheFile) {
    // Without "<EOH>" the file's second ">" ends the skip.
    EXPECT_EQ(convertnetlogger("<A:1>x<B:1>y<C:1>z<Eor>").text, "y,z\r\n");
    EXPECT_EQ(convertnetlogger("h <eoh> <B:1>y<C:1>z<eor><B:1>1<C:1>2<eor>").text,
              "y,z\r\n1,2\r\n");
    EXPECT_EQ(convertnetlogger("<EOH>\r\n").text, "");
    // Ten NULs end the file as its end does.
    EXPECT_EQ(convertnetlogger("<EOH><A:1>a" + std::string(10, '\0') + "<B:1>b").text, "a");
    EXPECT_EQ(convertnetlogger("").error, "The file ends before its second \">\".");
    EXPECT_EQ(convertnetlogger("<EOH>").error, "");
    EXPECT_EQ(convertnetlogger("<A:1>x<B:1>y<C:1").error, "The file ends inside a tag.");
}

TEST_F(NetLogger, LinesOfAnotherItemCountAndHugeNumbersAreSkippedAndNamed) {
    const std::string text = tmpline("W1AW") + "20240101,1200,K2XX,only four\r\n" +
                             tmpline("W3AW", "Geratol", "99999999999") + tmpline("W4AW", "ccn");
    const netloggerread r = readnetlogger(*s, text);
    ASSERT_EQ(r.records.size(), 2u);
    EXPECT_EQ(r.records[1].call.trimmedright(), "W4AW");
    EXPECT_EQ(slotsof(r.records[1]), std::vector{slot(s->ccnaward, 7)});
    EXPECT_EQ(r.skipped,
              (std::vector<std::string>{"QSO 2 (K2XX): 4 items instead of 22",
                                        "QSO 3 (W3AW): the member number is too large"}));
    // The same file through the import: the log file and the result text name them.
    choose("<EOH><QSO_DATE:8>20240101<CALL:4>W1AW<eor><QSO_DATE:8>20240102<CALL:4>W2AW<eor>");
    importnetlogger(*s, status, dialogs);
    EXPECT_EQ(status.last(), "0 records imported from NetLogger. 2 skipped: QSO 1: 2 items "
                             "instead of 22; QSO 2: 2 items instead of 22.");
    EXPECT_NE(programfile("lognetlogger.log").find("\"Skipped QSO 2: 2 items instead of 22\""),
              std::string::npos);
}

TEST_F(NetLogger, AFileThatCannotBeConvertedChangesNothing) {
    s->qsocount = 3;
    folder.write("netlogger.tmp", "earlier");
    folder.write("lognetlogger.log", "earlier log");
    for (const std::string bytes : {"", "only one > mark", "<EOH><A:1>x<B"}) {
        choose(bytes);
        EXPECT_FALSE(importnetlogger(*s, status, dialogs).ok);
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].text.substr(0, dialogs.shown[0].text.find('\r')),
                  "NetLogger file, " + s->chosenfile + ", not found or it is corrupted.");
        EXPECT_EQ(dialogs.shown[0].title, s->apptitle + " " + s->mycall.str());
        EXPECT_EQ(status.last(), "No records imported from NetLogger");
    }
    s->chosenfile = folder.path() + "absent.adi";
    importnetlogger(*s, status, dialogs);
    EXPECT_NE(dialogs.shown.back().text.find("The file does not exist."), std::string::npos);
    choose("<EOH><A:1>" + std::string(20000, 'x') + "<eor>");
    importnetlogger(*s, status, dialogs);
    EXPECT_NE(dialogs.shown.back().text.find("Line 1 is longer than 10000"), std::string::npos);
    EXPECT_EQ(s->qsocount, 3);
    EXPECT_EQ(programfile("netlogger.tmp"), "earlier");
    EXPECT_EQ(programfile("lognetlogger.log"), "earlier log");
}

TEST_F(NetLogger, TheLogStopsAtItsCapacity) {
    s->qsocount = maxqsos - 1;
    import("lower.adi");
    EXPECT_EQ(s->qsocount, maxqsos);
    EXPECT_EQ(status.last(), "1 records imported from NetLogger. The log is full at 100000 QSOs: "
                             "1 QSOs were left out.");
}

namespace {

// A QSO of the 22 values as NetLogger writes it, a blank after each value and after its end
// of record, which ADIF allows.
std::string blankedqso(const std::string& date, const std::string& time, const std::string& call) {
    const std::string values[22] = {date, time,   call, "Bob", "59", "57",   "CW", "20m",
                                    "",   "14.0", "",   "MA",  "",   "FN42", "S",  "R",
                                    "",   "",     "",   "",    "",   ""};
    std::string text;
    for (std::size_t k = 0; k < 22; ++k)
        text += "<F" + std::to_string(k) + ":" + std::to_string(values[k].size()) + ">" +
                values[k] + " ";
    return text + "<eor> ";
}

} // namespace

TEST_F(NetLogger, BlanksAfterValuesAndAnEndOfFileMarkAreNoFault) {
    choose("<EOH> " + blankedqso("20240101", "1200", "K1A") +
           blankedqso("20240102", "1300", "K2A") + blankedqso("20241332", "1200", "K3A") +
           blankedqso("20240103", "2460", "K4A") + blankedqso("20240104", "1200", "K5 A") +
           blankedqso("20240105", "1200", std::string("K6\0A", 4)) + "\r\n\x1A");
    EXPECT_TRUE(importnetlogger(*s, status, dialogs).ok);
    ASSERT_EQ(s->qsocount, 3);
    for (const int32_t k : {1, 2}) {
        EXPECT_EQ(qso(k).qsls, 1) << k;
        EXPECT_EQ(qso(k).qslr, 1) << k;
        EXPECT_EQ(qso(k).grid, "FN42  ") << k;
    }
    EXPECT_EQ(qso(1).date, "20240101");
    EXPECT_EQ(qso(2).date, "20240102");
    EXPECT_EQ(qso(2).time, "13:00");
    // The first pass drops a NUL, as it drops quotes and commas.
    EXPECT_EQ(qso(3).call.trimmedright(), "K6A");
    EXPECT_EQ(status.last(), "3 records imported from NetLogger. 3 skipped: QSO 3 (K3A): the date "
                             "\"20241332\" is no day of the calendar; QSO 4 (K4A): the time "
                             "\"24:60\" is no time of day; QSO 5 (K5 A): the call \"K5 A\" is not "
                             "one word.");
    EXPECT_NE(programfile("lognetlogger.log")
                  .find("\"Skipped QSO 5 (K5 A): the call 'K5 A' is not one word\"\r\n"),
              std::string::npos);
}
