#pragma once
// The HHH Net reports: lists, prefixes, Worked-All-States tables and continents of the QSOs
// that carry the "HHH Net #" award.

#include "reports/report.h"

namespace tsl {

struct AppState;

// Kind is the picker's report index 0..10; any other gives no lines.
Report buildhhhreport(const AppState& state, int kind);

} // namespace tsl
