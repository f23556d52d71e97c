#include "importexport/dxlog.h"

#include "importfixture.h"
#include "support/recordfiles.h"

using namespace tsl;
using namespace tsl::test;

namespace {

// The places of the fields: the 119-byte record as "DXLog Format 2" reads it, as "DXLog
// Format 1" reads it (every field after the call one byte later), and the 133-byte record.
const fieldplaces format2 = {{"mark", 0},    {"call", 1},    {"key", 13},   {"state", 18},
                             {"cqzone", 23}, {"date", 25},   {"time", 33},  {"frequency", 37},
                             {"mode", 43},   {"rsts", 47},   {"rstr", 50},  {"qslr", 53},
                             {"qsls", 55},   {"qslvia", 56}, {"texta", 66}, {"textb", 91}};
const fieldplaces format1 = {{"mark", 0},    {"call", 1},    {"key", 14},   {"state", 19},
                             {"cqzone", 24}, {"date", 26},   {"time", 34},  {"frequency", 38},
                             {"mode", 44},   {"rsts", 48},   {"rstr", 51},  {"qslr", 54},
                             {"qsls", 56},   {"qslvia", 57}, {"texta", 67}, {"textb", 92}};
const fieldplaces long133 = {{"mark", 0},    {"call", 1},    {"key", 13},   {"state", 18},
                             {"cqzone", 23}, {"date", 25},   {"time", 33},  {"frequency", 37},
                             {"mode", 57},   {"rsts", 61},   {"rstr", 64},  {"qslr", 67},
                             {"qsls", 69},   {"qslvia", 70}, {"texta", 80}, {"textb", 105}};
const fieldtexts usual = {{"date", "20040825"}, {"time", "1430"}, {"frequency", "14.025"},
                          {"mode", "CW"},       {"rsts", "599"},  {"rstr", "579"}};

std::string record119(const fieldtexts& f, const fieldplaces& places = format2) {
    return namedrecord(119, places, f, usual);
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

TEST(DbaseHeader, TakesTheCountAndLengthsUnsigned) {
    const auto h = dbaseheaderof(dbasebytes(4000000000u, 65535, 119, 32));
    ASSERT_TRUE(h);
    EXPECT_EQ(h->recordcount, 4000000000u);
    EXPECT_EQ(h->headerlength, 65535);
    EXPECT_EQ(h->recordlength, 119);
    EXPECT_FALSE(dbaseheaderof("\x03\x7c\x08\x19\x01"));
}

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
    const qsorecord& q = qso(1);
    EXPECT_EQ(q.call.trimmedright(), "DL1ABC");
    EXPECT_EQ(q.dxcc, entity("Germany"));
    EXPECT_EQ(q.continent, 4);
    EXPECT_EQ(q.ituz, "28");
    EXPECT_EQ(q.cqz, "14"); // a blank zone keeps the entity's
    EXPECT_EQ(q.date, "20040825");
    EXPECT_EQ(q.time, "14:30");
    EXPECT_EQ(q.band, 8);
    EXPECT_EQ(q.mode, s->cwmodeindex);
    EXPECT_EQ(q.prop, 1);
    EXPECT_EQ(q.rsts, "599");
    EXPECT_EQ(q.rstr, "579");
    EXPECT_EQ(q.qslr, 1);
    EXPECT_EQ(q.qsls, 1);
    EXPECT_EQ(q.qslvia.trimmedright(), "DL1QSL");
    EXPECT_EQ(q.comments.trimmedright(), "first part sec ond x");
    EXPECT_EQ(q.power, 100.0f);
    EXPECT_TRUE(slotsof(q).empty());
    const qsorecord& us = qso(2);
    EXPECT_EQ(us.dxcc, entity("United States of America"));
    EXPECT_EQ(us.ituz, "??");
    EXPECT_EQ(us.cqz, "5 ");
    EXPECT_EQ(us.time, ":    ");
    EXPECT_EQ(us.band, 4);
    EXPECT_EQ(us.mode, 0);
    EXPECT_EQ(us.qslr, 0);
    EXPECT_EQ(slotsof(us), std::vector{slot(s->wasaward, 4)}); // California
    EXPECT_EQ(programfile("dxlogimport.log"),
              "\"Log of DXLog import\"\r\n\"Date     Time  Call       DXCC\"\r\n"
              "\"20040825 14:30 DL1ABC       Germany\"\r\n"
              "\"20040825 :     W1AW         United States of America\"\r\n");
    expectroundtrip();
}

TEST_F(Dxlog, Format1ReadsEveryFieldAfterTheCallOneByteLater) {
    const std::string file = dxlogfile({record119({{"call", "K1ABC"},
                                                   {"key", "DL"},
                                                   {"cqzone", "14"},
                                                   {"qslr", "T"},
                                                   {"qsls", "T"},
                                                   {"qslvia", "DL1QSL"},
                                                   {"texta", "alpha"},
                                                   {"textb", "beta"}},
                                                  format1)});
    run(file, 0);
    run(file, 1);
    ASSERT_EQ(s->qsocount, 2);
    const qsorecord& one = qso(1);
    EXPECT_EQ(one.dxcc, entity("Germany"));
    EXPECT_EQ(one.cqz, "14");
    EXPECT_EQ(one.date, "20040825");
    EXPECT_EQ(one.time, "14:30");
    EXPECT_EQ(one.mode, s->cwmodeindex);
    EXPECT_EQ(one.rstr, "579");
    EXPECT_EQ(one.qslr + one.qsls, 2);
    EXPECT_EQ(one.qslvia.trimmedright(), "DL1QSL");
    EXPECT_EQ(one.comments.trimmedright(), "alpha beta");
    const qsorecord& two = qso(2); // each field begins with the last byte of the one before
    EXPECT_EQ(two.dxcc, entity("Germany"));
    EXPECT_EQ(two.cqz, "1 ");
    EXPECT_EQ(two.date, "42004082");
    EXPECT_EQ(two.time, "51:43");
    EXPECT_EQ(two.band, 8); // "014.02"
    EXPECT_EQ(two.mode, 0); // "5CW"
    EXPECT_EQ(two.rsts, "59 ");
    EXPECT_EQ(two.rstr, "957");
    EXPECT_EQ(two.qslr + two.qsls, 0);
    EXPECT_EQ(two.qslvia.trimmedright(), "TDL1QSL");
    EXPECT_EQ(two.comments.trimmedright(), "alpha  beta"); // text B is not trimmed
}

TEST_F(Dxlog, A133ByteFileGivesTheSameQsosThroughBothItems) {
    const std::string file = dxlogfile({record133({{"call", "DL1ABC"},
                                                   {"key", "DL"},
                                                   {"qslr", "T"},
                                                   {"qslvia", "DL1QSL"},
                                                   {"texta", "a"},
                                                   {"textb", "b"}})});
    run(file, 0);
    run(file, 1);
    ASSERT_EQ(s->qsocount, 2);
    EXPECT_EQ(qso(1).band, 8);
    EXPECT_EQ(qso(1).mode, s->cwmodeindex);
    EXPECT_EQ(qso(1).qslr, 1);
    EXPECT_EQ(qso(1).qslvia.trimmedright(), "DL1QSL");
    EXPECT_EQ(qso(1).comments.trimmedright(), "a b");
    EXPECT_EQ(qsodataline(*s, qso(1)), qsodataline(*s, qso(2)));
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
    EXPECT_EQ(qso(1).dxcc, entity("Hawaii")); // the key "KH6" written with "/"
    EXPECT_EQ(qso(1).ituz, "61");
    EXPECT_EQ(slotsof(qso(1)), std::vector{slot(s->wasaward, 10)});
    EXPECT_EQ(qso(2).dxcc, entity("Hawaii")); // a prefix of a live entity
    EXPECT_EQ(slotsof(qso(2)), std::vector{slot(s->wasaward, 10)});
    EXPECT_EQ(qso(3).dxcc, entity("Java")); // only a deleted entity's prefix: no states
    EXPECT_TRUE(slotsof(qso(3)).empty());
    EXPECT_EQ(qso(4).dxcc, entity("Germany")); // an unknown key: the call's entity
    EXPECT_EQ(qso(5).dxcc, entity("Japan"));   // an empty key too
    EXPECT_EQ(slotsof(qso(6)), std::vector{slot(s->wasaward, 4)});
    EXPECT_EQ(qso(7).call.trimmedright(), "NoCall");
    EXPECT_EQ(qso(7).dxcc, entity("Germany"));
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
        EXPECT_FALSE(run(dxlogfile({fixedrecord(length, {{1, "K1A"}})}), 1).ok);
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
