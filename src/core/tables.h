#pragma once
// The constant tables of the program (months, modes, bands, propagation kinds,
// continents, US states, Canadian provinces) and the records of the data-file tables.

#include "fixedtext.h"

#include <array>
#include <cstdint>
#include <string>

namespace tsl {

struct AppState;

struct monthrecord {
    FixedText<3> name;
    FixedText<2> number;
};

struct moderecord {
    std::string name;      // exactly 4 characters, as stored and shown
    std::string shortname; // the export form
};

struct bandrecord {
    std::string longname; // 8 characters
    float lower = 0;      // MHz
    float upper = 0;
    int16_t metres = 0;
    std::string shortname;
};

struct proprecord {
    std::string name;
    std::string code; // export code, empty where none
};

struct continentrecord {
    FixedText<2> code;
    FixedText<13> name;
};

struct staterecord {
    FixedText<2> code;
    FixedText<2> zone;
    std::string name;
};

struct provincerecord {
    FixedText<2> code;
    FixedText<2> zone;
};

// The gender and QTH kinds have no table: these are their list texts by position.
inline constexpr std::array<const char*, 2> gendernames = {"M", "F"};
inline constexpr std::array<const char*, 4> qthnames = {"Home", "Mobile", "Portable", "Other"};

// Fills every constant table of the state and its index constants.
void loadtables(AppState& state);

} // namespace tsl
