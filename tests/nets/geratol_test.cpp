#include "nets/geratol.h"
#include "nets/netlog.h"

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

using Lines = std::vector<std::string>;

struct Geratol : ::testing::Test, NetLog {
    // A 75 m Extra SSB QSO worked from the given state (-1: no state slot).
    qsorecord& instate(const std::string& call, int state) {
        qsorecord& q = add(call);
        if (state >= 0) slot(q, s->wasaward, state);
        return q;
    }
    // The count line of an endorsement report.
    std::string counted(int e) const {
        const Report r = geratolendorsement(*s, e);
        return r.lines.size() >= 2 ? r.lines[r.lines.size() - (e == 0 ? 3 : 2)] : "";
    }
};

} // namespace

TEST_F(Geratol, AllQsosListsEachCallOnceAndCountsEveryQso) {
    add("W1AW");
    add("K1ABC", 3);   // 80 m: not the Extra segment
    add("N2XY", 4, 1); // CW
    add("W1AW");
    add("W1AW");
    add("K9DEL").deleted = "D";
    add("KA1ABCDEFG"); // two calls equal in their first 8 characters
    add("KA1ABCDEXY");
    add("W\330AB"); // the slashed zero sorts after the letters
    add("W0AB");
    const Report r = allgeratolqsos(*s);
    EXPECT_EQ(r.lines,
              (Lines{"Geratol QSOs Sorted by Call - W9XYZ ",
                     "All SSB QSOs in 75 Meter Extra portion of the band", " ",
                     "KA1ABCDE   W0AB       W1AW       W\330AB       ", "7 Geratol QSOs"}));
    EXPECT_EQ(r.fontsize, 8);
}

TEST_F(Geratol, AllQsosPutsEightCallsToALine) {
    add("W1AW", 8);
    EXPECT_EQ(allgeratolqsos(*s).lines,
              (Lines{"Geratol QSOs Sorted by Call - W9XYZ ",
                     "All SSB QSOs in 75 Meter Extra portion of the band", " ", "0 Geratol QSOs"}));
    s->qsocount = 0;
    for (char c = 'H'; c >= 'A'; --c)
        add(std::string("K1A") + c);
    const std::string eight = "K1AA       K1AB       K1AC       K1AD       K1AE       K1AF       "
                              "K1AG       K1AH       ";
    Lines r = allgeratolqsos(*s).lines;
    EXPECT_EQ(r, (Lines{r[0], r[1], " ", eight, "8 Geratol QSOs"}));
    add("K1AI");
    r = allgeratolqsos(*s).lines;
    EXPECT_EQ(r, (Lines{r[0], r[1], " ", eight, "K1AI       ", "9 Geratol QSOs"}));
}

TEST_F(Geratol, TheAwardKeepsAConfirmedQsoAndListsAllFiftyStates) {
    instate("K1AB", 0).qslr = 1;
    instate("W1XY", 0);                   // later, unconfirmed: Alabama keeps K1AB
    instate("AA1BC", 1);                  // 2 x 2 beginning with A
    instate("KA1BC", 2);                  // 2 x 2 not beginning with A
    instate("N2XY", 1).qslr = 1;          // replaces the unconfirmed AA1BC
    instate("K3ZZ", -1);                  // no state
    slot(add("W4AB", 3), s->wasaward, 4); // 80 m
    slot(instate("W5AB", -1), s->wasaward, 5).deleted = "D";
    instate("W6AB", 6).mode = 1; // CW
    instate("W7AB", 50);         // no such state
    const Report r = geratolendorsement(*s, 0);
    EXPECT_EQ(r.lines, golden("endorsement0.golden"));
    EXPECT_EQ(r.fontsize, 10);
}

