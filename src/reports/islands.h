#pragma once
// The island reports: the summary of every tracked island award (islands, worked,
// confirmed), and Worked All States US Islands (one island per state).

#include "report.h"

namespace tsl {

struct AppState;

// Both count only QSOs of the QRP rule when qrp is set.
Report islandsummary(const AppState& state, bool qrp);
Report wasislands(const AppState& state, bool qrp);

} // namespace tsl
