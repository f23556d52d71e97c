// libFuzzer harness of the user-defined CSV reader. The first 24 bytes choose the layout
// (item count, what each item holds, the date, time and band formats), the rest is the file.
// Beyond "no crash" it checks the counts and that every record read is one the log file can
// hold.

#include "importcheck.h"
#include "importexport/csvimport.h"

using namespace tsl;
using namespace tsl::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const AppState& s = tablestate();
    if (size < 24) return 0;
    csvlayout layout;
    layout.fieldcount = 1 + data[0] % 30;
    for (std::size_t k = 0; k < layout.fields.size(); ++k)
        layout.fields[k] = data[1 + k] % 21;
    layout.dateformat = data[22] % 8;
    layout.hhmm = (data[23] & 1) != 0;
    layout.metres = (data[23] & 2) != 0;
    layout.currentyear = 2024;
    const std::string bytes(reinterpret_cast<const char*>(data) + 24, size - 24);
    const csvread r = readcsv(s, bytes, layout);
    check(r.numbers.size() == r.records.size(), "each record has its number");
    check(r.brokenrecord == 0 || (r.brokenitem >= 1 && r.brokenitem <= layout.fieldcount),
          "a broken record names an item of it");
    for (const csvskip& k : r.skipped)
        check(k.item >= 0 && k.item <= layout.fieldcount, "a skipped record names its item");
    for (const qsorecord& q : r.records) {
        check(q.awards[5] == 0, "no award past the slots the log keeps");
        checkloggable(s, q);
    }
    checkstored(s, r.records, r.skipped.size(), 50);
    return 0;
}
