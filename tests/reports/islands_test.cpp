#include "auditfixture.h"
#include "reports/islands.h"

using namespace tsl;
using namespace tsl::test;

namespace {

// Awards 5 IOTA Europe (3 islands), 6 IOTA North America (2), 7 Greek Islands (2) and
// 8 US Islands Awards Program (6 entries).
struct Islands : AwardLog {
    qsorecord& island(const std::string& call, int award, int entry, int qslr) {
        qsorecord& q = add(call);
        slot(q, 0, award, entry);
        q.qslr = static_cast<int16_t>(qslr);
        return q;
    }
};

} // namespace

TEST_F(Islands, SummaryMatchesTheHandWrittenReport) {
    island("EU1", 5, 0, 0);
    island("EU2", 5, 0, 1); // worked, then confirmed
    island("EU3", 5, 1, 0);
    island("EU4", 5, 1, 0);                // two QSOs, one island
    slot(island("NA1", 6, 1, 1), 1, 7, 0); // one QSO in two groups
    island("EU5", 5, 2, 1).deleted = "D";
    island("EU6", 5, 7, 1); // IOTA Europe has no eighth island
    island("US1", 8, 0, 0);
    const Report r = islandsummary(*s, false);
    EXPECT_EQ(r.lines, golden("islands/islands.golden"));
    expectwindowuse(r, 12, true, false, false);
}

TEST_F(Islands, SummaryOfQrpQsosAndOfNoIslandAward) {
    island("EU1", 5, 0, 1).power = 5;
    island("EU2", 5, 1, 1);
    const auto qrp = islandsummary(*s, true).lines;
    EXPECT_EQ(qrp[0], "Islands Summary Report QRP W9XYZ ");
    EXPECT_EQ(qrp[3], "IOTA Europe                 3           1           1");
    s->iotaeuropeaward = s->iotanorthamericaaward = s->greekislandsaward = s->usislandsaward = 0;
    EXPECT_EQ(islandsummary(*s, false).lines,
              (std::vector<std::string>{"Islands Summary Report W9XYZ ", " ",
                                        "Group                  Number      Worked   Confirmed"}));
}

TEST_F(Islands, AnAwardOfMoreThan3001IslandsIsCountedWhole) {
    awardrecord& europe = s->awardtable[5];
    europe.last = static_cast<int16_t>(europe.first + 3199);
    island("EU1", 5, 3150, 1);
    island("EU2", 5, 3200, 1); // beyond the list
    EXPECT_EQ(islandsummary(*s, false).lines[3],
              "IOTA Europe              3200           1           1");
}

TEST_F(Islands, WasIslandsMatchesTheHandWrittenReport) {
    const auto at = [this](const char* call, const char* date, const char* time, int entry,
                           int qslr) -> qsorecord& {
        qsorecord& q = island(call, 8, entry, qslr);
        q.date = date;
        q.time = time;
        return q;
    };
    at("K1NY", "20240301", "10:00", 0, 0);
    at("K2NY", "20240302", "10:15", 1, 0); // New York is worked already
    at("K3NY", "20240303", "10:30", 1, 1);
    at("K1MA", "20240304", "11:00", 3, 0);
    at("K2MA", "20240305", "12:00", 2, 1); // no separator: the island stays MA-004
    at("K1XX", "20240306", "12:30", 4, 1); // no such state
    at("K4NY", "20240306", "12:45", 0, 1).deleted = "D";
    at("K5OUT", "20240306", "12:50", 9, 1); // no such entry
    at("K6HI", "20240306", "12:55", 5, 2);
    at("K1HI", "20240306", "13:00", 5, 0);
    const Report r = wasislands(*s, false);
    EXPECT_EQ(r.lines, golden("islands/wasislands.golden"));
    expectwindowuse(r, 12, true, false, false);
}

TEST_F(Islands, WasIslandsOfAnEmptyLogNeedsEveryState) {
    const auto lines = wasislands(*s, true).lines;
    ASSERT_EQ(lines.size(), 56u);
    EXPECT_EQ(lines[0], "Worked All States US Islands Report QRP W9XYZ ");
    const auto golden = AwardLog::golden("islands/wasislands.golden");
    EXPECT_EQ(lines[3], golden[3]);
    EXPECT_EQ(lines[52], golden[52]);
    EXPECT_EQ(std::vector<std::string>(lines.end() - 3, lines.end()),
              (std::vector<std::string>{"Need      = 50", "Worked    = 0", "Confirmed = 0"}));
    // Not tracked: the empty slots of a QSO are no island.
    add("K1AB");
    s->usislandsaward = 0;
    EXPECT_EQ(wasislands(*s, false).lines.back(), "Confirmed = 0");
    EXPECT_EQ(wasislands(*s, false).lines[3], golden[3]);
}

using RealIslands = SampleLog;

TEST_F(RealIslands, LotwIotaReferencesAreConfirmed) {
    importsample("lotwreport.adi");
    // IOTA tags of the file: EU-175; NA-026, NA-065, NA-099 (three QSOs), NA-106; OC-001;
    // SA-099. The default awards hold seven IOTA groups.
    EXPECT_EQ(islandsummary(*s, false).lines,
              (std::vector<std::string>{"Islands Summary Report W9XYZ ", " ",
                                        "Group                  Number      Worked   Confirmed",
                                        "IOTA Africa               116           0           0",
                                        "IOTA Antartica             21           0           0",
                                        "IOTA Asia                 204           0           0",
                                        "IOTA Europe               190           1           1",
                                        "IOTA North America        250           4           4",
                                        "IOTA Oceania              299           1           1",
                                        "IOTA South America        101           1           1"}));
}
