#pragma once
// The Ten-Ten and ARLHS member lists (a member's number is its place in the list), the
// Worked All Britain squares, and the call-book files kept open for the run.

#include "parsed.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tsl {

struct AppState;

inline constexpr std::size_t maxtentenmembers = 80001;
inline constexpr std::size_t maxarlhsmembers = 2001;
inline constexpr std::size_t maxwabsquares = 4800;

inline constexpr std::size_t callsrecordlength = 156;

// The record count of "calls.dat", the first item of its first record, from the bytes of
// that record; nothing when the item is not a whole number from 0 to 2147483647.
std::optional<int32_t> callsdatcount(const std::string& record1);

// Opens "calls.dat" and "zip.dat" for the run, and clears nocallbook; nocallsdat when the
// count cannot be read or either file cannot be opened (then neither stays open).
void readrefdatafiles(AppState& state);

// The member calls of "tenten.dat" (six-character fields), of "arlhs.dat" (list items of six
// characters) and the squares of "wab.dat" (list items of ten), in file order; or why the
// bytes are not such a list (an item that cannot be read, more than the list holds).
Parsed<std::vector<std::string>> readtentenbytes(const std::string& bytes);
Parsed<std::vector<std::string>> readarlhsbytes(const std::string& bytes);
Parsed<std::vector<std::string>> readwabbytes(const std::string& bytes);

// Each reader leaves its list unused (ready flag False, or wabloaded False) when its file
// is missing, unreadable or longer than the list can hold.
void loadtenten(AppState& state);
void loadarlhs(AppState& state);
void loadwab(AppState& state);

// The member number of a worked call, if it is in the list.
std::optional<int32_t> tentenlookup(const AppState& state, const std::string& call);
std::optional<int32_t> arlhslookup(const AppState& state, const std::string& call);

} // namespace tsl
