#pragma once
// The names a QSO record's table indexes stand for, with every index checked against its
// table: an index outside the table has no name (nothing is read out of bounds).

#include <cstdint>
#include <optional>
#include <string>

namespace tsl {

struct AppState;

std::optional<std::string> bandname(const AppState& s, int band);
std::optional<std::string> modename(const AppState& s, int mode);
std::optional<std::string> propname(const AppState& s, int prop);
std::optional<std::string> continentcode(const AppState& s, int continent);
std::optional<std::string> countryname(const AppState& s, int dxcc);
std::optional<std::string> awardname(const AppState& s, int award);
// True for a list award: an award index above the number awards.
bool islistaward(const AppState& s, int award);
// The entry name of a list award at its position from the award's first entry.
std::optional<std::string> entryname(const AppState& s, int award, int32_t position);
// The text of a slot's value: the entry name for a list award, else the number; nothing
// when the award or the entry position lies outside its table.
std::optional<std::string> slotvaluetext(const AppState& s, int award, int32_t value);

// A "yyyymmdd" date with "/" between its parts, month first or (dateformatflag not 0)
// day first.
std::string griddatetext(const AppState& s, const std::string& yyyymmdd);

} // namespace tsl
