#pragma once
// A program folder with the net tests' own dxcc.dat and awards.dat loaded into a fresh
// state, and a builder of the QSOs the net reports read.

#include "core/awards.h"
#include "core/dxcc.h"
#include "core/state.h"
#include "core/tables.h"
#include "platform/fileio.h"
#include "support/scripteddialogs.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace tsl::test {

// Awards of the net test data: 1 "Geratol #", 2 "QCWA #", 3 "OMISS #", 4 "HHH Net #",
// 5 "Worked All States", 6 "US State Capitals", 7 "Canadian Provinces", 8 "IOTA Africa"
// (two entries), 9 "IOTA Europe" (one entry). Entities: 1 Abu Ail Is., 2 United States of
// America, 3 Canada, 4 Japan, 5 England, 6 Federal Republic of Germany.
struct NetLog {
    TempFolder folder;
    ScriptedDialogs dialogs;
    std::unique_ptr<AppState> s = std::make_unique<AppState>();

    NetLog() {
        for (const char* name : {"dxcc.dat", "awards.dat"})
            folder.copyfrom(std::string(TESSALOG_TESTDATA_DIR) + "/nets", name);
        setstartvalues(*s, folder.path(), 1000);
        loadtables(*s);
        loadawards(*s, dialogs);
        loaddxcc(*s, dialogs);
        EXPECT_TRUE(dialogs.shown.empty()) << "the net test data did not load";
        s->mycall = "W9XYZ";
    }

    // QSO n of the log falls on 2024-01-n at 10:n (n up to 28 in the hand-made logs): on
    // 75 m Extra in SSB with 100 W to a United States station unless changed.
    qsorecord& add(const std::string& call, int band = 4, int mode = 2) {
        const int n = ++s->qsocount;
        qsorecord& q = s->qsos[static_cast<std::size_t>(n)];
        q = qsorecord{};
        const std::string day = std::to_string(100 + (n - 1) % 28 + 1).substr(1);
        q.date = "202401" + day;
        q.time = "10:" + day;
        q.call = call;
        q.band = static_cast<int16_t>(band);
        q.mode = static_cast<int16_t>(mode);
        q.power = 100;
        q.dxcc = s->usacountryindex;
        q.continent = 5;
        return q;
    }

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

    // The lines of a hand-written golden file of tests/testdata/nets.
    static std::vector<std::string> golden(const std::string& name) {
        std::istringstream in(
            readwholefile(std::string(TESSALOG_TESTDATA_DIR) + "/nets/" + name).value_or(""));
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }
};

} // namespace tsl::test
