#include "nets/netlog.h"
#include "nets/omiss.h"

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

using Lines = std::vector<std::string>;

struct Omiss : ::testing::Test, NetLog {
    // An SSB QSO of an OMISS member on the band (20 m unless said).
    qsorecord& member(const std::string& call, int32_t number, int band = 8) {
        return slot(add(call, band), s->omissaward, number);
    }
    qsorecord& instate(const std::string& call, int32_t number, int state) {
        return slot(member(call, number), s->wasaward, state);
    }
    Lines run(int kind, int band = 8, bool allbands = false) const {
        return buildomissreport(*s, band, kind, allbands).lines;
    }
    // The body lines of a list report: between the header and the blank before the total.
    Lines body(int kind) const {
        const Lines r = run(kind);
        return Lines(r.begin() + 3, r.end() - 2);
    }
    // The total line of a report with one.
    std::string total(int kind) const { return run(kind).back(); }
};

} // namespace

TEST_F(Omiss, AllQsosOrderMembersAsTexts) {
    member("W1AW", 20);
    member("K2AB", 100);
    member("N3XY", 3);
    member("W4ZZ", 7, 6); // 40 m
    member("K5DEL", 9).deleted = "D";
    add("W6NO", 8); // no member number
    member("W7AB", 5, 3);
    member("W8AB", 6, 4); // 75 Extra is not 80 m
    const Report r = buildomissreport(*s, 8, 0, false);
    EXPECT_EQ(
        r.lines,
        (Lines{"OMISS Net All QSOs 20 Mtrs  - W9XYZ ", " ", "Call       Date       Time   OMISS #",
               "K2AB       01/02/2024 10:02  100  ", "W1AW       01/01/2024 10:01  20   ",
               "N3XY       01/03/2024 10:03  3    ", " ", "3 QSOs"}));
    EXPECT_EQ(r.fontsize, 10);
    EXPECT_EQ(run(0, 0, true),
              (Lines{"OMISS Net All QSOs All Bands - W9XYZ ", " ",
                     "Call       Date       Time   Band      OMISS #",
                     "K2AB       01/02/2024 10:02  20 Mtrs   100  ",
                     "W1AW       01/01/2024 10:01  20 Mtrs   20   ",
                     "N3XY       01/03/2024 10:03  20 Mtrs   3    ",
                     "W7AB       01/07/2024 10:07  80 Mtrs   5    ",
                     "W8AB       01/08/2024 10:08  75 Extra  6    ",
                     "W4ZZ       01/04/2024 10:04  40 Mtrs   7    ", " ", "6 QSOs"}));
    EXPECT_EQ(run(0, 3)[3], "W7AB       01/07/2024 10:07  5    ");
    EXPECT_EQ(run(0, 3).back(), "1 QSOs");
}

TEST_F(Omiss, WorkedAllStatesWithTheBandColumn) {
    slot(member("W1AW", 20), s->wasaward, 0);
    slot(member("K1AB", 21, 6), s->wasaward, 0); // the later QSO holds Alabama
    slot(member("N7XY", 5, 12), s->wasaward, 49);
    slot(member("W2AB", 22), s->wasaward, 50); // no such state
    slot(add("W3AB"), s->wasaward, 1);         // no member number
    EXPECT_EQ(run(1, 0, true), golden("omisswas.golden"));
}

TEST_F(Omiss, StateKindsTestTheirQsos) {
    instate("W1ABC", 1, 0).power = 9.99f;
    instate("W1ABC/M", 2, 1).power = 10;
    instate("W\330ABC", 3, 2).mode = 1;
    s->qsos[3].power = 5;
    instate("KA1BC", 4, 3);
    instate("W1AB", 5, 4);
    instate("K1XYZ/m", 6, 5);
    instate("K1XYZ/MM", 7, 6);
    instate("K1XYZ", 8, 7).qth = 1;
    EXPECT_EQ(run(2)[5], "AZ      W\330ABC      01/03/2024 10:03  3    ");
    EXPECT_EQ(total(2), "6 QSOs"); // the base calls of five characters with a digit second
    EXPECT_EQ(total(3), "2 QSOs"); // below 10 W
    EXPECT_EQ(total(4), "2 QSOs"); // "/M" in any case
    EXPECT_EQ(run(5)[3 + 7], "DE      K1XYZ      01/08/2024 10:08  8    ");
    EXPECT_EQ(total(5), "1 QSOs");
}

