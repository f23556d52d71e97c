#include "reports/auditfixture.h"
#include "reports/dxccdetail.h"

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

// Two entities share the first prefix "K"; the deleted Kure Island still has its line.
std::string detaildxcc() {
    return dxccline("ZS", {"ZS"}, " ", "South Africa") +
           dxccline("K", {"K", "W", "N"}, "X", "United States of America") +
           dxccline("3B6", {"3B6", "3B7"}, " ", "Agalega") +
           dxccline("9A", {"9A"}, " ", "Croatia") +
           dxccline("KH7K", {"K", "KH7K"}, "D", "Kure Island");
}

struct DxccDetail : AwardLog {
    DxccDetail() {
        folder.write("dxcc.dat", detaildxcc());
        loaddxcc(*s, dialogs);
    }
    qsorecord& add(const std::string& call, int dxcc, int band, int mode, int qslr) {
        qsorecord& q = AwardLog::add(call);
        q.dxcc = static_cast<int16_t>(dxcc);
        q.band = static_cast<int16_t>(band);
        q.mode = static_cast<int16_t>(mode);
        q.qslr = static_cast<int16_t>(qslr);
        return q;
    }
};

} // namespace

TEST_F(DxccDetail, MatchesTheHandWrittenReport) {
    // A confirmed and an unconfirmed CW QSO on 20 m, in both orders: "C" either way.
    add("W1AW", 2, 8, 1, 0);
    add("K1ABC", 2, 8, 1, 1);
    add("ZS1AA", 1, 8, 1, 1);
    add("ZS6BB", 1, 8, 1, 0);
    add("9A1A", 4, 4, 2, 0);   // "75 Extra" SSB: the 80 m group
    add("3B6RF", 3, 12, 5, 1); // RTTY on 10 m
    add("3B6AA", 3, 13, 0, 0); // mode "None" counts as other
    add("3B6BB", 3, 15, 4, 1); // FM on 2 m
    add("KH7K", 5, 5, 1, 1);   // 60 m has no column
    add("ZS2CC", 1, 6, 1, 1).deleted = "D";
    add("ZS3DD", 1, 18, 1, 1); // 902 MHz: no place in the marks
    add("XX1XX", 0, 8, 1, 1);
    add("YY1YY", 700, 8, 1, 1);
    const Report r = dxccdetail(*s, false);
    EXPECT_EQ(r.lines, golden("dxccdetail/dxccdetail.golden"));
    EXPECT_EQ(r.lines[2].size(), 105u);
    expectwindowuse(r, 8, true, true, true);
}

TEST_F(DxccDetail, QrpMarksOnlyQrpQsos) {
    add("ZS1AA", 1, 8, 1, 1).power = 5;
    add("ZS6BB", 1, 6, 2, 1).power = 11;
    const Report r = dxccdetail(*s, true);
    EXPECT_EQ(r.lines[0], "DXCC Detail report QRP W9XYZ ");
    EXPECT_EQ(r.lines[7],
              "ZS   South Africa         ____    ____    ____    C___    ____    ____    "
              "____    ____    ____    ____");
}

TEST_F(DxccDetail, AnEmptyLogListsEveryCountryUnworked) {
    const Report r = dxccdetail(*s, false);
    ASSERT_EQ(r.lines.size(), 3u + 5u + 5u);
    for (std::size_t k = 3; k < 8; ++k)
        EXPECT_EQ(r.lines[k].substr(26), "____    ____    ____    ____    ____    ____    ____    "
                                         "____    ____    ____");
}

TEST_F(DxccDetail, ThePrefixListHoldsEveryCountryWithOneBlankPerSlot) {
    const Report r = dxccprefixlist(*s);
    const std::vector<std::string> expected = {
        "DXCC Countries and Prefixes",
        " ",
        "South Africa: ZS" + std::string(41, ' '),
        "United States of America: K W N" + std::string(39, ' '),
        "Agalega: 3B6 3B7" + std::string(40, ' '),
        "Croatia: 9A" + std::string(41, ' '),
        "Kure Island: K KH7K" + std::string(40, ' '),
        "5 Countries",
    };
    EXPECT_EQ(r.lines, expected);
    expectwindowuse(r, 8, true, false, true);
}
