// The default data files shipped with the program load and hold what the program relies on.

#include "core/awards.h"
#include "core/dxcc.h"
#include "core/settings.h"
#include "core/state.h"
#include "core/tables.h"
#include "support/scripteddialogs.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

using namespace tsl;
using namespace tsl::test;

namespace {

struct DefaultData : ::testing::Test {
    TempFolder folder;
    ScriptedDialogs dialogs;
    std::unique_ptr<AppState> s = std::make_unique<AppState>();

    void SetUp() override {
        for (const char* name : {"tsl.ini", "dxcc.dat", "awards.dat"})
            folder.copyfrom(TESSALOG_DATA_DIR, name);
        setstartvalues(*s, folder.path(), 1000);
        s->apptitle = "Tessalog ";
        ASSERT_TRUE(loadsettings(*s, dialogs));
        loadtables(*s);
        ASSERT_TRUE(loadawards(*s, dialogs));
        ASSERT_TRUE(loaddxcc(*s, dialogs));
        ASSERT_TRUE(dialogs.shown.empty());
    }

    int entity(const std::string& name) const {
        for (int i = 1; i <= s->dxcccount; ++i)
            if (s->dxcctable[static_cast<std::size_t>(i)].country == name) return i;
        return 0;
    }

    int award(const std::string& name) const {
        for (int i = 1; i <= s->awardcount; ++i)
            if (s->awardtable[static_cast<std::size_t>(i)].name == name) return i;
        return 0;
    }

    std::string entry(int awardindex, int position) const {
        return s->awardentries[static_cast<std::size_t>(
            s->awardtable[static_cast<std::size_t>(awardindex)].first + position)];
    }
};

} // namespace

TEST_F(DefaultData, SettingsAreTheNeutralDefaults) {
    EXPECT_EQ(s->mycall.str(), "N\xd8"
                               "CALL");
    EXPECT_EQ(s->mylat, 0.0f);
    EXPECT_EQ(s->mylon, 0.0f);
    EXPECT_EQ(s->gmtoffset, 0.0f);
    EXPECT_EQ(s->dateformatflag, 0);
    EXPECT_EQ(s->unitsflag, 0);
    EXPECT_EQ(s->labelmessage, "");
}

TEST_F(DefaultData, EveryEntityInNameOrderWithTheStatusesTheLookupNeeds) {
    EXPECT_TRUE(s->dxccnumbersinfile);
    EXPECT_EQ(s->dxcctable[1].dxccnum, 2);
    for (int i = 2; i <= s->dxcccount; ++i)
        EXPECT_LT(s->dxcctable[static_cast<std::size_t>(i - 1)].country,
                  s->dxcctable[static_cast<std::size_t>(i)].country);
    ASSERT_NE(s->usacountryindex, 0);
    EXPECT_EQ(s->dxcctable[static_cast<std::size_t>(s->usacountryindex)].status, "X");
    EXPECT_EQ(s->dxcctable[static_cast<std::size_t>(s->usacountryindex)].dxccnum, 291);
    for (const char* name : {"Alaska", "Hawaii"})
        EXPECT_EQ(s->dxcctable[static_cast<std::size_t>(entity(name))].status, "X") << name;
    EXPECT_EQ(s->dxcctable[static_cast<std::size_t>(entity("Canada"))].status, "C");
}

TEST_F(DefaultData, ZoneTextsOfSeveralZonesAreLongerThanTwo) {
    const dxccrecord& us = s->dxcctable[static_cast<std::size_t>(s->usacountryindex)];
    EXPECT_GE(us.ituzones.size(), 3u);
    EXPECT_GE(us.cqzones.size(), 3u);
    for (int i = 1; i <= s->dxcccount; ++i) {
        const dxccrecord& e = s->dxcctable[static_cast<std::size_t>(i)];
        EXPECT_FALSE(e.cqzones.empty()) << e.country;
        if (e.cqzones.size() < 3) {
            EXPECT_GT(std::stoi(e.cqzones), 0) << e.country;
        }
    }
}

TEST_F(DefaultData, SpecialPortablePrefixesAndNoPrefixOnTwoLiveEntities) {
    std::set<std::string> fourchar;
    for (int i = 0; i < s->prefix4table.count; ++i)
        fourchar.insert(s->prefix4table.entries[static_cast<std::size_t>(i)].prefix.str());
    for (const char* key : {"FR/T", "FR/E", "FR/J", "FR/G", "SV/A"})
        EXPECT_TRUE(fourchar.count(key)) << key;

    auto checkunique = [&](const auto& table) {
        std::set<std::string> seen;
        for (int i = 0; i < table.count; ++i) {
            const auto& p = table.entries[static_cast<std::size_t>(i)];
            if (s->dxcctable[static_cast<std::size_t>(p.entity)].status == "D") continue;
            EXPECT_TRUE(seen.insert(p.prefix.str()).second) << p.prefix.str();
        }
    };
    checkunique(s->prefix4table);
    checkunique(s->prefix3table);
    checkunique(s->prefix2table);
    checkunique(s->prefix1table);
}

TEST_F(DefaultData, AwardsTheProgramTreatsSpeciallyAreFoundByName) {
    for (const int16_t index : {s->ccnaward, s->qcwaaward, s->geratolaward, s->omissaward,
                                s->tentenaward, s->arlhsnumberaward, s->wabbookaward, s->hhhaward})
        EXPECT_GT(index, 0);
    ASSERT_GT(s->wasaward, s->numberedawards);
    // The entries of the state awards follow the state table one to one.
    for (const int16_t award : {s->wasaward, s->statecapitalsaward}) {
        const awardrecord& a = s->awardtable[static_cast<std::size_t>(award)];
        ASSERT_EQ(a.last - a.first + 1, 50) << a.name;
        for (int k = 0; k < 50; ++k)
            EXPECT_EQ(entry(award, k).substr(0, 3),
                      s->statetable[static_cast<std::size_t>(k)].code.str() + " ")
                << a.name;
    }
}

TEST_F(DefaultData, FiftyConsecutiveCountyAwardsInStateOrder) {
    ASSERT_GT(s->uscountiesaward, 0);
    for (int k = 0; k < 50; ++k) {
        const std::string state = s->statetable[static_cast<std::size_t>(k)].name;
        const std::string trimmed = state.substr(0, state.find_last_not_of(' ') + 1);
        EXPECT_EQ(s->awardtable[static_cast<std::size_t>(s->uscountiesaward + k)].name,
                  "US " + trimmed + " Counties");
    }
    EXPECT_EQ(entry(s->uscountiesaward, 0), "Autauga");
}

TEST_F(DefaultData, SevenIotaAwardsWithReferenceAndName) {
    for (const int16_t index :
         {s->iotaafricaaward, s->iotaantarcticaaward, s->iotaasiaaward, s->iotaeuropeaward,
          s->iotanorthamericaaward, s->iotaoceaniaaward, s->iotasouthamericaaward})
        ASSERT_GT(index, 0);
    EXPECT_EQ(entry(s->iotaafricaaward, 0).substr(0, 7), "AF-001 ");
    EXPECT_EQ(entry(s->iotaeuropeaward, 0).substr(0, 7), "EU-001 ");
}
