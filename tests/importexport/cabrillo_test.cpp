#include "importexport/cabrillo.h"
#include "importfixture.h"

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

// A QSO as the import should store it, written out from the file's lines.
struct want {
    int16_t band;
    int16_t mode;
    std::string date, time, call, rsts, rstr, comment;
    float power = 100;
    int16_t award = 0; // award slot 0
    int32_t entry = 0;
    std::string grid = "";
};

struct Cabrillo : ImportTest {
    cabrilloresult import(const std::string& name, int kind) {
        s->chosenfile = testpath("cabrillo/" + name);
        return importcabrillo(*s, status, dialogs, kind);
    }
    cabrilloresult importtext(const std::string& text, int kind) {
        folder.write("in.log", text);
        s->chosenfile = folder.path() + "in.log";
        return importcabrillo(*s, status, dialogs, kind);
    }
    // Each QSO from record first on, field by field.
    void expectqsos(int first, const std::vector<want>& wanted) const {
        for (std::size_t k = 0; k < wanted.size(); ++k) {
            const qsorecord& q = qso(first + static_cast<int32_t>(k));
            const want& w = wanted[k];
            SCOPED_TRACE(w.call);
            EXPECT_EQ(q.band, w.band);
            EXPECT_EQ(q.mode, w.mode);
            EXPECT_EQ(q.date, w.date);
            EXPECT_EQ(q.time, w.time);
            EXPECT_EQ(q.call.trimmedright(), w.call);
            EXPECT_EQ(q.rsts.trimmedright(), w.rsts);
            EXPECT_EQ(q.rstr.trimmedright(), w.rstr);
            EXPECT_EQ(q.comments.trimmedright(), w.comment);
            EXPECT_EQ(q.power, w.power);
            EXPECT_EQ(q.awards[0], w.award);
            EXPECT_EQ(q.entries[0], w.entry);
            EXPECT_EQ(q.grid.trimmedright(), w.grid);
            EXPECT_EQ(q.prop, 1);
            EXPECT_EQ(q.qth, 0);
            EXPECT_EQ(q.gender, 0);
        }
    }
};

constexpr int16_t cw = 1, ssb = 2, rtty = 5;

} // namespace

TEST_F(Cabrillo, TheIaruSampleImportsItsOneQso) {
    const cabrilloresult r = import("iaru.log", 2);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(s->qsocount, 1);
    EXPECT_EQ(status.last(), "1 records imported from Cabrillo file.");
    expectqsos(1, {{10, cw, "20160709", "13:54", "EI0HQ", "599", "599", "Info Rcvd: 599 IRTS"}});
    EXPECT_EQ(s->qsos[1].dxcc, entity("Ireland"));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Cabrillo, SamplesNotInColumnsImportEveryQso) {
    import("CQWPX.log", 2);
    import("LAQP.log", 2);
    EXPECT_EQ(status.last(), "1 records imported from Cabrillo file.");
    ASSERT_EQ(s->qsocount, 3);
    expectqsos(1, {{6, cw, "20090530", "00:02", "S50A", "599", "599", "Info Rcvd: 599 4"},
                   {6, cw, "20090530", "00:15", "EF8M", "599", "599", "Info Rcvd: 599 34"},
                   {8, cw, "20260404", "14:00", "KX0XXX", "599", "599", "Info Rcvd: 599 ORLE"}});
}

TEST_F(Cabrillo, SweepstakesLinesByColumnsAndByFields) {
    import("sweepstakes.log", 0);
    EXPECT_EQ(status.last(), "6 records imported from Cabrillo file.");
    const int16_t was = s->wasaward, ve = s->provincesaward;
    expectqsos(
        1,
        {
            {3, ssb, "20001126", "07:11", "K9ZO", "", "", "Info Rcvd:    2 A 69 IL", 100, was, 12},
            {8, cw, "20001126", "07:12", "W7XYZ", "", "", "Info Rcvd:    3 B 70 WWA", 5, was, 46},
            {8, cw, "20001126", "07:13", "VE3ABC", "", "", "Info Rcvd:    4 U 71 ON", 1500, ve, 3},
            {6, cw, "20001126", "07:14", "K5ABC", "", "", "Info Rcvd: 5 M 72 NTX", 5, was, 42},
            {3, ssb, "20001126", "07:15", "NOCALL", "", "", "Info Rcvd:    6 A 73 DX"},
            {3, ssb, "20001126", "07:16", "K1ABC", "", "", "Info Rcvd:    7 A 74 WMA", 100, was,
             20},
        });
    EXPECT_EQ(s->qsos[5].dxcc, 0);
    EXPECT_EQ(s->qsos[5].ituz, "  ");
}

