#pragma once
// The grid squares report, and what the picker forms share: their title's filter words and
// the sort of their work tables by a text key.

#include "core/fixedtext.h"
#include "core/quicksort.h"
#include "report.h"

#include <compare>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tsl {

struct AppState;

// (lo + hi) / 2 to the nearest whole number, halves to the even neighbour: the pivot of the
// pickers' sorts, the same as the log's.
int32_t pickermidpoint(int32_t lo, int32_t hi);

// A key text of one fixed width (at most 16 characters) as two numbers that order as the
// texts do by character code, trailing blanks included. Comparing numbers keeps long runs
// of equal keys, which cost the quicksort a comparison per pair, quick.
struct pickerkey {
    uint64_t high = 0;
    uint64_t low = 0;
    auto operator<=>(const pickerkey&) const = default;
};
pickerkey pickerkeyof(std::string_view text);

// Exchanges rows a and b of a work table through its swap space, row 0.
template <class Row> void swapthroughrowzero(std::vector<Row>& table, int32_t a, int32_t b) {
    table[0] = table[static_cast<std::size_t>(a)];
    table[static_cast<std::size_t>(a)] = table[static_cast<std::size_t>(b)];
    table[static_cast<std::size_t>(b)] = table[0];
}

// Sorts rows lo..hi of a picker's work table ascending by key(row) with the program's one
// quicksort; swaprows(table, a, b) exchanges two rows through row 0. A range outside the
// table sorts nothing.
template <class Row, class Key, class Swap>
void sortpickertable(std::vector<Row>& table, int32_t lo, int32_t hi, Key key, Swap swaprows) {
    if (lo >= hi || lo < 1 || static_cast<std::size_t>(hi) >= table.size()) return;
    std::vector<pickerkey> keys;
    keys.reserve(static_cast<std::size_t>(hi - lo + 1));
    for (int32_t r = lo; r <= hi; ++r)
        keys.push_back(pickerkeyof(key(table[static_cast<std::size_t>(r)])));
    auto at = [&](int32_t r) -> pickerkey& { return keys[static_cast<std::size_t>(r - lo)]; };
    auto compare = [&](int32_t a, int32_t b) {
        const auto order = at(a) <=> at(b);
        return order < 0 ? -1 : (order > 0 ? 1 : 0);
    };
    auto swap = [&](int32_t a, int32_t b) {
        swaprows(table, a, b);
        std::swap(at(a), at(b));
    };
    quicksortscheme(lo, hi, compare, swap);
}

// The filter words of a picker report's title: "Band=" ... " Mode=" ... " Propagation="
// ..., a blank and "QRP" (nothing for QRO), then " - " and the own call.
std::string pickerfilterwords(const AppState& state, int band, int mode, int prop, int power);

// One selected QSO of the grid squares report.
struct gridrow {
    FixedText<12> call;
    FixedText<10> date;
    FixedText<5> time;
    FixedText<4> grid; // the first four characters of the QSO's grid
    int16_t flag = 0;  // 0 confirmed, 1 not
    FixedText<5> key;  // the grid and the flag: the confirmed QSOs of a square sort first
};

void gridswap(std::vector<gridrow>& gridlist, int32_t a, int32_t b);
// Sorts rows lo..hi of gridlist by their key.
void gridsort(std::vector<gridrow>& gridlist, int32_t lo, int32_t hi);

// The squares of the QSOs that pass the filters (0: all; band 3 takes in "75 Extra"; power
// 1: QRP only), one line per square, confirmed where any of its QSOs is.
Report gridsquarereport(const AppState& state, int16_t band, int16_t mode, int16_t prop,
                        int16_t power);

} // namespace tsl
