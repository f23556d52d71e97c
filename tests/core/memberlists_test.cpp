#include "core/memberlists.h"
#include "core/state.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

#include <memory>

using namespace tsl;
using namespace tsl::test;

namespace {
struct MemberLists : ::testing::Test {
    TempFolder folder;
    std::unique_ptr<AppState> s = std::make_unique<AppState>();
    MemberLists() { setstartvalues(*s, folder.path(), 1000); }

    // The lists read from bytes, as the loaders put them into the state.
    void tenten(const std::string& bytes) {
        const auto calls = readtentenbytes(bytes);
        ASSERT_TRUE(calls);
        s->tentencalls = *calls;
        s->tentenready = true;
    }
    void arlhs(const std::string& bytes) {
        const auto calls = readarlhsbytes(bytes);
        ASSERT_TRUE(calls);
        s->arlhscalls = *calls;
        s->arlhsready = true;
    }
};

std::string fields(int n, int at = -1, const std::string& call = "") {
    std::string out;
    for (int i = 1; i <= n; ++i) {
        std::string c = i == at ? call : "X" + std::to_string(i);
        out += c + std::string(6 - c.size(), ' ');
    }
    return out;
}

std::string items(int n, const std::string& stem) {
    std::string out;
    for (int i = 0; i < n; ++i)
        out += "\"" + stem + std::to_string(i) + "\"\r\n";
    return out;
}
} // namespace

TEST_F(MemberLists, TenTenMembersAreNumberedByTheirField) {
    tenten(fields(30, 25, "W1AW") + "\r\n");
    EXPECT_EQ(s->tentencalls.size(), 30u);
    EXPECT_EQ(tentenlookup(*s, "W1AW"), 25);
    EXPECT_EQ(tentenlookup(*s, " W1AW "), 25);
    EXPECT_EQ(tentenlookup(*s, "X30"), 30);
    EXPECT_FALSE(tentenlookup(*s, "W1AX"));
    tenten(fields(3, 2,
                  "K\xd8"
                  "AB"));
    EXPECT_EQ(tentenlookup(*s, "K\xd8"
                               "AB"),
              std::nullopt); // the list holds "0", calls are cleaned
    tenten(fields(3, 2, "K0AB"));
    EXPECT_EQ(tentenlookup(*s, "K\xd8"
                               "AB"),
              2);
    tenten("");
    EXPECT_FALSE(tentenlookup(*s, ""));
}

TEST_F(MemberLists, LineEndsAreNeverPartOfATenTenCall) {
    const auto calls = readtentenbytes("W1AW  K1AB\r\nG4X \r\n");
    ASSERT_TRUE(calls);
    EXPECT_EQ(*calls, (std::vector<std::string>{"W1AW", "K1AB", "G4X"}));
}

TEST_F(MemberLists, ArlhsCallsCompareByTheirFirstSixCharacters) {
    arlhs("\"K1ABC\",W2XYZ\r\n\"VE3ABCD\"\r\n");
    EXPECT_EQ(arlhslookup(*s, "W2XYZ"), 2);
    EXPECT_EQ(arlhslookup(*s, "VE3ABCDEF"), 3);
    EXPECT_FALSE(arlhslookup(*s, "K1AB"));
}

TEST_F(MemberLists, ListsLongerThanTheirTablesOrUnreadableAreRefused) {
    EXPECT_TRUE(readtentenbytes(fields(80001)));
    EXPECT_FALSE(readtentenbytes(fields(80002)));
    EXPECT_TRUE(readarlhsbytes(items(2001, "A")));
    EXPECT_FALSE(readarlhsbytes(items(2002, "A")));
    EXPECT_TRUE(readwabbytes(items(4800, "S")));
    EXPECT_FALSE(readwabbytes(items(4801, "S")));
    EXPECT_FALSE(readwabbytes("\"SU12\",\"TQ"));
}

TEST_F(MemberLists, TheLoadersLeaveAMissingOrRefusedListUnused) {
    s->tentenready = s->arlhsready = s->wabloaded = true;
    loadtenten(*s);
    loadarlhs(*s);
    loadwab(*s);
    EXPECT_FALSE(s->tentenready || s->arlhsready || s->wabloaded);
    folder.write("tenten.dat", fields(2));
    folder.write("arlhs.dat", items(2002, "A"));
    folder.write("wab.dat", "\"SU12\",\"TQ38\"\r\n");
    loadtenten(*s);
    loadarlhs(*s);
    loadwab(*s);
    EXPECT_TRUE(s->tentenready);
    EXPECT_EQ(s->tentencalls.size(), 2u);
    EXPECT_FALSE(s->arlhsready);
    EXPECT_TRUE(s->arlhscalls.empty());
    ASSERT_TRUE(s->wabloaded);
    // Squares follow a blank first entry, each ten characters.
    EXPECT_EQ(s->wabtable,
              (std::vector<std::string>{std::string(10, ' '), "SU12      ", "TQ38      "}));
}

TEST_F(MemberLists, CallBookFilesStayOpenWhenBothArePresent) {
    readrefdatafiles(*s);
    EXPECT_TRUE(s->nocallsdat);
    EXPECT_TRUE(s->nocallbook);
    folder.write("calls.dat", "2,\"calls\"\r\n");
    folder.write("zip.dat", "");
    s->nocallsdat = false;
    readrefdatafiles(*s);
    EXPECT_FALSE(s->nocallsdat);
    EXPECT_FALSE(s->nocallbook);
    EXPECT_FALSE(s->nozipfile);
    EXPECT_EQ(s->callscount, 2);
    ASSERT_TRUE(s->callsfile);
    EXPECT_TRUE(s->callsfile->isOpen());
}

TEST(CallsFile, TheCountIsTheFirstItemOfRecordOne) {
    EXPECT_EQ(callsdatcount("2,\"calls\"\r\n" + std::string(144, 'x')), 2);
    EXPECT_EQ(callsdatcount("42171" + std::string(149, ' ') + "\r\n"), 42171);
    EXPECT_EQ(callsdatcount("7,\"" + std::string(153, 'c')), 7);
    EXPECT_EQ(callsdatcount("2147483647\r\n"), 2147483647);
    for (const std::string& bad :
         {std::string(156, ' ') + "5\r\n", std::string("x,\"calls\""), std::string("-1"),
          std::string("4294967296"), std::string("\"5\"")})
        EXPECT_EQ(callsdatcount(bad), std::nullopt) << bad;
}

TEST_F(MemberLists, NeitherCallBookFileStaysOpenWithoutTheOther) {
    folder.write("calls.dat", "2,\"calls\"\r\n");
    readrefdatafiles(*s);
    EXPECT_TRUE(s->nocallsdat && s->nocallbook && s->nozipfile);
    EXPECT_FALSE(s->callsfile || s->zipfile);
}
