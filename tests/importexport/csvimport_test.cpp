#include "importexport/csvimport.h"
#include "importexport/importframe.h"
#include "importfixture.h"

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

struct CsvImport : ImportTest {
    static csvlayout layout(std::initializer_list<int> fields, int32_t count = 0) {
        csvlayout l;
        std::copy(fields.begin(), fields.end(), l.fields.begin());
        l.fieldcount = count > 0 ? count : static_cast<int32_t>(fields.size());
        l.currentyear = 2024;
        return l;
    }
    csvread read(const std::string& text, const csvlayout& l) const { return readcsv(*s, text, l); }
    csvresult import(const std::string& text, const csvlayout& l) {
        folder.write("in.csv", text);
        s->chosenfile = folder.path() + "in.csv";
        return importcsv(*s, status, l);
    }
};

} // namespace

TEST_F(CsvImport, RecordsAreCountsOfItemsWhateverLinesTheyLieOn) {
    s->chosenfile = testpath("csv/spanning.csv");
    const csvresult r =
        importcsv(*s, status, layout({csvcall, csvdate, csvtime, csvband, csvmode}));
    EXPECT_TRUE(r.opened);
    EXPECT_EQ(r.error, "");
    ASSERT_EQ(s->qsocount, 3);
    EXPECT_EQ(status.last(), "3 records imported from CSV file.");
    const std::tuple<const char*, const char*, const char*, int16_t, int16_t> wanted[] = {
        {"K1ABC", "20240825", "14:30", 8, 1},
        {"W2XYZ", "20240826", "09:30", 6, 2},
        {"N3ABC", "20240827", "09:30", 4, 5}};
    for (std::size_t i = 0; i < 3; ++i) {
        const auto& [call, date, time, band, mode] = wanted[i];
        const qsorecord& q = s->qsos[i + 1];
        EXPECT_EQ(q.call.trimmedright(), call);
        EXPECT_EQ(q.date, date);
        EXPECT_EQ(q.time, time);
        EXPECT_EQ(q.band, band);
        EXPECT_EQ(q.mode, mode);
        EXPECT_EQ(q.power, 100);
        EXPECT_EQ(q.prop, 1);
    }
    // Empty items at the ends of lines are items too.
    const csvread trailing = read("A1A,,\r\nB1B,x,\r\n", layout({csvcall, csvignore, csvcomment}));
    EXPECT_EQ(trailing.records.size(), 2u);
    EXPECT_EQ(trailing.brokenrecord, 0);
}

