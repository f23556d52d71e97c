#include "callbook/lookup.h"
#include "core/memberlists.h"
#include "platform/fileio.h"
#include "support/callbookfiles.h"
#include "support/logfixture.h"

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

using Lines = std::vector<std::string>;

// The default awards (states, provinces and the county awards tracked) and the local call
// book as source 1.
struct Lookup : ::testing::Test, LoadedLog {
    Lookup() {
        folder.write("calls.dat", handmadecalls());
        folder.write("zip.dat", generatedzip());
        readrefdatafiles(*s);
        s->callbooksource = 1;
        s->nocallbook = false;
    }
    callbooklookup look(const std::string& call) {
        s->usecountryposition = true;
        return lookupcall(*s, call);
    }
    int award(const std::string& name) const {
        for (int i = 1; i <= s->awardcount; ++i)
            if (s->awardtable[static_cast<std::size_t>(i)].name == name) return i;
        return 0;
    }
};

} // namespace

TEST_F(Lookup, AUsCallWithItsZipCodeGivesFourLinesThePositionAndTheAwards) {
    const auto r = look(" W1AW ");
    EXPECT_EQ(r.lines, (Lines{"Hiram Maxim Memorial Station, Club", "225 Main St",
                              "Newington, CT 06111", "HARTFORD,  FN31  ,  72.73W  41.69N"}));
    EXPECT_EQ(r.address.name, "Hiram Maxim Memorial Station");
    EXPECT_EQ(r.address.street, "225 Main St");
    EXPECT_EQ(r.address.cityline, "Newington, CT 06111");
    EXPECT_EQ(r.address.country, "USA");
    EXPECT_EQ(r.address.state, "CT");
    EXPECT_EQ(r.address.county, "HARTFORD");
    EXPECT_EQ(s->callbookresult.county, "HARTFORD");
    EXPECT_TRUE(r.callbookfound && s->callbookfound && s->lookuphit && s->callbookusa);
    EXPECT_EQ(r.gs, "FN31  ");
    EXPECT_EQ(s->gridsquare, "FN31  ");
    EXPECT_FLOAT_EQ(s->dxlat, 41.69f);
    EXPECT_FLOAT_EQ(s->dxlon, -72.73f);
    EXPECT_FALSE(s->usecountryposition);
    // Connecticut is state 6; its county award lists Fairfield, then Hartford.
    EXPECT_EQ(r.slot0, (awardchoice{s->wasaward, 6}));
    EXPECT_EQ(award("US Connecticut Counties"), s->uscountiesaward + 6);
    EXPECT_EQ(r.slot1, (awardchoice{static_cast<int16_t>(s->uscountiesaward + 6), 1}));
}

TEST_F(Lookup, ASevenCharacterCallFindsTheSixCharacterOne) {
    const auto r = look("KB1XYZA");
    EXPECT_EQ(r.lines, (Lines{"Ann Example, General", "10 Post Rd", "Fairfield, CT 06824",
                              "Fairfield,  FN31  ,  73.26W  41.14N"}));
    EXPECT_EQ(r.slot1, (awardchoice{static_cast<int16_t>(s->uscountiesaward + 6), 0}));
}

TEST_F(Lookup, ACanadianCallIsCanadaWithItsProvinceAndNoZipCode) {
    const auto before = filerecordsread();
    const auto r = look("VE3ABC");
    EXPECT_EQ(r.lines, (Lines{"Jean Tremblay, Advanced", "12 King St W", "Toronto, ON M5V 2T6"}));
    EXPECT_EQ(r.address.country, "Canada");
    EXPECT_EQ(r.address.state, "ON");
    EXPECT_FALSE(s->callbookusa);
    EXPECT_TRUE(s->usecountryposition);
    EXPECT_EQ(s->dxlat, 0);
    EXPECT_EQ(r.gs, std::nullopt);
    EXPECT_EQ(r.slot0, (awardchoice{s->provincesaward, 3})); // NS, NB, QC, ON
    EXPECT_EQ(r.slot1, std::nullopt);
    // The middle record of "calls.dat", and none of "zip.dat".
    EXPECT_EQ(filerecordsread() - before, 1u);
}

TEST_F(Lookup, ACityLineWithoutCommaAndAClassNotInTheTable) {
    // The state is characters 2-3, the zip code "NY 12" reads as 0: key 99999, not found.
    const auto r = look("N1XX");
    EXPECT_EQ(r.lines, (Lines{"Ned Nocomma, ", "1 River St", "Troy NY 12180"}));
    EXPECT_EQ(r.address.state, "RO");
    EXPECT_EQ(r.address.country, "USA");
    EXPECT_TRUE(s->callbookfound && s->callbookusa);
    EXPECT_TRUE(s->usecountryposition);
    EXPECT_EQ(r.gs, std::nullopt);
    EXPECT_EQ(r.slot0, std::nullopt);
}