TEST_F(Cabrillo, VhfFrequenciesInMhzAndGhz) {
    import("vhf.log", 1);
    const std::string none;
    expectqsos(1, {
                      {15, ssb, "20000610", "18:00", "W1AW", none, none, none, 100, 0, 0, "FN31pr"},
                      {19, ssb, "20000610", "18:01", "W2AW", none, none, none, 100, 0, 0, "FN20"},
                      {23, ssb, "20000610", "18:02", "W3AW", none, none, none, 100, 0, 0, "FM19la"},
                      {24, ssb, "20000610", "18:03", "W4AW", none, none, none, 100, 0, 0, "EM73xx"},
                      {25, ssb, "20000610", "18:04", "W5AW", none, none, none, 100, 0, 0, "EM12"},
                      {23, ssb, "20000610", "18:05", "W6AW", none, none, none, 100, 0, 0, "DM04"},
                      {13, cw, "20000610", "18:06", "W7AW", none, none, none, 100, 0, 0, "CN87ts"},
                  });
}

TEST_F(Cabrillo, SingleBlankLinesAndTheLinesThatHoldNoQso) {
    import("singleblank.log", 2);
    EXPECT_EQ(s->qsocount, 3);
    expectqsos(1, {{6, cw, "20090530", "00:02", "S50A", "599", "599", "Info Rcvd: 599 4"},
                   {8, cw, "20090530", "00:15", "EF8M", "599", "599", "Info Rcvd: 599 34"},
                   {8, cw, "20090530", "00:16", "K1ABC", "599", "599", "Info Rcvd: 599 MA", 100,
                    s->wasaward, 20}});
    EXPECT_EQ(status.last(),
              "3 records imported from Cabrillo file. 4 QSO lines were skipped: not readable as "
              "QSOs of this contest kind. Skipped line 7: no date yyyy-mm-dd; line 8: no time "
              "0000-2359; line 9: no received call; line 10: no received call.");
}

TEST_F(Cabrillo, WorkedAllEuropeQsoAndQtcLines) {
    const cabrilloresult r = import("wae.log", 3);
    EXPECT_EQ(r.imported, 15);
    EXPECT_EQ(status.last(), "15 records imported from Cabrillo file.");
    expectqsos(1, {{6, cw, "20030809", "15:00", "K1ABC", "599", "599", "Info Rcvd: 599 001"}});
    expectqsos(10, {{8, cw, "20030809", "15:09", "4X4XYZ", "599", "599", "Info Rcvd: 599 010"},
                    {8, cw, "20030809", "16:00", "K2QTC", "", "",
                     "QTC Info: 001/10  1234 DL3QTC           K2QTC         0001"}});
    EXPECT_EQ(s->qsos[15].call.trimmedright(), "W6QTC");
    // Other kinds pass QTC lines over like header lines.
    EXPECT_EQ(import("wae.log", 2).imported, 10);
    EXPECT_EQ(status.last(), "10 records imported from Cabrillo file.");
}

TEST_F(Cabrillo, SprintSectionsAndReceivedInformation) {
    import("sprint.log", 4);
    expectqsos(1, {{8, cw, "20200111", "00:00", "K1ABC", "", "",
                    "Info Rcvd: K1ABC        12 BOB        MA", 100, s->wasaward, 20},
                   {6, cw, "20200111", "00:01", "VE3XYZ", "", "",
                    "Info Rcvd: VE3XYZ       13 ANN        ON", 100, s->provincesaward, 3},
                   {3, cw, "20200111", "00:02", "K2ABC", "", "", "Info Rcvd: K2ABC BOB NY", 100,
                    s->wasaward, 31}});
}

