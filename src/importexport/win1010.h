#pragma once
// Importing the CSV export (option 5) of the WIN 1010 logging program: 16 items per QSO,
// whatever lines they stand on.

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

using win1010read = importread;

// The QSOs of the file's bytes. Two-digit years up to the current year's last two digits
// are 20yy, later ones 19yy.
win1010read readwin1010(const AppState& state, std::string_view bytes, int currentyear);

// Appends the QSOs of the file `chosenfile` to the log; a file that cannot be read changes
// nothing and says why.
importoutcome importwin1010(AppState& state, StatusLine& status, Dialogs& dialogs);

} // namespace tsl
