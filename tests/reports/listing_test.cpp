#include "auditfixture.h"
#include "reports/listing.h"

using namespace tsl;
using namespace tsl::test;

namespace {

struct QsoListing : AwardLog {
    QsoListing() {
        add("W1AW");
        qsorecord& k1abc = add("K1ABC");
        k1abc.power = 2.5f;
        k1abc.qslvia = "W1AW";
        k1abc.qsls = 1;
        k1abc.qslr = 1;
        k1abc.grid = "FN42ab";
        k1abc.wab = "SU12";
        k1abc.prop = 6;
        k1abc.gender = 1;
        k1abc.qth = 7;
        k1abc.comments = "   ";
        slot(k1abc, 0, 1, 77); // Ten-Ten # 77
        qsorecord& ve3ab = add("VE3AB");
        ve3ab.dxcc = 3;
        ve3ab.qth = 2;
        ve3ab.comments = "  nice QSO  ";
        slot(ve3ab, 1, 5, 1); // EU-015 Crete
        slot(ve3ab, 3, 7, 5); // Greek Islands has two entries
        qsorecord& w2bad = add("W2BAD");
        w2bad.band = 99;
        w2bad.mode = 30;
        w2bad.continent = 12;
        w2bad.prop = 20;
        w2bad.dxcc = 700;
        w2bad.power = 0;
        w2bad.qth = 3;
        slot(w2bad, 2, 600, 3);
        add("K7DL").deleted = "D";
    }
};

} // namespace

TEST_F(QsoListing, MatchesTheHandWrittenReport) {
    const Report r = allqsolisting(*s);
    EXPECT_EQ(r.lines, golden("listing/listing.golden"));
    // Set to 7 for the printer, the list's font left alone, added below an open report.
    expectwindowuse(r, 7, true, false, false);
}

TEST_F(QsoListing, TheDateTakesTheChosenOrderAlwaysWithSlashes) {
    s->dateformatflag = 1;
    EXPECT_EQ(allqsolisting(*s).lines[2].substr(0, 11), "25/08/2024 ");
    s->qsos[1].date = "";
    EXPECT_EQ(allqsolisting(*s).lines[2].substr(0, 11), "  /  /     ");
}

TEST_F(QsoListing, AnEmptyLogGivesTheTitleOnly) {
    s->qsocount = 0;
    EXPECT_EQ(allqsolisting(*s).lines,
              (std::vector<std::string>{"All QSOs Showing All Information W9XYZ ", " "}));
}
