#include "auditfixture.h"
#include "reports/counties.h"

using namespace tsl;
using namespace tsl::test;

namespace {

// Awards 9 to 11: Alabama (Autauga, Baldwin, Barbour), Alaska (Aleutians East, Anchorage),
// Arizona (Apache, Cochise); 1 is Ten-Ten #, 4 OMISS #.
struct Counties : AwardLog {
    qsorecord& county(const std::string& call, const std::string& date, int award, int entry,
                      int qslr) {
        qsorecord& q = add(call, date);
        slot(q, 0, award, entry);
        q.qslr = static_cast<int16_t>(qslr);
        return q;
    }

    Counties() {
        county("K1A", "20240101", 9, 0, 0);
        county("K1B", "20240102", 9, 0, 1); // confirmed after a worked QSO
        county("K1C", "20240103", 9, 0, 0);
        county("K2A", "20240104", 9, 1, 1); // confirmed before a worked QSO
        county("K2B", "20240105", 9, 1, 0);
        county("K3A", "20240106", 10, 0, 0);
        county("K3B", "20240107", 10, 0, 0);                // the later worked QSO is shown
        slot(county("K4A", "20240108", 10, 1, 0), 1, 4, 0); // an OMISS slot of 0
        qsorecord& two = county("K5A", "20240109", 9, 2, 1);
        slot(two, 1, 1, 123); // Ten-Ten
        slot(two, 2, 11, 1);  // the last county slot counts: Cochise, not Barbour
        two.power = 5;
        county("K6A", "20240110", 11, 0, 1).deleted = "D";
        county("K7A", "20240111", 1, 5, 1);  // Ten-Ten, no county
        county("K8A", "20240112", 11, 5, 1); // Arizona has no sixth county
        county("K9A", "20240113", 11, 0, 2);
        slot(county("N1OM", "20240114", 11, 0, 0), 1, 4, 17);
    }

    std::vector<std::string> totals(int limit, int type, bool qrp = false) const {
        const auto lines = countiesreport(*s, limit, type, qrp).lines;
        return {lines.end() - 3, lines.end()};
    }
};

std::vector<std::string> counted(int need, int worked, int confirmed) {
    return {"Need      " + std::to_string(need),
            "Worked    " + std::to_string(worked) + " but no QSL card",
            "Confirmed " + std::to_string(confirmed)};
}

} // namespace

TEST_F(Counties, MatchesTheHandWrittenReport) {
    s->reportfontsize = 7;
    const Report r = countiesreport(*s, 4, 0, false);
    EXPECT_EQ(r.lines, golden("counties/counties.golden"));
    // Below an open report, at the size of the report made before it.
    expectwindowuse(r, 0, false, false, false);
}

TEST_F(Counties, TheTypesShowTheirCountiesAndTheSameTotals) {
    const auto all = golden("counties/counties.golden");
    const auto need = countiesreport(*s, 4, 1, false).lines;
    // Alaska's line stands though every county of it is worked.
    EXPECT_EQ(need, (std::vector<std::string>{all[0], all[1], "Needed Counties Only", " ", all[4],
                                              "  Barbour Need     ", all[8], all[11], all[14],
                                              all[15], all[16], all[17]}));
    const auto worked = countiesreport(*s, 4, 2, false).lines;
    EXPECT_EQ(worked,
              (std::vector<std::string>{all[0], all[1], "Confirmed and Worked Counties Only", " ",
                                        all[4], all[5], all[6], all[8], all[9], all[10], all[11],
                                        all[12], all[13], all[14], all[15], all[16], all[17]}));
}

TEST_F(Counties, TheLimitsKeepTheirNetsQsos) {
    EXPECT_EQ(countiesreport(*s, 0, 0, false).lines[1], "Ten - Ten QSOs");
    EXPECT_EQ(totals(0, 0), counted(6, 0, 1));
    EXPECT_EQ(countiesreport(*s, 3, 0, false).lines[1], "OMISS Net QSOs");
    EXPECT_EQ(totals(3, 0), counted(6, 1, 0)); // N1OM only: K4A's OMISS slot holds 0
    EXPECT_EQ(countiesreport(*s, 3, 0, false).lines[12],
              "  Apache Worked    N1OM        01/14/2024");
    EXPECT_EQ(countiesreport(*s, 1, 0, false).lines[1], "Century Club Net QSOs");
    EXPECT_EQ(totals(1, 0), counted(7, 0, 0));
    EXPECT_EQ(countiesreport(*s, 2, 0, false).lines[1], "Geratol Net QSOs");
    const Report qrp = countiesreport(*s, 4, 0, true);
    EXPECT_EQ(qrp.lines[0], "US Worked All Counties Report QRP W9XYZ ");
    EXPECT_EQ(totals(4, 0, true), counted(6, 0, 1));
}

TEST_F(Counties, DatesFollowTheDateOrder) {
    s->dateformatflag = 1;
    EXPECT_EQ(countiesreport(*s, 4, 0, false).lines[5],
              "  Autauga Confirmed K1B         02.01.2024");
}

TEST_F(Counties, NoCountyAwardTrackedGivesNoCounties) {
    s->uscountiesaward = 0;
    const auto lines = countiesreport(*s, 4, 0, false).lines;
    EXPECT_EQ(lines,
              (std::vector<std::string>{"US Worked All Counties Report W9XYZ ", "All QSOs",
                                        "Confirmed, Worked and Need", " ", "  ", "Need      0",
                                        "Worked    0 but no QSL card", "Confirmed 0"}));
}

TEST_F(Counties, MoreThanFourThousandCountiesAreAllCounted) {
    awardrecord& arizona = s->awardtable[11];
    arizona.last = static_cast<int16_t>(arizona.first + 4199);
    county("K1BIG", "20240201", 11, 4100, 0);
    // K8A's sixth Arizona county now exists: 4,205 counties, 4 worked and 4 confirmed.
    EXPECT_EQ(totals(4, 0), counted(4197, 4, 4));
}

using RealCounties = SampleLog;

TEST_F(RealCounties, LotwCountiesAreAllConfirmed) {
    importsample("lotwreport.adi");
    // The default awards hold 3,146 counties; the file's CNTY tags name 290 of them, every
    // QSO of the file confirmed.
    const auto lines = countiesreport(*s, 4, 0, false).lines;
    EXPECT_EQ(std::vector<std::string>(lines.end() - 3, lines.end()), counted(2856, 0, 290));
    const auto worked = countiesreport(*s, 4, 2, false).lines;
    EXPECT_EQ(worked.size(), 4u + 50u + 290u + 4u);
}
