#pragma once
// Importing the log of Brisca, a dBase III file whose records hold the QSO at fixed places.

#include "core/qsorecord.h"
#include "dbase.h"

#include <cstdint>
#include <string_view>

namespace tsl {

struct AppState;
class Dialogs;
class StatusLine;

using briscaread = dbaseread;

// The QSOs of the file's bytes, the records where the header puts them. Refused when the
// header is cut short or its lengths cannot be true.
Parsed<briscaread> readbrisca(const AppState& state, std::string_view bytes);

// Appends the QSOs of the file `chosenfile` to the log and writes "briscaimport.log"; a
// file that cannot be read changes nothing and says why.
importoutcome importbrisca(AppState& state, StatusLine& status, Dialogs& dialogs);

} // namespace tsl
