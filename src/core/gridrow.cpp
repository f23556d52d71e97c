#include "gridrow.h"

#include "numbers.h"
#include "recordtext.h"
#include "state.h"

namespace tsl {

std::array<gridcolumn, gridcolumns> gridcolumnlayout(const AppState& s) {
    const int left = s.leftalign;
    const int right = s.rightalign;
    return {{
        {"Date", 1100, -1},       {"Time", 600, -1},       {"Band", 900, 0},
        {"Mode", 700, 9},         {"Power", 650, -1},      {"Call", 1400, left},
        {"rst-s", 525, right},    {"rst-r", 525, right},   {"qsl via", 650, left},
        {"Comments", 2000, left}, {"qsl-s", 550, -1},      {"qsl-r", 550, -1},
        {"DXCC", 1000, left},     {"ITU Zone", 550, -1},   {"CQ Zone", 550, -1},
        {"Grid", 600, -1},        {"WAB", 1200, -1},       {"Continent", 500, -1},
        {"Popagation", 1000, -1}, {"Gender", 550, -1},     {"QTH", 500, -1},
        {"Award 1", 1200, left},  {"Entry 1", 1200, left}, {"Award 2", 1200, left},
        {"Entry 2", 1200, left},  {"Award 3", 1200, left}, {"Entry 3", 1200, left},
        {"Award 4", 1200, left},  {"Entry 4", 1200, left}, {"Award 5", 1200, left},
        {"Entry 5", 1200, left},
    }};
}

std::array<std::string, gridcolumns> qsorowtexts(const AppState& s, const qsorecord& q) {
    std::array<std::string, gridcolumns> cells;
    cells[0] = griddatetext(s, q.date.str());
    cells[1] = q.time.str();
    cells[2] = bandname(s, q.band).value_or("");
    cells[3] = modename(s, q.mode).value_or("");
    cells[4] = singletext(q.power);
    cells[5] = q.call.str();
    cells[6] = q.rsts.str();
    cells[7] = q.rstr.str();
    cells[8] = q.qslvia.str();
    cells[9] = q.comments.str();
    cells[10] = q.qsls != 0 ? "YES" : "NO";
    cells[11] = q.qslr != 0 ? "YES" : "NO";
    cells[12] = countryname(s, q.dxcc).value_or("");
    cells[13] = q.ituz.str();
    cells[14] = q.cqz.str();
    cells[15] = q.grid.str();
    cells[16] = q.wab.str();
    cells[17] = continentcode(s, q.continent).value_or("");
    cells[18] = propname(s, q.prop).value_or("");
    cells[19] = q.gender != 0 ? "F" : "M";
    cells[20] = q.qth >= 0 && q.qth < static_cast<int>(qthnames.size())
                    ? qthnames[static_cast<std::size_t>(q.qth)]
                    : "";
    for (int k = 0; k <= s.awardslots && k < 5; ++k) {
        const auto slot = static_cast<std::size_t>(k);
        cells[static_cast<std::size_t>(21 + 2 * k)] = awardname(s, q.awards[slot]).value_or("");
        cells[static_cast<std::size_t>(22 + 2 * k)] =
            slotvaluetext(s, q.awards[slot], q.entries[slot]).value_or("");
    }
    return cells;
}

} // namespace tsl
