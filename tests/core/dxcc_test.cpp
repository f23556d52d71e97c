#include "core/dxcc.h"
#include "core/state.h"
#include "support/datafiles.h"
#include "support/scripteddialogs.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

#include <memory>

using namespace tsl;
using namespace tsl::test;

namespace {

struct Dxcc : ::testing::Test {
    TempFolder folder;
    ScriptedDialogs dialogs;
    std::unique_ptr<AppState> s = std::make_unique<AppState>();

    std::string refusal;

    Dxcc() {
        setstartvalues(*s, folder.path(), 1000);
        s->apptitle = "Tessalog ";
    }

    // The reader from bytes, its table put into the state.
    bool load(const std::string& file) {
        auto read = readdxccbytes(file);
        refusal = read.error();
        if (read) applydxcc(*s, std::move(*read));
        return static_cast<bool>(read);
    }

    void expectfailure() { EXPECT_FALSE(refusal.empty()); }
};

} // namespace

TEST_F(Dxcc, ReadsEntitiesAndBuildsThePrefixTablesInFileOrder) {
    ASSERT_TRUE(load(smalldxcc()));
    EXPECT_TRUE(s->dxccnumbersinfile);
    EXPECT_EQ(s->dxcccount, 3);
    EXPECT_EQ(s->dxcctable[0].country, "None");
    EXPECT_EQ(s->usacountryindex, 2);
    const dxccrecord& us = s->dxcctable[2];
    EXPECT_EQ(us.dxccnum, 291);
    EXPECT_EQ(us.status, "X");
    EXPECT_EQ(us.ituzones, "6,7,8");
    EXPECT_EQ(us.dxcckey, "K     ");
    EXPECT_FLOAT_EQ(us.lon, 71.25f);
    EXPECT_EQ(us.ew, "W");
    EXPECT_EQ(us.prefix[0], "K   ");
    EXPECT_EQ(us.prefix[41], "    ");

    ASSERT_EQ(s->prefix1table.count, 3);
    EXPECT_EQ(s->prefix1table.entries[0].prefix, "K");
    EXPECT_EQ(s->prefix1table.entries[2].prefix, "N");
    EXPECT_EQ(s->prefix1table.entries[2].entity, 2);
    ASSERT_EQ(s->prefix2table.count, 4); // ZZ, AA, VE, VA
    EXPECT_EQ(s->prefix2table.entries[0].entity, 1);
    EXPECT_EQ(s->prefix2table.entries[3].prefix, "VA");
    EXPECT_EQ(s->prefix2table.entries[3].entity, 3);
    EXPECT_EQ(s->prefix3table.count, 0);
}

TEST_F(Dxcc, PrefixSlotsAreTrimmedAndCutToFour) {
    ASSERT_TRUE(load(dxccline("A", {" K ", "  ", "ABCDE", "FR/T"}, "D", "Gone", 2)));
    EXPECT_EQ(s->prefix1table.count, 1);
    EXPECT_EQ(s->prefix1table.entries[0].prefix, "K");
    // A deleted entity's prefixes stand in the tables; the lookup skips them.
    ASSERT_EQ(s->prefix4table.count, 2);
    EXPECT_EQ(s->prefix4table.entries[0].prefix, "ABCD");
    EXPECT_EQ(s->prefix4table.entries[1].prefix, "FR/T");
}

TEST_F(Dxcc, OlderLayoutReadsWithEntityNumberZero) {
    const std::string file = dxccline("A", {"ZZ"}, " ", "First", -1) +
                             dxccline("B", {"YY"}, " ", "Second", -1) +
                             dxccline("C", {"XX"}, " ", "Third", -1);
    ASSERT_TRUE(load(file));
    EXPECT_FALSE(s->dxccnumbersinfile);
    EXPECT_EQ(s->dxcccount, 3);
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(s->dxcctable[static_cast<std::size_t>(i)].dxccnum, 0);
    EXPECT_EQ(s->dxcctable[3].country, "Third");
    // A single old-layout entity: the probe finds no 52nd item and does not fail.
    ASSERT_TRUE(load(dxccline("A", {"ZZ"}, " ", "Only", -1)));
    EXPECT_EQ(s->dxcccount, 1);
}

TEST_F(Dxcc, FiveHundredEntitiesLoadAndOneMoreEndsTheProgram) {
    std::string file;
    for (int i = 1; i <= 500; ++i)
        file += dxccline("K", {}, " ", "E" + std::to_string(i), i + 1);
    ASSERT_TRUE(load(file));
    EXPECT_EQ(s->dxcccount, 500);
    EXPECT_FALSE(load(file + dxccline("K", {}, " ", "E501", 502)));
    expectfailure();
}

TEST_F(Dxcc, MoreThan2001PrefixesOfOneLengthEndTheProgram) {
    // 49 entities of 41 two-character prefixes: 2009 prefixes of length 2.
    auto entities = [](int count) {
        std::string file;
        for (int i = 0; i < count; ++i) {
            std::vector<std::string> prefixes;
            for (int k = 0; k < 41; ++k)
                prefixes.push_back(std::string(1, char('A' + k % 26)) + char('A' + i % 26));
            file += dxccline("K", prefixes, " ", "E" + std::to_string(i), i == 0 ? 2 : 100 + i);
        }
        return file;
    };
    ASSERT_TRUE(load(entities(48))); // 1968
    EXPECT_EQ(s->prefix2table.count, 1968);
    EXPECT_FALSE(load(entities(49)));
    expectfailure();
}

TEST_F(Dxcc, HostileFilesTakeTheFailurePath) {
    const std::string good = smalldxcc();
    const std::vector<std::string> bad = {
        "",                                                     // empty
        good.substr(0, good.size() / 2),                        // cut short inside an entity
        dxccline("A", {}, " ", "X", 2, "NA", "1", "1", "abc"),  // text for the latitude
        dxccline("A", {}, " ", "X", 2, "NA", "1", "1", "1e40"), // beyond single precision
        good + dxccline("B", {}, " ", "Y", 70000),              // entity number past 16 bits
        std::string("\x00\x01\x02\"\xff", 5),                   // binary junk
    };
    for (const std::string& file : bad) {
        EXPECT_FALSE(load(file)) << file.size();
        expectfailure();
    }
}

TEST_F(Dxcc, AMissingOrUnreadableFileEndsTheProgramWithItsMessage) {
    EXPECT_FALSE(loaddxcc(*s, dialogs));
    folder.write("dxcc.dat", "junk");
    EXPECT_FALSE(loaddxcc(*s, dialogs));
    ASSERT_EQ(dialogs.shown.size(), 2u);
    for (const shownbox& box : dialogs.shown) {
        EXPECT_EQ(box.text, "No DXCC data file, dxcc.dat");
        EXPECT_EQ(box.buttons, msgbuttons::ok);
        EXPECT_EQ(box.title, "Tessalog ");
    }
    folder.write("dxcc.dat", smalldxcc());
    EXPECT_TRUE(loaddxcc(*s, dialogs));
    EXPECT_EQ(s->dxcccount, 3);
}