TEST_F(Omiss, CanadianProvinces) {
    slot(member("VE3ABC", 12), s->provincesaward, 3);
    slot(member("VE9XX", 13), s->provincesaward, 13);
    const Lines r = run(6);
    ASSERT_EQ(r.size(), 3u + 13 + 2);
    EXPECT_EQ(r[6], "VE3 Ontario" + std::string(18, ' ') + " VE3ABC     01/01/2024 10:01    12   ");
    EXPECT_EQ(r[3], "VE1 Nova Scotia" + std::string(14 + 1 + 10 + 1 + 10 + 1 + 5 + 4 + 5, ' '));
    EXPECT_EQ(r.back(), "1 QSOs");
}

TEST_F(Omiss, PrefixesGridsAndMilitary) {
    member("W1ABC", 7).grid = "FN31pr";
    s->qsos[1].comments = "mil ops";
    member("W1XYZ", 8).grid = "FN31";
    s->qsos[2].comments = "Retired (Mil)";
    member("K2AB/P", 9).comments = "Family";
    member("N3ZZ", 4).grid = "em10";
    member("N4ZZ", 0).grid = "AA00"; // member numbers above 0 only
    s->qsos[5].comments = "MIL";
    EXPECT_EQ(body(7), (Lines{"K2        K2AB/P     01/03/2024 10:03  9    ",
                              "N3        N3ZZ       01/04/2024 10:04  4    ",
                              "W1        W1ABC      01/01/2024 10:01  7    "}));
    EXPECT_EQ(total(7), "3 Prefixes");
    EXPECT_EQ(body(9), (Lines{"EM10 N3ZZ       01/04/2024 10:04  4    ",
                              "FN31 W1ABC      01/01/2024 10:01  7    "}));
    EXPECT_EQ(total(9), "2 Grid Squares");
    EXPECT_EQ(body(10),
              (Lines{"W1ABC      01/01/2024 10:01  7    ", "W1XYZ      01/02/2024 10:02  8    "}));
}

TEST_F(Omiss, DxListsEachCountryOtherThanTheUsa) {
    member("W1ABC", 7);
    member("JA1ABC", 8).dxcc = 4;
    member("XX1XX", 9).dxcc = 0;  // no entity: collected, never printed
    member("ZZ9ZZ", 9).dxcc = 99; // outside the table
    member("JE2XYZ", 5).dxcc = 4;
    member("DL1AB", 6).dxcc = 6;
    // Japan with the QSO the sort placed first.
    EXPECT_EQ(body(12), (Lines{"Japan                     JE2XYZ     01/05/2024 10:05  5    ",
                               "Federal Republic of Germa DL1AB      01/06/2024 10:06  6    "}));
    EXPECT_EQ(total(12), "2 DXCC");
}

TEST_F(Omiss, SpellingBee) {
    member("W1ABO", 1);
    member("K2XYO", 2);
    member("W3AM", 3);
    member("N5QX", 4); // no X, no Q
    member("K4ZZR", 5);
    member("W1ABO", 6); // placed already
    member("W1ABO/M", 7);
    member("K9TQ", 8);  // no Q: by its first letter T
    member("W1ABE", 0); // member numbers above 0 only
    member("W\xd8XYZ", 9);
    const Lines r = run(11);
    ASSERT_EQ(r.size(), 4u + 42 + 2 + 42);
    EXPECT_EQ(r[0], "OMISS Net Spelling Bee 20 Mtrs  - W9XYZ ");
    EXPECT_EQ(r[2], "Using last letter of suffix");
    EXPECT_EQ(r[3], "Letter   Call       Date     Time   OMISS #");
    EXPECT_EQ(r[4], "O         W1ABO      01/01/2024 10:01  1    ");
    EXPECT_EQ(r[5], "M         W3AM       01/03/2024 10:03  3    ");
    EXPECT_EQ(r[6], "I");
    EXPECT_EQ(r[3 + 7], "R         K4ZZR      01/05/2024 10:05  5    ");
    EXPECT_EQ(r[3 + 12], "O         K2XYO      01/02/2024 10:02  2    ");
    EXPECT_EQ(r[3 + 25], "O         W1ABO/M    01/07/2024 10:07  7    ");
    EXPECT_EQ(r[3 + 42], "D");
    EXPECT_EQ(r[46], " ");
    EXPECT_EQ(r[47], "Using first letter of suffix");
    EXPECT_EQ(r[47 + 5], "T         K9TQ       01/08/2024 10:08  8    ");
    EXPECT_EQ(r[47 + 1], "O");
}

