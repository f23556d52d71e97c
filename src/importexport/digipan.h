#pragma once
// Importing the log of the DigiPan PSK program: one QSO per line, fields separated by ";".

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

struct digipanread : importread {
    int32_t withoutfields = 0; // non-empty lines without any ";"
};

// The QSOs of a DigiPan log's bytes: each line holding at least 17 ";" is one.
digipanread readdigipan(const AppState& state, std::string_view bytes);

// Appends the QSOs of the file `chosenfile` to the log; a file that cannot be read changes
// nothing and says why.
importoutcome importdigipan(AppState& state, StatusLine& status, Dialogs& dialogs);

} // namespace tsl
