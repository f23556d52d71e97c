#pragma once
// Choosing the awards to track: the new "awards.dat" for a choice, what the choice costs
// the log, and where the QSO being edited lands once the log is written and read again.
// A choice holds one flag per award: item k is award k + 1 of awardtable.

#include <cstdint>
#include <string>
#include <vector>

namespace tsl {

struct AppState;

// The items of the 50 US county awards, [first, last]; empty (last < first) when they are
// not tracked. Cut at the last award, so a short table never reaches past its end.
struct itemrange {
    int first = 0;
    int last = -1;
    bool contains(int item) const { return item >= first && item <= last; }
};
itemrange countygroup(int16_t uscountiesaward, int16_t awardcount);

// Checks or unchecks one item; a county award takes the whole county group with it.
void setchoice(std::vector<bool>& chosen, const AppState& s, int item, bool checked);

int chosencount(const std::vector<bool>& chosen);

// The award slots of the live QSOs that hold an award left out of the choice.
int32_t lostslots(const AppState& s, const std::vector<bool>& chosen);

// The bytes of "awards.dat" holding the header and the chosen awards, in table order.
std::string awardsfilebytes(const AppState& s, const std::vector<bool>& chosen);

// True when the bytes read back as exactly the header and the chosen awards, entries and
// all: a file that would not is never written.
bool readsbackaschosen(const AppState& s, const std::vector<bool>& chosen,
                       const std::string& bytes);

// The index QSO index will have once the log is written (deleted QSOs left out) and read
// again; 0 when it is deleted or not a QSO of the log.
int32_t indexafterrewrite(const AppState& s, int32_t index);

// The grid row that shows QSO index on the current page, 0 when the page does not show it.
int16_t gridrowof(const AppState& s, int32_t index);

} // namespace tsl
