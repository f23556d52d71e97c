#include "nets/ccn.h"
#include "nets/ccnlog.h"

using namespace tsl;
using namespace tsl::test;

namespace {

using lines = std::vector<std::string>;

struct CcnReports : CcnLog {
    CcnReports() { eightymetres(); }
    lines report(int kind, int band = 3, int mode = 1) const {
        return ccnreport(*s, static_cast<int16_t>(mode), static_cast<int16_t>(band),
                         static_cast<int16_t>(kind))
            .lines;
    }
    // The call column of a call list, between its header and its closing lines.
    lines calls(int kind) const {
        const lines all = report(kind);
        lines out;
        for (std::size_t k = 3; k + 2 < all.size(); ++k)
            out.push_back(all[k].substr(0, 10));
        return out;
    }
};

} // namespace

TEST_F(CcnReports, CallListsShowEachCallOnceInTheSortsChoiceOfRow) {
    EXPECT_EQ(report(ccnallqsos), golden("allqsos.golden"));
    EXPECT_EQ(report(ccnyls), golden("yls.golden"));
}

TEST_F(CcnReports, CombosCountEveryWordAndDropOnlyConsecutiveRepeats) {
    EXPECT_EQ(report(ccncombos), golden("combos.golden"));
}

TEST_F(CcnReports, TablesShowTheLastQsoOfEachEntry) {
    EXPECT_EQ(report(ccnwas), golden("was.golden"));
    EXPECT_EQ(report(ccncanada), golden("provinces.golden"));
    EXPECT_EQ(report(ccnalphabet), golden("alphabet.golden"));
    const lines capitals = report(ccncapitals);
    ASSERT_EQ(capitals.size(), 55u);
    EXPECT_EQ(capitals[3 + 24], "MO   N" + Z + "AX       01/09/2023 05:00");
    EXPECT_EQ(capitals.back(), "1 QSOs");
    const lines yl = report(ccnwasyl);
    EXPECT_EQ(yl[0], "Century Club Net Worked All States YL 80 Mtrs  CW   - W9XYZ ");
    EXPECT_EQ(yl[3 + 8], "FL   K4YL       01/06/2023 02:00");
    EXPECT_EQ(yl[3 + 9], "GA   K4YL       01/18/2023 13:00");
    EXPECT_EQ(yl.back(), "2 QSOs");
}

TEST_F(CcnReports, EachCallListKindTakesItsOwnQsos) {
    EXPECT_EQ(calls(ccntwoletter), (lines{"K4YL      ", "KA1ZZ     ", "N" + Z + "AX      ",
                                          "VE1AA     ", "W1AW      ", "W8XY/MM   ", "WB2NO     "}));
    EXPECT_EQ(calls(ccndx), (lines{"VE1AA     ", "VE3ABC    "}));
    EXPECT_EQ(calls(ccnmobiles), (lines{"W9ABC/M   "}));
    EXPECT_EQ(calls(ccniteowl), (lines{"K7OWL     ", "WB2NO     "}));
    EXPECT_EQ(report(ccntwoletter)[0], "Century Club Net Two Letter Calls 80 Mtrs  CW   - W9XYZ ");
}

TEST_F(CcnReports, NomadRecordsNineMobileCallsPerState) {
    auto mobile = [this](const std::string& call, int state) {
        qsorecord& q = net(call, "20230201", "10:00", 6, 2);
        q.qth = 1;
        if (state >= 0) was(q, state);
    };
    mobile("N5AA/M", 42);
    for (const char* call : {"N5AB", "N5AA/M", "N5AC", "N5AD", "N5AE", "N5AF", "N5AG", "N5AH"})
        mobile(call, 42);
    mobile("N5AI", 42); // the tenth in Texas
    mobile("W6MOB/M", 4);
    was(net("K6HOME", "20230202", "10:00", 6, 2), 4);
    mobile("K0NOST", -1);
    EXPECT_EQ(report(ccnnomad, 6, 2), golden("nomad.golden"));
}

