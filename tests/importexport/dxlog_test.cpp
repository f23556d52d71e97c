#include "importexport/dxlog.h"

#include "importfixture.h"
#include "support/recordfiles.h"

using namespace tsl;
using namespace tsl::test;

namespace {

// The places of the fields: the 119-byte record as "DXLog Format 2" reads it, and the
// 133-byte record.
const fieldplaces format2 = {{"mark", 0},    {"call", 1},    {"key", 13},   {"state", 18},
                             {"cqzone", 23}, {"date", 25},   {"time", 33},  {"frequency", 37},
                             {"mode", 43},   {"rsts", 47},   {"rstr", 50},  {"qslr", 53},
                             {"qsls", 55},   {"qslvia", 56}, {"texta", 66}, {"textb", 91}};
const fieldplaces long133 = {{"mark", 0},    {"call", 1},    {"key", 13},   {"state", 18},
                             {"cqzone", 23}, {"date", 25},   {"time", 33},  {"frequency", 37},
                             {"mode", 57},   {"rsts", 61},   {"rstr", 64},  {"qslr", 67},
                             {"qsls", 69},   {"qslvia", 70}, {"texta", 80}, {"textb", 105}};
const fieldtexts usual = {{"date", "20040825"}, {"time", "1430"}, {"frequency", "14.025"},
                          {"mode", "CW"},       {"rsts", "599"},  {"rstr", "579"}};

std::string record119(const fieldtexts& f, const fieldplaces& places = format2) {
    return namedrecord(119, places, f, usual);
}

// The 119-byte record as "DXLog Format 1" reads it: every field after the call a byte later.
fieldplaces format1() {
    fieldplaces places = format2;
    for (auto& [name, at] : places)
        at += at > 12 ? 1 : 0;
    return places;
}

std::string record133(const fieldtexts& f) {
    return namedrecord(133, long133, f, usual);
}

constexpr uint32_t counted = 0xFFFFFFFF; // the count of the records given

std::string dxlogfile(const std::vector<std::string>& records, uint32_t count = counted,
                      uint16_t headerlength = 641) {
    std::string file =
        dbasebytes(count == counted ? static_cast<uint32_t>(records.size()) : count, headerlength,
                   static_cast<uint16_t>(records.empty() ? 119 : records[0].size()), 641);
    for (const std::string& r : records)
        file += r;
    return file + "\x1A";
}

struct Dxlog : ImportTest {
    importoutcome run(const std::string& bytes, int format) {
        choose(bytes, "k1abcqso.dbf");
        return importdxlog(*s, status, dialogs, format);
    }
};

} // namespace

TEST_F(Dxlog, TheFieldsOfA119ByteFileThroughFormat2) {
    const fieldtexts a = {{"call", "dl1abc"},
                          {"key", "DL"},
                          {"qslr", "T"},
                          {"qsls", "t"},
                          {"qslvia", "DL1QSL"},
                          {"texta", "  first part"},
                          {"textb", std::string("sec\"ond\0x", 9)}};
    const fieldtexts b = {{"call", "W1AW"}, {"key", "K"},     {"state", "ca"},
                          {"cqzone", "05"}, {"time", "    "}, {"frequency", "3.760"},
                          {"mode", "usb"},  {"qslr", "Y"},    {"qsls", "F"}};
    EXPECT_TRUE(run(dxlogfile({record119(a), record119(b)}), 1).ok);
    EXPECT_EQ(status.last(), "2 records imported from " + s->chosenfile);
    ASSERT_EQ(s->qsocount, 2);
    // A blank CQ zone keeps the entity's; text B follows text A after one blank.
    EXPECT_EQ(fieldsof(1), "DL1ABC|Germany|4|28|14|20040825|14:30|8|1|1|100|599|579|1|1|DL1QSL|||0|"
                           "0|first part sec ond x");
    EXPECT_TRUE(slotsof(qso(1)).empty());
    // QSL flag Y is no card; a time of blanks gives ":"; "usb" is no mode name.
    EXPECT_EQ(fieldsof(2),
              "W1AW|United States of America|5|??|5|20040825|:|4|0|1|100|599|579|0|0||||0|0|");
    EXPECT_EQ(slotsof(qso(2)), std::vector{slot(s->wasaward, 4)}); // California
    EXPECT_EQ(programfile("dxlogimport.log"),
              "\"Log of DXLog import\"\r\n\"Date     Time  Call       DXCC\"\r\n"
              "\"20040825 14:30 DL1ABC       Germany\"\r\n"
              "\"20040825 :     W1AW         United States of America\"\r\n");
    expectroundtrip();
}

