#include "recordtext.h"

#include "numbers.h"
#include "state.h"

namespace tsl {

namespace {
template <class Table> bool inrange(const Table& table, int index, int last) {
    return index >= 0 && index <= last && static_cast<std::size_t>(index) < table.size();
}
} // namespace

std::optional<std::string> bandname(const AppState& s, int band) {
    if (!inrange(s.bandtable, band, s.bandcount)) return std::nullopt;
    return s.bandtable[static_cast<std::size_t>(band)].longname;
}

std::optional<std::string> modename(const AppState& s, int mode) {
    if (!inrange(s.modetable, mode, s.modecount)) return std::nullopt;
    return s.modetable[static_cast<std::size_t>(mode)].name;
}

std::optional<std::string> propname(const AppState& s, int prop) {
    if (!inrange(s.proptable, prop, s.propcount - 1)) return std::nullopt;
    return s.proptable[static_cast<std::size_t>(prop)].name;
}

std::optional<std::string> continentcode(const AppState& s, int continent) {
    if (!inrange(s.continenttable, continent, s.continentcount - 1)) return std::nullopt;
    return s.continenttable[static_cast<std::size_t>(continent)].code.str();
}

std::optional<std::string> countryname(const AppState& s, int dxcc) {
    if (!inrange(s.dxcctable, dxcc, s.dxcccount)) return std::nullopt;
    return s.dxcctable[static_cast<std::size_t>(dxcc)].country;
}

std::optional<std::string> awardname(const AppState& s, int award) {
    if (!inrange(s.awardtable, award, s.awardcount)) return std::nullopt;
    return s.awardtable[static_cast<std::size_t>(award)].name;
}

bool islistaward(const AppState& s, int award) {
    return award > s.numberedawards;
}

std::optional<std::string> entryname(const AppState& s, int award, int32_t position) {
    if (!inrange(s.awardtable, award, s.awardcount) || !islistaward(s, award)) return std::nullopt;
    const awardrecord& a = s.awardtable[static_cast<std::size_t>(award)];
    if (position < 0 || position > a.last - a.first) return std::nullopt;
    const int index = a.first + position;
    if (index < 1 || static_cast<std::size_t>(index) >= s.awardentries.size()) return std::nullopt;
    return s.awardentries[static_cast<std::size_t>(index)];
}

std::optional<std::string> slotvaluetext(const AppState& s, int award, int32_t value) {
    if (!inrange(s.awardtable, award, s.awardcount)) return std::nullopt;
    if (islistaward(s, award)) return entryname(s, award, value);
    return inttext(value);
}

std::string griddatetext(const AppState& s, const std::string& d) {
    const std::string date = d.size() >= 8 ? d : d + std::string(8 - d.size(), ' ');
    if (s.dateformatflag == 0)
        return date.substr(4, 2) + "/" + date.substr(6, 2) + "/" + date.substr(0, 4);
    return date.substr(6, 2) + "/" + date.substr(4, 2) + "/" + date.substr(0, 4);
}

} // namespace tsl
