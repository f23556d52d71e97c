#pragma once
// The numbered-award report: the numbers worked for one number award, confirmed first and
// then not confirmed, four to a line in ascending order, with their counts.

#include "report.h"

#include <optional>

namespace tsl {

struct AppState;

// award: a number award (1..numberedawards). tentencw 0 takes every QSO under the shared
// filter, 1 only CW QSOs (the Ten-Ten CW report), any other value none. Nothing for an
// index that names no number award.
std::optional<Report> numberedawardreport(const AppState& state, int award, int tentencw, int band,
                                          int mode, int prop, bool qrp);

// The CW variant: the award's numbers worked on CW, over every band and power.
std::optional<Report> tentencwreport(const AppState& state, int award);

} // namespace tsl
