#pragma once
// The duplicate check of call entry: was the call worked on the same band and mode in the
// last few days?

#include <QDate>

#include <cstdint>
#include <string>

namespace tsl {

struct AppState;

// Walks the log from the newest QSO down and answers true at the first QSO with the call
// (blanks trimmed, compared exactly), band and mode. The walk ends, with no dupe, at the
// first QSO dated more than dupewindowdays before today or whose date cannot be read.
// Deleted QSOs count until the log is rewritten.
bool isdupe(const AppState& state, const std::string& call, int band, int mode, const QDate& today);

} // namespace tsl
