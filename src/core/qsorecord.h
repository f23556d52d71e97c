#pragma once
// One QSO of the log, a record of fixed-width texts and small table indexes.

#include "fixedtext.h"

#include <array>
#include <cstdint>

namespace tsl {

struct qsorecord {
    FixedText<1> deleted; // "D" when deleted
    FixedText<8> date;    // "yyyymmdd", UTC
    FixedText<5> time;    // "HH:MM", UTC
    int16_t band = 0;     // bandtable index
    int16_t mode = 0;     // modetable index
    int16_t prop = 0;     // proptable index
    float power = 0;      // watts
    FixedText<3> rsts;
    FixedText<3> rstr;
    FixedText<10> qslvia;
    int16_t qsls = 0;   // card sent: non-zero = yes
    int16_t qslr = 0;   // card received: non-zero = yes
    FixedText<12> call; // as typed, the slashed zero standing for 0
    FixedText<2> ituz;
    FixedText<2> cqz;
    FixedText<6> grid;
    int16_t continent = 0; // continenttable index
    int16_t dxcc = 0;      // dxcctable index, not the entity number
    FixedText<60> comments;
    int16_t gender = 0;               // 0 "M", else "F"
    int16_t qth = 0;                  // 0 Home, 1 Mobile, 2 Portable, 3 Other
    std::array<int16_t, 6> awards{};  // awardtable index of each slot
    std::array<int32_t, 6> entries{}; // number, or entry position for a list award
    FixedText<10> wab;
};

} // namespace tsl