TEST_F(CcnReports, AnEmptySelectionKeepsEachFamilysFixedLines) {
    const std::string t = "20 Mtrs  RTTY - W9XYZ ";
    EXPECT_EQ(report(ccnallqsos, 8, 5), (lines{"Century Club Net All QSOs " + t, " ",
                                               "Call       Date       Time", " ", "0 QSOs"}));
    EXPECT_EQ(report(ccncombos, 8, 5),
              (lines{"Century Club Net Combos " + t,
                     "You should sort the QSOs by date / time before you run this report.", " ",
                     "Call       Date       Time  State", " ", "0 QSOs"}));
    EXPECT_EQ(report(ccncapitals, 8, 5), golden("empty-capitals.golden"));
    EXPECT_EQ(report(ccncanada, 8, 5), golden("empty-provinces.golden"));
    EXPECT_EQ(report(ccnalphabet, 8, 5), golden("empty-alphabet.golden"));
    EXPECT_EQ(report(ccnnomad, 8, 5), golden("empty-nomad.golden"));
    lines areas{"Century Club Net Call Areas " + t, " "};
    areas.insert(areas.end(), 21, " ");
    areas.push_back("0 QSOs");
    EXPECT_EQ(report(ccncallareas, 8, 5), areas);
}

TEST_F(CcnReports, EveryComboRowCountsInALargeLog) {
    s->qsocount = 0;
    for (int k = 0; k < 50001; ++k)
        net("K" + std::to_string(k), "20230301", "10:00", 3, 1).comments = "COMBO and combo";
    const lines all = report(ccncombos); // 100002 rows
    EXPECT_EQ(all.back(), "50001 QSOs");
    EXPECT_EQ(all[all.size() - 3].substr(0, 10), "K50000    ");
}

TEST_F(CcnReports, OneCallOnEveryQsoIsOneLine) {
    s->qsocount = 0;
    for (int k = 0; k < 100000; ++k)
        net("W1AW", "20230301", "10:00", 3, 1);
    const lines all = report(ccnallqsos);
    ASSERT_EQ(all.size(), 6u);
    EXPECT_EQ(all[3], "W1AW       03/01/2023 10:00");
    EXPECT_EQ(all.back(), "1 QSOs");
    EXPECT_EQ(ccnpokerreport(*s, 1, 3).lines[1], "100000 QSOs and 1 Calls");
}

TEST_F(CcnReports, NothingIsTheNetsWhileTheAwardIsNotTracked) {
    s->ccnaward = 0;
    EXPECT_EQ(report(ccnallqsos).back(), "0 QSOs");
    EXPECT_EQ(report(ccnwas).back(), "0 QSOs");
}

TEST_F(CcnReports, ReportsAreFreshListsInSizeTen) {
    expectwindowuse(ccnreport(*s, 1, 3, ccnallqsos), 10, true, true, true);
    EXPECT_TRUE(ccnreport(*s, 1, 3, 14).lines.empty());
}

TEST_F(CcnReports, TheLastSlotOfAnAwardWinsAndNoValueWrapsIntoTheTable) {
    s->qsocount = 0;
    slot(was(net("W1AW", "20230301", "10:00", 3, 1), 5), 4, s->wasaward, 7);
    was(net("K1WRAP", "20230301", "10:05", 3, 1), 65536 + 8); // 8 (FL) in 16 bits
    const lines all = report(ccnwas);
    const std::string blank(30, ' ');
    EXPECT_EQ(all[3 + 5], "CO" + blank);
    EXPECT_EQ(all[3 + 7], "DE   W1AW       03/01/2023 10:00");
    EXPECT_EQ(all[3 + 8], "FL" + blank);
    EXPECT_EQ(all.back(), "1 QSOs");
}

