#include "core/dxcclookup.h"
#include "support/datafiles.h"
#include "support/logfixture.h"

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

struct DxccLookup : ::testing::Test, LoadedLog {
    std::string country(const std::string& call) {
        const dxccmatch m = finddxcc(*s, call);
        if (m.entities.empty()) return "None";
        return s->dxcctable[static_cast<std::size_t>(m.entities.back())].country;
    }
};

// A hand-made table: two entities share "XX", one is deleted.
struct SmallTable : ::testing::Test {
    TempFolder folder;
    ScriptedDialogs dialogs;
    std::unique_ptr<AppState> s = std::make_unique<AppState>();
    SmallTable() {
        folder.write(
            "dxcc.dat",
            dxccline("A", {"AB", "XX"}, " ", "Alpha", 2, "EU", "27", "14", "50", "N", "10", "E") +
                dxccline("B", {"XX", "B"}, " ", "Beta", 3, "AF", "1,2", "3,4", "10", "S", "20",
                         "W") +
                dxccline("C", {"C", "CD"}, "D", "Gamma", 4) +
                dxccline("K", {"K", "FR/T", "KH6"}, "X", "United States of America", 291));
        setstartvalues(*s, folder.path(), 1000);
        loadtables(*s);
        loaddxcc(*s, dialogs);
    }
};

} // namespace

TEST_F(DxccLookup, DefaultDataFindsEntitiesAndTheirZones) {
    const dxccmatch w1aw = finddxcc(*s, "W1AW");
    ASSERT_EQ(w1aw.entities.size(), 1u);
    EXPECT_EQ(s->dxcctable[static_cast<std::size_t>(w1aw.entities[0])].country,
              "United States of America");
    EXPECT_TRUE(w1aw.isus);
    EXPECT_EQ(continentindex(*s, w1aw.entities[0]), 5); // NA
    EXPECT_EQ(zonetext(s->dxcctable[static_cast<std::size_t>(w1aw.entities[0])].cqzones), "??");
    EXPECT_EQ(country("KL7ABC"), "Alaska");
    EXPECT_EQ(country("VE3ABC"), "Canada");
    EXPECT_TRUE(finddxcc(*s, "VE3ABC").iscanada);
    EXPECT_EQ(country("G4ABC"), "England");
    const int fr = finddxcc(*s, "FR5XX/T").entities.at(0);
    bool holds = false;
    for (const auto& p : s->dxcctable[static_cast<std::size_t>(fr)].prefix)
        holds = holds || p == "FR/T";
    EXPECT_TRUE(holds);
    EXPECT_FALSE(finddxcc(*s, "FR5XX/T").isus);
}

TEST_F(DxccLookup, PortableCallsAreLookedUpByTheRightPart) {
    EXPECT_EQ(country("W1AW/4"), "United States of America");
    EXPECT_EQ(country("W1AW/QRP"), "United States of America");
    EXPECT_EQ(country("W1AW/P"), "United States of America");
    EXPECT_EQ(country("W1AW/12"), "United States of America");
    EXPECT_EQ(country("W1AW/"), "United States of America");
    EXPECT_EQ(country("VE3/W1AW"), "Canada");
    EXPECT_EQ(country("W1AW/VE3"), "Canada");
    EXPECT_EQ(country("W\xd8"
                      "AW"),
              "United States of America");
    EXPECT_EQ(country("  W1AW  "), "United States of America");
    // Maritime and aeronautical mobile stations are in no entity.
    EXPECT_EQ(country("W1AW/MM"), "None");
    EXPECT_EQ(country("W1AW/AM"), "None");
    EXPECT_EQ(country(""), "None");
    EXPECT_EQ(country("0"), "None");
}

TEST_F(SmallTable, SharedPrefixesMatchEveryLiveEntityAndLongerPrefixesWin) {
    const dxccmatch both = finddxcc(*s, "XX1A");
    ASSERT_EQ(both.entities.size(), 2u);
    EXPECT_EQ(both.entities[0], 1);
    EXPECT_EQ(both.entities[1], 2);
    EXPECT_EQ(finddxcc(*s, "KH6ABC").entities, std::vector<int16_t>{4});
    EXPECT_EQ(finddxcc(*s, "CD1A").entities.size(), 0u); // deleted entities never match
    EXPECT_EQ(finddxcc(*s, "AB1A").entities, std::vector<int16_t>{1});
    // A special portable key of a table that lacks it falls back to the normal rules.
    EXPECT_EQ(finddxcc(*s, "FR5XX/T").entities, std::vector<int16_t>{4});
    EXPECT_EQ(finddxcc(*s, "SV1AB/A").entities.size(), 0u);
}

TEST_F(SmallTable, OneMatchGivesTheEntityPositionWhenAsked) {
    s->usecountryposition = true;
    notedxccmatch(*s, finddxcc(*s, "B1A"));
    EXPECT_FLOAT_EQ(s->dxlat, -10.0f);
    EXPECT_FLOAT_EQ(s->dxlon, -20.0f);
    s->dxlat = 1;
    notedxccmatch(*s, finddxcc(*s, "XX1A")); // two matches: position untouched
    EXPECT_FLOAT_EQ(s->dxlat, 1.0f);
    notedxccmatch(*s, finddxcc(*s, "ZZ1A")); // none
    EXPECT_FLOAT_EQ(s->dxlat, 1.0f);
    s->usecountryposition = false;
    notedxccmatch(*s, finddxcc(*s, "AB1A"));
    EXPECT_FLOAT_EQ(s->dxlat, 1.0f);
}

TEST_F(SmallTable, RecordTargetTakesTheLastMatch) {
    dxcclookuprecord(*s, "XX1A", 7);
    const qsorecord& q = s->qsos[7];
    EXPECT_EQ(q.dxcc, 2);
    EXPECT_EQ(q.continent, 1); // AF
    EXPECT_EQ(q.ituz, "??");
    EXPECT_EQ(q.cqz, "??");
    dxcclookuprecord(*s, "AB1A", 7);
    EXPECT_EQ(q.ituz, "27");
    EXPECT_EQ(q.continent, 4);
    dxcclookuprecord(*s, "ZZ1A", 7);
    EXPECT_EQ(q.dxcc, 0);
    EXPECT_EQ(q.continent, 0);
    EXPECT_EQ(q.ituz, "  ");
    EXPECT_TRUE(s->dxccisus == false);
    dxcclookuprecord(*s, "K1A", 7);
    EXPECT_TRUE(s->dxccisus);
}

TEST_F(DxccLookup, CallsThatShareTheirDecidingPartFindTheSameEntities) {
    EXPECT_EQ(dxccdecidingpart("K1 AB       "), 12u); // a blank inside: the whole call
    EXPECT_EQ(dxccdecidingpart(" W1AW       "), 12u);
    EXPECT_EQ(dxccdecidingpart("W1AW/P      "), 12u);
    const std::vector<std::pair<std::string, std::string>> alike = {
        {"W1AW", "W1AWXYZ"}, {"K1A", "K1A "},     {"VE3ABC", "VE3AZZZZ"},
        {"3D2AB", "3D2AXX"}, {"VP2EAB", "VP2EQ"}, {"KG4AB", "KG4ABCD"}};
    for (const auto& [a, b] : alike) {
        ASSERT_EQ(dxccdecidingpart(a + "    "), 4u) << a;
        EXPECT_EQ(finddxcc(*s, a).entities, finddxcc(*s, b).entities) << a;
    }
}
