#include "gridsquares.h"

#include "core/helpers.h"
#include "core/sorting.h"
#include "core/state.h"
#include "core/text.h"
#include "platform/codepage.h"
#include "reportfilter.h"

#include <array>

namespace tsl {

int32_t pickermidpoint(int32_t lo, int32_t hi) {
    return sortmidpoint(lo, hi);
}

namespace {

// Each byte's place among the code page's characters in the order of their codes.
const std::array<uint8_t, 256>& coderanks() {
    static const std::array<uint8_t, 256> ranks = [] {
        std::array<uint8_t, 256> r{};
        for (int b = 0; b < 256; ++b) {
            int below = 0;
            for (int c = 0; c < 256; ++c)
                if (unicodeof(static_cast<unsigned char>(c)) <
                    unicodeof(static_cast<unsigned char>(b)))
                    ++below;
            r[static_cast<std::size_t>(b)] = static_cast<uint8_t>(below);
        }
        return r;
    }();
    return ranks;
}

} // namespace

pickerkey pickerkeyof(std::string_view text) {
    const auto& ranks = coderanks();
    pickerkey k;
    for (std::size_t i = 0; i < 16; ++i) {
        const uint64_t rank = i < text.size() ? ranks[static_cast<unsigned char>(text[i])] : 0;
        if (i < 8)
            k.high |= rank << (8 * (7 - i));
        else
            k.low |= rank << (8 * (15 - i));
    }
    return k;
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
