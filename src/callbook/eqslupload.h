#pragma once
// The eQSL upload: every QSO saved while the upload is on goes to the eQSL service as a
// one-record ADIF text in the query of one GET. A reply that confirms it marks the QSO as
// sent by eQSL; the server's error or warning text is shown; a failed transfer says so.
// The QSO is stored before the upload, so a failed upload never loses it.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace tsl {

struct AppState;
class Dialogs;
class InternetAccess;

// Path and query of the upload of QSO qso, escaped, to follow the service's base URL.
std::string eqslrequest(const AppState& state, int32_t qso);

// The most of a server's text that is shown.
inline constexpr std::size_t maxshowntext = 200;

struct EqslAnswer {
    bool added = false;                 // "Result: 1 out of 1"
    std::optional<std::string> message; // else the server's error or warning text
};
// The reply in the program's code page. The text shown is the last "Error:" line (else the
// last "Warning:" line) less its last five characters, cut to its first maxshowntext
// characters, control characters as blanks.
EqslAnswer readeqslreply(const std::string& reply);

// Uploads QSO qso; on success sets eqslstatus and marks the QSO's qsls and qslvia.
void sendeqsl(AppState& state, Dialogs& dialogs, InternetAccess& internet, int32_t qso);

} // namespace tsl
