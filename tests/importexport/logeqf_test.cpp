#include "importexport/logeqf.h"

#include "importfixture.h"
#include "support/recordfiles.h"

using namespace tsl;
using namespace tsl::test;

namespace {

const fieldplaces places = {{"date", 0},      {"time", 8},     {"call", 20},       {"text1", 32},
                            {"text2", 57},    {"state", 82},   {"country", 95},    {"iota", 119},
                            {"grid", 125},    {"cqzone", 131}, {"text3", 136},     {"tenten", 156},
                            {"rsts", 166},    {"rstr", 176},   {"frequency", 186}, {"mode", 195},
                            {"power", 199},   {"qsls", 203},   {"qslr", 204},      {"qslvia", 205},
                            {"remarks", 220}, {"net", 256}};
const fieldtexts usual = {{"date", "20040825"},    {"time", "1430"},   {"grid", "FN42ab"},
                          {"cqzone", "05"},        {"rsts", "599"},    {"rstr", "579"},
                          {"frequency", "14.025"}, {"mode", "CW"},     {"qsls", "Y"},
                          {"qslr", "n"},           {"qslvia", "W1QSL"}};

std::string eqfrecord(const fieldtexts& f) {
    return namedrecord(292, places, f, usual);
}

std::string eqffile(const std::vector<fieldtexts>& records) {
    std::string file;
    for (const fieldtexts& r : records)
        file += eqfrecord(r);
    return file;
}

struct Logeqf : ImportTest {
    importoutcome run(const std::string& bytes) {
        choose(bytes, "new_log.log");
        return importlogeqf(*s, status, dialogs);
    }
};

} // namespace

TEST_F(Logeqf, TheFieldsOfARecordAndTheCountryByName) {
    const std::string remarks = "GUEST YL D# 123 Q# 45"; // keywords only count on 75 m
    run(eqffile({{{"call", "w1aw"},
                  {"country", "United States"},
                  {"state", "tx"},
                  {"iota", "EU-005"},
                  {"tenten", "1234"},
                  {"mode", "usb"},
                  {"text1", " a "},
                  {"text2", std::string("b\"\0", 3)}, // quote and NUL are blanks
                  {"text3", "c"},
                  {"remarks", remarks},
                  {"net", "  77"}},
                 {{"call", "J5ABC"}, {"country", "Guinea-Bissau"}, {"power", "5"}},
                 {{"call", "DL1ABC"}, {"country", ""}},
                 {{"call", "ZL1ABC"}, {"country", "New Zealand"}, {"iota", "OC-036"}}}));
    EXPECT_EQ(status.last(), "4 records imported from LogEQF.");
    ASSERT_EQ(s->qsocount, 4);
    // The record's CQ zone, no ITU zone; no power is the usual 100 W.
    EXPECT_EQ(fieldsof(1), "W1AW|United States of America|5||05|20040825|14:30|8|2|1|100|599|579|1|"
                           "0|W1QSL|FN42ab||0|0|a b c " +
                               remarks + " 77");
    EXPECT_EQ(slotsof(qso(1)), (std::vector{slot(s->wasaward, 42), slot(s->iotaeuropeaward, 4),
                                            slot(s->tentenaward, 1234)}));
    EXPECT_EQ(qso(2).dxcc, entity("Guinea-Bissau"));
    EXPECT_EQ(qso(2).mode, s->cwmodeindex);
    EXPECT_EQ(qso(2).power, 5.0f);
    EXPECT_EQ(qso(3).dxcc, entity("Germany")); // no name: the call's entity
    // A whole name takes its entity, the IOTA reference behind it notwithstanding.
    EXPECT_EQ(qso(4).dxcc, entity("New Zealand"));
    EXPECT_NE(programfile("logeqfimport.log")
                  .find("\"Log of Log-EQF import\"\r\n\"Date     Time  Call       DXCC\"\r\n"
                        "\"20040825 14:30 W1AW         United States of America   77        \""),
              std::string::npos);
    expectroundtrip();
}

