#include "nets/hhh.h"
#include "nets/netlog.h"

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

using Lines = std::vector<std::string>;

struct Hhh : ::testing::Test, NetLog {
    // An HHH Net QSO on 20 m.
    qsorecord& hhh(const std::string& call) { return slot(add(call, 8), s->hhhaward, 1); }
    Lines run(int kind) const { return buildhhhreport(*s, kind).lines; }
    // The lines between the heading and the blank line before the count.
    Lines body(int kind) const {
        const Lines r = run(kind);
        return Lines(r.begin() + 3, r.end() - 2);
    }
};

} // namespace

TEST_F(Hhh, AllQsosListEachCallOnce) {
    hhh("W1AW");
    hhh("K2AB");
    hhh("W1AW");
    hhh("W1AW");
    add("N3XY", 8); // not an HHH Net QSO
    hhh("K4DEL").deleted = "D";
    slot(hhh("W5AB"), s->hhhaward, 2); // the award in two slots
    const Report r = buildhhhreport(*s, 0);
    EXPECT_EQ(r.lines, (Lines{"HHH Net All QSOs  - W9XYZ ", " ", "Call       Date       Time",
                              "K2AB       01/02/2024 10:02  ", "W1AW       01/01/2024 10:01  ",
                              "W5AB       01/07/2024 10:07  ", " ", "3 QSOs"}));
    EXPECT_EQ(r.fontsize, 10);
    // While the award is not tracked no QSO is an HHH Net QSO, empty slots included.
    s->hhhaward = 0;
    EXPECT_EQ(run(0).back(), "0 QSOs");
}

TEST_F(Hhh, MobilesQrpAndDx) {
    hhh("W1AW").power = 10;
    hhh("W1AW/M").power = 10.5f;
    hhh("K2AB/m").power = 0;
    s->qsos[3].dxcc = 0;
    hhh("N3XY/MM").mode = 1;
    s->qsos[4].power = 8;
    s->qsos[4].dxcc = 4;
    hhh("W4AB/M/P");
    hhh("W5AB").qth = 1;
    s->qsos[6].dxcc = 99; // outside the table
    EXPECT_EQ(body(5), (Lines{"K2AB/m     01/03/2024 10:03  ", "W1AW/M     01/02/2024 10:02  "}));
    EXPECT_EQ(body(10), (Lines{"K2AB/m     01/03/2024 10:03  ", "N3XY/MM    01/04/2024 10:04  ",
                               "W1AW       01/01/2024 10:01  "}));
    EXPECT_EQ(body(6),
              (Lines{"K2AB/m     01/03/2024 10:03  None", "N3XY/MM    01/04/2024 10:04  Japan"}));
    EXPECT_EQ(run(6).back(), "2 QSOs");
}

TEST_F(Hhh, IotaShowsTheEntrysName) {
    slot(hhh("5R8AB"), s->iotaafricaaward, 1);
    slot(hhh("G4ABC"), s->iotaeuropeaward, 0);
    slot(hhh("FR5AB"), s->iotaafricaaward, 5); // no such entry
    hhh("W1AW");
    EXPECT_EQ(body(9), (Lines{"5R8AB      01/01/2024 10:01  AF-002 Amsterdam & St Paul",
                              "G4ABC      01/02/2024 10:02  EU-005 Great Britain"}));
}

TEST_F(Hhh, PrefixesShowOneQsoOfEachPrefix) {
    hhh("W1AW");
    hhh("W1XY");
    hhh("K2AB/P");
    hhh("DL1ABC");
    hhh("ABC");
    EXPECT_EQ(run(7), (Lines{"HHH Net Prefixes  - W9XYZ ", " ", "Call       Date       Time",
                             "ABC        01/05/2024 10:05  ", "DL1ABC     01/04/2024 10:04  ",
                             "K2AB/P     01/03/2024 10:03  ", "W1AW       01/01/2024 10:01  ", " ",
                             "4 QSOs"}));
    for (int i = 0; i < 2500; ++i) // 2500 prefixes more, of two letters and a digit
        hhh(prefixcall(i));
    EXPECT_EQ(run(7).back(), "2503 QSOs"); // DL1 among them again
}

TEST_F(Hhh, WorkedAllStates) {
    slot(hhh("W1AW"), s->wasaward, 0);
    slot(hhh("K1AB"), s->wasaward, 0); // the later QSO holds Alabama
    slot(hhh("N7XY"), s->wasaward, 49);
    slot(hhh("W2AB"), s->wasaward, 50); // no such state
    slot(hhh("W3AB"), s->wasaward, 1).deleted = "D";
    EXPECT_EQ(run(1), golden("hhhwas.golden"));
}

TEST_F(Hhh, StateVariants) {
    slot(hhh("W1AW"), s->wasaward, 0).gender = 1;
    slot(hhh("W1AW/P"), s->wasaward, 1);
    slot(hhh("K1A"), s->wasaward, 2);
    slot(hhh("K1ABC"), s->statecapitalsaward, 3);
    slot(hhh("N1AB"), s->statecapitalsaward, -1);
    EXPECT_EQ(run(2).back(), "1 QSOs");
    EXPECT_EQ(run(3)[3], "AL      W1AW       01/01/2024 10:01");
    EXPECT_EQ(run(3).back(), "1 QSOs");
    EXPECT_EQ(run(4)[6], "AR      K1ABC      01/04/2024 10:04");
    EXPECT_EQ(run(4).back(), "1 QSOs");
}

TEST_F(Hhh, Continents) {
    hhh("W1AW");
    hhh("JA1ABC").continent = 3;
    hhh("XX1XX").continent = 0;
    hhh("ZZ1ZZ").continent = 9;
    const std::string empty(10 + 1 + 10 + 1 + 5, ' ');
    EXPECT_EQ(run(8), (Lines{"HHH Net Continents  - W9XYZ ", " ",
                             "Continent   Call       Date       Time", "AF          " + empty,
                             "AN          " + empty, "AS          JA1ABC     01/02/2024 10:02",
                             "EU          " + empty, "NA          W1AW       01/01/2024 10:01",
                             "OC          " + empty, "SA          " + empty, " ", "2 QSOs"}));
}

TEST_F(Hhh, EveryKindOfABadLogStaysInItsTables) {
    for (const char* call : badcalls)
        slot(slot(hhh(call), s->wasaward, 40000), s->iotaafricaaward, -2).continent = -3;
    for (int kind = 0; kind <= 10; ++kind)
        EXPECT_FALSE(run(kind).empty()) << kind;
    EXPECT_TRUE(run(11).empty());
    EXPECT_EQ((Lines{run(0).back(), run(1).back(), run(3).back(), run(8).back(), run(9).back()}),
              (Lines{"10 QSOs", "0 QSOs", "0 QSOs", "0 QSOs", "0 QSOs"}));
}
