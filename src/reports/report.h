#pragma once
// A report as its generator makes it: fixed-pitch text lines, and how the report window
// takes them (some reports start a fresh list, others follow the report already shown).

#include <string>
#include <vector>

namespace tsl {

struct Report {
    std::vector<std::string> lines;
    int fontsize = 12;          // the report's font size
    bool setsreportsize = true; // the size becomes the window's and the printer's
    bool setslistfont = true;   // the list takes the fixed-pitch font at that size
    bool clearsfirst = true;    // false: the lines follow those already in an open window
};

} // namespace tsl
