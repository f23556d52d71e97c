#pragma once
// What the import harnesses share: the state holds the fixed tables; a QSO must be one the
// log file can hold. A failed check aborts (check.h).

#include "check.h"
#include "core/qsofile.h"
#include "core/state.h"
#include "core/tables.h"
#include "importexport/importframe.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

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

// What the import frame stores of a read, with room for that many QSOs: every QSO it keeps
// passes the frame's check, and also these rules written apart from it (a date of eight
// digits, a time "HH:MM" or without digits, a call of one word); every one it refuses is
// named; the counts add up. Returns the QSOs kept.
inline std::vector<qsorecord> checkstored(const AppState& s, const importread& read,
                                          std::int32_t room) {
    const checkedread checked = checkread(read, room);
    check(checked.kept.size() <= static_cast<std::size_t>(room), "no more QSOs than room");
    check(std::is_sorted(checked.kept.begin(), checked.kept.end()), "QSOs kept in file order");
    const std::size_t refused = checked.skipped.size() - read.skipped.size();
    check(checked.kept.size() + static_cast<std::size_t>(checked.leftout) + refused ==
              read.records.size(),
          "each QSO read is kept, left out or refused");
    check(checked.leftout == 0 || checked.kept.size() == static_cast<std::size_t>(room),
          "QSOs are left out only when the room is full");
    for (const std::string& skip : checked.skipped)
        check(skip.find(": ") != std::string::npos, "a skipped record says why");
    std::vector<qsorecord> kept;
    for (const std::size_t k : checked.kept) {
        check(k < read.records.size(), "a QSO of the read");
        const qsorecord& q = read.records[k];
        check(importcheck(q).empty(), "a QSO kept passes the check");
        const std::string_view date = q.date.view(), time = q.time.view();
        check(std::all_of(date.begin(), date.end(), [](char c) { return c >= '0' && c <= '9'; }),
              "the date is yyyymmdd");
        const bool notime =
            std::none_of(time.begin(), time.end(), [](char c) { return c >= '0' && c <= '9'; });
        check(notime || (time[2] == ':' &&
                         time.find_first_not_of("0123456789:") == std::string_view::npos),
              "the time is HH:MM or none");
        std::string_view call = q.call.view();
        call.remove_prefix(std::min(call.find_first_not_of(' '), call.size()));
        call = call.substr(0, call.find_last_not_of(' ') + 1);
        check(
            !call.empty() &&
                std::none_of(call.begin(), call.end(),
                             [](char c) { return c == ' ' || static_cast<unsigned char>(c) < 32; }),
            "the call is one word");
        checkloggable(s, q);
        kept.push_back(q);
    }
    return kept;
}

// The same for a reader's own records and skips.
inline std::vector<qsorecord> checkstored(const AppState& s, std::vector<qsorecord> records,
                                          std::size_t skips, std::int32_t room) {
    importread read;
    read.records = std::move(records);
    read.skipped.assign(skips, "record: why");
    return checkstored(s, read, room);
}

} // namespace tsl::fuzz
