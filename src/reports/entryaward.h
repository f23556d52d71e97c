#pragma once
// The entry-award report: each entry of one entry award as needed, worked or confirmed,
// with the QSO that gave the status, and the totals; also in the four Ten-Ten variants.

#include "report.h"

#include <optional>

namespace tsl {

struct AppState;

// award: an entry award (above the number awards). tentenmode 0 is the plain report under
// the shared filter; 1 to 4 are the Ten-Ten variants below, any other value counts no QSO.
// Nothing for an index that names no entry award.
std::optional<Report> entryawardreport(const AppState& state, int award, int tentenmode, int band,
                                       int mode, int prop, bool qrp);

// The Ten-Ten variants, over every band, mode and power:
// QSOs with a Ten-Ten member worked as a mobile ("/M" or "/MM" call),
std::optional<Report> tentenmobilesreport(const AppState& state, int award);
// QSOs with a Ten-Ten member,
std::optional<Report> tentennumbersreport(const AppState& state, int award);
// QSOs with a Ten-Ten VP member,
std::optional<Report> tentenvpnumbersreport(const AppState& state, int award);
// QSOs with a Ten-Ten member made while mobile.
std::optional<Report> tentenwhilemobilereport(const AppState& state, int award);

} // namespace tsl
