#pragma once
// The Geratol Net reports: every call worked in SSB on the 75 m Extra segment, and the
// award with its 35 endorsements.

#include "reports/report.h"

namespace tsl {

struct AppState;

// The calls of the 75 m Extra SSB QSOs, sorted, eight to a line, and their number.
Report allgeratolqsos(const AppState& state);

// The report of endorsement 0 (the award) to 35; any other number gives no lines.
Report geratolendorsement(const AppState& state, int endorsement);

} // namespace tsl
