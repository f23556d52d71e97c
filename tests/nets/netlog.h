#pragma once
// The net reports' log on their own data files: awards 1 "Geratol #", 2 "QCWA #", 3 "OMISS #",
// 4 "HHH Net #", 5 "Worked All States", 6 "US State Capitals", 7 "Canadian Provinces",
// 8 "IOTA Africa" (two entries), 9 "IOTA Europe" (one entry); entities 1 Abu Ail Is.,
// 2 United States of America, 3 Canada, 4 Japan, 5 England, 6 Federal Republic of Germany.

#include "support/reportlog.h"

#include <string>

namespace tsl::test {

struct NetLog : ReportLog {
    NetLog() : ReportLog("nets") {
        EXPECT_TRUE(dialogs.shown.empty() && s->hhhaward == 4 && s->dxcccount == 6);
    }

    // QSO n of the log falls on 2024-01-n at 10:n (n up to 28 in the hand-made logs): on
    // 75 m Extra in SSB with 100 W to a United States station unless changed.
    qsorecord& add(const std::string& call, int band = 4, int mode = 2) {
        const int n = s->qsocount + 1;
        const std::string day = std::to_string(100 + (n - 1) % 28 + 1).substr(1);
        qsorecord q;
        q.date = "202401" + day;
        q.time = "10:" + day;
        q.call = call;
        q.band = static_cast<int16_t>(band);
        q.mode = static_cast<int16_t>(mode);
        q.power = 100;
        q.dxcc = s->usacountryindex;
        q.continent = 5;
        append(q);
        return s->qsos[static_cast<std::size_t>(n)];
    }

    // Calls no operator should type, for the tests that every report stays in its tables.
    static constexpr const char* badcalls[] = {
        "", "K", "1234", "W1/K2/ABC", "//", "/", "k1al", "W\xd8\xd8\xd8", "\xff\xfe\xfd\xfc", "AA"};

    // Call i (0..6759) of a run of calls of distinct prefixes: two letters, a digit, "X".
    static std::string prefixcall(int i) {
        return {static_cast<char>('A' + i % 26), static_cast<char>('A' + i / 26 % 26),
                static_cast<char>('0' + i / 676), 'X'};
    }

    // Puts the award and its value into the QSO's first free slot.
    static qsorecord& slot(qsorecord& q, int16_t award, int32_t value) {
        for (std::size_t k = 0; k < 5; ++k)
            if (q.awards[k] == 0) {
                q.awards[k] = award;
                q.entries[k] = value;
                break;
            }
        return q;
    }

    static std::vector<std::string> golden(const std::string& name) {
        return ReportLog::golden("nets/" + name);
    }
};

} // namespace tsl::test
