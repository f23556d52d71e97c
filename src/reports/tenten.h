#pragma once
// The Ten-Ten reports: the QSOs credited to one chapter of the Ten-Ten chapters award, and
// the reports of the Ten-Ten picker, each an award report run in its Ten-Ten variant.

#include "report.h"

#include <optional>
#include <string>
#include <vector>

namespace tsl {

struct AppState;

// The chapters of "Ten Ten Chapters" in entry order; none while the award is not tracked.
std::vector<std::string> tentenchapternames(const AppState& state);

// The QSOs credited to the chapter at list position chapter, with their Ten-Ten and VP
// numbers. Nothing while the award is not tracked or for a position outside its list.
std::optional<Report> tentenchapterreport(const AppState& state, int chapter);

// The picker's options, by index.
enum tentenoption {
    tentencontinents = 0,
    tentenchapterlist = 1, // opens the chapters form: no report of its own
    tentendxcc = 2,
    tentencwqsos = 3,
    tentengbcounties = 4,
    tentenwhilemobile = 5,
    tentenwasmobiles = 6,
    tentenprefixes = 7,
    tentenvpnumbers = 8,
    tentenvpwas = 9,
    tentenwas = 10,
    tentennumbers = 11,
};
inline constexpr int tentenoptions = 12;

// True when every award the option reports on is tracked (always for the options that
// take no award). The chapters option needs "Ten Ten Chapters".
bool tentenoptionready(const AppState& state, int option);

// The report of a picker option, over every band, mode and power. Nothing for the chapters
// option, for an index outside 0..11, or while an award the option reports on is not
// tracked.
std::optional<Report> tentenreport(const AppState& state, int option);

} // namespace tsl
