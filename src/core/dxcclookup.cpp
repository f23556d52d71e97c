#include "dxcclookup.h"

#include "helpers.h"
#include "state.h"

namespace tsl {

namespace {

// The entities listing key among their prefixes of its length, in table order.
const std::vector<int16_t>* entitiesof(const AppState& s, const std::string& key) {
    if (key.empty() || key.size() > 4) return nullptr;
    const auto& index = s.prefixindex.bylength[key.size()];
    const auto it = index.find(key);
    return it == index.end() ? nullptr : &it->second;
}

// The part of a portable call the prefix is taken from.
std::string basepart(const std::string& c, std::size_t slash) {
    const std::string left = c.substr(0, slash);
    const std::string right = c.substr(slash + 1);
    std::string base;
    if (right.size() <= 1)
        base = left;
    else if (left.size() >= right.size())
        base = right == "QRP" ? left : right;
    else
        base = left;
    if (isalldigits(right)) base = left;
    return base;
}

} // namespace

dxccmatch finddxcc(const AppState& s, const std::string& call) {
    dxccmatch result;
    const std::string c = normalizecall(call);
    const auto slash = c.rfind('/');
    if (slash != std::string::npos) {
        const std::string key = c.substr(0, 2) + "/" + c.substr(slash + 1, 1);
        if (key == "SV/A" || key == "FR/T" || key == "FR/E" || key == "FR/J" || key == "FR/G") {
            if (const auto* entities = entitiesof(s, key)) {
                result.entities = *entities;
                return result;
            }
        }
        // Maritime and aeronautical mobile stations belong to no entity.
        const std::string right = c.substr(slash + 1);
        if (right == "MM" || right == "AM") return result;
    }
    const std::string base = slash == std::string::npos ? c : basepart(c, slash);
    for (std::size_t n = 4; n >= 1; --n) {
        if (base.size() < n) continue;
        const auto* entities = entitiesof(s, base.substr(0, n));
        if (!entities) continue;
        for (int16_t e : *entities) {
            const auto& status = s.dxcctable[static_cast<std::size_t>(e)].status;
            if (status == "X") result.isus = true;
            if (status == "C") result.iscanada = true;
        }
        result.entities = *entities;
        break;
    }
    return result;
}

std::string zonetext(const std::string& zones) {
    return zones.size() < 3 ? zones : "??";
}

int16_t continentindex(const AppState& s, int16_t entity) {
    const auto& cont = s.dxcctable[static_cast<std::size_t>(entity)].cont;
    int16_t found = 0;
    for (int j = 1; j < s.continentcount; ++j)
        if (s.continenttable[static_cast<std::size_t>(j)].code == cont)
            found = static_cast<int16_t>(j);
    return found;
}

void notedxccmatch(AppState& s, const dxccmatch& match) {
    s.dxccisus = match.isus;
    s.dxcciscanada = match.iscanada;
    if (match.entities.size() == 1 && s.usecountryposition) {
        const dxccrecord& e = s.dxcctable[static_cast<std::size_t>(match.entities[0])];
        s.dxlon = e.ew == "W" ? -e.lon : e.lon;
        s.dxlat = e.ns == "S" ? -e.lat : e.lat;
    }
}

namespace {

void applymatch(const AppState& s, const dxccmatch& match, qsorecord& q) {
    if (match.entities.empty()) {
        q.dxcc = 0;
        q.continent = 0;
        q.ituz = "";
        q.cqz = "";
        return;
    }
    const int16_t e = match.entities.back();
    const dxccrecord& entity = s.dxcctable[static_cast<std::size_t>(e)];
    q.dxcc = e;
    q.continent = continentindex(s, e);
    q.ituz = zonetext(entity.ituzones);
    q.cqz = zonetext(entity.cqzones);
}

} // namespace

dxccmatch putdxcc(const AppState& s, const std::string& call, qsorecord& q) {
    dxccmatch match = finddxcc(s, call);
    applymatch(s, match, q);
    return match;
}

void dxcclookuprecord(AppState& s, const std::string& call, int32_t qso) {
    const dxccmatch match = finddxcc(s, call);
    notedxccmatch(s, match);
    if (qso < 0 || static_cast<std::size_t>(qso) >= s.qsos.size()) return;
    applymatch(s, match, s.qsos[static_cast<std::size_t>(qso)]);
}

} // namespace tsl
