#include "gridsquares.h"

#include "core/helpers.h"
#include "core/sorting.h"
#include "core/state.h"
#include "core/text.h"
#include "reportfilter.h"

namespace tsl {

int32_t pickermidpoint(int32_t lo, int32_t hi) {
    return sortmidpoint(lo, hi);
}

std::string pickerfilterwords(const AppState& s, int band, int mode, int prop, int power) {
    return filterline(s, band, mode, prop, false) + " " + (power != 0 ? "QRP" : "") + " - " +
           s.mycall.str();
}

void gridswap(std::vector<gridrow>& gridlist, int32_t a, int32_t b) {
    swapthroughrowzero(gridlist, a, b);
}

void gridsort(std::vector<gridrow>& gridlist, int32_t lo, int32_t hi) {
    sortpickertable(
        gridlist, lo, hi, [](const gridrow& r) { return r.key.view(); }, gridswap);
}

Report gridsquarereport(const AppState& s, int16_t band, int16_t mode, int16_t prop,
                        int16_t power) {
    std::vector<gridrow> gridlist(1);
    for (int32_t i = 1; i <= s.qsocount; ++i) {
        if (!passesfilter(s, i, band, mode, prop, power != 0)) continue;
        const qsorecord& q = s.qsos[static_cast<std::size_t>(i)];
        // A square is four characters with no blank before them: "FN42" of "FN42AB".
        const std::string square = q.grid.str().substr(0, 4);
        if (square[0] == ' ' || trimblanks(square).size() != 4) continue;
        gridrow row;
        row.call = q.call.view();
        row.date = qsodatetext(s, i);
        row.time = q.time.view();
        row.grid = square;
        row.flag = q.qslr == 1 ? 0 : 1;
        row.key = square + (row.flag == 0 ? "0" : "1");
        gridlist.push_back(row);
    }
    const auto n = static_cast<int32_t>(gridlist.size() - 1);
    gridsort(gridlist, 1, n);

    Report r;
    r.fontsize = 10;
    r.lines.push_back("Grid Squares   " + pickerfilterwords(s, band, mode, prop, power));
    r.lines.push_back(" ");
    r.lines.push_back("Grid Call         Date       Time");
    // The first row of each square stands for it: its confirmed QSO when it has one.
    gridlist[0].grid = "    ";
    int32_t squares = 0;
    int32_t confirmed = 0;
    for (int32_t j = 1; j <= n; ++j) {
        const gridrow& row = gridlist[static_cast<std::size_t>(j)];
        if (row.grid == gridlist[static_cast<std::size_t>(j - 1)].grid) continue;
        r.lines.push_back(row.grid.str() + " " + row.call.str() + " " + row.date.str() + " " +
                          row.time.str() + (row.flag == 0 ? "  Confirmed" : "  Worked"));
        ++squares;
        if (row.flag == 0) ++confirmed;
    }
    r.lines.push_back(" ");
    r.lines.push_back(std::to_string(confirmed) + " Grid Squares Confirmed");
    r.lines.push_back(std::to_string(squares) + " Grid Squares Worked");
    return r;
}

} // namespace tsl
