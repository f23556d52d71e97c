#include "callbook/localfiles.h"
#include "callbook/lookup.h"
#include "core/memberlists.h"
#include "platform/fileio.h"
#include "support/callbookfiles.h"
#include "support/localserver.h"
#include "support/logfixture.h"
#include "support/scriptedhamcallcd.h"
#include "support/scriptedqrzcd.h"

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

using Lines = std::vector<std::string>;

// The default awards (states, provinces and the county awards tracked) and the local call
// book as source 1.
struct Lookup : ::testing::Test, LoadedLog {
    LocalInternet internet;
    ScriptedQrzCd qrzcd;
    ScriptedHamCallCd hamcallcd;
    callbookservices services{dialogs, internet, qrzcd, hamcallcd};
    Lookup() {
        folder.write("calls.dat", handmadecalls());
        folder.write("zip.dat", generatedzip());
        readrefdatafiles(*s);
        s->callbooksource = 1;
    }
    callbooklookup look(const std::string& call) {
        s->usecountryposition = true;
        return lookupcall(*s, services, call);
    }
    std::uint64_t reads = 0; // records read by the last search
    bool found(const std::string& call) {
        const auto before = filerecordsread();
        const bool hit = searchcallsdat(*s, call).has_value();
        reads = filerecordsread() - before;
        return hit;
    }
    bool zipfound(const std::string& zip) {
        callbooklookup r;
        const auto before = filerecordsread();
        lookupzip(*s, zip, r);
        reads = filerecordsread() - before;
        return !r.lines.empty();
    }
};

struct hit {
    const char* call;
    Lines lines;
    const char* state;
    const char* country;
    const char* county;
};

} // namespace

TEST_F(Lookup, EachHitShowsItsRecordByTheRules) {
    const hit hits[] = {
        {" W1AW ",
         {"Hiram Maxim Memorial Station, Club", "225 Main St", "Newington, CT 06111",
          "HARTFORD,  FN31  ,  72.73W  41.69N"},
         "CT",
         "USA",
         "HARTFORD"},
        // A seven-character call finds the six-character one.
        {"KB1XYZA",
         {"Ann Example, General", "10 Post Rd", "Fairfield, CT 06824",
          "Fairfield,  FN31  ,  73.26W  41.14N"},
         "CT",
         "USA",
         "Fairfield"},
        // No zip code for Canada.
        {"VE3ABC",
         {"Jean Tremblay, Advanced", "12 King St W", "Toronto, ON M5V 2T6"},
         "ON",
         "Canada",
         ""},
        // No comma: the state is characters 2-3 and the zip code "NY 12" reads as 0, whose
        // key 99999 no record holds; "Q" is no class.
        {"N1XX", {"Ned Nocomma, ", "1 River St", "Troy NY 12180"}, "RO", "USA", ""},
        // Control characters show as blanks, a latitude that is no number reads as 0.
        {"W9JNK",
         {"Bob Smith, Extra", "9 Junk Rd", "Junk, IL 60000", "COOK COUNTY,  E 60  ,  87.65W  0N"},
         "IL",
         "USA",
         "COOK COUNTY"},
        {"WB2MIS", {"Mia Missing, Extra", "5 Elm St", "Nowhere, NY 22222"}, "NY", "USA", ""},
    };
    for (const hit& h : hits) {
        const auto r = look(h.call);
        EXPECT_EQ(r.lines, h.lines) << h.call;
        EXPECT_EQ(r.address.state, h.state) << h.call;
        EXPECT_EQ(r.address.country, h.country) << h.call;
        EXPECT_EQ(r.address.county, h.county) << h.call;
        EXPECT_EQ(r.address.cityline, h.lines[2]) << h.call;
        EXPECT_TRUE(r.callbookfound && s->lookuphit) << h.call;
        // A zip code found gives the position.
        EXPECT_EQ(s->usecountryposition, r.lines.size() == 3) << h.call;
        EXPECT_EQ(r.gs.has_value(), r.lines.size() == 4) << h.call;
    }
}

TEST_F(Lookup, AUsHitGivesThePositionLocatorStateAndCounty) {
    const auto r = look("W1AW");
    EXPECT_EQ(r.address.name, "Hiram Maxim Memorial Station");
    EXPECT_EQ(r.address.street, "225 Main St");
    EXPECT_EQ(s->callbookresult.county, "HARTFORD");
    EXPECT_TRUE(s->callbookusa);
    EXPECT_EQ(r.gs, "FN31  ");
    EXPECT_FLOAT_EQ(s->dxlat, 41.69f);
    EXPECT_FLOAT_EQ(s->dxlon, -72.73f);
    // Connecticut is state 6; its county award lists Fairfield, then Hartford.
    const auto counties = static_cast<int16_t>(s->uscountiesaward + 6);
    EXPECT_EQ(s->awardtable[static_cast<std::size_t>(counties)].name, "US Connecticut Counties");
    EXPECT_EQ(r.slot0, (awardchoice{s->wasaward, 6}));
    EXPECT_EQ(r.slot1, (awardchoice{counties, 1}));
    EXPECT_EQ(look("KB1XYZ").slot1, (awardchoice{counties, 0}));
    EXPECT_EQ(look("VE3ABC").slot0, (awardchoice{s->provincesaward, 3})); // NS, NB, QC, ON
    EXPECT_EQ(look("WB2MIS").slot0, (awardchoice{s->wasaward, 31}));      // New York
    EXPECT_EQ(look("WB2MIS").slot1, std::nullopt);
    EXPECT_EQ(look("N1XX").slot0, std::nullopt);
}

