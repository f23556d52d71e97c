#pragma once
// A program folder with the shipped default data loaded into a fresh state, for tests of
// the log and its file.

#include "core/awards.h"
#include "core/dxcc.h"
#include "core/state.h"
#include "core/tables.h"
#include "platform/statusline.h"
#include "support/scripteddialogs.h"
#include "support/tempfolder.h"

#include <memory>
#include <string>
#include <vector>

namespace tsl::test {

class RecordedStatus : public StatusLine {
  public:
    std::vector<std::string> texts;
    void setstatus(const std::string& text) override { texts.push_back(text); }
    std::string last() const { return texts.empty() ? std::string() : texts.back(); }
};

struct LoadedLog {
    TempFolder folder;
    ScriptedDialogs dialogs;
    RecordedStatus status;
    std::unique_ptr<AppState> s = std::make_unique<AppState>();

    LoadedLog() {
        for (const char* name : {"tsl.ini", "dxcc.dat", "awards.dat"})
            folder.copyfrom(TESSALOG_DATA_DIR, name);
        setstartvalues(*s, folder.path(), 1000);
        s->apptitle = "Tessalog ";
        s->localnow = [] { return QDateTime(QDate(2024, 8, 25), QTime(14, 30)); };
        loadtables(*s);
        loadawards(*s, dialogs);
        loaddxcc(*s, dialogs);
    }

    int entity(const std::string& name) const {
        for (int i = 0; i <= s->dxcccount; ++i)
            if (s->dxcctable[static_cast<std::size_t>(i)].country == name) return i;
        return -1;
    }

    // A plain QSO: 20 m CW, 100 W, 599/579, to the given call.
    qsorecord qso(const std::string& call, const std::string& date = "20040825") const {
        qsorecord q;
        q.date = date;
        q.time = "14:30";
        q.band = 8;
        q.mode = 1;
        q.prop = 1;
        q.power = 100;
        q.rsts = "599";
        q.rstr = "579";
        q.call = call;
        return q;
    }

    void append(const qsorecord& q) { s->qsos[static_cast<std::size_t>(++s->qsocount)] = q; }
};

} // namespace tsl::test
