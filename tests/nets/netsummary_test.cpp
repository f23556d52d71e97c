#include "nets/netsummary.h"
#include "platform/codepage.h"
#include "platform/fileio.h"
#include "support/logfixture.h"

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

    qsorecord& add(const std::string& call, int band, int mode) {
        qsorecord q = qso(call);
        q.band = static_cast<int16_t>(band);
        q.mode = static_cast<int16_t>(mode);
        append(q);
        return s->qsos[static_cast<std::size_t>(s->qsocount)];
    }

    static void fill(qsorecord& q, std::initializer_list<std::pair<int, int32_t>> values) {
        std::size_t k = 0;
        for (const auto& [award, entry] : values) {
            q.awards[k] = static_cast<int16_t>(award);
            q.entries[k++] = entry;
        }
    }

    void chose(int net, int band, int mode) {
        s->netflags.fill(false);
        s->netflags[static_cast<std::size_t>(net)] = true;
        s->netband = static_cast<int16_t>(band);
        s->netmode = static_cast<int16_t>(mode);
    }

    // A QSO of every net's awards, in this order.
    void handmadelog() {
        qsorecord& k5 = add("K5ABC", 3, 2);
        fill(k5, {{1, 1234}, {7, 42}});
        k5.awards[5] = 1; // a sixth slot is never read
        k5.entries[5] = 9999;
        fill(add("W1GER", 4, 2), {{2, 3456}, {3, 12}, {7, 20}, {8, 20}});
        fill(add("VE3XYZ", 8, 1), {{4, 777}, {10, 3}, {10, 13}, {7, 50}, {7, -1}});
        add("G4WAB", 6, 2).wab = "SU12";
        fill(s->qsos[static_cast<std::size_t>(s->qsocount)], {{6, 55}});
        fill(add("G4WAB", 8, 1), {{6, 56}});
        add("N0GEN", 10, 1).comments = "  Likes CW  ";
        add("N\xd8GEN", 8, 1);
        add("K1HHH", 6, 2).comments = "HHH 123";
        qsorecord& gone = add("K1HHH", 6, 2);
        gone.comments = "deleted";
        gone.deleted = "D";
        fill(add("W7TEN", 8, 1), {{5, 4242}, {7, 2}});
        qsorecord& gonetoo = add("W7TEN", 12, 2);
        fill(gonetoo, {{5, 9999}});
        gonetoo.deleted = "D";
        fill(add("W2QCW", 8, 1), {{0, 5}, {7, 31}});
        fill(add("DL1DOK", 8, 1), {{9, 1}, {9, 3}, {9, -1}});
    }
};

} // namespace

TEST_F(NetSummary, EveryNetMatchesTheHandWrittenSummaries) {
    handmadelog();
    std::istringstream golden(fromutf8ifvalid(testfile("summaries.golden")));
    int cases = 0;
    for (std::string line; std::getline(golden, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream head(line.substr(0, line.find('|')));
        int net = 0, band = 0, mode = 0;
        std::string call;
        head >> net >> band >> mode >> call;
        const std::size_t open = line.find('|');
        const std::string expected = line.substr(open + 1, line.rfind('|') - open - 1);
        chose(net, band, mode);
        EXPECT_EQ(priorqsosummary(*s, call), expected) << line;
        ++cases;
    }
    EXPECT_EQ(cases, 12);
}

TEST_F(NetSummary, ALogOfOneQsoIsSummedAndAnEmptyLogGivesANewCall) {
    chose(centuryclubnet, 8, 1);
    EXPECT_EQ(priorqsosummary(*s, "K5ABC"), "New Call ");
    fill(add("K5ABC", 3, 2), {{1, 1234}, {7, 42}});
    EXPECT_EQ(priorqsosummary(*s, "K5ABC"), "New Call #1234, TX, ");
    EXPECT_EQ(priorqsosummary(*s, " K5ABC "), "New Call #1234, TX, ");
}

TEST_F(NetSummary, EveryMatchingQsoAddsItsPiecesInLogOrder) {
    chose(centuryclubnet, 3, 2);
    for (int32_t n : {7, 8, 7})
        fill(add("K5ABC", 3, 2), {{1, n}});
    EXPECT_EQ(priorqsosummary(*s, "K5ABC"), "#7, #8, #7, ");
}

TEST_F(NetSummary, TheCaptionHoldsTheNetTitleAndThePaddedNames) {
    chose(geratolnet, 4, 2);
    EXPECT_EQ(netcaption(*s), "Geratol Net, 75 Extra, SSB ");
    chose(hhhnet, 6, 1);
    EXPECT_EQ(netcaption(*s), "HHH Net, 40 Mtrs , CW  ");
    s->netflags.fill(false); // no net chosen: the Century Club Net
    EXPECT_EQ(netcaption(*s), "Century Club Net, 40 Mtrs , CW  ");
}

TEST_F(NetSummary, TheListFileEndsAtTheLastCallAndKeepsEachRowOnOneLine) {
    std::vector<netrow> rows(200);
    EXPECT_EQ(netlisttext("T", "01/02/2024", rows), "T 01/02/2024\r\n \r\n");
    rows[1] = {"", "a note without a call is not the end"};
    rows[3] = {"   ", "blank calls neither"};
    EXPECT_EQ(netlisttext("T", "D", rows), "T D\r\n \r\n");
    rows[2] = {" W1\tAW\r\n", "\tline one\nline two "};
    const std::string nocall = std::string(12, ' ');
    EXPECT_EQ(netlisttext("T", "D", rows), "T D\r\n \r\n"
                                           "1    " +
                                               nocall +
                                               "  \r\n"
                                               "2    " +
                                               nocall +
                                               "  a note without a call is not the end\r\n"
                                               "3    "
                                               "W1 AW       "
                                               "  "
                                               "line one line two\r\n");
}

TEST_F(NetSummary, AFailedWriteKeepsTheOldFileAndSaysWhy) {
    folder.write("netlist.dat", "old");
    std::vector<netrow> rows(200);
    rows[0] = {"W1AW", ""};
    EXPECT_EQ(writenetlist(*s, "T", rows), "Net info written to netlist.dat");
    EXPECT_EQ(readwholefile(s->apppath + "netlist.dat"), "T 08/25/2024\r\n \r\n"
                                                         "1    "
                                                         "W1AW        "
                                                         "  \r\n");
    s->apppath = folder.path() + "gone/";
    const std::string message = writenetlist(*s, "T", rows);
    EXPECT_EQ(message.rfind("netlist.dat was not written: ", 0), 0u) << message;
    EXPECT_GT(message.size(), std::string("netlist.dat was not written: ").size());
}
