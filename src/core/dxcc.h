#pragma once
// The DXCC entity table read from "dxcc.dat", and the four prefix tables by prefix length
// that the lookup of a call searches.

#include "fixedtext.h"
#include "parsed.h"

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace tsl {

struct AppState;
class Dialogs;

inline constexpr int maxdxccentities = 500;
inline constexpr int prefixslots = 42; // slot 41 is never filled
inline constexpr int filledprefixslots = 41;
inline constexpr int prefixtablesize = 2001;

struct dxccrecord {
    FixedText<6> dxcckey;
    std::array<FixedText<4>, prefixslots> prefix;
    FixedText<1> status; // "D" deleted, "X" US states apply, "C" Canadian provinces apply
    std::string country;
    FixedText<2> cont;
    std::string ituzones; // 3 or more characters: several zones
    std::string cqzones;
    float lat = 0; // degrees, not signed
    FixedText<1> ns;
    float lon = 0;
    FixedText<1> ew;
    int16_t dxccnum = 0;
};

template <std::size_t L> struct prefixrecord {
    FixedText<L> prefix;
    int16_t entity = 0; // dxcctable index
};

template <std::size_t L> struct prefixtable {
    std::array<prefixrecord<L>, prefixtablesize> entries;
    int16_t count = 0;
};

// The entities of the live (not deleted) prefixes of each length, keyed by prefix, in
// table order: what a scan of a prefix table from its first entry would find.
struct PrefixIndex {
    std::array<std::unordered_map<std::string, std::vector<int16_t>>, 5> bylength; // 1..4
};

// What a "dxcc.dat" holds: the entities from 1 on, and whether each carries its entity
// number (the current layout) or not (the older one).
struct dxccfiletable {
    bool numbersinfile = false;
    std::vector<dxccrecord> entities;
};

// The bytes as a DXCC file, or why not: an item missing or not of its type, more entities
// than the table holds, or more prefixes of one length than their table holds.
Parsed<dxccfiletable> readdxccbytes(const std::string& bytes);

// Puts a table read from bytes into the state: the entities, their prefix tables and the
// index over them. A table past the bounds (never one read from bytes) is cut at them.
void applydxcc(AppState& state, dxccfiletable table);

// Builds the index from the prefix tables; loaddxcc does so after reading.
void buildprefixindex(AppState& state);

// Reads "dxcc.dat" into the state. On any failure shows "No DXCC data file, dxcc.dat" and
// returns false: the program cannot run without it.
bool loaddxcc(AppState& state, Dialogs& dialogs);

} // namespace tsl