TEST_F(CsvImport, EveryKindOfItemLandsInItsField) {
    csvlayout l = layout({csvcall,        csvdate,    csvtime,    csvband,        csvmode,
                          csvpower,       csvqslvia,  csvqslsent, csvqslreceived, csvrstsent,
                          csvrstreceived, csvituzone, csvcqzone,  csvcontinent,   csvgridsquare,
                          csviota,        csvtenten,  csvwab,     csvstate,       csvcomment},
                         25);
    l.hhmm = true;
    l.qth = 2;
    l.prop = 3;
    s->chosenfile = testpath("csv/everyfield.csv");
    importcsv(*s, status, l);
    ASSERT_EQ(s->qsocount, 2);
    // The state's CQ zone is written after the zone item; each part of the comment is joined
    // with a blank, none before the first.
    EXPECT_EQ(fieldsof(1), "K1ABC|United States of America|5|08|4|20240825|14:30|8|1|3|5.5|5|59|1|"
                           "1|W1AW|FN42ab|SU12|0|2|EU-005 TX Smith, John");
    EXPECT_EQ(slotsof(qso(1)), (std::vector{slot(s->iotaeuropeaward, 4),
                                            slot(s->tentenaward, 12345), slot(s->wasaward, 42)}));
    // "cw" and "eu" are no names, "YES" no "Y", 0 W the usual 100 W; empty items write blanks.
    EXPECT_EQ(fieldsof(2), "W2XYZ|United States of America|0|||20240826|09:30|0|0|3|100|599|579|0|"
                           "0|W2AW|||0|2|AF-999 plain");
    EXPECT_EQ(slotsof(qso(2)), std::vector{slot(s->tentenaward, 0)});

    const qsorecord& q = s->qsos[1];
    EXPECT_EQ(q.call.trimmedright(), "K1ABC");
    EXPECT_EQ(q.dxcc, entity("United States of America"));
    EXPECT_EQ(q.date, "20240825");
    EXPECT_EQ(q.time, "14:30");
    EXPECT_EQ(q.band, 8);
    EXPECT_EQ(q.mode, 1);
    EXPECT_EQ(q.power, 5.5f);
    EXPECT_EQ(q.qslvia.trimmedright(), "W1AW");
    EXPECT_EQ(q.qsls, 1);
    EXPECT_EQ(q.qslr, 1);
    EXPECT_EQ(q.rsts, "5  ");
    EXPECT_EQ(q.rstr, "59 ");
    EXPECT_EQ(q.ituz, "08");
    EXPECT_EQ(q.cqz, "4 "); // the state's zone, written after the CQ zone item
    EXPECT_EQ(q.continent, 5);
    EXPECT_EQ(q.grid, "FN42ab");
    EXPECT_EQ(q.wab.trimmedright(), "SU12");
    EXPECT_EQ(q.qth, 2);
    EXPECT_EQ(q.prop, 3);
    // Each part of the comment is joined with a blank, none stands before the first.
    EXPECT_EQ(q.comments.trimmedright(), "EU-005 TX Smith, John");
    const std::pair<int16_t, int32_t> wanted[] = {
        {s->iotaeuropeaward, 4}, {s->tentenaward, 12345}, {s->wasaward, 42}, {0, 0}, {0, 0}};
    for (std::size_t k = 0; k < 5; ++k) {
        EXPECT_EQ(q.awards[k], wanted[k].first) << k;
        EXPECT_EQ(q.entries[k], wanted[k].second) << k;
    }

    const qsorecord& r = s->qsos[2];
    EXPECT_EQ(r.time, "09:30");
    EXPECT_EQ(r.band, 0);
    EXPECT_EQ(r.mode, 0); // "cw" is no mode's name
    EXPECT_EQ(r.power, 100);
    EXPECT_EQ(r.qsls, 0);
    EXPECT_EQ(r.qslr, 0);
    EXPECT_EQ(r.rsts, "599");
    EXPECT_EQ(r.ituz, "  ");
    EXPECT_EQ(r.continent, 0);
    EXPECT_EQ(r.comments.trimmedright(), "AF-999 plain");
    EXPECT_EQ(r.awards[0], s->tentenaward);
    EXPECT_EQ(r.entries[0], 0);
    EXPECT_EQ(r.awards[1], 0);
}

TEST_F(CsvImport, DatesOfEachFormatWithTwoDigitYearsByTheEntryRule) {
    const std::tuple<int, const char*, const char*> cases[] = {
        {csvyyyymmdd, "20240825", "20240825"},     {csvyyyymmdd, "2024825", "00000000"},
        {csvmmddyyyy, "08252024", "20240825"},     {csvmm_dd_yyyy, "08-25-2024", "20240825"},
        {csvdd_mm_yyyy, "25-08-2024", "20240825"}, {csvmmm_dd_yyyy, "Aug-25-2024", "20240825"},
        {csvmmm_dd_yyyy, "Xyz-25-2024", "202425"}, {csvdd_mmm_yyyy, "25-AUG-2024", "20240825"},
        {csvdd_mmm_yy, "31-DEC-04", "20041231"},   {csvdd_mmm_yy, "31-DEC-95", "19951231"},
        {csvdd_mmm_yy, "31-dec-24", "20241231"},   {csvdd_mmm_yy, "31-DEC-25", "19251231"},
        {csvmm_dd_yy, "12-31-04", "20041231"},     {csvmm_dd_yy, "12-31-95", "19951231"},
        {csvmm_dd_yy, "12-31-15", "20151231"},     {csvmm_dd_yy, "12-31-25", "19251231"},
        {csvmm_dd_yy, "12-31-2004", "00000000"}};
    for (const auto& [format, value, date] : cases)
        EXPECT_EQ(csvdatevalue(*s, value, format, 2024), date) << value;
}

