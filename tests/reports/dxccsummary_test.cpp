#include "reports/auditfixture.h"
#include "reports/dxccsummary.h"
#include "reports/reportfilter.h"

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

// Three entities (1 Abu Ail, 2 United States of America, 3 Canada) and a handful of QSOs.
struct DxccSummary : AwardLog {
    DxccSummary() {
        add("W1AW", 2, 8, 1, 1, 5);     // 20 m CW, confirmed, 5 W
        add("K1AB", 2, 4, 2, 0, 100);   // 75 Extra SSB: counted on 80 m
        add("VE3AB", 3, 8, 5, 0, 100);  // 20 m RTTY
        add("XX1XX", 0, 12, 0, 0, 100); // no entity, mode "None"
        add("W2GONE", 2, 2, 1, 1, 5).deleted = "D";
    }

    qsorecord& add(const std::string& call, int dxcc, int band, int mode, int qslr, float power) {
        qsorecord& q = AwardLog::add(call);
        q.dxcc = static_cast<int16_t>(dxcc);
        q.band = static_cast<int16_t>(band);
        q.mode = static_cast<int16_t>(mode);
        q.qslr = static_cast<int16_t>(qslr);
        q.power = power;
        return q;
    }
};

} // namespace

TEST_F(DxccSummary, MatchesTheHandWrittenReport) {
    const Report r = dxccsummary(*s, 0, false);
    EXPECT_EQ(r.lines, golden("dxccsummary.golden"));
    // It follows what the window shows and leaves the list's font alone.
    EXPECT_FALSE(r.clearsfirst);
    EXPECT_FALSE(r.setslistfont);
    EXPECT_EQ(r.fontsize, 12);
}

TEST_F(DxccSummary, QrpCountsOnlyQrpQsos) {
    const Report r = dxccsummary(*s, 0, true);
    ASSERT_GE(r.lines.size(), 7u);
    EXPECT_EQ(r.lines[0], "DXCC Summary Report QRP W9XYZ ");
    EXPECT_EQ(r.lines[2], "CW              1         1");
    EXPECT_EQ(r.lines[3], "SSB             0         0");
    EXPECT_EQ(r.lines[6], "Total           1         1");
}

TEST_F(DxccSummary, TenTenCountsOnlyQsosWithATenTenSlot) {
    s->qsos[3].awards[2] = s->tentenaward; // VE3AB on 20 m: any band counts
    const Report r = dxccsummary(*s, 1, false);
    EXPECT_EQ(r.lines[1], "Ten - Ten QSOs");
    EXPECT_EQ(r.lines[7], "Total           1         0");
    EXPECT_EQ(dxccsummary(*s, 2, false).lines[6], "Total           0         0");
}

TEST_F(DxccSummary, SharedFilterAndFilterLine) {
    EXPECT_TRUE(passesfilter(*s, 2, 3, 0, 0, false)); // 75 Extra passes the 80 m filter
    EXPECT_FALSE(passesfilter(*s, 1, 3, 0, 0, false));
    EXPECT_FALSE(passesfilter(*s, 5, 0, 0, 0, false)); // deleted
    EXPECT_TRUE(passesfilter(*s, 1, 0, 1, 0, true));
    EXPECT_FALSE(passesfilter(*s, 3, 0, 0, 0, true));
    EXPECT_EQ(modeclassof(*s, s->qsos[4]), otherclass);
    EXPECT_EQ(filterline(*s, 0, 0, 0, false), "Band=All Mode=ALL Propagation=All");
    EXPECT_EQ(filterline(*s, 2, 1, 6, true),
              "Band=160 Mtrs Mode=CW Propagation=Meteor Scatter QRP");
}
