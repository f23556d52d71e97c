// "awards.dat": what is read goes into the tables, is written as the award form writes it
// (every award chosen) and reads back the same.

#include "check.h"
#include "core/awards.h"
#include "core/awardsfile.h"
#include "core/state.h"

using namespace tsl;
using namespace tsl::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto first = readawardsbytes(bytesof(data, size));
    if (refused(first)) return 0;
    static AppState* s = new AppState;
    applyawards(*s, *first);
    check(s->awardcount == static_cast<int>(first->awards.size()), "every award is in the table");
    check(s->numberedawards + s->listawards == s->awardcount, "awards are of two kinds");

    const std::vector<bool> all(first->awards.size(), true);
    const auto again = readawardsbytes(awardsfilebytes(*s, all));
    check(static_cast<bool>(again), "the written file reads");
    check(again->headnumber == first->headnumber, "header number");
    check(again->headtext == aswritten(first->headtext), "header text");
    check(again->awards.size() == first->awards.size(), "award count");
    for (std::size_t k = 0; k < first->awards.size(); ++k) {
        check(again->awards[k].name == aswritten(first->awards[k].name), "award name");
        check(again->awards[k].first == first->awards[k].first, "first entry");
        check(again->awards[k].last == first->awards[k].last, "last entry");
    }
    check(again->entries.size() == first->entries.size(), "entry count");
    for (std::size_t e = 1; e < first->entries.size(); ++e)
        check(again->entries[e] == aswritten(first->entries[e]), "entry");
    return 0;
}
