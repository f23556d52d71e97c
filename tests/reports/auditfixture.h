#pragma once
// A small log for the audit, listing, county and island reports: three entities (1 Abu Ail,
// 2 United States of America, 3 Canada) and the awards of testdata/counties/awards.dat
// (1 Ten-Ten #, 2 Century Club Net #, 3 Geratol #, 4 OMISS #, 5 IOTA Europe, 6 IOTA North
// America, 7 Greek Islands, 8 US Islands Awards Program, 9 to 11 the counties of Alabama,
// Alaska and Arizona, where the file ends).

#include "core/awards.h"
#include "core/dxcc.h"
#include "core/state.h"
#include "core/tables.h"
#include "platform/fileio.h"
#include "support/datafiles.h"
#include "support/scripteddialogs.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace tsl::test {

struct AwardLog : ::testing::Test {
    TempFolder folder;
    ScriptedDialogs dialogs;
    std::unique_ptr<AppState> s = std::make_unique<AppState>();

    AwardLog() {
        folder.write("dxcc.dat", smalldxcc());
        folder.copyfrom(std::string(TESSALOG_TESTDATA_DIR) + "/counties", "awards.dat");
        setstartvalues(*s, folder.path(), 1000);
        loadtables(*s);
        loadawards(*s, dialogs);
        loaddxcc(*s, dialogs);
        s->mycall = "W9XYZ";
    }

    // A QSO with every field valid: 25 August 2024, 20 m CW, 100 W, to the United States in
    // North America, zones CQ 5 and ITU 8.
    qsorecord& add(const std::string& call, const std::string& date = "20240825") {
        qsorecord& q = s->qsos[static_cast<std::size_t>(++s->qsocount)];
        q = qsorecord{};
        q.date = date;
        q.time = "14:30";
        q.band = 8;
        q.mode = 1;
        q.prop = 1;
        q.power = 100;
        q.rsts = "599";
        q.rstr = "579";
        q.call = call;
        q.cqz = "5";
        q.ituz = "8";
        q.continent = 5;
        q.dxcc = 2;
        return q;
    }

    static void slot(qsorecord& q, int k, int award, int32_t entry) {
        q.awards[static_cast<std::size_t>(k)] = static_cast<int16_t>(award);
        q.entries[static_cast<std::size_t>(k)] = entry;
    }

    // The lines of a hand-written file of testdata, each ended by a line feed.
    static std::vector<std::string> golden(const std::string& name) {
        std::istringstream in(
            readwholefile(std::string(TESSALOG_TESTDATA_DIR) + "/" + name).value_or(""));
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }
};

} // namespace tsl::test
