#pragma once
// The US Worked All Counties report: every county of the 50 US county awards with its
// status, the QSO that gave it, grouped by state, and the three totals.

#include "report.h"

namespace tsl {

struct AppState;

// limit: 0 Ten-Ten, 1 Century Club Net, 2 Geratol, 3 OMISS QSOs only, 4 all QSOs.
// reporttype: 0 every county, 1 the needed ones, 2 the worked and confirmed ones.
// qrp counts only QSOs of the QRP rule.
Report countiesreport(const AppState& state, int limit, int reporttype, bool qrp);

} // namespace tsl
