#pragma once
// Small routines every part of the program uses: the QRP rule, the larger and smaller of
// two values, the all-digits test, a QSO's date as display text, call clean-up and the
// call-prefix rule of the prefix awards.

#include <cstdint>
#include <string>

namespace tsl {

struct AppState;

// At most 5 W on CW, at most 10 W on any other mode (both inclusive; 0 W counts).
bool isqrp(const AppState& state, int32_t qso);

// The larger / smaller of a and b as a 32-bit whole number (halves to even); b when equal.
int32_t maxlong(double a, double b);
int32_t minlong(double a, double b);

// True when every character is a digit 0-9; true for the empty text.
bool isalldigits(const std::string& s);

// The QSO's date "yyyymmdd" as "mm/dd/yyyy", or "dd.mm.yyyy" in the day-first order.
std::string qsodatetext(const AppState& state, int32_t qso);

// The call without leading and trailing blanks, every slashed zero turned into "0".
std::string normalizecall(const std::string& call);

// The prefix of a call for the prefix awards. In the slash case the argument is replaced
// by the part of the call the prefix was taken from.
std::string callprefix(std::string& call);

} // namespace tsl
