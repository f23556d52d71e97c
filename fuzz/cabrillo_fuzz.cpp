// libFuzzer harness of the Cabrillo reader: any bytes, read as each contest kind. Beyond "no
// crash" it checks that every QSO read is one the log file can hold: a real date and time,
// table indexes in range, texts without quotes or line ends, each written as one line.

#include "core/qsofile.h"
#include "core/state.h"
#include "core/tables.h"
#include "importexport/cabrillo.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

void check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "check failed: %s\n", what);
    std::abort();
}

bool safe(std::string_view text) {
    for (char c : text)
        if (c == '"' || static_cast<unsigned char>(c) < 32) return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static tsl::AppState* s = [] {
        auto* state = new tsl::AppState;
        tsl::setstartvalues(*state, "./", 1000);
        tsl::loadtables(*state);
        return state;
    }();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    constexpr std::int32_t room = 50;
    for (int kind = -1; kind <= 7; ++kind) {
        const tsl::cabrilloread r = tsl::readcabrillo(*s, bytes, kind, room);
        check(r.records.size() <= static_cast<std::size_t>(room), "no more QSOs than room");
        if (kind < 0 || kind > 6) check(r.records.empty() && r.skipped.empty(), "no such kind");
        std::int32_t line = 0;
        for (const tsl::cabrilloskip& k : r.skipped) {
            check(k.line > line && !k.reason.empty(), "skipped lines in order, with reasons");
            line = k.line;
        }
        for (const tsl::qsorecord& q : r.records) {
            check(q.date.view().find_first_not_of("0123456789") == std::string_view::npos,
                  "the date is yyyymmdd");
            check(q.time[2] == ':', "the time is HH:MM");
            check(q.band >= 0 && q.band <= s->bandcount && q.band != 4, "a band of the table");
            check(q.mode >= 0 && q.mode <= s->modecount, "a mode of the table");
            check(safe(q.call.view()) && safe(q.comments.view()) && safe(q.rsts.view()) &&
                      safe(q.rstr.view()) && safe(q.grid.view()),
                  "texts the log file keeps");
            const std::string written = tsl::qsodataline(*s, q);
            check(written.find('\n') == written.size() - 1, "one line in the log file");
        }
    }
    return 0;
}
