#pragma once
// The Worked All Britain squares report: the squares of the QSOs' WAB texts, all of them or
// those of one country part.

#include "core/fixedtext.h"
#include "report.h"

#include <cstdint>
#include <vector>

namespace tsl {

struct AppState;

// The reports by their list position: 0 all squares, then the squares whose text ends in
// "E" English, "I" Irish, "S" Scottish, "W" Welsh, "M" Isle of Man, "C" Channel Islands.
inline constexpr int wabreports = 7;

// One selected QSO of the report.
struct wabrow {
    FixedText<12> call;
    FixedText<10> date;
    FixedText<5> time;
    FixedText<10> wab;
};

void wabswap(std::vector<wabrow>& wablist, int32_t a, int32_t b);
// Sorts rows lo..hi of wablist by their WAB text.
void wabsort(std::vector<wabrow>& wablist, int32_t lo, int32_t hi);

// One line per square of the QSOs that have a WAB text, belong to the report's part and pass
// the filters (0: all; band 3 takes in "75 Extra"; power 1: QRP only). A report outside
// 0..6 has no lines.
Report wabreport(const AppState& state, int16_t report, int16_t band, int16_t mode, int16_t prop,
                 int16_t power);

} // namespace tsl
