#pragma once
// Importing a Log-EQF (Win-EQF) log: records of 292 bytes without a header, the country by
// name, award slots from the state, IOTA and Ten-Ten fields and, on "75 Extra", from the net
// number and keywords of the remarks.

#include "core/qsorecord.h"
#include "importframe.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tsl {

struct AppState;
class Dialogs;
class StatusLine;

struct logeqfread : importread {
    std::vector<std::string> netnumbers; // the net number of each QSO read, 12 bytes as read
    std::size_t trailing = 0;            // bytes after the last record, too few for one
};

// The QSOs of the file's bytes. A last piece that reaches the net number is a record whose
// missing bytes are blank; a shorter one is left out.
logeqfread readlogeqf(const AppState& state, std::string_view bytes);

// Appends the QSOs of the file `chosenfile` to the log and writes "logeqfimport.log"; a file
// that cannot be read changes nothing and says why.
importoutcome importlogeqf(AppState& state, StatusLine& status, Dialogs& dialogs);

} // namespace tsl