TEST_F(Dxlog, Format1ReadsTheShortRecordsFieldsOneByteLaterAndTheLongOnesAlike) {
    const fieldtexts f = {{"call", "K1ABC"},  {"key", "DL"},    {"cqzone", "14"},
                          {"qslr", "T"},      {"qsls", "T"},    {"qslvia", "QSL"},
                          {"texta", "alpha"}, {"textb", "beta"}};
    std::vector<std::string> texts;
    for (const std::string& file :
         {dxlogfile({record119(f, format1())}), dxlogfile({record133(f)})})
        for (const int format : {0, 1}) {
            run(file, format);
            texts.push_back(status.last());
        }
    ASSERT_EQ(s->qsocount, 3);
    const std::string right =
        "K1ABC|Germany|4|28|14|20040825|14:30|8|1|1|100|599|579|1|1|QSL|||0|0|";
    EXPECT_EQ(fieldsof(1), right + "alpha beta");
    // Read as the other format, each field begins with the last byte of the field before it:
    // its date is no day, and the record is named instead of stored.
    EXPECT_EQ(texts[1], "0 records imported from " + s->chosenfile +
                            ". 1 skipped: record 1 (K1ABC): the date \"42004082\" is no day of "
                            "the calendar.");
    EXPECT_EQ(fieldsof(2), right + "alpha beta");
    EXPECT_EQ(fieldsof(3), right + "alpha beta");
}

TEST_F(Dxlog, TheCountryKeyThenThePrefixesThenTheCall) {
    run(dxlogfile({record119({{"call", "KH6ABC"}, {"key", "KH/6"}, {"state", "HI"}}),
                   record119({{"call", "AH6ABC"}, {"key", "AH6"}, {"state", "hi"}}),
                   record119({{"call", "YB1ABC"}, {"key", "PK2"}, {"state", "CA"}}),
                   record119({{"call", "DL1ABC"}, {"key", "ZZZ"}}),
                   record119({{"call", "JA1ABC"}, {"key", ""}}),
                   record119({{"call", "W1AW"}, {"state", "CA"}}),
                   record119({{"call", ""}, {"key", "DL"}})}),
        1);
    ASSERT_EQ(s->qsocount, 7);
    // The key "KH6" written with "/"; a live entity's prefix; only a deleted entity's prefix,
    // which has no states; an unknown and an empty key: the call's entity.
    const std::vector<std::string> entities = {
        "Hawaii", "Hawaii", "Java", "Germany", "Japan", "United States of America", "Germany"};
    const std::vector<std::vector<std::string>> slotlists = {
        {slot(s->wasaward, 10)}, {slot(s->wasaward, 10)}, {}, {}, {}, {slot(s->wasaward, 4)}, {}};
    for (int32_t k = 1; k <= 7; ++k) {
        EXPECT_EQ(qso(k).dxcc, entity(entities[static_cast<std::size_t>(k - 1)])) << k;
        EXPECT_EQ(slotsof(qso(k)), slotlists[static_cast<std::size_t>(k - 1)]) << k;
    }
    EXPECT_EQ(qso(1).ituz, "61");
    EXPECT_EQ(qso(7).call.trimmedright(), "NoCall");
}

TEST_F(Dxlog, DeletedRecordsAndTooLargeNumbersAreSkippedAndNamed) {
    run(dxlogfile({record133({{"call", "K1A"}}), record133({{"call", "K1DEL"}, {"mark", "*"}}),
                   record133({{"call", "K1BIG"}, {"frequency", "1E39"}})}),
        0);
    EXPECT_EQ(s->qsocount, 1);
    EXPECT_EQ(status.last(), "1 records imported from " + s->chosenfile +
                                 ". 2 skipped: record 2 (K1DEL): marked deleted; record 3 "
                                 "(K1BIG): the frequency is too large.");
    EXPECT_NE(programfile("dxlogimport.log").find("\"Skipped record 2 (K1DEL): marked deleted\""),
              std::string::npos);
}

