#pragma once
// Finding the QSOs of the log with a call, with calls that begin with a text, or of one
// DXCC entity.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tsl {

struct AppState;
struct qsorecord;

struct findresult {
    int32_t count = 0;           // every match, in a 32-bit count
    std::vector<int32_t> listed; // the first matches in log order, at most as many as shown
};

// QSOs whose call, cleaned of slashed zeros, equals the cleaned call.
std::function<bool(const qsorecord&)> matchcall(const std::string& call);
// QSOs whose stored call begins with the text (blanks around it dropped) as typed or cleaned.
std::function<bool(const qsorecord&)> matchprefix(const std::string& text);
// QSOs of the entity.
std::function<bool(const qsorecord&)> matchdxcc(int16_t entity);

// Walks the log in order, deleted QSOs included; lists at most `shown` matches.
findresult findqsos(const AppState& state, const std::function<bool(const qsorecord&)>& match,
                    int shown);

// The finder's count text: "n QSOs found", with ", showing first " and the rows shown when
// there are more.
std::string findcounttext(int32_t count, int shown);

} // namespace tsl
