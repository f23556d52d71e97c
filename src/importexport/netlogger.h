#pragma once
// Importing the ADIF export of the NetLogger net-control program, in two passes: the QSOs'
// values become the lines of "netlogger.tmp", whose 22 items per line are then read by
// their positions. Net names give the net award slots.

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

struct netloggerconversion {
    std::string text;  // the working file: one line of comma-separated values per QSO
    std::string error; // why the file cannot be converted; empty when it was
};

// The first pass. Reading starts after "<EOH>" when the file has one, else after its first
// ">"; the first tag after that is passed over. A value is the text between two tags less
// commas, quotes, line ends and NULs; a tag named EOR (any case) ends the QSO's line.
netloggerconversion convertnetlogger(std::string_view bytes);

using netloggerread = importread;

// The second pass: one QSO per line of exactly 22 items, each read without the blanks at its
// ends. A line that is blank, or holds only the end-of-file byte 1A, is no QSO.
netloggerread readnetlogger(const AppState& state, std::string_view text);

// Converts the file `chosenfile`, writes "netlogger.tmp", appends its QSOs to the log and
// writes "lognetlogger.log". A file that cannot be converted changes nothing and says why.
importoutcome importnetlogger(AppState& state, StatusLine& status, Dialogs& dialogs);

} // namespace tsl
