#pragma once
// What the Century Club Net reports share: which QSOs are the net's, what they read of a
// QSO's call and award slots, and the title line.

#include <cstdint>
#include <string>

namespace tsl {

struct AppState;
struct qsorecord;

// A QSO of the net on the band and mode: exact table indexes ("75 Extra" is not 80 m), a
// slot holding the Century Club Net award while it is tracked, and not deleted.
bool isccnqso(const AppState& state, const qsorecord& q, int16_t band, int16_t mode);

// A call as the reports take it apart.
struct ccncall {
    std::string suffix; // the text after the last "/"; empty without one
    std::string base;   // the text before it (the whole call without one), slashed zeros
                        // as "0", without outer blanks
};
ccncall splitccncall(const std::string& call);

// The value of the last slot holding the award (while tracked) as an index of a table of
// size entries; -1 when no slot holds it or its value lies outside the table.
int16_t ccnslotvalue(const AppState& state, const qsorecord& q, int16_t award, int size);

// The title literal, the band's long name, a blank, the mode's name, " - " and the own call.
std::string ccntitle(const AppState& state, const std::string& literal, int16_t band, int16_t mode);

// The character upper-cased when it is a letter a to z.
inline char ccnupper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
inline bool ccndigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace tsl