TEST_F(CsvImport, TimesAndBandsByTheirFormats) {
    const std::tuple<bool, const char*, const char*> times[] = {
        {true, "930", "09:30"},   {true, "", "00:00"},       {true, "143059", "14:30"},
        {false, "9:30", "09:30"}, {false, "0930", "09:30"},  {false, ":30", "00:30"},
        {false, "", "00:00"},     {false, "14:30", "14:30"}, {false, "1:2:3", "00:00"}};
    for (const auto& [hhmm, value, time] : times)
        EXPECT_EQ(csvtimevalue(value, hhmm), time) << value;
    const std::tuple<bool, const char*, int16_t> bands[] = {
        {false, "14.2", 8},  {false, "10.1", 7}, {false, "3.76", 4}, {false, "78000", 26},
        {false, "1 4.2", 8}, {true, "20", 8},    {true, "75", 4},    {true, "432", 17},
        {true, "2", 15},     {true, "160", 2},   {true, "", 0},      {true, "0", 0},
        {true, "abc", 0},    {true, "78000", 0}};
    for (const auto& [metres, value, band] : bands)
        EXPECT_EQ(csvbandvalue(*s, value, metres), band) << value;
}

TEST_F(CsvImport, CallsAndTheItemsTheLookupWrites) {
    const csvread r = read("  ,05\r\nW1AW,05\r\n", layout({csvcall, csvcqzone}));
    ASSERT_EQ(r.records.size(), 2u);
    EXPECT_EQ(r.records[0].call.trimmedright(), "NoCall");
    EXPECT_EQ(r.records[0].dxcc, 0); // a blank call is looked up nowhere
    EXPECT_EQ(r.records[1].cqz, "05");
    // A zone before the call gives way to the call's entity.
    const csvread before = read("05,W1AW\r\n", layout({csvcqzone, csvcall}));
    EXPECT_EQ(before.records[0].cqz, "??"); // the United States have several zones
}

TEST_F(CsvImport, AwardValuesFillFiveSlotsAndTheRestAreCounted) {
    const int16_t eu = s->iotaeuropeaward;
    const auto first = static_cast<std::size_t>(s->awardtable[static_cast<std::size_t>(eu)].first);
    s->awardentries[first + 5] = "EU-005 once more";
    const csvread r = read("eu-005,TX,1,2,3,4\r\n",
                           layout({csviota, csvstate, csvtenten, csvtenten, csvtenten, csvtenten}));
    ASSERT_EQ(r.records.size(), 1u);
    const qsorecord& q = r.records[0];
    const std::pair<int16_t, int32_t> wanted[] = {
        {eu, 4}, {eu, 5}, {s->wasaward, 42}, {s->tentenaward, 1}, {s->tentenaward, 2}};
    for (std::size_t k = 0; k < 5; ++k) {
        EXPECT_EQ(q.awards[k], wanted[k].first) << k;
        EXPECT_EQ(q.entries[k], wanted[k].second) << k;
    }
    EXPECT_EQ(q.awards[5], 0);
    EXPECT_EQ(r.awardsleftout, 2);
    import("eu-005,TX,1,2,3,4,20240101,W1AW\r\n", layout({csviota, csvstate, csvtenten, csvtenten,
                                                          csvtenten, csvtenten, csvdate, csvcall}));
    EXPECT_EQ(status.last(),
              "1 records imported from CSV file. 2 award values past the five a QSO keeps were "
              "left out.");
}

TEST_F(CsvImport, ARecordWithANumberTooLargeIsSkippedAndNamed) {
    const csvresult r = import("A1A,1,20240101\r\nB1B,99999999999,20240101\r\nC1C,3,20240101\r\n"
                               "D1D,1e40,20240101\r\n",
                               layout({csvcall, csvtenten, csvdate, csvpower}, 3));
    EXPECT_EQ(r.imported, 2);
    EXPECT_EQ(r.error, "");
    EXPECT_EQ(s->qsos[2].call.trimmedright(), "C1C");
    EXPECT_EQ(status.last(), "2 records imported from CSV file. 2 records were skipped. Skipped "
                             "record 2, item 2: the number is too large for its field; record 4, "
                             "item 2: the number is too large for its field.");
    csvlayout power = layout({csvcall, csvpower});
    EXPECT_EQ(read("E1E,3e38\r\nF1F,4e38\r\n", power).skipped.size(), 1u);
    power.defaultpower = "1e39";
    const csvread every = read("G1G,0\r\nH1H,7\r\n", power);
    ASSERT_EQ(every.skipped.size(), 2u);
    EXPECT_EQ(every.skipped[1].item, 0);
}

