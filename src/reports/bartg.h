#pragma once
// The British Amateur Radio Teledata Group awards: the DXCC entities worked on RTTY and
// PSK, for the Quarter Century, PSK31, one-band and continent awards.

#include "report.h"

#include <array>
#include <cstdint>

namespace tsl {

struct AppState;

// The bands the picker offers, in order; the continent awards over all bands list these.
inline constexpr std::array<int16_t, 9> bartgbands = {2, 3, 6, 7, 8, 9, 10, 11, 12};
inline constexpr int bartgawards = 8;

// award 0..7 (any other value gives the title only); band: the chosen band of awards 2..7
// (80 m also takes "75 Extra"); continent: the continent of awards 2..5; allbands: a
// continent award over every band of bartgbands, each band listed apart. Deleted QSOs,
// and QSOs whose entity or band lies outside its table, count for nothing.
Report bartgreport(const AppState& state, int award, int band, int continent, bool allbands);

} // namespace tsl
