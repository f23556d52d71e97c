#pragma once
// Importing a contest log in Cabrillo form: one QSO per "QSO:" line, and in the Worked All
// Europe log also one per "QTC:" line. Seven contest kinds differ in what follows the time:
// 0 Sweepstakes, 1 ARRL VHF and UHF, 2 other ARRL and CQ contests, 3 DARC Worked All Europe,
// 4 NAQP and NA Sprint, 5 RSGB IOTA, 6 BARTG RTTY.

#include "core/qsorecord.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tsl {

struct AppState;
class Dialogs;
class StatusLine;

// The award slot a contest section stands for; award 0 when it stands for none.
struct sectionmatch {
    int16_t award = 0;
    int32_t entry = 0;
};

// A US state or a Canadian province by its code (each only while its award is tracked), or
// an ARRL section that lies inside one state (given as "Worked All States" even when that
// award is not tracked, which the caller then ignores).
sectionmatch sectiontoaward(const AppState& state, const std::string& section);

struct cabrilloskip {
    int32_t line = 0; // 1 for the file's first line
    std::string reason;
};

struct cabrilloread {
    std::vector<qsorecord> records;    // every QSO read, in file order
    std::vector<int32_t> lines;        // the line of each, 1 for the file's first
    std::vector<cabrilloskip> skipped; // QSO (and QTC) lines that hold no readable QSO
};

// The QSOs of a Cabrillo file's bytes, read as the contest kind lays them out; a kind
// outside 0..6 reads nothing. A "QSO:" line is read by the kind's columns when they hold
// its fields (a blank before the call column, and a call or nothing in it); any other is
// split at blanks. Header lines, "X-QSO:" lines and blank lines are passed over.
cabrilloread readcabrillo(const AppState& state, std::string_view bytes, int contestkind);

struct cabrilloresult {
    bool ok = false;
    int32_t imported = 0;
    int32_t leftout = 0;
    int32_t skipped = 0;
};

// Appends the QSOs of the file `chosenfile` to the log and says in the status line how
// many; a file that cannot be read changes nothing and says why.
cabrilloresult importcabrillo(AppState& state, StatusLine& status, Dialogs& dialogs,
                              int contestkind);

} // namespace tsl
