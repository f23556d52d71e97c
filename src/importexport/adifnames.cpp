#include "adifnames.h"

#include "core/recordtext.h"
#include "core/state.h"
#include "core/text.h"

#include <array>

namespace tsl {

namespace {

template <std::size_t N>
bool among(std::string_view name, const std::array<std::string_view, N>& names) {
    for (std::string_view n : names)
        if (sameletters(name, n)) return true;
    return false;
}

constexpr int16_t ulf = 1;
constexpr int16_t uhf902 = 18;

// ADIF's weak-signal modes and their submodes.
constexpr std::array<std::string_view, 38> weaksignal = {
    "FT8",  "FT4",       "JT65",   "JT65A",     "JT65B",  "JT65B2",    "JT65C", "JT65C2",
    "JT9",  "JT9-1",     "JT9-2",  "JT9-5",     "JT9-10", "JT9-30",    "JT9A",  "JT9B",
    "JT9C", "JT9D",      "JT9E",   "JT9E FAST", "JT9F",   "JT9F FAST", "JT9G",  "JT9G FAST",
    "JT9H", "JT9H FAST", "JT4",    "JT4A",      "JT4B",   "JT4C",      "JT4D",  "JT4E",
    "JT4F", "JT4G",      "MSK144", "Q65",       "FST4",   "JS8"};

// The MFSK family: modes of their own in ADIF, and the other MFSK submodes.
constexpr std::array<std::string_view, 18> mfsk = {
    "OLIVIA", "CONTESTI", "DOMINO", "THOR",    "FSQCALL", "FST4W",
    "JTMS",   "MFSK4",    "MFSK8",  "MFSK11",  "MFSK16",  "MFSK22",
    "MFSK31", "MFSK32",   "MFSK64", "MFSK64L", "MFSK128", "MFSK128L"};

int16_t modenamed(const AppState& s, std::string_view name) {
    int16_t found = 0;
    for (int k = 1; k <= s.modecount; ++k)
        if (sameletters(name, trimmedview(s.modetable[static_cast<std::size_t>(k)].shortname)))
            found = static_cast<int16_t>(k);
    return found;
}

} // namespace

bool sameletters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (uppercased(a[i]) != uppercased(b[i])) return false;
    return true;
}

std::string_view adifbandname(const AppState& s, int16_t band) {
    if (band < 1 || band > s.bandcount) return {};
    if (band == ulf) return "2190m";
    if (band == uhf902) return "33cm";
    return s.bandtable[static_cast<std::size_t>(band)].shortname;
}

int16_t adifband(const AppState& s, std::string_view name) {
    name = trimmedview(name);
    if (sameletters(name, "35cm")) return uhf902;
    int16_t found = 0;
    for (int16_t b = 1; b <= s.bandcount; ++b)
        if (sameletters(name, adifbandname(s, b))) found = b;
    return found;
}

std::string adifmodename(const AppState& s, int16_t mode) {
    if (!modename(s, mode)) return {};
    const std::string name = trimblanks(s.modetable[static_cast<std::size_t>(mode)].shortname);
    return sameletters(name, "SCTV") ? "SSTV" : name;
}

int16_t adifmode(const AppState& s, std::string_view name) {
    name = trimmedview(name);
    if (name.empty()) return 0;
    if (sameletters(name, "USB") || sameletters(name, "LSB")) return modenamed(s, "SSB");
    if (sameletters(name, "PSK63")) return modenamed(s, "PSK6");
    // ADIF's names of packet and slow-scan television.
    if (sameletters(name, "PKT")) return modenamed(s, "PAC");
    if (sameletters(name, "SSTV")) return modenamed(s, "SCTV");
    if (among(name, weaksignal)) return modenamed(s, "MGM");
    if (among(name, mfsk)) return modenamed(s, "MFSK");
    return modenamed(s, name);
}

} // namespace tsl
