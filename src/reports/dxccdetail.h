#pragma once
// The DXCC detail report (every country by band and mode class, sorted by prefix) and the
// list of every country with its prefixes.

#include "report.h"

namespace tsl {

struct AppState;

// qrp marks only QSOs of the QRP rule.
Report dxccdetail(const AppState& state, bool qrp);

Report dxccprefixlist(const AppState& state);

} // namespace tsl
