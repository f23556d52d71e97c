#pragma once
// Writing the log as an ADIF file for other programs and award services, and the list of
// QSOs that count for the IOTA awards.

#include <cstdint>
#include <string>

namespace tsl {

struct AppState;
class Dialogs;
class StatusLine;

struct exporttext {
    std::string bytes;
    int32_t count = 0;
};

// The ADIF file: a header line, then one line per live QSO (only those dated from start to
// end, both "yyyymmdd" and included, when inrange).
exporttext adiftext(const AppState& state, bool inrange, const std::string& start,
                    const std::string& end);

// One line per live QSO with an IOTA slot: reference, call, island.
exporttext iotatext(const AppState& state);

// Write `chosenfile` through a temporary file; a failure says why and leaves no file.
bool exportadif(AppState& state, StatusLine& status, Dialogs& dialogs, bool inrange,
                const std::string& start, const std::string& end);
bool exportiota(AppState& state, StatusLine& status, Dialogs& dialogs);

} // namespace tsl
