#pragma once
// Importing the Century Club Net QSOs of one band and mode from "export.inf", the export of
// the QUARNLOG net logging program: ten lines per QSO. Band, mode, power and QTH are chosen
// on the import form for every QSO of the file.

#include "core/qsorecord.h"
#include "importframe.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tsl {

struct AppState;
class Dialogs;
class StatusLine;

// The band and mode pairs of the form's list, in its order.
inline constexpr std::array<const char*, 16> quarnbandmodes = {
    "160 Meters SSB", "160 Meters CW", "160 Meters RTTY", "160 Meters PSK",
    "80 Meters SSB",  "80 Meters CW",  "80 Meters RTTY",  "80 Meters PSK",
    "40 Meters SSB",  "40 Meters CW",  "40 Meters RTTY",  "40 Meters PSK",
    "20 Meters SSB",  "20 Meters CW",  "20 Meters RTTY",  "20 Meters PSK"};

struct quarnchoice {
    int bandmode = 0;       // position in quarnbandmodes
    int power = 0;          // 0 QRO (100 W), 1 QRP (5 W)
    int qth = 0;            // the QTH code of every QSO
    int currentyear = 2000; // two-digit years up to its last two digits are 20yy, later 19yy
};

struct quarnread : importread {
    int32_t awardsleftout = 0; // award values past the slots a QSO keeps
};

quarnread readquarnlog(const AppState& state, std::string_view bytes, const quarnchoice& choice);

// Appends the QSOs of the file `chosenfile` to the log; the count goes to the status line.
// A file that cannot be read changes nothing and says why.
importoutcome importquarn(AppState& state, StatusLine& status, Dialogs& dialogs,
                          const quarnchoice& choice);

} // namespace tsl
