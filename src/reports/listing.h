#pragma once
// The listing of every QSO with all of its fields: one line, then a comment line and an
// award line where the QSO has them.

#include "report.h"

namespace tsl {

struct AppState;

Report allqsolisting(const AppState& state);

} // namespace tsl
