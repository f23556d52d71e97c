#include "reports/bartg.h"
#include "support/reportlog.h"

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

// Entities of testdata/bartg/dxcc.dat.
constexpr int usa = 2, canada = 3, morocco = 4, england = 5, brazil = 6, southafrica = 7;
constexpr int rtty = 5, psk = 10, cw = 1;
constexpr int africa = 1, europe = 4, northamerica = 5, southamerica = 7;

const std::string title = "British Amateur Radio Teledata Group Award Report W9XYZ ";

struct Bartg : ::testing::Test, ReportLog {
    Bartg() : ReportLog("bartg") {}

    qsorecord& data(const std::string& call, int mode, int band, int dxcc, int continent, int qslr,
                    int day, const std::string& time) {
        qsorecord& q = add(call, qslr, day, time);
        q.mode = static_cast<int16_t>(mode);
        q.band = static_cast<int16_t>(band);
        q.dxcc = static_cast<int16_t>(dxcc);
        q.continent = static_cast<int16_t>(continent);
        return q;
    }

    // Worked, confirmed and confirmed again on RTTY (one of them on 2 m), PSK on 6 m, CW,
    // a deleted QSO, two worked QSOs of one entity, entity 0 and QSOs outside the tables.
    void qcalog() {
        data("W1AW", rtty, 8, usa, northamerica, 0, 1, "10:00");
        data("K1ABC", rtty, 15, usa, northamerica, 1, 2, "11:00");
        data("W2XX", rtty, 8, usa, northamerica, 1, 3, "12:00");
        data("VE3AA", cw, 8, canada, northamerica, 1, 1, "10:00");
        data("VE3BB", psk, 13, canada, northamerica, 0, 4, "12:00");
        data("CN8AA", rtty, 6, morocco, africa, 1, 5, "13:00").deleted = "D";
        data("G3AA", rtty, 3, england, europe, 0, 6, "14:00");
        data("G4BB", rtty, 3, england, europe, 0, 7, "15:00");
        data("XX1XX", psk, 8, 0, 0, 1, 8, "16:00");
        data("YY1YY", psk, 8, 99, northamerica, 1, 8, "17:00");
        data("ZS1AA", psk, 12, southafrica, africa, 1, 8, "18:00");
        data("N1PSK", psk, 8, usa, northamerica, 0, 9, "19:00");
        data("PY1AA", psk, 40, brazil, southamerica, 1, 9, "20:00");
    }

    // QSOs on the listed bands and off them (75 m, 2 m), on 80 m and 75 m, and in Africa.
    void continentlog() {
        data("W1AW", rtty, 8, usa, northamerica, 0, 1, "10:00");
        data("W2XX", rtty, 8, usa, northamerica, 1, 2, "11:00");
        data("N1PSK", psk, 8, usa, northamerica, 0, 3, "12:00");
        data("K2RT", rtty, 2, usa, northamerica, 0, 4, "13:00");
        data("K3PS", psk, 12, usa, northamerica, 1, 5, "14:00");
        data("K4EX", rtty, 4, usa, northamerica, 1, 6, "15:00");
        data("K5VHF", psk, 15, usa, northamerica, 1, 6, "16:00");
        data("VE1RT", rtty, 6, canada, northamerica, 1, 7, "09:00");
        data("G3AA", rtty, 3, england, europe, 0, 7, "14:00");
        data("G4BB", rtty, 3, england, europe, 0, 8, "15:00");
        data("G5PSK", psk, 4, england, europe, 1, 9, "21:00");
        data("ZS1AA", psk, 12, southafrica, africa, 1, 8, "18:00");
        data("CN8AA", rtty, 12, morocco, africa, 1, 9, "10:00").deleted = "D";
    }
};

} // namespace

TEST_F(Bartg, QuarterCenturyAndPsk31MatchTheHandWrittenReports) {
    qcalog();
    const Report qca = bartgreport(*s, 0, 0, 0, false);
    EXPECT_EQ(qca.lines, golden("bartg/qca.golden"));
    expectwindowuse(qca, 12, true, false, false);
    EXPECT_EQ(bartgreport(*s, 1, 0, 0, false).lines, golden("bartg/psk31.golden"));
}

TEST_F(Bartg, ContinentAwardsMatchTheHandWrittenReports) {
    continentlog();
    EXPECT_EQ(bartgreport(*s, 4, 2, northamerica, true).lines, golden("bartg/northamerica.golden"));
    EXPECT_EQ(bartgreport(*s, 3, 3, europe, false).lines, golden("bartg/europe80.golden"));
    // PSK only: the name line, one PSK line, and the RTTY counts 0.
    EXPECT_EQ(bartgreport(*s, 2, 12, africa, false).lines, golden("bartg/africa10.golden"));
}

TEST_F(Bartg, OneBandAwardsTakeSeventyFiveMetresForEighty) {
    continentlog();
    EXPECT_EQ(bartgreport(*s, 6, 3, 0, false).lines, golden("bartg/rtty80.golden"));
    const auto pskten = bartgreport(*s, 7, 12, 0, false).lines;
    ASSERT_EQ(pskten.size(), 7u);
    EXPECT_EQ(pskten[1], "Quarter Century Award PSK31 10 Mtrs ");
    EXPECT_EQ(pskten[3], "United States of Ame K3PS         01/05/2024 14:00 Confirmed");
    EXPECT_EQ(pskten[4], "Republic of South Af ZS1AA        01/08/2024 18:00 Confirmed");
}

TEST_F(Bartg, WithoutDataModeQsosTheCountsAreZero) {
    data("VE3AA", cw, 8, canada, southamerica, 1, 1, "10:00");
    const std::string none = " DXCCs: 0 Confirmed, 0 Worked but not Confirmed";
    EXPECT_EQ(bartgreport(*s, 5, 2, southamerica, true).lines,
              (std::vector<std::string>{title, "South America Award All Bands", "", "0 DXCCs",
                                        "RTTY  0" + none, "PSK31 0" + none, ""}));
    EXPECT_EQ(bartgreport(*s, 0, 0, 0, false).lines,
              (std::vector<std::string>{title, "Quarter Century Award", "", "",
                                        "0 DXCCs, 0 Confirmed, 0 Worked but not Confirmed"}));
}

TEST_F(Bartg, AnAwardOutsideTheEightGivesTheTitleOnly) {
    qcalog();
    for (const int award : {-1, 8, 100})
        EXPECT_EQ(bartgreport(*s, award, 3, 1, true).lines, std::vector<std::string>{title});
}
