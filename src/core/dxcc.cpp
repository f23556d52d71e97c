#include "dxcc.h"

#include "listfile.h"
#include "numbers.h"
#include "platform/dialogs.h"
#include "platform/fileio.h"
#include "state.h"
#include "text.h"

#include <array>

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

// The live prefix slots of an entity by their length, 1 to 4; other lengths are not kept.
template <class F> void eachprefix(const dxccrecord& r, F&& f) {
    for (int k = 0; k < filledprefixslots; ++k) {
        const std::string p = trimblanks(r.prefix[static_cast<std::size_t>(k)].view());
        if (p.size() >= 1 && p.size() <= 4) f(p);
    }
}

template <std::size_t L>
void addprefix(prefixtable<L>& table, const std::string& prefix, int16_t entity) {
    if (table.count >= prefixtablesize) return;
    table.entries[static_cast<std::size_t>(table.count)] = {prefix, entity};
    ++table.count;
}

} // namespace

Parsed<dxccfiletable> readdxccbytes(const std::string& bytes) {
    dxccfiletable t;
    const auto numbers = probenumbersinfile(bytes);
    if (!numbers) return parseerror{"The first entity cannot be read."};
    t.numbersinfile = *numbers;
    std::array<int, 5> prefixes{};
    ListReader in(bytes);
    while (!in.atend()) {
        const int i = static_cast<int>(t.entities.size()) + 1;
        if (i > maxdxccentities)
            return parseerror{"More than " + std::to_string(maxdxccentities) + " entities."};
        dxccrecord r;
        if (!readentity(in, r)) return parseerror{"Entity " + std::to_string(i) + " is cut short."};
        if (t.numbersinfile) {
            const auto number = in.int16();
            if (!number) return parseerror{"Entity " + std::to_string(i) + " has no number."};
            r.dxccnum = *number;
        }
        bool full = false;
        eachprefix(r,
                   [&](const std::string& p) { full |= ++prefixes[p.size()] > prefixtablesize; });
        if (full)
            return parseerror{"More than " + std::to_string(prefixtablesize) +
                              " prefixes of one length."};
        t.entities.push_back(std::move(r));
    }
    return t;
}

void applydxcc(AppState& s, dxccfiletable read) {
    s.prefix4table.count = 0;
    s.prefix3table.count = 0;
    s.prefix2table.count = 0;
    s.prefix1table.count = 0;
    s.dxcctable[0] = dxccrecord{};
    s.dxcctable[0].country = "None";
    s.usacountryindex = 0;
    s.dxccnumbersinfile = read.numbersinfile;
    int16_t i = 0;
    for (dxccrecord& r : read.entities) {
        if (i == maxdxccentities) break;
        ++i;
        if (r.country == "United States of America") s.usacountryindex = i;
        eachprefix(r, [&](const std::string& p) {
            switch (p.size()) {
            case 4:
                addprefix(s.prefix4table, p, i);
                break;
            case 3:
                addprefix(s.prefix3table, p, i);
                break;
            case 2:
                addprefix(s.prefix2table, p, i);
                break;
            default:
                addprefix(s.prefix1table, p, i);
                break;
            }
        });
        s.dxcctable[static_cast<std::size_t>(i)] = std::move(r);
    }
    s.dxcccount = i;
    buildprefixindex(s);
}

namespace {

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
    const auto bytes = readwholefile(state.apppath + "dxcc.dat");
    auto read = readdxccbytes(bytes.value_or(""));
    if (bytes && read) {
        applydxcc(state, std::move(*read));
        return true;
    }
    dialogs.msgbox("No DXCC data file, dxcc.dat", msgbuttons::ok, msgicon::none, state.apptitle);
    return false;
}

} // namespace tsl
