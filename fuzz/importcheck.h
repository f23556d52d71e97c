#pragma once
// What the import harnesses share: the state holds the fixed tables; a QSO must be one the
// log file can hold. A failed check aborts (check.h).

#include "check.h"
#include "core/qsofile.h"
#include "core/state.h"
#include "core/tables.h"

#include <string>
#include <string_view>

namespace tsl::fuzz {

inline AppState& tablestate() {
    static AppState* s = [] {
        auto* state = new AppState;
        setstartvalues(*state, "./", 1000);
        loadtables(*state);
        return state;
    }();
    return *s;
}

// Table indexes in range, texts without quotes or control characters, one line when written.
inline void checkloggable(const AppState& s, const qsorecord& q) {
    auto safe = [](std::string_view text) {
        for (char c : text)
            if (c == '"' || static_cast<unsigned char>(c) < 32) return false;
        return true;
    };
    check(q.band >= 0 && q.band <= s.bandcount, "a band of the table");
    check(q.mode >= 0 && q.mode <= s.modecount, "a mode of the table");
    check(safe(q.call.view()) && safe(q.comments.view()) && safe(q.rsts.view()) &&
              safe(q.rstr.view()) && safe(q.grid.view()) && safe(q.qslvia.view()) &&
              safe(q.wab.view()) && safe(q.ituz.view()) && safe(q.cqz.view()),
          "texts the log file keeps");
    const std::string written = qsodataline(s, q);
    check(written.find('\n') == written.size() - 1, "one line in the log file");
}

} // namespace tsl::fuzz
