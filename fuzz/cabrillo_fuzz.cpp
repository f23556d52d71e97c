// libFuzzer harness of the Cabrillo reader: any bytes, read as each contest kind. Beyond "no
// crash" it checks that every QSO read is one the log file can hold, with a real date and
// time, and that skipped lines are named in order.

#include "importcheck.h"
#include "importexport/cabrillo.h"

using namespace tsl;
using namespace tsl::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const AppState& s = tablestate();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (int kind = -1; kind <= 7; ++kind) {
        const cabrilloread r = readcabrillo(s, bytes, kind);
        check(r.lines.size() == r.records.size(), "each QSO has its line");
        if (kind < 0 || kind > 6) check(r.records.empty() && r.skipped.empty(), "no such kind");
        std::int32_t line = 0;
        for (const cabrilloskip& k : r.skipped) {
            check(k.line > line && !k.reason.empty(), "skipped lines in order, with reasons");
            line = k.line;
        }
        for (const qsorecord& q : r.records) {
            check(q.date.view().find_first_not_of("0123456789") == std::string_view::npos,
                  "the date is yyyymmdd");
            check(q.time[2] == ':', "the time is HH:MM");
            check(q.band != 4, "75 m counts as 80 m");
            checkloggable(s, q);
        }
        checkstored(s, r.records, r.skipped.size(), 50);
    }
    return 0;
}
