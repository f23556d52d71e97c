#pragma once
// Importing the DXtreme station logs "dxsl_1.dat" to "dxsl_9.dat" of the program folder:
// one value per line, 30 or 31 lines per QSO.

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

using dxtremeread = importread;

// The QSOs of one station log's bytes.
dxtremeread readdxtreme(const AppState& state, std::string_view bytes, int currentyear);

// Appends the QSOs of the nine station logs that are in the program folder to the log; a
// missing one is named in the result text, none at all is told in a message.
importoutcome importdxtreme(AppState& state, StatusLine& status, Dialogs& dialogs);

} // namespace tsl