TEST_F(Geratol, StateAbbreviationsFillFiveSlotsByTheCallsSuffix) {
    instate("K1AL", 42); // Texas in its slot, Alabama by its call
    instate("W2AL", -1);
    instate("K1AL", 0); // already held
    instate("N3AL", 0);
    instate("W4AL", 0);
    instate("K5AL", 0);
    instate("K6AL", 0); // a sixth call
    instate("AB1AK", -1);
    instate("K1XX", 0); // no state spells XX
    const Lines r = geratolendorsement(*s, 5).lines;
    ASSERT_EQ(r.size(), 3u + 50 + 4 + 3);
    EXPECT_EQ(r[3], "AL    K1AL       01/01/2024 10:01 NO ");
    EXPECT_EQ(r[4], "AL    W2AL       01/02/2024 10:02 NO ");
    EXPECT_EQ(r[7], "AL    K5AL       01/06/2024 10:06 NO ");
    EXPECT_EQ(r[8], "AK    AB1AK      01/08/2024 10:08 NO ");
    EXPECT_EQ(r[9], "AZ" + std::string(4 + 31, ' '));
    EXPECT_EQ(r[r.size() - 2], "6 States worked");
}

TEST_F(Geratol, CenturyDxTakesEachPrefixOnce) {
    instate("K1JA", 0);   // 1 x 2: JA of Japan
    instate("W2JA", 1);   // JA is spent
    instate("KA1G", 2);   // 2 x 1: G of England
    instate("KB1G", 3);   // G spent, and "1G" is no prefix
    instate("AA1DL", 4);  // 2 x 2 AA: DL
    instate("KA1BC", 5);  // 2 x 2 without AA: no suffix
    instate("AA1JE", -1); // no state: JE stays free
    instate("AA2JE", 6);
    const Lines r = geratolendorsement(*s, 23).lines;
    EXPECT_EQ(r[3], "AL     K1JA       01/01/2024 10:01 JA NO ");
    EXPECT_EQ(r[4], "AK" + std::string(5 + 27 + 2 + 3, ' '));
    EXPECT_EQ(r[5], "AZ     KA1G       01/03/2024 10:03 G NO ");
    EXPECT_EQ(r[7], "CA     AA1DL      01/05/2024 10:05 DL NO ");
    EXPECT_EQ(r[9], "CT     AA2JE      01/08/2024 10:08 JE NO ");
    EXPECT_EQ(r[r.size() - 2], "4 States worked");
}

TEST_F(Geratol, ProvincesWithOperatorsInitials) {
    slot(add("VE3ABC"), s->provincesaward, 3).comments = "ic at the key";
    slot(add("VE1XY"), s->provincesaward, 0).comments = "Joe";
    slot(add("VA7XX"), s->provincesaward, 13).comments = "IC"; // no such province
    add("VE2AB").comments = "IC";
    const Lines r = geratolendorsement(*s, 26).lines;
    ASSERT_EQ(r.size(), 3u + 13 + 3);
    EXPECT_EQ(r[3], "VE1 Nova Scotia" + std::string(14 + 33, ' '));
    EXPECT_EQ(r[6], "VE3 Ontario" + std::string(18, ' ') + " VE3ABC     01/01/2024 10:01  NO ");
    EXPECT_EQ(r[15], "VY2-VE1 Prince Edward Island " + std::string(33, ' '));
    EXPECT_EQ(r[17], "1 Provincess worked");
}

TEST_F(Geratol, DistrictsAndLetters) {
    add("W1AW");
    add("K1AB");    // the later QSO takes 1 A
    add("w2xyz");   // the letter in capitals
    add("W\xd8ZZ"); // the slashed zero is district 0
    add("W3_A");    // no letter after the digit: passed over
    add("W4\xc9X");
    add("3WAB"); // the digit must stand at position 2 or later
    add("W1");
    add("");
    const Lines r = geratolendorsement(*s, 27).lines;
    ASSERT_EQ(r.size(), 3u + 260 + 3);
    EXPECT_EQ(r[3], "0         A      " + std::string(10 + 1 + 10 + 1 + 5 + 1 + 3, ' '));
    EXPECT_EQ(r[3 + 25], "0         Z      W\xd8ZZ       01/04/2024 10:04 NO ");
    EXPECT_EQ(r[3 + 26], "1         A      K1AB       01/02/2024 10:02 NO ");
    EXPECT_EQ(r[3 + 2 * 26 + 23], "2         X      w2xyz      01/03/2024 10:03 NO ");
    EXPECT_EQ(r[r.size() - 2], "3 Districts & Letters");
}

