#pragma once
// The Century Club Net call areas: the ten US call areas by their digit and ten areas of
// Canadian and related prefixes, each listing its distinct base calls with their state or
// province code.

#include "core/fixedtext.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tsl {

// The area of a base call: 0 to 9 the digit of an A, N, K or W call (the third character's
// digit before the second's), 10 VO1 and CO1, 11 VO2, CO2 and the other V and C calls
// without a digit 1 to 9 third, 12 to 20 those with one; -1 for every other call.
int ccncallarea(const std::string& base);

class ccnareas {
  public:
    static constexpr int areacount = 20;

    ccnareas();
    // Stores the base call with its code in its area; calls of no area 0 to 19 are passed over.
    void add(const std::string& base, const std::string& code);
    // Appends each area's lines, seven calls to a line and a line " " after each area.
    // Returns the number of calls printed.
    int32_t lines(std::vector<std::string>& out);

  private:
    struct entry {
        FixedText<10> call;
        FixedText<2> code;
    };
    // Entry 0 of each area is the swap space of its sort.
    std::array<std::vector<entry>, areacount> areas_;
};

} // namespace tsl
