#pragma once
// A fresh state on the hand-made data files of one report topic (tests/testdata/<topic>),
// a builder of QSOs, and the hand-written golden texts of the reports.

#include "core/awards.h"
#include "core/dxcc.h"
#include "core/state.h"
#include "core/tables.h"
#include "platform/fileio.h"
#include "support/scripteddialogs.h"
#include "support/tempfolder.h"

#include <memory>
#include <string>
#include <vector>

namespace tsl::test {

// The lines of a golden file of tests/testdata, each ended by a line feed.
inline std::vector<std::string> goldenlines(const std::string& name) {
    const std::string text =
        readwholefile(std::string(TESSALOG_TESTDATA_DIR) + "/" + name).value_or("");
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; start < text.size(); start = end + 1) {
        end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

struct ReportLog {
    TempFolder folder;
    ScriptedDialogs dialogs;
    std::unique_ptr<AppState> s = std::make_unique<AppState>();

    // Loads the topic's awards.dat and, where it has one, its dxcc.dat.
    explicit ReportLog(const std::string& topic) {
        const std::string from = std::string(TESSALOG_TESTDATA_DIR) + "/" + topic;
        folder.copyfrom(from, "awards.dat");
        folder.copyfrom(from, "dxcc.dat");
        setstartvalues(*s, folder.path(), 1000);
        loadtables(*s);
        loadawards(*s, dialogs);
        loaddxcc(*s, dialogs);
        s->mycall = "W9XYZ";
    }

    // A QSO on 20 m CW at 100 W, dated 2024-01-dd at the time given.
    qsorecord& add(const std::string& call, int qslr = 0, int day = 1,
                   const std::string& time = "10:00") {
        qsorecord& q = s->qsos[static_cast<std::size_t>(++s->qsocount)];
        q = qsorecord{};
        q.call = call;
        q.date = "202401" + std::string(day < 10 ? "0" : "") + std::to_string(day);
        q.time = time;
        q.band = 8;
        q.mode = 1;
        q.prop = 1;
        q.power = 100;
        q.qslr = static_cast<int16_t>(qslr);
        return q;
    }

    // Puts the award and its value into the QSO's slot.
    static void slot(qsorecord& q, int k, int award, int32_t value) {
        q.awards[static_cast<std::size_t>(k)] = static_cast<int16_t>(award);
        q.entries[static_cast<std::size_t>(k)] = value;
    }
};

} // namespace tsl::test