TEST_F(Lookup, WhileAStoredQsoIsEditedNeitherTheSlotsNorTheLocatorBoxChange) {
    s->editingqso = true;
    const auto r = look("W1AW");
    EXPECT_EQ(r.lines.size(), 4u);
    EXPECT_EQ(s->gridsquare, "FN31  ");
    EXPECT_FALSE(r.gs || r.slot0 || r.slot1);
}

TEST_F(Lookup, ACountyAwardOutsideTheTableOrUntrackedPicksNoCounty) {
    s->uscountiesaward = 497; // Connecticut's would be award 503
    EXPECT_EQ(look("W1AW").slot1, std::nullopt);
    s->uscountiesaward = 0;
    EXPECT_EQ(look("W1AW").slot0, (awardchoice{s->wasaward, 6}));
    EXPECT_EQ(look("W1AW").slot1, std::nullopt);
}

TEST_F(Lookup, OtherSourcesAndCallsNotFoundOnlyClearTheResult) {
    // The CD libraries are absent, the online services unreachable and QRZ not logged in:
    // only QRZ online says something in the list.
    for (int source : {1, 0, 2, 3, 4, 5, 6, -1}) {
        s->callbooksource = 1;
        look("W1AW");
        s->callbooksource = static_cast<int16_t>(source);
        s->qrzcdready = true;
        // Not found after a US call: no longer in the USA, so no call-book distance.
        const auto r = look(source == 1 ? "G4ABC" : "W1AW");
        EXPECT_EQ(r.lines, source == 4 ? Lines{"Invalid QRZ username / password"} : Lines{})
            << source;
        EXPECT_FALSE(r.slot0) << source;
        EXPECT_EQ(r.address.name, "") << source;
        EXPECT_EQ(s->gridsquare, "      ") << source;
        EXPECT_FALSE(s->callbookfound || s->lookuphit || s->callbookusa) << source;
        EXPECT_EQ(s->dxlat, 0) << source;
        EXPECT_TRUE(s->usecountryposition) << source;
    }
}

TEST(CallBookKeys, ZipCodesTurnIntoTheirReversedNinesComplement) {
    EXPECT_EQ(zipkey("12180"), "91878");
    EXPECT_EQ(zipkey("     "), "99999");
    EXPECT_EQ(zipkey("1 2"), "78999");     // 12: blanks are skipped
    EXPECT_EQ(zipkey("02.5"), "79999");    // 2.5 rounds to 2
    EXPECT_EQ(zipkey("99999.5"), "1-000"); // 100000: "-1" padded to "000-1"
    EXPECT_EQ(zipkey("-5"), "00001");      // 100004, first five digits
    EXPECT_EQ(zipkey("9e999"), zipkey("9e998"));
    EXPECT_EQ(callskey(" W\xd8"
                       "ABCDE "),
              "W0ABCD");
    EXPECT_EQ(callskey("k1ab"), "k1ab  ");
    EXPECT_EQ(callbooknumber("4 1.6"), 41.6f);
    EXPECT_EQ(callbooknumber("9e99"), 0);
    EXPECT_FALSE(readcallsrecordbytes(std::string(153, ' ')));
    EXPECT_FALSE(readziprecordbytes(std::string(44, ' ')));
}

TEST_F(Lookup, MissesEndAfterAtMostTwentyTwoRecordReads) {
    // The call is not upper-cased: "w1aw" sorts above every key.
    for (const char* call : {"A", "ZZZZZZ", "", "KB1XY", "w1aw"}) {
        EXPECT_FALSE(found(call)) << call;
        EXPECT_LE(reads, 22u) << call;
    }
    EXPECT_TRUE(found("W1AW"));
    // Halving 42171 records takes 16 reads.
    EXPECT_FALSE(zipfound("22222"));
    EXPECT_GE(reads, 15u);
    EXPECT_LE(reads, 22u);
    for (const char* zip : {"06111", "06824", "60000", "99999"}) // 99999: the key 00000
        EXPECT_TRUE(zipfound(zip)) << zip;
    EXPECT_FALSE(zipfound("00000")); // the key 99999
}

TEST_F(Lookup, RecordsPastTheEndOrCutShortAreMissesNeverEarlierRecords) {
    ASSERT_TRUE(found("WB2MIS"));
    // Probes past the end move upward: the record read before is not taken for them.
    s->callscount = 50;
    EXPECT_FALSE(found("WB2MIS"));
    s->callscount = 0;
    EXPECT_FALSE(found("KB1XYZ"));
    EXPECT_EQ(reads, 0u);

    const std::string calls = handmadecalls();
    folder.write("calls.dat", calls.substr(0, calls.size() - 10));
    folder.write("zip.dat", zipline("88839", "HARTFORD", "41.69", "72.7").substr(0, 44));
    readrefdatafiles(*s);
    s->zipcount = 1;
    EXPECT_FALSE(found("WB2MIS"));
    EXPECT_TRUE(found("W9JNK"));
    EXPECT_FALSE(zipfound("06111"));
}

TEST_F(Lookup, ABlankInsideAPositionIsSkippedForTheLocatorTheLineAndTheDistance) {
    callbooklookup r;
    lookupzip(*s, "06112", r);
    EXPECT_EQ(r.lines, Lines{"Blank Inside,  FN31  ,  72.73W  41.6N"});
    EXPECT_EQ(r.gs, "FN31  ");
    EXPECT_FLOAT_EQ(s->dxlat, 41.6f);
    EXPECT_FLOAT_EQ(s->dxlatnorth, 41.6f);
}

TEST_F(Lookup, NothingIsReadWhileAFileIsNotOpen) {
    s->zipfile.reset();
    EXPECT_FALSE(found("W1AW"));
    EXPECT_FALSE(zipfound("06111"));
    EXPECT_EQ(reads, 0u);
}
