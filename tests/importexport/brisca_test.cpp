#include "importexport/brisca.h"

#include "importfixture.h"
#include "support/recordfiles.h"

using namespace tsl;
using namespace tsl::test;

namespace {

const fieldplaces places = {{"mark", 0},     {"call", 1},   {"date", 12},  {"time", 20},
                            {"band", 25},    {"rstr", 30},  {"rsts", 37},  {"mode", 44},
                            {"comment", 48}, {"qsls", 103}, {"qslr", 104}, {"member", 105}};
const fieldtexts usual = {{"date", "20040825"}, {"time", "14:30"}, {"band", "20"},
                          {"rstr", "579"},      {"rsts", "599"},   {"mode", "cw"}};

// Records of 120 bytes after a header of 65 bytes.
std::string briscafile(const std::vector<fieldtexts>& records, uint32_t count,
                       uint16_t headerlength = 65, uint16_t recordlength = 120) {
    std::string file = dbasebytes(count, headerlength, recordlength, 65);
    for (const fieldtexts& r : records)
        file += namedrecord(120, places, r, usual);
    return file + "\x1A";
}

struct Brisca : ImportTest {
    importoutcome run(const std::string& bytes) {
        choose(bytes, "log.dbf");
        return importbrisca(*s, status, dialogs);
    }
};

} // namespace

TEST_F(Brisca, TheFieldsAndTheBands) {
    run(briscafile({{{"call", "dl1abc"},
                     {"member", "01234"},
                     {"comment", "   leading blanks"},
                     {"qsls", "T"},
                     {"qslr", "t"}},
                    {{"call", "W1AW"}, {"band", "75"}, {"member", "0"}, {"qsls", "Y"}},
                    {{"call", "K2ABC"}, {"band", "2.5"}},
                    {{"call", "K3ABC"}, {"band", ""}}},
                   4));
    EXPECT_EQ(status.last(), "4 records imported from Brisca.");
    ASSERT_EQ(s->qsocount, 4);
    // The comment keeps its leading blanks.
    EXPECT_EQ(fieldsof(1), "DL1ABC|Germany|4|28|14|20040825|14:30|8|1|1|100|599|579|1|1||||0|0|"
                           "   leading blanks");
    EXPECT_EQ(slotsof(qso(1)), std::vector{slot(s->tentenaward, 1234)});
    EXPECT_EQ(qso(2).band, 3); // 75 m is counted as 80 m
    EXPECT_EQ(qso(2).qsls, 0);
    EXPECT_TRUE(slotsof(qso(2)).empty());
    EXPECT_EQ(qso(3).band, 15); // 2.5 is 2 m
    EXPECT_EQ(qso(4).band, 0);
    const std::string log = "\"Log of Brisca import\"\r\n\"Date     Time  Call       DXCC\"\r\n"
                            "\"20040825 14:30 DL1ABC       Germany\"\r\n";
    EXPECT_EQ(programfile("briscaimport.log").substr(0, log.size()), log);
    expectroundtrip();
}

TEST_F(Brisca, DeletedRecordsTooLargeNumbersAndMissingRecordsAreSaid) {
    run(briscafile({{{"call", "K1A"}},
                    {{"call", "K1DEL"}, {"mark", "*"}},
                    {{"call", "K1BND"}, {"band", "99999"}},
                    {{"call", "K1TEN"}, {"member", "1E99"}}},
                   40000));
    EXPECT_EQ(s->qsocount, 1);
    EXPECT_EQ(status.last(),
              "1 records imported from Brisca. The header counts 40000 records; the file holds "
              "4. 3 skipped: record 2 (K1DEL): marked deleted; record 3 (K1BND): the band is too "
              "large; record 4 (K1TEN): the Ten-Ten number is too large.");
    EXPECT_NE(
        programfile("briscaimport.log").find("\"Skipped record 3 (K1BND): the band is too large\""),
        std::string::npos);
}

TEST_F(Brisca, HeadersThatCannotBeTrueAreRefused) {
    const std::string one = briscafile({{{"call", "K1A"}}}, 1);
    const std::vector<std::pair<std::string, std::string>> files = {
        {briscafile({{{"call", "K1A"}}}, 1, 0), "The header length, 0, is below 33."},
        {briscafile({{{"call", "K1A"}}}, 1, 65535),
         "The header length, 65535, passes the end of the file of 186 bytes."},
        {briscafile({{{"call", "K1A"}}}, 1, 65, 0), "The record length, 0, is below 111."},
        {one.substr(0, 5), "The file is too short for a dBase header: 5 bytes."}};
    for (const auto& [bytes, reason] : files) {
        EXPECT_FALSE(run(bytes).ok);
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].text,
                  "Brisca file, " + s->chosenfile + " not found or it is corrupted.\r\n" + reason);
        EXPECT_EQ(status.last(), "No records imported from Brisca.");
    }
    EXPECT_EQ(s->qsocount, 0);
    EXPECT_TRUE(run(one).ok);
    EXPECT_EQ(s->qsocount, 1);
}

TEST_F(Brisca, ABadDateABadTimeAndACallOfTwoWordsAreNamedNotStored) {
    run(briscafile({{{"call", "K1A"}},
                    {{"call", "K2A"}, {"date", "2004O825"}},
                    {{"call", "K3A"}, {"time", "14:3x"}},
                    {{"call", std::string("K4\0A", 4)}}},
                   4));
    ASSERT_EQ(s->qsocount, 1);
    EXPECT_EQ(qso(1).call.trimmedright(), "K1A");
    EXPECT_EQ(status.last(),
              "1 records imported from Brisca. 3 skipped: record 2 (K2A): the date \"2004O825\" "
              "is no day of the calendar; record 3 (K3A): the time \"14:3x\" is no time of day; "
              "record 4 (K4 A): the call \"K4 A\" is not one word.");
    EXPECT_NE(
        programfile("briscaimport.log")
            .find("\"Skipped record 2 (K2A): the date '2004O825' is no day of the calendar\""),
        std::string::npos);
}