TEST_F(Lookup, AZipCodeNotInZipDatAddsNoLineButTheStateIsPicked) {
    const auto r = look("WB2MIS");
    EXPECT_EQ(r.lines, (Lines{"Mia Missing, Extra", "5 Elm St", "Nowhere, NY 22222"}));
    EXPECT_EQ(r.slot0, (awardchoice{s->wasaward, 31})); // New York
    EXPECT_EQ(r.slot1, std::nullopt);
    EXPECT_EQ(r.address.county, "");
    EXPECT_EQ(s->gridsquare, "      ");
}

TEST_F(Lookup, ControlCharactersShowAsBlanksAndAJunkLatitudeReadsAsZero) {
    const auto r = look("W9JNK");
    EXPECT_EQ(r.lines, (Lines{"Bob Smith, Extra", "9 Junk Rd", "Junk, IL 60000",
                              "COOK COUNTY,  E 60  ,  87.65W  0N"}));
    EXPECT_EQ(s->dxlat, 0);
    EXPECT_FLOAT_EQ(s->dxlon, -87.65f);
    EXPECT_FALSE(s->usecountryposition);
}

TEST_F(Lookup, WhileAStoredQsoIsEditedNeitherTheSlotsNorTheLocatorChange) {
    s->editingqso = true;
    const auto r = look("W1AW");
    EXPECT_EQ(r.lines.size(), 4u);
    EXPECT_EQ(r.gs, std::nullopt);
    EXPECT_EQ(s->gridsquare, "FN31  ");
    EXPECT_EQ(r.slot0, std::nullopt);
    EXPECT_EQ(r.slot1, std::nullopt);
}

TEST_F(Lookup, AStateTrackedWithoutItsCountyAwardsChangesSlotZeroOnly) {
    s->uscountiesaward = 0;
    const auto r = look("W1AW");
    EXPECT_EQ(r.slot0, (awardchoice{s->wasaward, 6}));
    EXPECT_EQ(r.slot1, std::nullopt);
    // A county block whose award of the state would lie past the table picks nothing.
    s->uscountiesaward = 497;
    EXPECT_EQ(look("W1AW").slot1, std::nullopt);
}

TEST_F(Lookup, SourceZeroAndTheSourcesNotReadableHereOnlyClearTheResult) {
    look("W1AW");
    for (int source : {0, 2, 3, 4, 5, 6, -1}) {
        s->callbooksource = static_cast<int16_t>(source);
        s->qrzcdready = true;
        const auto r = look("W1AW");
        EXPECT_TRUE(r.lines.empty()) << source;
        EXPECT_EQ(r.slot0, std::nullopt) << source;
        EXPECT_EQ(r.address.name, "") << source;
        EXPECT_EQ(s->gridsquare, "      ") << source;
        EXPECT_FALSE(s->callbookfound || s->lookuphit || s->callbookusa) << source;
        EXPECT_EQ(s->dxlat, 0) << source;
        EXPECT_TRUE(s->usecountryposition) << source;
    }
}

TEST_F(Lookup, ACallNotFoundAfterAUsCallIsNoLongerInTheUsa) {
    look("W1AW");
    ASSERT_TRUE(s->callbookusa);
    const auto r = look("G4ABC");
    EXPECT_TRUE(r.lines.empty());
    EXPECT_FALSE(s->callbookusa || s->lookuphit || r.callbookfound);
    EXPECT_EQ(s->dxlat, 0);
    EXPECT_EQ(s->dxlon, 0);
}

TEST_F(Lookup, CallsBelowOrAboveEveryKeyOrEmptyFindNothingInFewReads) {
    // The call is not upper-cased: "w1aw" sorts above every key.
    for (const char* call : {"A", "ZZ9ZZ", "", "   ", "w1aw"}) {
        const auto before = filerecordsread();
        const auto r = look(call);
        EXPECT_TRUE(r.lines.empty()) << call;
        EXPECT_FALSE(s->lookuphit) << call;
        EXPECT_LE(filerecordsread() - before, 22u) << call;
    }
}

TEST_F(Lookup, SlashedZerosAreSearchedAsZeros) {
    folder.write("calls.dat", callscountline(1) + callsline("K0AB", 'E', "Zed", "1 St", "X, CO 1"));
    readrefdatafiles(*s);
    EXPECT_EQ(look("K\xd8"
                   "AB")
                  .lines.size(),
              3u);
}