TEST_F(Cabrillo, IotaReferencesOnEitherSideAndInColumns) {
    const int16_t eu = s->iotaeuropeaward;
    import("iota.log", 5);
    EXPECT_EQ(s->qsocount, 7);
    expectqsos(1, {
                      {8, cw, "20200725", "12:00", "DL1ABC", "59", "59",
                       "Info Rcvd: DL1ABC        59  0012 EU-128", 100, eu, 126},
                      {8, cw, "20200725", "12:01", "DL2ABC", "59", "59",
                       "Info Rcvd: DL2ABC        59  0012 EU-12"},
                      {8, cw, "20200725", "12:02", "DL3ABC", "59", "59",
                       "Info Rcvd: DL3ABC        59  0012 EU-005", 100, eu, 4},
                      {8, cw, "20200725", "12:03", "DL4ABC", "59", "59",
                       "Info Rcvd: DL4ABC 59 012 EU-128", 100, eu, 126},
                      {8, cw, "20200725", "12:04", "DL5ABC", "59", "59",
                       "Info Rcvd: DL5ABC 59 013 EU-005", 100, eu, 4},
                      {8, cw, "20200725", "12:05", "DL6ABC", "59", "59", "Info Rcvd: DL6ABC 59 5"},
                      {8, cw, "20200725", "12:06", "DL7ABC", "59", "59", "Info Rcvd: DL7ABC 59 6"},
                  });
    // Of two entries with the reference the last one stands.
    const auto first = static_cast<std::size_t>(s->awardtable[static_cast<std::size_t>(eu)].first);
    s->awardentries[first + 5] = "EU-005 once more";
    import("iota.log", 5);
    EXPECT_EQ(s->qsos[10].entries[0], 5);
    s->iotaeuropeaward = 0;
    import("iota.log", 5);
    EXPECT_EQ(s->qsos[17].awards[0], 0);
}

TEST_F(Cabrillo, BartgRttyLines) {
    import("bartg.log", 6);
    expectqsos(1, {{8, rtty, "20200321", "12:00", "DL1ABC", "599", "599",
                    "Info Rcvd: DL1ABC     599 0012 1159"},
                   {8, rtty, "20200321", "12:01", "K1ABC", "599", "599",
                    "Info Rcvd: K1ABC 599 0013 1201"}});
}

TEST_F(Cabrillo, SectionsStandForStatesProvincesOrNothing) {
    const int16_t was = s->wasaward, ve = s->provincesaward;
    const std::pair<const char*, sectionmatch> cases[] = {
        {"WWA", {was, 46}}, {"EWA", {was, 46}}, {" on ", {ve, 3}}, {"TX", {was, 42}},
        {"SCV", {was, 4}},  {"ELI", {was, 31}}, {"DX", {0, 0}},    {"", {0, 0}}};
    for (const auto& [section, wanted] : cases) {
        const sectionmatch m = sectiontoaward(*s, section);
        EXPECT_EQ(m.award, wanted.award) << section;
        if (wanted.award != 0) {
            EXPECT_EQ(m.entry, wanted.entry) << section;
        }
    }
    s->wasaward = 0;
    EXPECT_EQ(sectiontoaward(*s, "NTX").award, 0);
    EXPECT_EQ(sectiontoaward(*s, "TX").award, 0);
    import("sweepstakes.log", 0);
    EXPECT_EQ(s->qsos[4].awards[0], 0);
    EXPECT_EQ(s->qsos[3].awards[0], ve);
}

TEST_F(Cabrillo, BadInputImportsNothingAndSaysWhy) {
    const std::string qtc = "QTC: 14011 CW 2003-08-09 1700 DL1ABC        001/10  1234 DL3QTC";
    const std::pair<std::string, std::string> files[] = {
        {"", ""},
        {"START-OF-LOG: 3.0\r\nNAME: Andreas Kr\xC3\xBCger\r\nEND-OF-LOG:\r\n", ""},
        {std::string("\x00\xFF\x01junk\r\r\n\n", 10), ""},
        {"QSO: " + std::string(100000, 'x'), " 1 QSO line was skipped: not readable as QSOs of "
                                             "this contest kind. Skipped line 1: no date "
                                             "yyyy-mm-dd."},
        {qtc + "\r\n", " 1 QSO line was skipped: not readable as QSOs of this contest kind. "
                       "Skipped line 1: a QTC line not in its columns."},
    };
    for (const auto& [text, skipped] : files) {
        const cabrilloresult r = importtext(text, 3);
        EXPECT_TRUE(r.ok);
        EXPECT_EQ(status.last(), "0 records imported from Cabrillo file." + skipped);
    }
    EXPECT_EQ(importtext("QSO: 14000 CW 2009-05-30 0002 AA1ZZZ 599 1 S50A 599 4\n", 7).imported, 0);
    EXPECT_EQ(s->qsocount, 0);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Cabrillo, AMissingFileChangesNothing) {
    s->qsocount = 4;
    s->chosenfile = folder.path() + "nothere.log";
    EXPECT_FALSE(importcabrillo(*s, status, dialogs, 2).ok);
    EXPECT_EQ(s->qsocount, 4);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Cabrillo file, " + s->chosenfile +
                                         ", not found or it is corrupted.\r\nThe file does not "
                                         "exist.");
    EXPECT_EQ(dialogs.shown[0].title, "Tessalog  " + s->mycall.str());
    EXPECT_EQ(status.last(), "No records imported from " + s->chosenfile);
}