TEST_F(Geratol, PrefixesListTheEarliestQsoOfEach) {
    add("W1XY");
    slot(add("W1AW"), s->geratolaward, 7);
    add("K2AB/P");
    slot(add("DL1ABC"), s->geratolaward, 12);
    add("ABC"); // no prefix
    add("KH6XYZ");
    slot(add("W1ZZ"), s->geratolaward, 9);
    EXPECT_EQ(
        geratolendorsement(*s, 29).lines,
        (Lines{"Geratol Endorsement #29 500 Prefixes - W9XYZ ", " ",
               "Prefix Call       Date       Time", "DL1    DL1ABC     01/04/2024 10:04 NO ",
               "K2     K2AB/P     01/03/2024 10:03 NO ", "KH6    KH6XYZ     01/06/2024 10:06 NO ",
               "W1     W1XY       01/01/2024 10:01 NO ", " ", "4 Prefixes Worked",
               "YES - QSL Received, NO - Not Received"}));
    EXPECT_EQ(geratolendorsement(*s, 30).lines,
              (Lines{"Geratol Endorsement #30 500 Prefixes & Geratol # - W9XYZ ", " ",
                     "Prefix Call       Date       Time   Geratol #",
                     "DL1    DL1ABC     01/04/2024 10:04 12 NO ",
                     "W1     W1AW       01/02/2024 10:02 7 NO ", " ", "2 Prefixes Worked",
                     "YES - QSL Received, NO - Not Received"}));
    for (int i = 0; i < 2100; ++i) // 2100 prefixes more, of two letters and a digit
        add(prefixcall(i));
    const Lines r = geratolendorsement(*s, 29).lines;
    EXPECT_EQ(r[r.size() - 2], "2103 Prefixes Worked"); // DL1 among them again
}

TEST_F(Geratol, NumbersAreListedWhereTheEndorsementCallsForThem) {
    slot(instate("W1ABC", 0), s->geratolaward, 1234);
    slot(instate("K1AB", 1), s->qcwaaward, 55);
    EXPECT_EQ(geratolendorsement(*s, 8).lines[3], "AL     W1ABC      01/01/2024 10:01 1234 NO ");
    EXPECT_EQ(geratolendorsement(*s, 19).lines[4], "AK     K1AB       01/02/2024 10:02 55 NO ");
    slot(instate("AB1CD", 2), s->geratolaward, 77);
    EXPECT_EQ(geratolendorsement(*s, 28).lines[5], "AZ     AB1CD      01/03/2024 10:03 NO ");
    EXPECT_EQ(geratolendorsement(*s, 34).lines[5], "AZ     AB1CD      01/03/2024 10:03 77 NO ");
    slot(slot(instate("W1XY", 3), s->qcwaaward, -4), s->statecapitalsaward, 1);
    EXPECT_EQ(geratolendorsement(*s, 19).lines[6], "AR     W1XY       01/04/2024 10:04 -4 NO ");
    // Capitals go by the capital's slot, not the state's.
    EXPECT_EQ(geratolendorsement(*s, 18).lines[4], "AK     W1XY       01/04/2024 10:04 NO ");
}

struct Case {
    int endorsement;
    const char* call;
    int state;
    bool enters;
};

