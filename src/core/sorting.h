#pragma once
// Sorting the log in place by one of sixteen keys, and the report work tables by theirs.

#include "fixedtext.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tsl {

struct AppState;

// Exchanges two records of the log through element 0.
void swapqsos(AppState& state, int32_t a, int32_t b);

void sortbydate(AppState& state, int32_t lo, int32_t hi);
void sortbycall(AppState& state, int32_t lo, int32_t hi);
void sortbydxcc(AppState& state, int32_t lo, int32_t hi);
void sortbyvia(AppState& state, int32_t lo, int32_t hi);
void sortbyband(AppState& state, int32_t lo, int32_t hi);
void sortbymode(AppState& state, int32_t lo, int32_t hi);
void sortbyprop(AppState& state, int32_t lo, int32_t hi);
void sortbycomment(AppState& state, int32_t lo, int32_t hi);
void sortbyitu(AppState& state, int32_t lo, int32_t hi);
void sortbycq(AppState& state, int32_t lo, int32_t hi);
void sortbygrid(AppState& state, int32_t lo, int32_t hi);
void sortbywab(AppState& state, int32_t lo, int32_t hi);
void sortbycontinent(AppState& state, int32_t lo, int32_t hi);
void sortbyfirstaward(AppState& state, int32_t lo, int32_t hi);
void sortbyqth(AppState& state, int32_t lo, int32_t hi);
void sortbygender(AppState& state, int32_t lo, int32_t hi);

// A number as the sort keys write it: a blank (a minus for a negative value), then the
// value's exact decimal form with no digit before the point of a value below 1; zero is a
// blank and "0". The value is numerator / divisor, the divisor a power of two.
std::string sortnumbertext(int32_t numerator, int32_t divisor = 1);

// Rows of the report work tables; row 0 of each table is swap space.
struct prefixrow {
    FixedText<4> prefix;
    FixedText<10> call;
};
struct numberrow {
    int32_t number = 0;
    bool confirmed = false;
    FixedText<10> call;
};
struct dxccdetailrecord {
    FixedText<4> prefix;
    FixedText<20> name;
    std::array<char, 18> cwmarks{};
    std::array<char, 18> ssbmarks{};
    std::array<char, 18> rttymarks{};
    std::array<char, 18> othermarks{};
};

// Each sorts rows lo..hi of its table ascending by the row's first field.
void prefixsort(std::vector<prefixrow>& prefixwork, int32_t lo, int32_t hi);
void numbersort(std::vector<numberrow>& numberwork, int32_t lo, int32_t hi);
void dxccdetailsort(std::vector<dxccdetailrecord>& dxccdetailtable, int32_t lo, int32_t hi);

} // namespace tsl
