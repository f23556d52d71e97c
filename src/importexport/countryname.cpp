#include "countryname.h"

#include "core/dxcclookup.h"
#include "core/state.h"
#include "core/text.h"
#include "importframe.h"

#include <algorithm>

namespace tsl {

CountryNames::CountryNames(const AppState& s) {
    for (int d = 1; d <= s.dxcccount && static_cast<std::size_t>(d) < s.dxcctable.size(); ++d) {
        const dxccrecord& e = s.dxcctable[static_cast<std::size_t>(d)];
        if (e.status == "D") continue;
        names_.emplace_back(uppercased(trimblanks(e.country)), static_cast<int16_t>(d));
    }
}

int16_t CountryNames::find(const std::string& name) {
    const std::string key = uppercased(trimblanks(name));
    if (key.empty()) return 0;
    if (const auto it = found_.find(key); it != found_.end()) return it->second;
    int16_t whole = 0;
    int16_t shortened = 0;
    for (const auto& [entity, index] : names_) {
        if (entity == key) whole = index;
        const std::size_t length = std::min({key.size(), entity.size(), std::size_t{12}});
        if (length > 0 && key.compare(0, length, entity, 0, length) == 0) shortened = index;
    }
    const int16_t result = whole != 0 ? whole : shortened;
    found_.emplace(key, result);
    return result;
}

void putentity(const AppState& s, int16_t entity, qsorecord& q) {
    const dxccrecord& e = s.dxcctable[static_cast<std::size_t>(entity)];
    q.dxcc = entity;
    q.continent = continentindex(s, entity);
    q.ituz = zonetext(e.ituzones);
    q.cqz = zonetext(e.cqzones);
}

} // namespace tsl
