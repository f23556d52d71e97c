#pragma once
// What the award reports share: which QSOs they count, the mode classes, the filter line and
// the number columns.

#include <cstdint>
#include <string>

namespace tsl {

struct AppState;
struct qsorecord;

enum modeclass { cwclass = 0, ssbclass = 1, rttyclass = 2, otherclass = 3 };

// CW, SSB and RTTY by their mode indexes; every other mode, "None" included, is Other.
modeclass modeclassof(const AppState& state, const qsorecord& q);

// A QSO the operator deleted counts toward no award.
bool counts(const qsorecord& q);

// The shared filter: 0 accepts every QSO; band 3 (80 m) also accepts band 4 ("75 Extra");
// qrp accepts only QSOs of the QRP rule.
bool passesfilter(const AppState& state, int32_t qso, int band, int mode, int prop, bool qrp);

// True when one of the QSO's award slots holds the Ten-Ten award, while it is tracked.
bool hastenten(const AppState& state, const qsorecord& q);

// True when the QSO's entity and band lie in their tables; a QSO outside them counts in no
// report that checks this.
bool withintables(const AppState& state, const qsorecord& q);

// True when one of the QSO's award slots 0..awardslots holds the award, which must be a
// tracked one (1 or more).
bool holdsaward(const AppState& state, const qsorecord& q, int award);

// "Band=" ... " Mode=" ... " Propagation=" ... and " QRP" when the QRP filter is on.
std::string filterline(const AppState& state, int band, int mode, int prop, bool qrp);

// The number right-aligned in a field of the width (wider numbers take what they need).
std::string numberfield(long long value, std::size_t width = 10);

// The text left-aligned in a field of the width: cut when longer, blanks after it when
// shorter.
std::string textfield(const std::string& text, std::size_t width);

} // namespace tsl
