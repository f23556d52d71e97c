#include "ccnqsos.h"

#include "core/helpers.h"
#include "core/recordtext.h"
#include "core/state.h"
#include "core/text.h"
#include "reports/reportfilter.h"

namespace tsl {

namespace {

int slotsinuse(const AppState& s, const qsorecord& q) {
    const int stored = static_cast<int>(q.awards.size());
    return s.awardslots + 1 < stored ? s.awardslots + 1 : stored;
}

} // namespace

bool isccnqso(const AppState& s, const qsorecord& q, int16_t band, int16_t mode) {
    if (!counts(q) || q.band != band || q.mode != mode || s.ccnaward < 1) return false;
    for (int k = 0; k < slotsinuse(s, q); ++k)
        if (q.awards[static_cast<std::size_t>(k)] == s.ccnaward) return true;
    return false;
}

ccncall splitccncall(const std::string& call) {
    const std::string full = trimblanks(call);
    const auto slash = full.rfind('/');
    if (slash == std::string::npos) return {"", normalizecall(full)};
    return {full.substr(slash + 1), normalizecall(full.substr(0, slash))};
}

int16_t ccnslotvalue(const AppState& s, const qsorecord& q, int16_t award, int size) {
    if (award < 1) return -1;
    int16_t value = -1;
    for (int k = 0; k < slotsinuse(s, q); ++k) {
        if (q.awards[static_cast<std::size_t>(k)] != award) continue;
        const int32_t entry = q.entries[static_cast<std::size_t>(k)];
        value = entry >= 0 && entry < size ? static_cast<int16_t>(entry) : int16_t{-1};
    }
    return value;
}

std::string ccntitle(const AppState& s, const std::string& literal, int16_t band, int16_t mode) {
    return literal + bandname(s, band).value_or("") + " " + modename(s, mode).value_or("") + " - " +
           s.mycall.str();
}

} // namespace tsl
