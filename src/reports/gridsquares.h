#pragma once
// The grid squares report, and what the picker forms share: their title's filter words and
// the sort of their work tables by a text key.

#include "core/fixedtext.h"
#include "core/sortkeys.h"
#include "report.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tsl {

struct AppState;

// (lo + hi) / 2 to the nearest whole number, halves to the even neighbour: the pivot of the
// pickers' sorts, the same as the log's.
int32_t pickermidpoint(int32_t lo, int32_t hi);

// A key text of at most 16 characters as two numbers that order as the texts do by their
// characters, trailing blanks included.
using pickerkey = textkey;
inline pickerkey pickerkeyof(std::string_view text) {
    return textkeyof(text);
}

// Sorts rows lo..hi of a picker's work table ascending by key(row) with the program's one
// quicksort; swaprows(table, a, b) exchanges two rows through row 0. A range outside the
// table sorts nothing.
template <class Row, class Key, class Swap>
void sortpickertable(std::vector<Row>& table, int32_t lo, int32_t hi, Key key, Swap swaprows) {
    sorttablerows(table, lo, hi, key, swaprows);
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
