#pragma once
// Importing a Valtro log: records of 128 bytes without line ends, the first one a header.

#include "core/qsorecord.h"
#include "importframe.h"

#include <cstdint>
#include <string_view>

namespace tsl {

struct AppState;
class Dialogs;
class StatusLine;

struct valtroread : importread {
    std::size_t trailing = 0; // bytes after the last whole record (or of the header record)
    bool noheader = false;    // the file is shorter than its header record
};

// The QSOs of the file's bytes; a lone end-of-file byte 1A after the last record is passed
// over. Two-digit years up to the current year's last two digits
// are 20yy, later ones 19yy.
valtroread readvaltro(const AppState& state, std::string_view bytes, int currentyear);

// Appends the QSOs of the file `chosenfile` to the log; a file that cannot be read changes
// nothing and says why.
importoutcome importvaltro(AppState& state, StatusLine& status, Dialogs& dialogs);

} // namespace tsl
