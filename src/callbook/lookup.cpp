#include "lookup.h"

#include "core/state.h"

namespace tsl {

std::vector<std::string> lookupcall(AppState& state, const std::string& call) {
    state.callbookresult = {};
    state.gridsquare = "";
    state.dxlat = 0;
    state.dxlon = 0;
    state.lookuphit = false;
    state.callbookfound = false;
    // No call-book source is readable yet: every call is "not found".
    (void)call;
    return {};
}

} // namespace tsl
