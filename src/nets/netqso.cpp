#include "netqso.h"

#include "core/helpers.h"
#include "core/state.h"
#include "core/text.h"

namespace tsl {

netcall splitcall(const qsorecord& q) {
    netcall c;
    c.full = trimblanks(q.call.view());
    const auto slash = c.full.rfind('/');
    if (slash == std::string::npos) {
        c.base = normalizecall(c.full);
    } else {
        c.base = normalizecall(c.full.substr(0, slash));
        c.suffix = c.full.substr(slash + 1);
    }
    return c;
}

std::optional<int32_t> slotvalue(const AppState& s, const qsorecord& q, int16_t award) {
    std::optional<int32_t> value;
    if (award < 1) return value;
    for (std::size_t k = 0; k < q.awards.size() && static_cast<int>(k) <= s.awardslots; ++k)
        if (q.awards[k] == award) value = q.entries[k];
    return value;
}

int tableindex(std::optional<int32_t> value, int first, int last) {
    if (!value || *value < first || *value > last) return -1;
    return static_cast<int>(*value);
}

std::string qslword(const qsorecord& q) {
    return q.qslr == 1 ? "YES" : "NO ";
}

std::string padded(std::string_view text, std::size_t width) {
    std::string out(text.substr(0, width));
    out.resize(width, ' ');
    return out;
}

} // namespace tsl
