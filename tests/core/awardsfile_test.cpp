#include "core/awardsfile.h"
#include "core/state.h"
#include "support/datafiles.h"
#include "support/logfixture.h"

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

// The small awards file: Ten-Ten # (1), ARLHS # (2), Worked All States (3, three entries).
struct AwardsChoice : ::testing::Test, LoadedLog {
    AwardsChoice() {
        folder.write("awards.dat", smallawards());
        loadawards(*s, dialogs);
    }
    qsorecord slotted(int16_t award0, int16_t award1) const {
        qsorecord q = qso("W1AW");
        q.awards[0] = award0;
        q.awards[1] = award1;
        return q;
    }
};

} // namespace

TEST_F(AwardsChoice, TheNewFileHoldsTheHeaderAndTheChosenAwardsInOrder) {
    EXPECT_EQ(awardsfilebytes(*s, {false, true, true}),
              "1,\"Tessalog awards\"\r\n"
              "0,\"ARLHS #\"\r\n"
              "3,\"Worked All States\"\r\n\"AL Alabama\"\r\n\"AK Alaska\"\r\n\"AZ Arizona\"\r\n");
    EXPECT_EQ(awardsfilebytes(*s, {true, true, true}), smallawards());
    EXPECT_EQ(awardsfilebytes(*s, {false, false, false}), "1,\"Tessalog awards\"\r\n");
}

TEST_F(AwardsChoice, ANewFileMustReadBackAsTheChoice) {
    const std::vector<bool> chosen = {true, false, true};
    const std::string bytes = awardsfilebytes(*s, chosen);
    EXPECT_TRUE(readsbackaschosen(*s, chosen, bytes));
    EXPECT_FALSE(readsbackaschosen(*s, {true, true, true}, bytes));
    EXPECT_FALSE(readsbackaschosen(*s, chosen, bytes.substr(0, bytes.size() - 14)));
    std::string renamed = bytes;
    renamed.replace(renamed.find("AK"), 2, "AX");
    EXPECT_FALSE(readsbackaschosen(*s, chosen, renamed));
    // A name the writer cannot quote as it stands would come back changed.
    s->awardtable[1].name = "Ten \"Ten\" #";
    EXPECT_FALSE(readsbackaschosen(*s, chosen, awardsfilebytes(*s, chosen)));
}

TEST_F(AwardsChoice, LostSlotsCountOnlyLiveQsosOfDroppedAwards) {
    append(slotted(1, 3));
    append(slotted(3, 0));
    qsorecord gone = slotted(1, 1);
    gone.deleted = "D";
    append(gone);
    qsorecord past = slotted(0, 0);
    past.awards[5] = 1; // beyond the slots in use
    append(past);
    EXPECT_EQ(lostslots(*s, {true, true, true}), 0);
    EXPECT_EQ(lostslots(*s, {false, true, true}), 1);
    EXPECT_EQ(lostslots(*s, {true, true, false}), 2);
    EXPECT_EQ(lostslots(*s, {false, false, false}), 3);
}

TEST_F(AwardsChoice, TheCountyAwardsGoAndComeAsOneGroup) {
    s->awardcount = 70;
    s->uscountiesaward = 14;
    std::vector<bool> chosen(70, true);
    setchoice(chosen, *s, 40, false);
    EXPECT_EQ(chosencount(chosen), 20);
    EXPECT_TRUE(chosen[12]);
    EXPECT_FALSE(chosen[13]);
    EXPECT_FALSE(chosen[62]);
    EXPECT_TRUE(chosen[63]);
    setchoice(chosen, *s, 13, true);
    EXPECT_EQ(chosencount(chosen), 70);
    setchoice(chosen, *s, 5, false); // not a county: alone
    EXPECT_EQ(chosencount(chosen), 69);

    // A table that ends inside the group: the group stops at its last award.
    s->awardcount = 30;
    EXPECT_EQ(countygroup(14, 30).last, 29);
    std::vector<bool> short_(30, true);
    setchoice(short_, *s, 29, false);
    EXPECT_EQ(chosencount(short_), 13);
    EXPECT_FALSE(countygroup(0, 30).contains(0));
}

TEST_F(AwardsChoice, TheEditedQsoKeepsItsPlaceAmongTheLiveQsos) {
    for (const char* d : {" ", "D", " ", "D", " "}) {
        qsorecord q = qso("W1AW");
        q.deleted = d;
        append(q);
    }
    EXPECT_EQ(indexafterrewrite(*s, 3), 2);
    EXPECT_EQ(indexafterrewrite(*s, 5), 3);
    EXPECT_EQ(indexafterrewrite(*s, 4), 0);
    EXPECT_EQ(indexafterrewrite(*s, 6), 0);
    EXPECT_EQ(indexafterrewrite(*s, 0), 0);

    s->pageoffset = 10;
    s->pagelast = 15;
    s->gridrowsused = 6; // rows 1 to 5: QSOs 11 to 15
    EXPECT_EQ(gridrowof(*s, 15), 5);
    EXPECT_EQ(gridrowof(*s, 16), 0);
    EXPECT_EQ(gridrowof(*s, 10), 0);
    s->gridrowsused = 7; // QSO 16 saved since into row 6
    EXPECT_EQ(gridrowof(*s, 16), 6);
}
