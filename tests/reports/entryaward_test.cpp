#include "reports/entryaward.h"
#include "support/reportlog.h"

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

// Awards: 1 "Ten-Ten #", 2 "Ten-Ten VP #" (number awards), 3 "Worked All States" (AL AK
// AZ AR CA), 4 "Islands" (two entries).
constexpr int tenten = 1, vp = 2, was = 3, islands = 4;

struct EntryAward : ::testing::Test, ReportLog {
    EntryAward() : ReportLog("entryaward") {}

    // The status column of each entry line (the lines after the title, filter and blank).
    static std::vector<std::string> statuses(const Report& r, std::size_t entries) {
        std::vector<std::string> out;
        for (std::size_t k = 3; k < 3 + entries && k < r.lines.size(); ++k)
            out.push_back(r.lines[k].substr(27, 9));
        return out;
    }

    void tentenlog() {
        const char* calls[] = {"W1AW/M", "W1AW/MM", "W1AW/P", "W1AW"};
        for (int k = 0; k < 4; ++k) {
            qsorecord& q = add(calls[k], 0, k + 1);
            slot(q, 0, tenten, 1001 + k);
            slot(q, 1, was, k);
        }
        s->qsos[4].qth = 1; // made while mobile
        qsorecord& vpqso = add("W2VP", 1, 5);
        slot(vpqso, 2, vp, 55);
        slot(vpqso, 4, was, 4);
        slot(add("W3NOT/M", 0, 6), 0, was, 4); // a mobile, but no Ten-Ten member
    }
};

} // namespace

TEST_F(EntryAward, MatchesTheHandWrittenReport) {
    slot(add("W1AA", 0, 1, "10:00"), 0, was, 0);
    slot(add("W1BB", 0, 2, "11:00"), 0, was, 0); // the later unconfirmed QSO is shown
    slot(add("K2CC", 1, 3, "12:00"), 0, was, 1);
    slot(add("K2DD", 0, 4, "13:00"), 0, was, 1); // leaves the confirmation alone
    qsorecord& twice = add("N3EEEEEEEEEE", 0, 5, "14:00");
    slot(twice, 0, was, 2);
    slot(twice, 3, was, 3);
    qsorecord& gone = add("W9DEL", 1, 6);
    slot(gone, 0, was, 3);
    gone.deleted = "D";
    qsorecord& outside = add("W9BAD", 1, 7);
    slot(outside, 0, was, 5);
    slot(outside, 1, was, -1);
    slot(add("VE1ISL", 1, 8, "15:00"), 4, islands, 0);

    const auto r = entryawardreport(*s, was, 0, 0, 0, 0, false);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->lines, golden("entryaward/was.golden"));
    // It follows the report already shown and leaves the font and its size alone.
    expectwindowuse(*r, 0, false, false, false);
    EXPECT_EQ(entryawardreport(*s, islands, 0, 0, 0, 0, false)->lines,
              golden("entryaward/islands.golden"));
}

TEST_F(EntryAward, FiltersTakeSeventyFiveExtraOnEightyMetres) {
    qsorecord& q = add("K1AA", 1);
    q.band = 4;
    q.mode = 2;
    q.power = 10;
    slot(q, 0, was, 4);
    const auto r = entryawardreport(*s, was, 0, 3, 2, 0, true);
    EXPECT_EQ(r->lines[1], "Band=80 Mtrs Mode=SSB Propagation=All QRP");
    EXPECT_EQ(r->lines[7].substr(27, 9), "Confirmed");
    EXPECT_EQ(entryawardreport(*s, was, 0, 3, 1, 0, false)->lines[7].substr(27, 9), "Need     ");
}

TEST_F(EntryAward, AnAwardWithoutEntriesGivesItsTotalsOfNothing) {
    s->awardtable[islands].last = static_cast<int16_t>(s->awardtable[islands].first - 1);
    EXPECT_EQ(entryawardreport(*s, islands, 0, 0, 0, 0, false)->lines,
              (std::vector<std::string>{"Islands   W9XYZ ", "Band=All Mode=ALL Propagation=All",
                                        " ", "  ", "Need      0", "Worked    0 but no QSL card",
                                        "Confirmed 0"}));
}

TEST_F(EntryAward, AnIndexThatNamesNoEntryAwardMakesNoReport) {
    EXPECT_FALSE(entryawardreport(*s, 0, 0, 0, 0, 0, false));
    EXPECT_FALSE(entryawardreport(*s, tenten, 0, 0, 0, 0, false));
    EXPECT_FALSE(entryawardreport(*s, islands + 1, 0, 0, 0, 0, false));
    EXPECT_FALSE(tentennumbersreport(*s, -3));
}

TEST_F(EntryAward, TenTenMobilesCountOnlyMembersWorkedAsMobiles) {
    tentenlog();
    const auto r = tentenmobilesreport(*s, was);
    EXPECT_EQ(r->lines, golden("entryaward/mobiles.golden"));
}

TEST_F(EntryAward, EveryTenTenVariantCountsItsOwnQsos) {
    tentenlog();
    const std::string need = "Need     ", worked = "Worked   ", confirmed = "Confirmed";
    auto numbers = *tentennumbersreport(*s, was);
    EXPECT_EQ(numbers.lines[1], "10-10 Numbers");
    EXPECT_EQ(statuses(numbers, 5), (std::vector{worked, worked, worked, worked, need}));
    auto vpnumbers = *tentenvpnumbersreport(*s, was);
    EXPECT_EQ(vpnumbers.lines[1], "10-10 VP Numbers");
    EXPECT_EQ(statuses(vpnumbers, 5), (std::vector{need, need, need, need, confirmed}));
    auto mobile = *tentenwhilemobilereport(*s, was);
    EXPECT_EQ(mobile.lines[1], "10-10 While Mobile QSOs");
    EXPECT_EQ(statuses(mobile, 5), (std::vector{need, need, need, worked, need}));
    EXPECT_EQ(mobile.lines[6], "AR Arkansas                Worked     W1AW       01/04/2024 10:00");

    // Another variant number counts nothing and writes neither subtitle nor filter line.
    auto other = *entryawardreport(*s, was, 5, 0, 0, 0, false);
    EXPECT_EQ(other.lines[1], " ");
    EXPECT_EQ(other.lines[8], "Need      5");

    s->tentenaward = 0; // not tracked: no QSO holds it
    EXPECT_EQ(statuses(*tentennumbersreport(*s, was), 5),
              (std::vector{need, need, need, need, need}));
}
