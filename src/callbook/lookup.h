#pragma once
// The call-book lookup of a call, from the source chosen in "qsldata.ini".

#include <string>
#include <vector>

namespace tsl {

struct AppState;

// Looks the call up and returns the lines (name and address) to add to the call-book list.
// The call-book result, the locator, the other station's position, lookuphit and
// callbookfound are cleared first; a call that is not found leaves them so.
std::vector<std::string> lookupcall(AppState& state, const std::string& call);

} // namespace tsl
