#pragma once
// Paging of the main window's QSO grid: which run of the log a grid page shows. A page
// holds at most pagerows - 1 QSOs (grid rows 1 on); grid row r shows QSO r + pageoffset.
// Each framing returns the grid row to scroll to the top.

#include <cstdint>

namespace tsl {

struct AppState;

// The end-of-log page: the newest QSOs, leaving rows free below them for new ones.
int32_t frameendoflog(AppState& s);
// The first full page.
int32_t framepagetop(AppState& s);
// The page step QSOs earlier / later. Reaching the end of the log going forward gives the
// end-of-log page.
int32_t framepageup(AppState& s, int32_t step);
int32_t framepagedown(AppState& s, int32_t step);
// The last full page, ending with the newest QSO.
int32_t framepagebottom(AppState& s);

} // namespace tsl
