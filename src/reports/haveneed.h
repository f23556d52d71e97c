#pragma once
// The DXCC reports of the award picker: whether each country is needed, worked or
// confirmed in each mode class (all countries, one country band by band, the countries
// still needed), and the list of QSOs with one entity.

#include "report.h"

#include <optional>

namespace tsl {

struct AppState;

// Every country not of status "D" against the mode classes, through the shared filter.
Report dxcchaveneedall(const AppState& state, int band, int mode, int prop, bool qrp);

// One country (1..dxcccount), band by band; nothing for an index that names no country.
std::optional<Report> dxcchaveneedone(const AppState& state, int country, bool qrp);

// The countries not confirmed yet. It also takes the picker out of its DXCC have/need mode.
Report dxccneeded(AppState& state, bool qrp);

// Every QSO with the entity (0..dxcccount) that passes the filter, in log order, and their
// number; nofilterline non-zero leaves the filter line out. Nothing for an index that names
// no entity.
std::optional<Report> countryqsolist(const AppState& state, int country, int nofilterline, int band,
                                     int mode, int prop, bool qrp);

} // namespace tsl