TEST_F(Logeqf, TheNetNumberAndKeywordsOnSeventyFiveExtra) {
    const fieldtexts net = {{"frequency", "3.760"}, {"state", "TX"}};
    const auto on75 = [&](fieldtexts f) {
        f.insert(net.begin(), net.end());
        return f;
    };
    run(eqffile(
        {on75({{"call", "W1AW"},
               {"country", "United States"},
               {"net", "  1234"},
               {"remarks", "GUEST YL D# 123 Q# 45 CAP MOB"}}),
         on75({{"call", "DL1ABC"}, {"country", "Germany"}, {"remarks", "D#1 2 ICE"}}),
         on75({{"call", "DL2ABC"}, {"country", "Germany"}, {"remarks", "CAP"}}),
         on75({{"call", "VE3ABC"}, {"country", "Canada"}, {"state", "ON"}, {"remarks", "cap"}}),
         on75({{"call", "K5YL"}, {"state", ""}, {"remarks", "GUEST YL"}}),
         on75({{"call", "K6BIG"}, {"remarks", "D# 99999999999"}}),
         on75({{"call", "K7BIG"}, {"net", "1E99"}})}));
    EXPECT_EQ(status.last(), "5 records imported from LogEQF. 2 skipped: record 6 (K6BIG): the "
                             "Director number is too large; record 7 (K7BIG): the net number is "
                             "too large.");
    ASSERT_EQ(s->qsocount, 5);
    const qsorecord& q = qso(1);
    EXPECT_EQ(q.band, 4);
    EXPECT_EQ(slotsof(q),
              (std::vector{slot(s->wasaward, 42), slot(s->geratolaward, 1234),
                           slot(s->statecapitalsaward, 42), slot(s->geratoldirectoraward, 123),
                           slot(s->qcwaaward, 45)}));
    EXPECT_EQ(q.gender, 1);
    EXPECT_EQ(q.qth, 1);
    EXPECT_EQ(q.comments.trimmedright(), "GUEST YL D# 123 Q# 45 CAP MOB 1234");
    EXPECT_EQ(slotsof(qso(2)),
              (std::vector{slot(s->wasaward, 42), slot(s->geratoldirectoraward, 12)}));
    EXPECT_EQ(qso(2).comments.trimmedright(), "IC D#1 2 ICE");
    EXPECT_EQ(qso(2).gender, 0);
    EXPECT_EQ(slotsof(qso(3)), std::vector{slot(s->wasaward, 42)}); // Germany has no capitals
    EXPECT_EQ(slotsof(qso(4)), std::vector{slot(s->provincesaward, 3)});
    EXPECT_EQ(qso(5).gender, 1); // "YL" in the last places
}

TEST_F(Logeqf, APieceAfterTheLastRecordCountsOnlyWhenItReachesTheNetNumber) {
    const std::string two = eqffile({{{"call", "K1A"}}, {{"call", "K2A"}}});
    for (const std::size_t extra : {100u, 200u}) {
        run(two + std::string(extra, 'x'));
        EXPECT_EQ(status.last(), "2 records imported from LogEQF. The last " +
                                     std::to_string(extra) +
                                     " bytes, too few for a record, were left out.");
    }
    run(two + eqfrecord({{"call", "K3CUT"}}).substr(0, 270));
    EXPECT_EQ(status.last(), "3 records imported from LogEQF.");
    EXPECT_EQ(qso(7).call.trimmedright(), "K3CUT");
    run(eqfrecord({{"call", "K4A"}}).substr(0, 291));
    EXPECT_EQ(qso(8).call.trimmedright(), "K4A");
    run(eqffile({{{"call", "K1BIG"}, {"power", "1E99"}}}));
    EXPECT_EQ(
        status.last(),
        "0 records imported from LogEQF. 1 skipped: record 1 (K1BIG): the power is too large.");
    s->chosenfile = folder.path() + "none.log";
    EXPECT_FALSE(importlogeqf(*s, status, dialogs).ok);
    EXPECT_EQ(dialogs.shown.at(0).text,
              "LogEQF file, " + s->chosenfile +
                  " not found or it is corrupted.\r\nThe file does not exist.");
    EXPECT_EQ(status.last(), "No records imported from " + s->chosenfile + ".");
    EXPECT_EQ(s->qsocount, 8);
}

TEST_F(Logeqf, ABadDateABadTimeAndACallOfTwoWordsAreNamedNotStored) {
    run(eqffile({{{"call", "K1A"}},
                 {{"call", "K2A"}, {"date", "20041325"}},
                 {{"call", "K3A"}, {"time", "\xF0\x9A\x9A\xA0"}},
                 {{"call", std::string("K4\0A", 4)}},
                 {{"call", "K5A"}, {"time", "    "}}}));
    ASSERT_EQ(s->qsocount, 2);
    EXPECT_EQ(qso(1).call.trimmedright(), "K1A");
    EXPECT_EQ(qso(2).call.trimmedright(), "K5A");
    EXPECT_EQ(qso(2).time, "  :  "); // a record without a time keeps its blanks
    // A NUL reads as a blank, and the time as the bytes stand.
    const std::string skips = "record 2 (K2A): the date \"20041325\" is no day of the calendar; "
                              "record 3 (K3A): the time \"\xF0\x9A:\x9A\xA0\" is no time of day; "
                              "record 4 (K4 A): the call \"K4 A\" is not one word.";
    EXPECT_EQ(status.last(), "2 records imported from LogEQF. 3 skipped: " + skips);
    const std::string log = programfile("logeqfimport.log");
    EXPECT_NE(log.find("\"Skipped record 4 (K4 A): the call 'K4 A' is not one word\"\r\n"),
              std::string::npos)
        << log;
}