TEST_F(Cabrillo, TheLogStopsAtItsCapacity) {
    s->qsocount = maxqsos - 2;
    const cabrilloresult r = import("singleblank.log", 2);
    EXPECT_EQ(r.imported, 2);
    EXPECT_EQ(r.leftout, 1);
    EXPECT_EQ(s->qsocount, maxqsos);
    EXPECT_EQ(s->qsos[maxqsos].call.trimmedright(), "EF8M");
    EXPECT_NE(status.last().find(" The log is full at 100000 QSOs: 1 QSOs were left out."),
              std::string::npos);
}

TEST_F(Cabrillo, RecordsStartBlankAndTextsSurviveTheLogFile) {
    qsorecord& next = s->qsos[1];
    next.wab = "SU12";
    next.qslvia = "W1AW";
    next.awards[3] = 7;
    const std::string line = "QSO: 21000 CW 2016-07-09 1354 DJ3EI         599 28     EI0HQ        "
                             " 599 I\"R\tS  ";
    importtext(line + "\r\n", 2);
    ASSERT_EQ(s->qsocount, 1);
    const qsorecord imported = s->qsos[1];
    EXPECT_EQ(imported.wab, "          ");
    EXPECT_EQ(imported.qslvia.trimmedright(), "");
    EXPECT_EQ(imported.awards[3], 0);
    EXPECT_EQ(imported.comments.trimmedright(), "Info Rcvd: 599 I R S");
    // The whole log of every kind goes through the log file unchanged.
    const std::pair<const char*, int> files[] = {
        {"sweepstakes.log", 0}, {"vhf.log", 1}, {"wae.log", 3}, {"sprint.log", 4}, {"iota.log", 5}};
    for (const auto& [name, kind] : files)
        import(name, kind);
    expectroundtrip(true);
}

TEST_F(Cabrillo, ALineWhoseCallColumnHoldsNoCallIsSplitAtBlanks) {
    // Long enough for the kind's columns, but a call begins before the call column or the
    // column holds several words: read in columns, these stored a piece of another field.
    importtext(
        "QSO: 14000 CW 2020-07-25 1200 GM/DL1ABC/P 59 0001 EU-008 GM/DL2XYZ/P 59 0002 EU-123 "
        "0\r\n",
        5);
    importtext("QSO: 14080 RY 2020-03-21 1200 DL1ABC/P 599 0001 1200 VK2/DL2XYZ/P 599 0005 1201 "
               "0\r\n",
               6);
    // The words after the last field of the kind's exchange are not read.
    importtext("QSO: 14000 CW 2024-05-25 1201 N0CALL 599 001 K1ABC 599 003 and some more words "
               "after it\r\n",
               2);
    ASSERT_EQ(s->qsocount, 3);
    expectqsos(1, {{8, cw, "20200725", "12:00", "GM/DL2XYZ/P", "59", "59",
                    "Info Rcvd: GM/DL2XYZ/P 59 0002 EU-123", 100, s->iotaeuropeaward, 121},
                   {8, rtty, "20200321", "12:00", "VK2/DL2XYZ/P", "599", "599",
                    "Info Rcvd: VK2/DL2XYZ/P 599 0005 1201"},
                   {8, cw, "20240525", "12:01", "K1ABC", "599", "599", "Info Rcvd: 599 003"}});
    EXPECT_EQ(status.last(), "1 records imported from Cabrillo file.");
    // A line in columns whose call column is blank still gives "NOCALL".
    const std::string blankcall = "QSO: 21000 CW 2016-07-09 1354 DJ3EI         599 28     " +
                                  std::string(13, ' ') + " 599 MA  ";
    importtext(blankcall + "\r\n", 2);
    ASSERT_EQ(s->qsocount, 4);
    EXPECT_EQ(qso(4).call.trimmedright(), "NOCALL");
}
