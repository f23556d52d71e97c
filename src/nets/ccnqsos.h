#pragma once
// What the Century Club Net reports share beyond the other net reports: which QSOs are the
// net's, and the title line.

#include <cstdint>
#include <string>

namespace tsl {

struct AppState;
struct qsorecord;

// A QSO of the net on the band and mode: exact table indexes ("75 Extra" is not 80 m), a
// slot holding the Century Club Net award while it is tracked, and not deleted.
bool isccnqso(const AppState& state, const qsorecord& q, int16_t band, int16_t mode);

// The title literal, the band's long name, a blank, the mode's name, " - " and the own call.
std::string ccntitle(const AppState& state, const std::string& literal, int16_t band, int16_t mode);

// A digit 0 to 9; calls reach the reports with slashed zeros already turned into "0".
inline bool ccndigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace tsl
