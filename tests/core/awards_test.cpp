#include "core/awards.h"
#include "core/state.h"
#include "support/datafiles.h"
#include "support/scripteddialogs.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

#include <memory>

using namespace tsl;
using namespace tsl::test;

namespace {

struct Awards : ::testing::Test {
    TempFolder folder;
    ScriptedDialogs dialogs;
    std::unique_ptr<AppState> s = std::make_unique<AppState>();

    Awards() {
        setstartvalues(*s, folder.path(), 1000);
        s->apptitle = "Tessalog ";
    }

    std::string refusal;

    // The reader from bytes, its table put into the state.
    bool load(const std::string& file) {
        auto read = readawardsbytes(file);
        refusal = read.error();
        if (read) applyawards(*s, std::move(*read));
        return static_cast<bool>(read);
    }

    void expectfailure(const std::string& reason = "") {
        EXPECT_FALSE(refusal.empty());
        if (!reason.empty()) {
            EXPECT_EQ(refusal, reason);
        }
    }
};

std::string numberawards(int count) {
    std::string file = "1,\"Head\"\r\n";
    for (int i = 0; i < count; ++i)
        file += "0,\"Award " + std::to_string(i) + "\"\r\n";
    return file;
}

} // namespace

TEST_F(Awards, NumberAwardsFirstThenListAwardsWithTheirEntries) {
    ASSERT_TRUE(load(smallawards() +
                     "2,\"Canadian Provinces\"\r\n\"NS Nova Scotia\"\r\n\"NB New Brunswick\"\r\n"));
    EXPECT_EQ(s->awardsheadnumber, 1);
    EXPECT_EQ(s->awardsheadtext, "Tessalog awards");
    EXPECT_EQ(s->awardcount, 4);
    EXPECT_EQ(s->numberedawards, 2);
    EXPECT_EQ(s->listawards, 2);
    EXPECT_EQ(s->tentenaward, 1);
    EXPECT_EQ(s->arlhsnumberaward, 2);
    EXPECT_EQ(s->arlhsaward, 0);
    EXPECT_EQ(s->wasaward, 3);
    EXPECT_EQ(s->provincesaward, 4);
    // A number award has last = first - 1; a list award follows at the previous last + 1.
    EXPECT_EQ(s->awardtable[1].first, 1);
    EXPECT_EQ(s->awardtable[1].last, 0);
    EXPECT_EQ(s->awardtable[3].first, 1);
    EXPECT_EQ(s->awardtable[3].last, 3);
    EXPECT_EQ(s->awardtable[4].first, 4);
    EXPECT_EQ(s->awardtable[4].last, 5);
    EXPECT_EQ(s->awardentries[3], "AZ Arizona");
    EXPECT_EQ(s->awardentries[5], "NB New Brunswick");
    EXPECT_EQ(s->awardtable[0].name, "None");
}

TEST_F(Awards, HeaderOnlyGivesNoAwards) {
    ASSERT_TRUE(load("1,\"Head\"\r\n"));
    EXPECT_EQ(s->awardcount, 0);
    EXPECT_EQ(s->numberedawards, 0);
    EXPECT_EQ(s->listawards, 0);
}

TEST_F(Awards, NamesMatchExactlyAndTheLaterAwardWins) {
    ASSERT_TRUE(
        load("1,\"H\"\r\n0,\"ARLHS\"\r\n0,\"arlhs #\"\r\n0,\"OMISS #\"\r\n0,\"OMISS #\"\r\n"));
    EXPECT_EQ(s->arlhsaward, 1);
    EXPECT_EQ(s->arlhsnumberaward, 0);
    EXPECT_EQ(s->omissaward, 4);
}

TEST_F(Awards, MemberListsStayUnusedWithoutTheirAward) {
    s->tentenready = true;
    s->arlhsready = true;
    ASSERT_TRUE(load("1,\"H\"\r\n0,\"Ten-Ten #\"\r\n"));
    EXPECT_TRUE(s->tentenready);
    EXPECT_FALSE(s->arlhsready);
    // A reload that drops an award clears its index.
    ASSERT_TRUE(load("1,\"H\"\r\n0,\"QCWA #\"\r\n"));
    EXPECT_EQ(s->tentenaward, 0);
    EXPECT_EQ(s->qcwaaward, 1);
    EXPECT_FALSE(s->tentenready);
}

TEST_F(Awards, TableBoundsAreCheckedBeforeWriting) {
    ASSERT_TRUE(load(numberawards(500)));
    EXPECT_EQ(s->awardcount, 500);
    EXPECT_FALSE(load(numberawards(501)));
    expectfailure();

    std::string entries = "1,\"H\"\r\n26000,\"Big\"\r\n";
    for (int i = 0; i < 26000; ++i)
        entries += "\"e\"\r\n";
    ASSERT_TRUE(load(entries));
    EXPECT_EQ(s->awardtable[1].last, 26000);
    EXPECT_FALSE(load(entries + "1,\"More\"\r\n\"x\"\r\n"));
    expectfailure();
}

TEST_F(Awards, HostileFilesTakeTheFailurePath) {
    const std::vector<std::string> bad = {
        "",                                             // no header
        "\"Head\",1\r\n",                               // text where the number belongs
        "1,\"H\"\r\n3,\"Short\"\r\n\"a\"\r\n\"b\"\r\n", // fewer entries than counted
        "1,\"H\"\r\n-1,\"Negative\"\r\n",               // negative count
        "1,\"H\"\r\n99999999999,\"Huge\"\r\n",          // count past 32 bits
        "1,\"H\"\r\n0,\"Unterminated\r\n",
    };
    for (const std::string& file : bad) {
        EXPECT_FALSE(load(file)) << file;
        expectfailure();
    }
}

TEST_F(Awards, TheLoaderShowsTheFailureWithTheReasonForARefusedFile) {
    EXPECT_FALSE(loadawards(*s, dialogs));
    folder.write("awards.dat", smallawards() + "0,\"QCWA #\"\r\n");
    EXPECT_FALSE(loadawards(*s, dialogs));
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].text, "No Awards file, awards.dat");
    EXPECT_EQ(dialogs.shown[1].text, "No Awards file, awards.dat\r\nThe number award \"QCWA #\" "
                                     "stands after a list award; number awards come first.");
    EXPECT_EQ(dialogs.shown[1].title, "Tessalog ");
    folder.write("awards.dat", smallawards());
    EXPECT_TRUE(loadawards(*s, dialogs));
    EXPECT_EQ(s->awardcount, 3);
}

TEST_F(Awards, ANumberAwardAfterAListAwardIsRefusedByName) {
    // Its QSOs' slots would read as entries of the wrong kind of award.
    EXPECT_FALSE(load(smallawards() + "0,\"QCWA #\"\r\n"));
    expectfailure("The number award \"QCWA #\" stands after a list award; number awards come "
                  "first.");
    ASSERT_TRUE(load("1,\"H\"\r\n0,\"QCWA #\"\r\n1,\"L\"\r\n\"e\"\r\n1,\"M\"\r\n\"f\"\r\n"));
    EXPECT_EQ(s->numberedawards, 1);
}
