#include "reports/auditfixture.h"
#include "reports/continentszones.h"

#include <gtest/gtest.h>

#include <set>

using namespace tsl;
using namespace tsl::test;

namespace {

const std::string N = "          -N"; // a needed cell

struct ContinentsZones : AwardLog {
    qsorecord& on(const std::string& call, int band, int qslr) {
        qsorecord& q = add(call);
        q.band = static_cast<int16_t>(band);
        q.qslr = static_cast<int16_t>(qslr);
        return q;
    }
    qsorecord& oncontinent(const std::string& call, int continent, int band, int qslr = 0) {
        qsorecord& q = on(call, band, qslr);
        q.continent = static_cast<int16_t>(continent);
        return q;
    }
    qsorecord& inzone(const std::string& call, const std::string& cqz, int band, int qslr = 0) {
        qsorecord& q = on(call, band, qslr);
        q.cqz = cqz;
        return q;
    }
};

std::string cells(int count) {
    std::string line;
    for (int k = 0; k < count; ++k)
        line += " " + N;
    return line;
}

} // namespace

TEST_F(ContinentsZones, ContinentsMatchTheHandWrittenReport) {
    oncontinent("EA8AA", 1, 8, 1);
    oncontinent("EA8BB", 1, 8, 0); // worked after confirmed: the cell keeps EA8AA
    oncontinent("DL1AA", 4, 6, 0);
    oncontinent("DL2BB", 4, 6, 1);
    oncontinent("DL3CC", 4, 6, 1); // a later QSL replaces the call
    oncontinent("K1ABC", 5, 4, 0); // "75 Extra" in the 80 m column
    oncontinent("VK2AA", 6, 5, 1); // 60, 30 and 6 m have no column
    oncontinent("VK3BB", 6, 7, 1);
    oncontinent("ZL1AA", 6, 13, 1);
    oncontinent("PY1AA", 7, 0, 1);  // no band: no cell
    oncontinent("JA1AA", 3, 27, 1); // past the last band: no cell
    oncontinent("XX9XX", 0, 8, 1);
    oncontinent("YY9YY", 8, 8, 1);
    oncontinent("CE1AB", 7, 12, 1).deleted = "D";
    oncontinent("LONGCALL123", 7, 12, 0);
    const Report r = wacreport(*s, 0, false);
    EXPECT_EQ(r.lines, golden("continentszones/wac.golden"));
    expectwindowuse(r, 8, true, true, true);
    EXPECT_EQ(wacreport(*s, 0, true).lines[0], "Worked All Continents - Mixed - QRP W9XYZ ");
}

TEST_F(ContinentsZones, TheTenTenLayoutTakesTenTenQsosOnTenMetres) {
    oncontinent("W1AW", 5, 12, 1).awards[1] = s->tentenaward;
    oncontinent("DL1AA", 4, 12, 1);                            // no Ten-Ten slot
    oncontinent("JA1AA", 3, 10, 1).awards[0] = s->tentenaward; // 15 m
    oncontinent("XX1XX", 0, 12, 1);
    oncontinent("YY1YY", 0, 10, 1).awards[0] = s->tentenaward;
    const auto expected = golden("continentszones/wactenten.golden");
    EXPECT_EQ(wacreport(*s, 1, false).lines, expected);

    // Any other value enters nothing and drops the Ten-Ten line; the count stays.
    const auto other = wacreport(*s, 2, false).lines;
    ASSERT_EQ(other.size(), expected.size() - 1);
    EXPECT_EQ(other[7], "NA " + N);
    EXPECT_EQ(other.back(), "2 QSOs with no continent");
    s->tentenaward = 0;
    EXPECT_EQ(wacreport(*s, 1, false).lines[8], "NA " + N);
}

TEST_F(ContinentsZones, EmptyLogsGiveEveryCellNeeded) {
    const auto wac = wacreport(*s, 0, false).lines;
    ASSERT_EQ(wac.size(), 3u + 7u + 1u + 4u + 1u);
    EXPECT_EQ(wac[3], "AF" + cells(8));
    EXPECT_EQ(wac[9], "SA" + cells(8));
    EXPECT_EQ(wac[10], "Totals        0            0            0            0            0   "
                       "         0            0            0");
    EXPECT_EQ(wac.back(), "0 QSOs with no continent");

    const auto cq = cqzonereport(*s, false).lines;
    ASSERT_EQ(cq.size(), 3u + 40u + 1u + 4u + 1u);
    EXPECT_EQ(cq[3], "1 " + cells(8));
    EXPECT_EQ(cq[42], "40" + cells(8));
    EXPECT_EQ(cq.back(), "0 QSOs with no CQ Zone");

    const auto itu = ituzonereport(*s, false).lines;
    ASSERT_EQ(itu.size(), 3u + 75u + 1u + 4u + 1u);
    EXPECT_EQ(itu[0], "Worked All ITU Zones - Mixed - W9XYZ ");
    EXPECT_EQ(itu[2],
              "   160 Mtrs     80 Mtrs      40 Mtrs      20 Mtrs      15 Mtrs      10 Mtrs ");
    EXPECT_EQ(itu[77], "75" + cells(6));
    EXPECT_EQ(itu[77].size(), 80u);
    EXPECT_EQ(itu[78], "Totals        0            0            0            0            0   "
                       "         0");
    EXPECT_EQ(itu.back(), "0 QSOs with no ITU Zone");
}

