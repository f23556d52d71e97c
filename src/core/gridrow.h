#pragma once
// The 31 cell texts of one QSO in the main window's grid, and the grid's columns.

#include <array>
#include <string>

namespace tsl {

struct AppState;
struct qsorecord;

inline constexpr int gridcolumns = 31;

struct gridcolumn {
    const char* heading;
    int width;     // twips
    int alignment; // grid alignment code; -1 keeps the grid's default
};

// Headings, widths and alignments of columns 0 to 30.
std::array<gridcolumn, gridcolumns> gridcolumnlayout(const AppState& s);

// The cells of a QSO's row. An index outside its table shows an empty cell.
std::array<std::string, gridcolumns> qsorowtexts(const AppState& s, const qsorecord& q);

} // namespace tsl
