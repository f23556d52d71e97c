#pragma once
// The Worked All Prefixes report: every distinct call prefix of the log with one call
// worked under it, five to a line in prefix order, and the number of prefixes.

#include "report.h"

#include <cstdint>

namespace tsl {

struct AppState;

// tentenonly 1 lists only QSOs with a Ten-Ten slot, 0 all of them (any other value none);
// qrp lists only QSOs of the QRP rule. The log is not changed.
Report prefixreport(const AppState& state, int16_t tentenonly, bool qrp);

} // namespace tsl