TEST_F(ContinentsZones, CqZonesMatchTheHandWrittenReport) {
    inzone("W9AA", "??", 8, 1); // several zones: counted in the last line only
    inzone("K5AA", " 5", 8, 0);
    inzone("K5BB", "05", 8, 1);
    inzone("K5CC", "5 ", 8, 0);
    inzone("W1AA", "  ", 8, 1);
    inzone("W2AA", "-1", 8, 1);
    inzone("K4AA", "4A", 6, 1);
    inzone("VK0AA", "40", 4, 0);
    inzone("VK0BB", "41", 8, 1);
    inzone("DL1AA", "14", 9, 1);
    inzone("DL2AA", "14", 11, 1);
    inzone("W3AA", "3 ", 0, 1); // no band: neither entered nor counted
    inzone("W0AA", "10", 8, 1).deleted = "D";
    EXPECT_EQ(cqzonereport(*s, false).lines, golden("continentszones/cqzones.golden"));
    EXPECT_EQ(cqzonereport(*s, true).lines[0], "Worked All CQ Zones - Mixed - QRP W9XYZ ");
}

TEST_F(ContinentsZones, ItuZonesShowSixBandsAndEndAtSeventyFive) {
    on("A1", 8, 1).ituz = "75";
    on("A2", 8, 1).ituz = "76";
    on("A3", 9, 1).ituz = "5"; // 17 and 12 m have no column here
    on("A4", 11, 1).ituz = "5";
    on("A5", 10, 1).ituz = "5";
    const auto itu = ituzonereport(*s, false).lines;
    EXPECT_EQ(itu[7], "5 " + cells(4) + " A5        -C " + N);
    EXPECT_EQ(itu[77], "75" + cells(3) + " A1        -C" + cells(2));
    EXPECT_EQ(itu[78], "Totals        0            0            0            1            1   "
                       "         0");
    EXPECT_EQ(itu.back(), "1 QSOs with no ITU Zone");
}

TEST_F(ContinentsZones, TwoDigitTotalsEndUnderTheirColumns) {
    for (int z = 1; z <= 12; ++z)
        inzone("K" + std::to_string(z), std::to_string(z), 8, 1);
    const auto cq = cqzonereport(*s, false).lines;
    EXPECT_EQ(cq[43], "Totals        0            0            0           12            0   "
                      "         0            0            0");
    EXPECT_EQ(cq[43].find("12") + 1, cq[3].find("K1        -C") + 11);
}

// The LoTW report of a station in zone 4, every QSO confirmed, imported on the default data.
using ZonesOfARealLog = SampleLog;

TEST_F(ZonesOfARealLog, EveryZoneAndBandOfTheFileIsConfirmed) {
    importsample("lotwreport.adi");
    ASSERT_EQ(s->qsocount, 438);
    const auto cq = cqzonereport(*s, false).lines;
    // The (zone, band) pairs of the file's CQZ and BAND / FREQ tags, counted by hand; the
    // 30 m QSOs of zones 4 and 5 have no column.
    const std::set<std::pair<int, std::string>> expected = {
        {1, "20"},  {3, "15"},  {3, "20"},  {3, "40"},  {4, "15"},  {4, "20"},
        {4, "40"},  {5, "17"},  {5, "20"},  {5, "40"},  {6, "40"},  {7, "20"},
        {8, "17"},  {8, "20"},  {8, "40"},  {9, "40"},  {12, "20"}, {14, "17"},
        {14, "20"}, {15, "20"}, {20, "20"}, {30, "40"}, {31, "10"}, {32, "40"}};
    const std::vector<std::string> columns = {"160", "80", "40", "20", "17", "15", "12", "10"};
    std::set<std::pair<int, std::string>> marked;
    for (int z = 1; z <= 40; ++z) {
        const std::string& line = cq[static_cast<std::size_t>(2 + z)];
        for (std::size_t k = 0; k < columns.size(); ++k) {
            const char mark = line[3 + 13 * k + 11];
            EXPECT_NE(mark, 'W') << z;
            if (mark == 'C') marked.insert({z, columns[k]});
        }
    }
    EXPECT_EQ(marked, expected);
    EXPECT_EQ(cq[43], "Totals        0            0            8           10            3   "
                      "         2            0            1");
    // NC4XL has no CQZ tag; its DXCC tag gives the United States, whose several zones make
    // "??", as the call look-up does: no zone.
    EXPECT_EQ(cq.back(), "1 QSOs with no CQ Zone");
    // Nine QSOs (NC4XL among them) have no ITUZ tag: the lookup of their calls gives the
    // United States or Canada, "??".
    EXPECT_EQ(ituzonereport(*s, false).lines.back(), "9 QSOs with no ITU Zone");
}