TEST_F(Omiss, CallsWorkedByBand) {
    member("W1AW", 12, 2);
    member("W1AW", 12, 8);
    member("K2AB", 5, 7);            // 30 m is not shown
    member("N3XY/P", 2000000000, 4); // 75 Extra is not shown
    member("N3XY", 2000000000, 12);
    member("K4NO", -5, 2);
    const std::string blank = "      ";
    const Lines expected = {
        "OMISS Net Calls Worked by Band - W9XYZ ", " ",
        "Call       #    160   80    40    20    17    15    10   OMISS #",
        "W1AW       2     X" + blank + blank + "     X" + blank + blank + blank + "   12",
        "N3XY       1" + blank + blank + blank + blank + blank + blank + "     X   2000000000"};
    EXPECT_EQ(run(13, 8, true), expected);
    // Each run starts with no marks.
    s->qsos[1].deleted = "D";
    EXPECT_EQ(run(13, 8, true)[3],
              "W1AW       1" + blank + blank + blank + "     X" + blank + blank + blank + "   12");
}

TEST_F(Omiss, PostalFindsStateCodesInCalls) {
    member("KA1XYZ", 1);
    member("WA6ALY", 2);
    member("K4AL", 3);
    member("K1ALA", 4); // Alabama is taken: Louisiana
    member("NY1CA", 5);
    member("NY1CA", 6); // the base call has served New York
    member("wa7abc", 7);
    const Lines r = run(14);
    ASSERT_EQ(r.size(), 3u + 50 + 2);
    EXPECT_EQ(r[0], "OMISS Postal Award - W9XYZ ");
    EXPECT_EQ(r[3], "AL      K4AL       01/03/2024 10:03  3    ");
    EXPECT_EQ(r[3 + 4], "CA" + std::string(6 + 10 + 1 + 10 + 1 + 5 + 2 + 5, ' '));
    EXPECT_EQ(r[3 + 17], "LA      K1ALA      01/04/2024 10:04  4    ");
    EXPECT_EQ(r[3 + 31], "NY      NY1CA      01/05/2024 10:05  5    ");
    EXPECT_EQ(r[3 + 46], "WA      WA6ALY     01/02/2024 10:02  2    ");
    EXPECT_EQ(r.back(), "4 QSOs");
}

TEST_F(Omiss, MemberNumbersAreCutToFiveCharacters) {
    member("W1AW", 1234567);
    member("K1AB", -42);
    member("N1XY", 0);
    EXPECT_EQ(body(0),
              (Lines{"K1AB       01/02/2024 10:02  -42  ", "N1XY       01/03/2024 10:03  0    ",
                     "W1AW       01/01/2024 10:01  12345"}));
}

TEST_F(Omiss, EveryKindOfABadLogStaysInItsTables) {
    for (const char* call : badcalls)
        slot(slot(member(call, 3), s->wasaward, 70000), s->provincesaward, -1).grid = "\xff";
    EXPECT_EQ(body(0).size(), 10u);
    for (int kind = 0; kind <= 14; ++kind)
        EXPECT_EQ(run(kind).empty(), kind == 8) << kind;
    EXPECT_TRUE(run(15).empty());
    EXPECT_EQ(total(1), "0 QSOs");
    EXPECT_EQ(total(14), "0 QSOs"); // state codes match capitals only
}
