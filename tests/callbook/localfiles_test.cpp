#include "callbook/localfiles.h"
#include "callbook/lookup.h"
#include "core/memberlists.h"
#include "platform/fileio.h"
#include "support/callbookfiles.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace tsl;
using namespace tsl::test;

namespace {

struct LocalFiles : ::testing::Test {
    TempFolder folder;
    std::unique_ptr<AppState> s = std::make_unique<AppState>();
    LocalFiles() {
        setstartvalues(*s, folder.path(), 1000);
        folder.write("calls.dat", handmadecalls());
        folder.write("zip.dat", generatedzip());
        readrefdatafiles(*s);
    }
    // The records read by a search of the call, or nothing when it was not found.
    std::optional<std::string> found(const std::string& call) {
        const auto r = searchcallsdat(*s, call);
        EXPECT_EQ(s->lookuphit, r.has_value()) << call;
        return r ? std::optional(r->key) : std::nullopt;
    }
    std::size_t reads(const std::function<void()>& search) {
        const auto before = filerecordsread();
        search();
        return filerecordsread() - before;
    }
};

} // namespace

TEST(CallBookRecords, FieldsStandAtTheirPositions) {
    const auto r = readcallsrecordbytes(
        callsline("ve3abc", 'a', "Jean\x01Tremblay", "12 King St W", "Toronto, ON M5V 2T6"));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->key, "VE3ABC");
    EXPECT_EQ(r->licence, 'a');
    EXPECT_EQ(r->name, padded("Jean Tremblay", 50));
    EXPECT_EQ(r->street, padded("12 King St W", 60));
    EXPECT_EQ(r->cityline, padded("Toronto, ON M5V 2T6", 35));
    EXPECT_FALSE(readcallsrecordbytes(std::string(153, ' ')));

    const auto z = readziprecordbytes(zipline("88839", "HARTFORD\r", "41.69", "72.73"));
    ASSERT_TRUE(z);
    EXPECT_EQ(z->key, "88839");
    EXPECT_EQ(z->county, padded("HARTFORD", 25));
    EXPECT_EQ(z->latitude, "41.69");
    EXPECT_EQ(z->longitude, "72.73 ");
    EXPECT_FALSE(readziprecordbytes(std::string(44, ' ')));
}

TEST(CallBookKeys, ZipCodesTurnIntoTheirReversedNinesComplement) {
    EXPECT_EQ(zipkey("06111"), "88839");
    EXPECT_EQ(zipkey("12180"), "91878");
    EXPECT_EQ(zipkey("     "), "99999");
    EXPECT_EQ(zipkey("NY 12"), "99999");
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
    EXPECT_EQ(callbooknumber("ab.cd"), 0);
    EXPECT_EQ(callbooknumber("9e99"), 0);
}

TEST_F(LocalFiles, EveryCallIsFoundAndItsRecordRead) {
    for (const char* call : {"KB1XYZ", "N1XX", "VE3ABC", "W1AW", "W9JNK", "WB2MIS"})
        EXPECT_TRUE(found(call)) << call;
    EXPECT_EQ(found("KB1XYZABC"), "KB1XYZ");
    EXPECT_FALSE(found("KB1XY"));
}

TEST_F(LocalFiles, MissesEndAfterAtMostTwentyTwoRecordReads) {
    for (const char* call : {"A", "ZZZZZZ", ""})
        EXPECT_LE(reads([&] { EXPECT_FALSE(found(call)); }), 22u) << call;
    callbooklookup r;
    // A missing zip code: halving 42171 records takes 16 reads.
    EXPECT_LE(reads([&] { lookupzip(*s, "22222", r); }), 22u);
    EXPECT_GE(reads([&] { lookupzip(*s, "22222", r); }), 15u);
    EXPECT_TRUE(r.lines.empty());
    EXPECT_EQ(s->callbookresult.county, "");
    for (const char* zip : {"06111", "06824", "60000", "99999", "00000"})
        EXPECT_LE(reads([&] { lookupzip(*s, zip, r); }), 22u) << zip;
    EXPECT_EQ(r.lines.size(), 4u); // all but 00000, whose key 99999 no record holds
}

TEST_F(LocalFiles, ACountAboveTheRecordsHeldFindsNoEarlierRecord) {
    ASSERT_TRUE(found("WB2MIS"));
    // Probes past the end are misses that move upward: the record read before is never
    // taken for the one probed.
    s->callscount = 50;
    EXPECT_FALSE(found("WB2MIS"));
    EXPECT_FALSE(found("W1AW"));
    s->callscount = 0;
    EXPECT_EQ(reads([&] { EXPECT_FALSE(found("KB1XYZ")); }), 0u);
}

TEST_F(LocalFiles, ACutShortRecordIsAMiss) {
    const std::string calls = handmadecalls();
    folder.write("calls.dat", calls.substr(0, calls.size() - 10));
    readrefdatafiles(*s);
    EXPECT_FALSE(found("WB2MIS"));
    EXPECT_TRUE(found("W9JNK"));
    folder.write("zip.dat", zipline("88839", "HARTFORD", "41.69", "72.7"));
    readrefdatafiles(*s);
    s->zipcount = 1;
    callbooklookup r;
    lookupzip(*s, "06111", r);
    EXPECT_EQ(r.lines.size(), 1u);
    folder.write("zip.dat", zipline("88839", "HARTFORD", "41.69", "72.7").substr(0, 44));
    readrefdatafiles(*s);
    s->zipcount = 1;
    lookupzip(*s, "06111", r);
    EXPECT_EQ(r.lines.size(), 1u);
}

TEST_F(LocalFiles, NothingIsReadWhileAFileIsNotOpen) {
    s->zipfile.reset();
    EXPECT_EQ(reads([&] { EXPECT_FALSE(found("W1AW")); }), 0u);
    callbooklookup r;
    lookupzip(*s, "06111", r);
    EXPECT_TRUE(r.lines.empty());
}

TEST_F(LocalFiles, AZipCodeFoundWhileEditingLeavesTheLocatorBoxAlone) {
    s->editingqso = true;
    callbooklookup r;
    lookupzip(*s, "06824", r);
    EXPECT_EQ(r.lines, (std::vector<std::string>{"Fairfield,  FN31  ,  73.26W  41.14N"}));
    EXPECT_EQ(r.gs, std::nullopt);
    EXPECT_EQ(s->callbookresult.county, "Fairfield");
    s->editingqso = false;
    lookupzip(*s, "06824", r);
    EXPECT_EQ(r.gs, "FN31  ");
}
