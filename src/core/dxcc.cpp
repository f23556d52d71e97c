#include "dxcc.h"

#include "listfile.h"
#include "numbers.h"
#include "platform/dialogs.h"
#include "platform/fileio.h"
#include "state.h"
#include "text.h"

namespace tsl {

namespace {

// Items 1 to 51 of one entity.
bool readentity(ListReader& in, dxccrecord& r) {
    auto key = in.text();
    if (!key) return false;
    r.dxcckey = *key;
    for (int k = 0; k < filledprefixslots; ++k) {
        auto p = in.text();
        if (!p) return false;
        r.prefix[static_cast<std::size_t>(k)] = *p;
    }
    r.prefix[filledprefixslots] = "";
    auto status = in.text();
    auto country = in.text();
    auto cont = in.text();
    auto itu = in.text();
    auto cq = in.text();
    auto lat = in.single();
    auto ns = in.text();
    auto lon = in.single();
    auto ew = in.text();
    if (!status || !country || !cont || !itu || !cq || !lat || !ns || !lon || !ew) return false;
    r.status = *status;
    r.country = *country;
    r.cont = *cont;
    r.ituzones = *itu;
    r.cqzones = *cq;
    r.lat = *lat;
    r.ns = *ns;
    r.lon = *lon;
    r.ew = *ew;
    r.dxccnum = 0;
    return true;
}

// The layout probe: a file of the current layout carries the entity number 2 as the 52nd
// item of its first entity. In the older layout that item is the next entity's key, or
// missing altogether, and either way it is not 2.
std::optional<bool> probenumbersinfile(const std::string& bytes) {
    ListReader in(bytes);
    dxccrecord first;
    if (!readentity(in, first)) return std::nullopt;
    const auto item = in.item();
    if (!item || item->quoted) return false;
    const auto n = parsenumber(item->text);
    return n && *n == 2.0;
}

template <std::size_t L>
bool addprefix(prefixtable<L>& table, const std::string& prefix, int16_t entity) {
    if (table.count >= prefixtablesize) return false;
    table.entries[static_cast<std::size_t>(table.count)] = {prefix, entity};
    ++table.count;
    return true;
}

bool addprefixes(AppState& s, const dxccrecord& r, int16_t entity) {
    for (int k = 0; k < filledprefixslots; ++k) {
        const std::string p = trimblanks(r.prefix[static_cast<std::size_t>(k)].view());
        bool ok = true;
        switch (p.size()) {
        case 4:
            ok = addprefix(s.prefix4table, p, entity);
            break;
        case 3:
            ok = addprefix(s.prefix3table, p, entity);
            break;
        case 2:
            ok = addprefix(s.prefix2table, p, entity);
            break;
        case 1:
            ok = addprefix(s.prefix1table, p, entity);
            break;
        default:
            break;
        }
        if (!ok) return false;
    }
    return true;
}

bool readdxccfile(AppState& s) {
    s.prefix4table.count = 0;
    s.prefix3table.count = 0;
    s.prefix2table.count = 0;
    s.prefix1table.count = 0;
    s.dxcctable[0] = dxccrecord{};
    s.dxcctable[0].country = "None";
    s.usacountryindex = 0;

    const auto bytes = readwholefile(s.apppath + "dxcc.dat");
    if (!bytes) return false;
    const auto numbers = probenumbersinfile(*bytes);
    if (!numbers) return false;
    s.dxccnumbersinfile = *numbers;

    ListReader in(*bytes);
    int i = 1;
    while (!in.atend()) {
        if (i > maxdxccentities) return false;
        dxccrecord& r = s.dxcctable[static_cast<std::size_t>(i)];
        if (!readentity(in, r)) return false;
        if (s.dxccnumbersinfile) {
            const auto number = in.int16();
            if (!number) return false;
            r.dxccnum = *number;
        }
        if (r.country == "United States of America") s.usacountryindex = static_cast<int16_t>(i);
        if (!addprefixes(s, r, static_cast<int16_t>(i))) return false;
        ++i;
    }
    s.dxcccount = static_cast<int16_t>(i - 1);
    buildprefixindex(s);
    return true;
}

template <std::size_t L> void indexprefixes(AppState& s, const prefixtable<L>& table) {
    auto& index = s.prefixindex.bylength[L];
    index.clear();
    for (int k = 0; k < table.count; ++k) {
        const prefixrecord<L>& p = table.entries[static_cast<std::size_t>(k)];
        if (p.entity < 0 || p.entity > s.dxcccount) continue;
        if (s.dxcctable[static_cast<std::size_t>(p.entity)].status == "D") continue;
        index[p.prefix.str()].push_back(p.entity);
    }
}

} // namespace

void buildprefixindex(AppState& state) {
    indexprefixes(state, state.prefix1table);
    indexprefixes(state, state.prefix2table);
    indexprefixes(state, state.prefix3table);
    indexprefixes(state, state.prefix4table);
}

bool loaddxcc(AppState& state, Dialogs& dialogs) {
    if (readdxccfile(state)) return true;
    dialogs.msgbox("No DXCC data file, dxcc.dat", msgbuttons::ok, msgicon::none, state.apptitle);
    return false;
}

} // namespace tsl
