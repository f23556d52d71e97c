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
};

std::string fields(int n, int at = -1, const std::string& call = "") {
    std::string out;
    for (int i = 1; i <= n; ++i) {
        std::string c = i == at ? call : "X" + std::to_string(i);
        out += c + std::string(6 - c.size(), ' ');
    }
    return out;
}
} // namespace

TEST_F(MemberLists, TenTenMembersAreNumberedByTheirField) {
    folder.write("tenten.dat", fields(30, 25, "W1AW") + "\r\n");
    loadtenten(*s);
    ASSERT_TRUE(s->tentenready);
    EXPECT_EQ(s->tentencalls.size(), 30u);
    EXPECT_EQ(tentenlookup(*s, "W1AW"), 25);
    EXPECT_EQ(tentenlookup(*s, " W1AW "), 25);
    EXPECT_EQ(tentenlookup(*s, "X30"), 30);
    EXPECT_FALSE(tentenlookup(*s, "W1AX"));
    folder.write("tenten.dat", fields(3, 2,
                                      "K\xd8"
                                      "AB"));
    loadtenten(*s);
    EXPECT_EQ(tentenlookup(*s, "K\xd8"
                               "AB"),
              std::nullopt); // the list holds "0", calls are cleaned
    folder.write("tenten.dat", fields(3, 2, "K0AB"));
    loadtenten(*s);
    EXPECT_EQ(tentenlookup(*s, "K\xd8"
                               "AB"),
              2);
}

TEST_F(MemberLists, AListTooLongOrMissingIsNotUsed) {
    loadtenten(*s);
    EXPECT_FALSE(s->tentenready);
    folder.write("tenten.dat", fields(80002));
    loadtenten(*s);
    EXPECT_FALSE(s->tentenready);
    folder.write("tenten.dat", "");
    loadtenten(*s);
    EXPECT_TRUE(s->tentenready);
    EXPECT_FALSE(tentenlookup(*s, ""));
}

TEST_F(MemberLists, ArlhsCallsCompareByTheirFirstSixCharacters) {
    folder.write("arlhs.dat", "\"K1ABC\",W2XYZ\r\n\"VE3ABCD\"\r\n");
    loadarlhs(*s);
    ASSERT_TRUE(s->arlhsready);
    EXPECT_EQ(arlhslookup(*s, "W2XYZ"), 2);
    EXPECT_EQ(arlhslookup(*s, "VE3ABCDEF"), 3);
    EXPECT_FALSE(arlhslookup(*s, "K1AB"));
    std::string many;
    for (int i = 0; i < 2002; ++i)
        many += "\"A" + std::to_string(i) + "\"\r\n";
    folder.write("arlhs.dat", many);
    loadarlhs(*s);
    EXPECT_FALSE(s->arlhsready);
}

TEST_F(MemberLists, WabSquaresFollowABlankFirstEntry) {
    folder.write("wab.dat", "\"SU12\",\"TQ38\"\r\n");
    loadwab(*s);
    ASSERT_TRUE(s->wabloaded);
    ASSERT_EQ(s->wabtable.size(), 3u);
    EXPECT_EQ(s->wabtable[0], std::string(10, ' '));
    EXPECT_EQ(s->wabtable[2], "TQ38      ");
    std::string many;
    for (int i = 0; i < 4801; ++i)
        many += "\"S" + std::to_string(i) + "\"\r\n";
    folder.write("wab.dat", many);
    loadwab(*s);
    EXPECT_FALSE(s->wabloaded);
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

TEST(CallsFile, TheCountComesFromTheFirstLineOfRecordOne) {
    EXPECT_EQ(callsdatcount("2,\"calls\"\r\n" + std::string(144, 'x')), 2);
    // A first line as long as the record is read as far as the record goes.
    EXPECT_EQ(callsdatcount("7," + std::string(154, 'c')), 7);
    EXPECT_EQ(callsdatcount("7,\"" + std::string(153, 'c')), std::nullopt);
    EXPECT_EQ(callsdatcount("7\r\n\"calls\"\r\n"), std::nullopt);
    EXPECT_EQ(callsdatcount("x,\"calls\"\r\n"), std::nullopt);
    EXPECT_EQ(callsdatcount(""), std::nullopt);
}