TEST_F(CsvImport, AFileEndingInsideARecordKeepsTheRecordsBeforeIt) {
    const csvresult r =
        import("A1A,1,x,20240101\r\nB1B,2", layout({csvcall, csvcomment, csvwab, csvdate}));
    EXPECT_TRUE(r.opened);
    EXPECT_EQ(r.imported, 1);
    EXPECT_EQ(r.error, "Error processing Record: 2, Field: 3");
    EXPECT_EQ(s->qsocount, 1);
    EXPECT_EQ(
        status.last(),
        "1 records imported from CSV file. The file ends inside record 2, which was left out.");
    const csvread quote = read("A1A,\"never closed\r\nB1B\r\n", layout({csvcall, csvcomment}));
    EXPECT_EQ(quote.records.size(), 0u);
    EXPECT_EQ(quote.brokenrecord, 1);
    EXPECT_EQ(quote.brokenitem, 2);
}

TEST_F(CsvImport, BadFilesAndBadItems) {
    s->qsocount = 2;
    s->chosenfile = folder.path() + "nothere.csv";
    const csvresult missing = importcsv(*s, status, layout({csvcall}));
    EXPECT_FALSE(missing.opened);
    EXPECT_EQ(missing.error, "Error processing Record: 0, Field: 0. The file does not exist.");
    EXPECT_EQ(s->qsocount, 2);
    EXPECT_TRUE(status.texts.empty());

    EXPECT_EQ(import("", layout({csvcall})).imported, 0);
    EXPECT_EQ(status.last(), "0 records imported from CSV file.");
    const std::string huge(10000, 'x');
    const csvread r = read(huge + "," + huge + "\r\n", layout({csvcall, csvcomment}));
    ASSERT_EQ(r.records.size(), 1u);
    EXPECT_EQ(r.records[0].call, "XXXXXXXXXXXX");
    EXPECT_EQ(r.records[0].comments, huge.substr(0, 60));
    // Room for one: the frame keeps the first and counts the others as left out.
    const csvread full =
        read("A1A,20240101\r\nB1B,20240101\r\nC1C,20240101\r\n", layout({csvcall, csvdate}));
    importread records;
    records.records = full.records;
    const checkedread room = checkread(records, 1);
    EXPECT_EQ(room.kept.size(), 1u);
    EXPECT_EQ(room.leftout, 2);
}

TEST_F(CsvImport, ImportedTextsSurviveTheLogFile) {
    s->qsos[1].wab = "left over";
    import("W1AW,say \"hi\"\tnow,FN42,20240101\r\nK2ABC,\"in \"\"quotes\",EU-005,20240101\r\n",
           layout({csvcall, csvcomment, csvgridsquare, csvdate}));
    ASSERT_EQ(s->qsocount, 2);
    EXPECT_EQ(s->qsos[1].comments.trimmedright(), "say  hi  now");
    EXPECT_EQ(s->qsos[1].wab.trimmedright(), "");
    expectroundtrip(true);
}

TEST_F(CsvImport, ABadDateABadTimeAndACallOfTwoWordsAreNamedNotStored) {
    csvlayout l = layout({csvcall, csvdate, csvtime});
    l.hhmm = true;
    const csvresult r = import("K1A,20240101,1200\r\nK2A,20240230,1200\r\nK3A,20240101,2575\r\n" +
                                   std::string("K4\0A,20240101,1200\r\nK5A,0825,1200\r\n", 34),
                               l);
    EXPECT_EQ(r.imported, 1);
    EXPECT_EQ(r.error, "");
    EXPECT_EQ(status.last(),
              "1 records imported from CSV file. 4 records were skipped. Skipped record 2 (K2A): "
              "the date \"20240230\" is no day of the calendar; record 3 (K3A): the time \"25:75\" "
              "is no time of day; record 4 (K4 A): the call \"K4 A\" is not one word; record 5 "
              "(K5A): the date \"00000000\" is no day of the calendar.");
}
