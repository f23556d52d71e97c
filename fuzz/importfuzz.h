#pragma once
// What the import harnesses share: a state with the fixed tables, a few entities and the
// default awards, and the checks every imported QSO must pass.

#include "core/qsofile.h"
#include "core/qsorecord.h"
#include "core/state.h"
#include "core/tables.h"
#include "importcheck.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace tsl::fuzz {

inline AppState& fuzzstate() {
    static AppState* s = [] {
        auto* state = new AppState();
        setstartvalues(*state, "./", 1000);
        loadtables(*state);
        state->dxcccount = 2;
        state->dxcctable[1].country = "Germany";
        state->dxcctable[1].cqzones = "14";
        state->dxcctable[2].country = "Canada";
        state->dxcctable[2].cqzones = "1,2,3";
        state->dxcctable[2].status = "D";
        state->wasaward = 1;
        state->ccnaward = 2;
        return state;
    }();
    return *s;
}

inline void require(bool condition) {
    if (!condition) std::abort();
}

// A QSO the log may hold: one line of "qsodata.dat", no stray quote or line end in it,
// and no slot beyond the five the log keeps.
inline void checkrecords(const std::vector<qsorecord>& records) {
    for (const qsorecord& q : records) {
        const std::string line = qsodataline(fuzzstate(), q);
        require(line.size() >= 2 && line.find('\n') == line.size() - 1);
        require(q.awards[5] == 0);
    }
}

// What the import frame stores of a read, with room for 50 QSOs, checked as checkstored
// does; those QSOs also as checkrecords does.
inline std::vector<qsorecord> checkread50(const importread& read) {
    std::vector<qsorecord> kept = checkstored(fuzzstate(), read, 50);
    checkrecords(kept);
    return kept;
}

} // namespace tsl::fuzz
