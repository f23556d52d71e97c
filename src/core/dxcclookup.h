#pragma once
// The DXCC entity of a call sign, found by its prefix, and the entity's data applied to
// the entry panel (done by the main window from the lookup's result) or to a QSO record.

#include <cstdint>
#include <string>
#include <vector>

namespace tsl {

struct AppState;
struct qsorecord;

struct dxccmatch {
    // The matching entities in the order they are applied; the last one stays shown.
    // Empty when nothing matched: entity 0 ("None") is applied then.
    std::vector<int16_t> entities;
    bool isus = false;     // a match of the normal search has US states
    bool iscanada = false; // a match of the normal search has Canadian provinces
};

// Finds the entities of a call (blanks and slashed zeros allowed; upper case expected).
dxccmatch finddxcc(const AppState& state, const std::string& call);

// The zone text a box or record shows for an entity's zone text: "??" for several zones.
std::string zonetext(const std::string& zones);

// The continent list position of an entity's continent code, 0 when none has that code.
int16_t continentindex(const AppState& state, int16_t entity);

// The common effects of a lookup: the US and Canada flags, and the entity's position as
// the other station's when exactly one entity matched and the country position is wanted.
void notedxccmatch(AppState& state, const dxccmatch& match);

// Looks the call up and writes its entity, continent and zones into the record, which
// need not be in the log yet (imports build their QSOs apart); gives what the lookup found.
dxccmatch putdxcc(const AppState& state, const std::string& call, qsorecord& q);

// Looks the call up and applies the result to record qso: its entity, continent and zones.
void dxcclookuprecord(AppState& state, const std::string& call, int32_t qso);

} // namespace tsl
