#pragma once
// What the net reports read from a QSO: its call split at the last "/", the value of the
// award slot that holds an award, the QSL word, and the work-list sort they share.

#include "core/sortkeys.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tsl {

struct AppState;
struct qsorecord;

struct netcall {
    std::string full;   // the stored call without blanks around it
    std::string base;   // the text before the last "/", slashed zeros back to "0"
    std::string suffix; // the text after the last "/"; empty without one
};

netcall splitcall(const qsorecord& q);

// The value of the last of the slots 0..awardslots that holds the award; nothing while the
// award is not tracked (index 0) or no slot holds it.
std::optional<int32_t> slotvalue(const AppState& s, const qsorecord& q, int16_t award);

// A slot value as an index first..last of a table; -1 when there is none or it lies outside.
int tableindex(std::optional<int32_t> value, int first, int last);

// "YES" when the QSO's card came back, else "NO ".
std::string qslword(const qsorecord& q);

// The text padded with blanks or cut on the right to width.
std::string padded(std::string_view text, std::size_t width);

// Sorts entries lo..hi of a work list ascending by key with the program's quicksort, every
// exchange through entry 0, which never holds a report entry.
template <class Entry, class Key>
void sortworklist(std::vector<Entry>& work, int32_t lo, int32_t hi, Key key) {
    sorttablerows(work, lo, hi, key, [](std::vector<Entry>& list, int32_t a, int32_t b) {
        swapthroughrowzero(list, a, b);
    });
}

} // namespace tsl
