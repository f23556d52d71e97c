#pragma once
// The ARLHS lighthouse reports: the QSOs with a lighthouse of the "ARLHS" entry award,
// listed by lighthouse, or the first QSO (the first confirmed one, when there is one) of
// each state, call area, continent or DXCC country.

#include "core/fixedtext.h"
#include "report.h"

#include <cstdint>
#include <vector>

namespace tsl {

struct AppState;

// The reports by number: 0 all lighthouses, 1 states, 2 US call areas, 3 continents, 4..10
// the lighthouses of continent 1..7, 11 DXCC countries, 12 the lighthouses of one country.
inline constexpr int arlhsreports = 13;

enum class arlhsstatus { need, worked, confirmed };
// "Need     ", "Worked   " or "Confirmed".
const char* arlhsstatustext(arlhsstatus status);

struct arlhsrow {
    FixedText<12> rowcall;
    FixedText<7> rowkey; // the lighthouse: the first 7 characters of its entry name
    arlhsstatus rowstatus = arlhsstatus::need;
    FixedText<10> rowdate;
    FixedText<5> rowtime;
    int32_t rowentry = 0; // the lighthouse's position in the award's entry list
};

void swapreportentries(std::vector<arlhsrow>& arlhstable, int32_t a, int32_t b);
// Sorts rows lo..hi of arlhstable by their lighthouse key.
void sortreporttable(std::vector<arlhsrow>& arlhstable, int32_t lo, int32_t hi);

// Report 0..12; country is the DXCC index of report 12. A report outside 0..12 has no
// lines.
Report arlhsreport(const AppState& state, int16_t report, int16_t country);

} // namespace tsl
