#pragma once
// The names ADIF gives our bands and modes, both ways: what the export writes and what the
// import takes.

#include <cstdint>
#include <string>
#include <string_view>

namespace tsl {

struct AppState;

// Names compare in any case: the letters a to z as A to Z.
bool sameletters(std::string_view a, std::string_view b);

// The band's ADIF name; empty for band 0 ("None") and an index outside the table, which
// the export writes no BAND tag for.
std::string_view adifbandname(const AppState& state, int16_t band);

// The band an ADIF band name stands for, in any case; 0 when none. The old name of the
// 902 MHz band ("35cm") is still taken.
int16_t adifband(const AppState& state, std::string_view name);

// The mode's ADIF name: the mode table's export name, but "SSTV" for slow-scan television
// ("SCTV"), a name no other reader knows; empty for an index outside the table.
std::string adifmodename(const AppState& state, int16_t mode);

// The mode of an ADIF mode or submode name, in any case: a name of the mode table as it
// is (USB and LSB are SSB, PKT and SSTV the packet and slow-scan entries), the weak-signal
// modes as MGM, the MFSK family as MFSK, PSK31 and PSK63 as their own entries; 0 when the
// name fits none.
int16_t adifmode(const AppState& state, std::string_view name);

} // namespace tsl
