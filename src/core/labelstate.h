#pragma once
// The sheet of labels being filled: the page image, the geometry of the label stock chosen
// in the label set-up, and the place of the next label. Kept for the run only: every run
// starts without a stock.

#include <array>
#include <cstdint>
#include <string>

namespace tsl {

inline constexpr int labelimagerows = 67; // rows 0 to 66 of the page image
inline constexpr int labelimagecolumns = 7;
inline constexpr int labelprintedrows = 62; // rows 0 to 61 go to the printer

struct labelstate {
    // Cells (row, column): spacers, label columns of 40 characters and the line feed.
    std::array<std::array<std::string, labelimagecolumns>, labelimagerows> labelpage;
    int16_t labelcolumns = 0;  // 3 or 2
    int16_t labelsperpage = 0; // labels used on one sheet
    int16_t labelrowstep = 0;  // page rows from one row of labels to the next
    int16_t labelfontsize = 0; // points
    int16_t labelstock = 0;    // 1 to 5; 0 until a stock is chosen
    std::string labelstocktext;
    int16_t firstlabelrow = 0; // page row and column of label 1 of a sheet
    int16_t firstlabelcolumn = 0;
    int16_t startinglabel = 0; // the label the set-up asked the labels to start at
    int16_t labelsleft = 0;    // labels still free on the sheet
    int16_t labelstartrow = 0; // page row and column of the next label
    int16_t labelcolumnslot = 0;
};

} // namespace tsl