TEST_F(Geratol, EachEndorsementTestsItsQso) {
    const Case cases[] = {
        {1, "K1AB", 0, true},       {1, "KH6AB", 10, true},     {1, "KH6AB", 0, false},
        {1, "KL7AB", 1, true},      {1, "N1AB", 0, false},      {2, "N1AB", 0, true},
        {2, "NB1C", 0, false},      {3, "W1AB", 0, true},       {6, "K1AA", 0, true},
        {6, "AB1CC", 0, true},      {6, "K1AB", 0, false},      {7, "AB1C", 0, true},
        {7, "K1AB", 0, false},      {9, "KB1C", 0, true},       {10, "K1ABC", 0, true},
        {10, "KH6AB", 0, true},     {10, "KA1BC", 0, false},    {11, "AB1C", 0, true},
        {11, "KB1C", 0, false},     {12, "KB1C", 0, true},      {14, "NB1C", 0, true},
        {15, "WB1C", 0, true},      {16, "KK1A", 0, true},      {16, "KK1AB", 0, true},
        {16, "KA1B", 0, false},     {17, "KA1ABC", 0, true},    {17, "K1ABC", 0, false},
        {18, "K1AB", -1, false},    {20, "K1AB", 0, true},      {20, "AB1CD", 10, true},
        {20, "AB1CD", 0, false},    {21, "AB1C", 0, true},      {21, "AB1CD", 1, true},
        {21, "K1AB", 0, false},     {22, "K1AB", 0, true},      {22, "AB1CD", 0, true},
        {22, "KAB1C", 0, false},    {24, "KA1BC", 0, true},     {24, "ka1bc", 0, true},
        {24, "WA1BC", 0, false},    {25, "W1ABC/M", 0, true},   {25, "W1ABC/m", 0, true},
        {25, "W1ABC/MM", 0, false}, {25, "W1ABC", 0, false},    {28, "AB1CD", 0, true},
        {28, "KB1CD", 0, false},    {31, "W1ABC/QRP", 0, true}, {31, "W1ABC/QRP/M", 0, false},
        {31, "K2AB/qrp", 0, true},  {0, "1234", 0, true},       {0, "", 0, false},
        {0, "K", 0, false},         {0, "W1/K2/ABC", 0, false}, {0, "w1ab", 0, true},
        {0, "AB1CD", -1, false},
    };
    auto enters = [this](int e) { return counted(e) == "1 States worked"; };
    for (const Case& c : cases) {
        s->qsocount = 0;
        instate(c.call, c.state);
        EXPECT_EQ(enters(c.endorsement), c.enters) << c.endorsement << " " << c.call;
    }
    // The tests of the QSO's other fields.
    s->qsocount = 0;
    qsorecord& q = instate("W1ABCD/QRP", 0);
    EXPECT_FALSE(enters(4) || enters(13) || enters(33) || enters(32) || enters(35));
    q.comments = "ic at the key";
    q.gender = 1;
    q.qth = 1;
    q.power = 10.0f;
    EXPECT_TRUE(enters(4) && enters(13) && enters(33) && enters(32) && enters(35));
    q.power = 10.5f;
    EXPECT_FALSE(enters(32) || enters(35));
}

TEST_F(Geratol, EveryReportOfABadLogStaysInItsTables) {
    for (const char* call : badcalls)
        instate(call, 0);
    instate("W1AB", 77);
    slot(instate("W1AB", -1), s->statecapitalsaward, -3);
    for (int e = 0; e < 36; ++e) {
        const Report r = geratolendorsement(*s, e);
        ASSERT_GE(r.lines.size(), 5u) << e;
        EXPECT_EQ(r.lines.back(), "YES - QSL Received, NO - Not Received");
    }
    EXPECT_TRUE(geratolendorsement(*s, 36).lines.empty());
    EXPECT_TRUE(geratolendorsement(*s, -1).lines.empty());
    EXPECT_EQ(counted(0), "1 States worked"); // every call of four characters is in Alabama
}

TEST_F(Geratol, TitlesKeepTheNumbersTheyArePrintedWith) {
    EXPECT_EQ(geratolendorsement(*s, 6).lines[0],
              "Geratol Endorsement #5 WAS 2 X 2 Double Letter Suffix - W9XYZ ");
    EXPECT_EQ(geratolendorsement(*s, 12).lines[0], "Geratol Endorsement #11 WAS K 2 X 1 - W9XYZ ");
}
