#pragma once
// The OMISS net reports: lists and Worked-All-States tables of the QSOs that carry an OMISS
// member number, the Spelling Bee, Calls Worked by Band and the Postal award.

#include "reports/report.h"

namespace tsl {

struct AppState;

// Kind is the picker's report index 0..14 (8 is not offered and, like any index outside,
// gives no lines). Band is a band index, 0 when the picker chose all bands; allbands turns
// the band filter off and adds the Band column.
Report buildomissreport(const AppState& state, int band, int kind, bool allbands);

} // namespace tsl
