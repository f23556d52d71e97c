#pragma once
// Two lists of single QSOs, one line each in log order: the QSO audit (QSOs whose fields are
// blank or out of range, for the operator to mend) and the QSL cards sent but not received.

#include "report.h"

namespace tsl {

struct AppState;

Report qsoaudit(const AppState& state);
Report missingqsl(const AppState& state);

} // namespace tsl
