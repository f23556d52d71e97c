#pragma once
// Logs for the audit, listing, county and island reports. AwardLog: three entities (1 Abu
// Ail, 2 United States of America, 3 Canada) and the awards of testdata/counties/awards.dat
// (1 Ten-Ten #, 2 Century Club Net #, 3 Geratol #, 4 OMISS #, 5 IOTA Europe, 6 IOTA North
// America, 7 Greek Islands, 8 US Islands Awards Program, 9 to 11 the counties of Alabama,
// Alaska and Arizona, where the file ends). SampleLog: the default data and a sample file.

#include "importexport/adifimport.h"
#include "platform/fileio.h"
#include "reports/report.h"
#include "support/datafiles.h"
#include "support/logfixture.h"
#include "support/pickerlogs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tsl::test {

// How the report window takes the report: its size, whether it sets the size for the
// printer, the list's font, and whether it clears the list first.
inline void expectwindowuse(const Report& r, int size, bool setssize, bool setsfont, bool clears) {
    if (setssize) {
        EXPECT_EQ(r.fontsize, size);
    }
    EXPECT_EQ(r.setsreportsize, setssize);
    EXPECT_EQ(r.setslistfont, setsfont);
    EXPECT_EQ(r.clearsfirst, clears);
}

struct AwardLog : ::testing::Test, LoadedLog {
    AwardLog() {
        folder.write("dxcc.dat", smalldxcc());
        folder.write("awards.dat", *readwholefile(testdata("counties/awards.dat")));
        loadawards(*s, dialogs);
        loaddxcc(*s, dialogs);
        s->mycall = "W9XYZ";
    }

    static std::string testdata(const std::string& name) {
        return std::string(TESSALOG_TESTDATA_DIR) + "/" + name;
    }

    // A QSO with every field valid: 20 m CW, 100 W, 14:30 UTC, to the United States in North
    // America, zones CQ 5 and ITU 8.
    qsorecord& add(const std::string& call, const std::string& date = "20240825") {
        qsorecord q = qso(call, date);
        q.cqz = "5";
        q.ituz = "8";
        q.continent = 5;
        q.dxcc = 2;
        append(q);
        return s->qsos[static_cast<std::size_t>(s->qsocount)];
    }

    static void slot(qsorecord& q, int k, int award, int32_t entry) {
        q.awards[static_cast<std::size_t>(k)] = static_cast<int16_t>(award);
        q.entries[static_cast<std::size_t>(k)] = entry;
    }

    static std::vector<std::string> golden(const std::string& name) { return goldenlines(name); }
};

struct SampleLog : ::testing::Test, LoadedLog {
    void importsample(const std::string& name) {
        s->chosenfile = std::string(TESSALOG_TESTDATA_DIR) + "/adif/" + name;
        ASSERT_TRUE(importadif(*s, status, dialogs).ok);
        s->mycall = "W9XYZ";
    }
};

} // namespace tsl::test
