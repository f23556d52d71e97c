#pragma once
// The call-book lookup of a call, from the source chosen in "qsldata.ini".

#include "core/state.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tsl {

class Dialogs;
class InternetAccess;
class QrzCdLibrary;
class HamCallCdLibrary;

// What the sources use besides the state: message boxes, the online services and the two
// CD libraries.
struct callbookservices {
    Dialogs& dialogs;
    InternetAccess& internet;
    QrzCdLibrary& qrzcd;
    HamCallCdLibrary& hamcallcd;
};

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
    std::optional<std::string> via;   // the QSL-route box's new text
    std::optional<awardchoice> slot0; // the state or the province
    std::optional<awardchoice> slot1; // the county
};

// Looks the call (blanks around it dropped) up in the chosen source. The result and
// callbookusa are cleared first, so a call that is not found leaves them so; usecountryposition
// is cleared only by a source that gives a position. Unless a stored QSO is being edited, a
// source may give the grid-square and QSL-route boxes new texts, and a US state or a Canadian
// province found picks its award entry for slot 0, a county the entry of its state's county
// award for slot 1.
callbooklookup lookupcall(AppState& state, const callbookservices& services,
                          const std::string& call);

// The licence class of a "calls.dat" class letter; empty for a letter not known.
std::string licenceclass(char letter);

// A text taken from a call book's reply as the program shows it: control characters as
// blanks, cut to its first most characters.
inline constexpr std::size_t replytextlength = 200;
std::string showntext(std::string_view text, std::size_t most = replytextlength);

// A position as the call-book lines write it: the size of the value and the letter of
// its side ("41.69N", "72.73W"); 0 counts as the positive side.
std::string positiontext(float value, char positive, char negative);

} // namespace tsl
