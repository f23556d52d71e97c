#pragma once
// Keys of the tables the reports sort, and the sort of such a table: texts order by their
// characters (Unicode values), numbers by value, and every table runs the one quicksort.

#include "quicksort.h"

#include <array>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace tsl {

// Each byte's place among the code page's characters in the order of their Unicode values:
// texts written in these places compare byte by byte exactly as their characters do.
const std::array<unsigned char, 256>& characterorder();

// A text written in the places of characterorder, so that such keys compare by < (byte by
// byte, a text that is the beginning of a longer one first) as the texts do.
std::string characterkey(std::string_view text);

// The first 16 characters of a text as two numbers that order as the texts do by their
// characters; a shorter text counts as followed by the character 0.
struct textkey {
    uint64_t high = 0;
    uint64_t low = 0;
    auto operator<=>(const textkey&) const = default;
};
textkey textkeyof(std::string_view text);

// Sorts rows lo..hi of a table whose row 0 is swap space ascending by key(row) with the
// program's quicksort; exchange(table, a, b) makes each of its exchanges. A key is a number,
// or a text, which orders by its characters; texts of up to 16 characters, as the tables'
// fields are, are sorted as textkeys. The keys are read once, before the first exchange. A
// range outside the table sorts nothing.
template <class Row, class Key, class Exchange>
void sorttablerows(std::vector<Row>& table, int32_t lo, int32_t hi, Key key, Exchange exchange) {
    if (lo >= hi || lo < 1 || static_cast<std::size_t>(hi) >= table.size()) return;
    const int32_t n = hi - lo + 1;
    auto keyat = [&](int32_t k) { return key(table[static_cast<std::size_t>(lo + k)]); };
    auto swap = [&](int32_t a, int32_t b) { exchange(table, a, b); };
    auto sortby = [&](auto keyof) {
        std::vector<std::decay_t<decltype(keyof(keyat(0)))>> keys;
        keys.reserve(static_cast<std::size_t>(n));
        for (int32_t k = 0; k < n; ++k)
            keys.push_back(keyof(keyat(k)));
        quicksortexchanges(keys, lo, swap);
    };
    if constexpr (std::is_arithmetic_v<std::decay_t<decltype(keyat(0))>>) {
        sortby([](auto number) { return number; });
    } else {
        bool short16 = true;
        for (int32_t k = 0; k < n && short16; ++k) {
            const auto& text = keyat(k);
            const std::string_view view = text;
            short16 = view.size() <= 16 && view.find('\0') == std::string_view::npos;
        }
        if (short16)
            sortby([](std::string_view text) { return textkeyof(text); });
        else
            sortby([](std::string_view text) { return characterkey(text); });
    }
}

// Exchanges rows a and b of a table through its swap space, row 0.
template <class Row> void swapthroughrowzero(std::vector<Row>& table, int32_t a, int32_t b) {
    table[0] = table[static_cast<std::size_t>(a)];
    table[static_cast<std::size_t>(a)] = table[static_cast<std::size_t>(b)];
    table[static_cast<std::size_t>(b)] = table[0];
}

} // namespace tsl