TEST_F(Dxlog, AHeaderThatCountsMoreRecordsGivesThoseTheFileHolds) {
    const std::vector<std::string> two = {record119({{"call", "K1A"}}),
                                          record119({{"call", "K2A"}})};
    for (const uint32_t count : {40000u, 4000000000u}) {
        run(dxlogfile(two, count, 65535), 1); // the header length is not used
        EXPECT_EQ(status.last(), "2 records imported from " + s->chosenfile +
                                     ". The header counts " + std::to_string(count) +
                                     " records; the file holds 2.");
    }
    run(dxlogfile(two, 0, 0), 1);
    EXPECT_EQ(status.last(), "0 records imported from " + s->chosenfile);
    EXPECT_EQ(s->qsocount, 4);
    s->qsocount = maxqsos - 1;
    const importoutcome full = run(dxlogfile(two), 1);
    EXPECT_EQ(full.imported, 1);
    EXPECT_EQ(full.leftout, 1);
    EXPECT_EQ(s->qsocount, maxqsos);
}

TEST_F(Dxlog, OtherRecordLengthsAndShortFilesAreRefused) {
    s->qsocount = 3;
    for (const std::size_t length : {120u, 0u}) {
        EXPECT_FALSE(run(dxlogfile({std::string(length, ' ')}), 1).ok);
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].text, "You have an unknown DXLOg file format\r\nPlease contact "
                                         "me.\r\nIts records are " +
                                             std::to_string(length) + " bytes long.");
        EXPECT_EQ(dialogs.shown[0].title, s->apptitle);
        EXPECT_EQ(status.last(), "0 records imported from " + s->chosenfile);
    }
    EXPECT_EQ(programfile("dxlogimport.log"),
              "\"Log of DXLog import\"\r\n\"Date     Time  Call       DXCC\"\r\n");
    for (const std::size_t size : {5u, 640u}) {
        run(dxlogfile({}).substr(0, size), 1);
        EXPECT_EQ(dialogs.shown.at(0).text,
                  "DXLog file, " + s->chosenfile +
                      ", not found or it is corrupted.\r\nThe file is shorter than a DXLog "
                      "header: " +
                      std::to_string(size) + " bytes of 641.");
        EXPECT_EQ(status.last(), "No records imported from DXLog.");
    }
    s->chosenfile = folder.path() + "none.dbf";
    EXPECT_FALSE(importdxlog(*s, status, dialogs, 1).ok);
    EXPECT_EQ(dialogs.shown.back().text,
              "DXLog file, " + s->chosenfile +
                  ", not found or it is corrupted.\r\nThe file does not exist.");
    EXPECT_EQ(s->qsocount, 3);
}

TEST_F(Dxlog, ABadDateABadTimeAndACallOfTwoWordsAreNamedNotStored) {
    run(dxlogfile({record119({{"call", "K1A"}}), record119({{"call", "K2A"}, {"date", "20040931"}}),
                   record119({{"call", "K3A"}, {"time", "2400"}}),
                   record119({{"call", std::string("K4\0A", 4)}})}),
        1);
    ASSERT_EQ(s->qsocount, 1);
    EXPECT_EQ(status.last(),
              "1 records imported from " + s->chosenfile +
                  ". 3 skipped: record 2 (K2A): the date \"20040931\" is no day of the calendar; "
                  "record 3 (K3A): the time \"24:00\" is no time of day; record 4 (K4 A): the "
                  "call \"K4 A\" is not one word.");
    EXPECT_EQ(programfile("dxlogimport.log"),
              "\"Log of DXLog import\"\r\n\"Date     Time  Call       DXCC\"\r\n"
              "\"20040825 14:30 K1A          United States of America\"\r\n"
              "\"Skipped record 2 (K2A): the date '20040931' is no day of the calendar\"\r\n"
              "\"Skipped record 3 (K3A): the time '24:00' is no time of day\"\r\n"
              "\"Skipped record 4 (K4 A): the call 'K4 A' is not one word\"\r\n");
}
