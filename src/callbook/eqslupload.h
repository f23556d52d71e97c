#pragma once
// The eQSL upload: every QSO saved while the upload is on goes to the eQSL service as a
// one-record ADIF text in the query of one GET. A reply that confirms it marks the QSO as
// sent by eQSL; the server's error or warning text is shown; a failed transfer says so.
// The QSO is stored before the upload, so a failed upload never loses it.

#include <cstdint>
#include <optional>
#include <string>

namespace tsl {

struct AppState;
class Dialogs;
class InternetAccess;

// Path and query of the upload of QSO qso, escaped, to follow the service's base URL.
std::string eqslrequest(const AppState& state, int32_t qso);

struct EqslAnswer {
    bool added = false;                 // "Result: 1 out of 1"
    std::optional<std::string> message; // else the server's error or warning text
};
EqslAnswer readeqslreply(const std::string& reply);

// Uploads QSO qso; on success sets eqslstatus and marks the QSO's qsls and qslvia.
void sendeqsl(AppState& state, Dialogs& dialogs, InternetAccess& internet, int32_t qso);

} // namespace tsl
