#pragma once
// The DXCC summary: countries worked and confirmed by mode class, QSOs by band, and
// countries by band.

#include "report.h"

#include <cstdint>

namespace tsl {

struct AppState;

// tentenonly 1 counts only QSOs with a Ten-Ten slot, 0 all of them (any other value none);
// qrp counts only QSOs of the QRP rule.
Report dxccsummary(const AppState& state, int16_t tentenonly, bool qrp);

} // namespace tsl
