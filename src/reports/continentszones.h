#pragma once
// Worked All Continents and Worked All CQ / ITU Zones: for every continent or zone and each
// shown band whether it is needed, worked or confirmed there, with the call that earned it.

#include "report.h"

#include <cstdint>

namespace tsl {

struct AppState;

// tentenonly 0 takes every QSO (the eight-band layout); 1 only Ten-Ten QSOs on 10 m (the
// 10 m layout with its "10-10 QSOs" line); any other value no QSO (the 10 m layout).
// qrp takes only QSOs of the QRP rule.
Report wacreport(const AppState& state, int16_t tentenonly, bool qrp);

Report cqzonereport(const AppState& state, bool qrp);
Report ituzonereport(const AppState& state, bool qrp);

} // namespace tsl
