#pragma once
// The tracked awards read from "awards.dat": number awards first, then the list awards
// with their entry names, and the table index of every award the program treats specially.

#include "parsed.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tsl {

struct AppState;
class Dialogs;

inline constexpr int maxawards = 500;
inline constexpr int maxawardentries = 26000;

struct awardrecord {
    int16_t first = 0; // index of the first entry in awardentries
    int16_t last = 0;  // index of the last entry; first - 1 for a number award
    std::string name;
};

// What an "awards.dat" holds, read apart from the program's state, so a file can be
// checked before it replaces the one in use.
struct awardsfiletable {
    int16_t headnumber = 0;
    std::string headtext;
    std::vector<awardrecord> awards;  // award 1 first, in file order
    std::vector<std::string> entries; // entry 0 unused, as in awardentries
};

// The bytes as an awards file, or why they are not one: an item that does not read as its
// type, more awards or entries than the table holds, or a number award after a list award
// (the slots of the QSOs count on the number awards standing first).
Parsed<awardsfiletable> readawardsbytes(const std::string& bytes);

// Puts a table read from bytes into the state, with the index of every award treated
// specially; a list past the table bounds is cut at them.
void applyawards(AppState& state, awardsfiletable table);

// Reads "awards.dat" into the state. On any failure shows "No Awards file, awards.dat"
// (with the reason on a second line when the file was read but refused) and returns false:
// the program cannot run without it.
bool loadawards(AppState& state, Dialogs& dialogs);

} // namespace tsl
