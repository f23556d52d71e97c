// libFuzzer harness of the user-defined CSV reader. The first bytes choose the layout (item
// count, what each item holds, the date, time and band formats), the rest is the file. Beyond
// "no crash" it checks the counts and that every record read is one the log file can hold.

#include "core/qsofile.h"
#include "core/state.h"
#include "core/tables.h"
#include "importexport/csvimport.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

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
    if (size < 24) return 0;
    tsl::csvlayout layout;
    layout.fieldcount = 1 + data[0] % 30;
    for (std::size_t k = 0; k < layout.fields.size(); ++k)
        layout.fields[k] = data[1 + k] % 21;
    layout.dateformat = data[22] % 8;
    layout.hhmm = (data[23] & 1) != 0;
    layout.metres = (data[23] & 2) != 0;
    layout.currentyear = 2024;
    const std::string bytes(reinterpret_cast<const char*>(data) + 24, size - 24);
    constexpr std::int32_t room = 50;
    const tsl::csvread r = tsl::readcsv(*s, bytes, layout, room);
    check(r.records.size() <= static_cast<std::size_t>(room), "no more records than room");
    check(r.leftout == 0 || r.records.size() == static_cast<std::size_t>(room),
          "records are left out only when the room is full");
    check(r.brokenrecord == 0 || (r.brokenitem >= 1 && r.brokenitem <= layout.fieldcount),
          "a broken record names an item of it");
    for (const tsl::csvskip& k : r.skipped)
        check(k.item >= 0 && k.item <= layout.fieldcount, "a skipped record names its item");
    for (const tsl::qsorecord& q : r.records) {
        check(q.awards[5] == 0, "no award past the slots the log keeps");
        check(q.band >= 0 && q.band <= s->bandcount, "a band of the table");
        check(q.mode >= 0 && q.mode <= s->modecount, "a mode of the table");
        check(safe(q.call.view()) && safe(q.comments.view()) && safe(q.qslvia.view()) &&
                  safe(q.wab.view()) && safe(q.grid.view()),
              "texts the log file keeps");
        const std::string written = tsl::qsodataline(*s, q);
        check(written.find('\n') == written.size() - 1, "one line in the log file");
    }
    return 0;
}