// Calls no operator should type still give each kind's answer or are passed over.
TEST_F(CcnReports, OddCallsArePassedOverOrTakenApart) {
    s->qsocount = 0;
    const lines odd = {"",
                       " ",
                       "/",
                       "K",
                       "VO",
                       "W1 AW",
                       "w1aw/m",
                       "VE3/W1AW/P",
                       "W1AW//",
                       "ABCDEFGHIJKL",
                       Z + Z + Z + Z,
                       "ka/"};
    for (const std::string& call : odd) {
        qsorecord& q = was(net(call, "20230301", "10:00", 3, 1), 31);
        q.gender = 1;
        q.qth = 1;
        q.comments = call;
    }
    const lines alphabet = report(ccnalphabet);
    EXPECT_EQ(alphabet[3 + 0].substr(10, 10), "ka/       ");
    EXPECT_EQ(alphabet[3 + 1].substr(10, 10), "ABCDEFGHIJ");
    EXPECT_EQ(alphabet[3 + 4].substr(10, 10), "VE3/W1AW/P");
    EXPECT_EQ(alphabet[3 + 14].substr(10, 10), "VO        ");
    EXPECT_EQ(alphabet.back(), "4 QSOs");
    EXPECT_EQ(calls(ccnmobiles), (lines{"w1aw/m    "}));
    EXPECT_EQ(calls(ccntwoletter), (lines{"w1aw/m    ", Z + Z + Z + Z + "      "}));
    // The first nine in New York; the tenth is not recorded.
    EXPECT_EQ(report(ccnnomad)[3 + 31],
              "NY   " + std::string(20, ' ') +
                  "/         K         VO        W1 AW     w1aw/m    VE3/W1AW/PW1AW//    " +
                  std::string(10, ' '));
    // Area 1 from the digit, 11 for a V call without a third character, 14 for VE3.
    const lines areas = report(ccncallareas);
    EXPECT_EQ(areas[3], "W1 AW      NY  W1AW/      NY  ");
    EXPECT_EQ(areas[14], "VO         NY  ");
    EXPECT_EQ(areas[18], "VE3/W1AW   NY  ");
    EXPECT_EQ(areas.back(), "4 QSOs");
    for (int kind = 0; kind <= 13; ++kind)
        EXPECT_GE(report(kind).size(), 4u) << kind;
}

// Leading blanks do not hide "COMBO", nor does the end of the comments; a state outside the
// table is two blanks.
TEST_F(CcnReports, CombosAreFoundWhereverTheyStand) {
    s->qsocount = 0;
    was(net("K1ABC", "20230301", "10:00", 3, 1), 18).comments = "          combo";
    was(net("W2XYZ", "20230302", "11:00", 3, 1), 50).comments = std::string(55, ' ') + "COMBO";
    net("N3AA", "20230303", "12:00", 3, 1).comments = "COMB O";
    EXPECT_EQ(report(ccncombos),
              (lines{"Century Club Net Combos 80 Mtrs  CW   - W9XYZ ",
                     "You should sort the QSOs by date / time before you run this report.", " ",
                     "Call       Date       Time  State", "K1ABC      03/01/2023 10:00     ME",
                     "W2XYZ      03/02/2023 11:00       ", " ", "2 QSOs"}));
}

// A base call whose second character is neither a digit nor a letter has no row.
TEST_F(CcnReports, AlphabetPassesOverCallsWithoutALetterSecond) {
    s->qsocount = 0;
    const lines calls = {"K-1AB", std::string("K\xe9") + "1AB", "K[1AB", "K@1AB", "K/1AB", "kz1ab"};
    for (const std::string& call : calls)
        net(call, "20230301", "10:00", 3, 1);
    const lines alphabet = report(ccnalphabet);
    ASSERT_EQ(alphabet.size(), 3u + 26 + 2);
    for (int k = 0; k < 26; ++k)
        EXPECT_EQ(alphabet[static_cast<std::size_t>(3 + k)],
                  std::string(1, static_cast<char>('A' + k)) + std::string(9, ' ') +
                      (k == 25 ? "kz1ab      03/01/2023 10:00" : std::string(27, ' ')));
    EXPECT_EQ(alphabet.back(), "1 QSOs");
}
