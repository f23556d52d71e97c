#include "nets/netsummary.h"
#include "platform/codepage.h"
#include "platform/fileio.h"
#include "support/logfixture.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <sstream>

using namespace tsl;
using namespace tsl::test;

namespace {

// The awards of testdata/netlogger/awards.dat: 1 Century Club Net #, 2 Geratol #, 3 Geratol
// Director's #, 4 OMISS #, 5 Ten-Ten #, 6 WAB Book #, 7 Worked All States, 8 US State
// Capitals, 9 DOKs (three entries), 10 Canadian Provinces. QCWA # is not tracked.
struct NetSummary : ::testing::Test, LoadedLog {
    NetSummary() {
        folder.write("awards.dat", testfile("awards.dat"));
        loadawards(*s, dialogs);
    }

    static std::string testfile(const std::string& name) {
        return readwholefile(std::string(TESSALOG_TESTDATA_DIR) + "/netlogger/" + name)
            .value_or("");
    }

    // A QSO on the band and mode, with its slots from slot 0 on.
    qsorecord& add(const std::string& call, int band, int mode,
                   std::initializer_list<std::pair<int, int32_t>> slotvalues = {}) {
        qsorecord q = qso(call);
        q.band = static_cast<int16_t>(band);
        q.mode = static_cast<int16_t>(mode);
        std::size_t k = 0;
        for (const auto& [award, entry] : slotvalues) {
            q.awards[k] = static_cast<int16_t>(award);
            q.entries[k++] = entry;
        }
        append(q);
        return s->qsos[static_cast<std::size_t>(s->qsocount)];
    }

    void chose(int net, int band, int mode) {
        s->netflags.fill(false);
        s->netflags[static_cast<std::size_t>(net)] = true;
        s->netband = static_cast<int16_t>(band);
        s->netmode = static_cast<int16_t>(mode);
    }

    // A QSO of every net's awards, in this order.
    void handmadelog() {
        qsorecord& k5 = add("K5ABC", 3, 2, {{1, 1234}, {7, 42}});
        k5.awards[5] = 1; // a sixth slot is never read
        k5.entries[5] = 9999;
        add("W1GER", 4, 2, {{2, 3456}, {3, 12}, {7, 20}, {8, 20}});
        add("VE3XYZ", 8, 1, {{4, 777}, {10, 3}, {10, 13}, {7, 50}, {7, -1}});
        add("G4WAB", 6, 2, {{6, 55}}).wab = "SU12";
        add("G4WAB", 8, 1, {{6, 56}});
        add("N0GEN", 10, 1).comments = "  Likes CW  ";
        add("N\xd8GEN", 8, 1);
        add("K1HHH", 6, 2).comments = "HHH 123";
        qsorecord& gone = add("K1HHH", 6, 2);
        gone.comments = "deleted";
        gone.deleted = "D";
        add("W7TEN", 8, 1, {{5, 4242}, {7, 2}});
        add("W7TEN", 12, 2, {{5, 9999}}).deleted = "D";
        add("W2QCW", 8, 1, {{0, 5}, {7, 31}});
        add("DL1DOK", 8, 1, {{9, 1}, {9, 3}, {9, -1}});
    }
};

} // namespace

TEST_F(NetSummary, EveryNetMatchesTheHandWrittenSummaries) {
    handmadelog();
    std::istringstream golden(fromutf8ifvalid(testfile("summaries.golden")));
    int cases = 0;
    for (std::string line; std::getline(golden, line);) {
        if (line.empty() || line[0] == '#') continue;
        const std::size_t bar = line.find('|');
        std::istringstream head(line.substr(0, bar));
        int net = 0, band = 0, mode = 0;
        std::string call;
        head >> net >> band >> mode >> call;
        chose(net, band, mode);
        EXPECT_EQ(priorqsosummary(*s, call), line.substr(bar + 1, line.rfind('|') - bar - 1));
        ++cases;
    }
    EXPECT_EQ(cases, 12);
}

TEST_F(NetSummary, ALogOfOneQsoIsSummedAndAnEmptyLogGivesANewCall) {
    chose(centuryclubnet, 8, 1);
    EXPECT_EQ(priorqsosummary(*s, "K5ABC"), "New Call ");
    add("K5ABC", 3, 2, {{1, 1234}, {7, 42}});
    EXPECT_EQ(priorqsosummary(*s, "K5ABC"), "New Call #1234, TX, ");
    EXPECT_EQ(priorqsosummary(*s, " K5ABC "), "New Call #1234, TX, ");
}

TEST_F(NetSummary, TheListFileEndsAtTheLastCallAndKeepsEachRowOnOneLine) {
    std::vector<netrow> rows(200);
    EXPECT_EQ(netlisttext("T", "01/02/2024", rows), "T 01/02/2024\r\n \r\n");
    rows[1] = {"", "a note without a call is not the end"};
    rows[3] = {"   ", "blank calls neither"};
    EXPECT_EQ(netlisttext("T", "D", rows), "T D\r\n \r\n");
    rows[2] = {" W1\tAW\r\n", "\tline one\nline two "};
    const std::string blank(12, ' ');
    EXPECT_EQ(netlisttext("T", "D", rows),
              "T D\r\n \r\n1    " + blank + "  \r\n2    " + blank +
                  "  a note without a call is not the end\r\n3    W1 AW" + std::string(9, ' ') +
                  "line one line two\r\n");
}

TEST_F(NetSummary, TheListDateTakesSlashesInEitherOrderWhateverTheLocale) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    s->dateformatflag = 1;
    s->gmtoffset = 15; // UTC is the day before
    EXPECT_EQ(writenetlist(*s, "T", {}), "Net info written to netlist.dat");
    QLocale::setDefault(before);
    EXPECT_EQ(readwholefile(s->apppath + "netlist.dat"), "T 24/08/2024\r\n \r\n");
}
