#pragma once
// A small state for report tests: the fixed tables, a small "awards.dat" and a "dxcc.dat"
// of the test's own, an own call, and QSOs added one by one; plus golden texts.

#include "core/awards.h"
#include "core/dxcc.h"
#include "core/state.h"
#include "core/tables.h"
#include "platform/fileio.h"
#include "support/datafiles.h"
#include "support/scripteddialogs.h"
#include "support/tempfolder.h"

#include <memory>
#include <string>
#include <vector>

namespace tsl::test {

struct ReportLog {
    TempFolder folder;
    ScriptedDialogs dialogs;
    std::unique_ptr<AppState> s = std::make_unique<AppState>();

    explicit ReportLog(const std::string& dxcc = smalldxcc()) {
        folder.write("dxcc.dat", dxcc);
        folder.write("awards.dat", smallawards());
        setstartvalues(*s, folder.path(), 1000);
        loadtables(*s);
        loadawards(*s, dialogs);
        loaddxcc(*s, dialogs);
        s->mycall = "W9XYZ";
    }

    // A 100 W QSO to the call on the band, in the mode, with the QSL mark.
    qsorecord& add(const std::string& call, int band = 8, int mode = 1, int qslr = 0) {
        qsorecord& q = s->qsos[static_cast<std::size_t>(++s->qsocount)];
        q = qsorecord{};
        q.call = call;
        q.band = static_cast<int16_t>(band);
        q.mode = static_cast<int16_t>(mode);
        q.qslr = static_cast<int16_t>(qslr);
        q.power = 100;
        return q;
    }

    // The lines of a hand-written file of tests/testdata, each ended by LF.
    static std::vector<std::string> golden(const std::string& name) {
        const std::string text =
            readwholefile(std::string(TESSALOG_TESTDATA_DIR) + "/" + name).value_or("");
        std::vector<std::string> lines;
        std::size_t start = 0;
        while (start < text.size()) {
            const std::size_t end = text.find('\n', start);
            lines.push_back(text.substr(start, end - start));
            start = end + 1;
        }
        return lines;
    }
};

} // namespace tsl::test
