#pragma once
// The call-book lookup of a call, from the source chosen in "qsldata.ini".

#include "core/state.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tsl {

// An award slot to choose: the award, then the entry at this position of its list.
struct awardchoice {
    int16_t award = 0;
    int32_t entry = 0;
    friend bool operator==(const awardchoice&, const awardchoice&) = default;
};

// What one lookup found, for the main window to show. The state holds the same result
// (address, locator, position and flags) for the distance and the address label.
struct callbooklookup {
    std::vector<std::string> lines; // appended to the call-book list
    callbookaddress address;
    bool callbookfound = false;
    std::optional<std::string> gs;    // the grid-square box's new text
    std::optional<awardchoice> slot0; // the state or the province
    std::optional<awardchoice> slot1; // the county
};

// Looks the call (blanks around it dropped) up in the chosen source. The result and
// callbookusa are cleared first, so a call that is not found leaves them so; usecountryposition
// is cleared only by a source that gives a position. Unless a stored QSO is being edited, a
// US state or a Canadian province found picks its award entry for slot 0, a county the
// entry of its state's county award for slot 1.
callbooklookup lookupcall(AppState& state, const std::string& call);

// The licence class of a "calls.dat" class letter; empty for a letter not known.
std::string licenceclass(char letter);

} // namespace tsl
