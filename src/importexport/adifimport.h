#pragma once
// Importing a log in ADIF (tagged text) written by any logging program.

#include <cstdint>
#include <string>

namespace tsl {

struct AppState;
class Dialogs;
class StatusLine;

struct importresult {
    bool ok = false;
    int32_t imported = 0;    // QSOs added to the log
    int32_t leftout = 0;     // complete QSOs the full log could not take
    bool unfinished = false; // the file ended inside a QSO, which was left out
    int32_t malformed = 0;   // tags that could not be read and were skipped
    int32_t nomode = 0;      // QSOs whose mode fits none of the mode table
};

// Appends the QSOs of the file `chosenfile` to the log and writes "adif.log". A file that
// cannot be read, or has no "<EOH>", changes nothing and says why.
importresult importadif(AppState& state, StatusLine& status, Dialogs& dialogs);

} // namespace tsl
