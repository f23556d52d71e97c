#pragma once
// A log on the hand-made data files of one report topic (tests/testdata/<topic>: its
// awards.dat and, where it has one, its dxcc.dat), with the shared golden reader.

#include "reports/auditfixture.h"

#include <string>

namespace tsl::test {

struct ReportLog : LoadedLog {
    explicit ReportLog(const std::string& topic) {
        for (const char* name : {"awards.dat", "dxcc.dat"})
            if (const auto bytes = readwholefile(AwardLog::testdata(topic + "/" + name)))
                folder.write(name, *bytes);
        loadawards(*s, dialogs);
        loaddxcc(*s, dialogs);
        s->mycall = "W9XYZ";
    }

    // A plain QSO (20 m CW, 100 W) on 2024-01-0d at the time given.
    qsorecord& add(const std::string& call, int qslr = 0, int day = 1,
                   const std::string& time = "10:00") {
        qsorecord q = qso(call, "2024010" + std::to_string(day));
        q.time = time;
        q.qslr = static_cast<int16_t>(qslr);
        append(q);
        return s->qsos[static_cast<std::size_t>(s->qsocount)];
    }

    static std::vector<std::string> golden(const std::string& name) {
        return AwardLog::golden(name);
    }
    static void slot(qsorecord& q, int k, int award, int32_t value) {
        AwardLog::slot(q, k, award, value);
    }
};

} // namespace tsl::test
