#include "core/state.h"
#include "core/tables.h"

#include <gtest/gtest.h>

#include <memory>

using namespace tsl;

namespace {
std::unique_ptr<AppState> loaded() {
    auto s = std::make_unique<AppState>();
    setstartvalues(*s, "/tmp/", 1000);
    loadtables(*s);
    return s;
}
} // namespace

TEST(FixedTables, ModeIndexConstantsAgreeWithTheModeTable) {
    auto s = loaded();
    EXPECT_EQ(s->modecount, 18);
    EXPECT_EQ(s->modetable[static_cast<std::size_t>(s->cwmodeindex)].name, "CW  ");
    EXPECT_EQ(s->modetable[static_cast<std::size_t>(s->ssbmodeindex)].name, "SSB ");
    EXPECT_EQ(s->modetable[static_cast<std::size_t>(s->fmmodeindex)].name, "FM  ");
    EXPECT_EQ(s->modetable[static_cast<std::size_t>(s->rttymodeindex)].name, "RTTY");
    EXPECT_EQ(s->modetable[static_cast<std::size_t>(s->pskmodeindex)].shortname, "PSK31");
    EXPECT_EQ(s->modetable[0].name, "None");
    EXPECT_EQ(s->modetable[0].shortname, "");
    for (int i = 1; i <= s->modecount; ++i)
        EXPECT_EQ(s->modetable[static_cast<std::size_t>(i)].name.size(), 4u) << i;
}

TEST(FixedTables, BandsCarryTheirEdgesAndNames) {
    auto s = loaded();
    EXPECT_EQ(s->bandcount, 26);
    EXPECT_EQ(s->metrebandlimit, 16);
    for (int i = 0; i <= s->bandcount; ++i)
        EXPECT_EQ(s->bandtable[static_cast<std::size_t>(i)].longname.size(), 8u) << i;
    EXPECT_EQ(s->bandtable[0].shortname, "None");
    EXPECT_EQ(s->bandtable[1].shortname, "None");
    EXPECT_EQ(s->bandtable[9].upper, 18.168f);
    EXPECT_EQ(s->bandtable[7].upper, 10.15f);
    EXPECT_EQ(s->bandtable[4].longname, "75 Extra");
    EXPECT_EQ(s->bandtable[26].shortname, "4mm");
    // Bands from the limit on carry no wavelength.
    for (int i = s->metrebandlimit; i <= s->bandcount; ++i)
        EXPECT_EQ(s->bandtable[static_cast<std::size_t>(i)].metres, 0) << i;
}

TEST(FixedTables, PropagationAndContinents) {
    auto s = loaded();
    EXPECT_EQ(s->propcount, 11);
    for (int i : {0, 1, 4, 5})
        EXPECT_EQ(s->proptable[static_cast<std::size_t>(i)].code, "") << i;
    EXPECT_EQ(s->proptable[6].code, "MS");
    EXPECT_EQ(s->proptable[s->defaultprop].name, "Terrestrial");
    EXPECT_EQ(s->continentcount, 8);
    EXPECT_EQ(s->continenttable[0].code, "  ");
    EXPECT_EQ(s->continenttable[6].name, "Ociana       ");
    EXPECT_EQ(s->continenttable[7].code, "SA");
}

TEST(FixedTables, StatesAndProvincesInTheirOrder) {
    auto s = loaded();
    EXPECT_EQ(s->statetable[0].code, "AL");
    EXPECT_EQ(s->statetable[49].name, "Wyoming");
    EXPECT_EQ(s->statetable[10].zone, "31");
    EXPECT_EQ(s->statetable[2].name, "Arizona ");
    bool found = false;
    for (const auto& st : s->statetable)
        found = found || st.name == "Arizona";
    EXPECT_FALSE(found);
    EXPECT_EQ(s->provincetable[3].trimmedright(), "VE3 Ontario");
    EXPECT_EQ(s->provincecodes[3].code, "ON");
    EXPECT_EQ(s->provincecodes[11].code, "YK");
    EXPECT_EQ(s->monthtable[12].name, "Dec");
    EXPECT_EQ(s->monthtable[0].number, "00");
}
