#include "hhh.h"

#include "core/fixedtext.h"
#include "core/helpers.h"
#include "core/recordtext.h"
#include "core/state.h"
#include "core/text.h"
#include "netqso.h"
#include "reports/reportfilter.h"

#include <array>
#include <vector>

namespace tsl {

namespace {

struct hhhentry {
    FixedText<10> call;
    FixedText<4> prefix;
    FixedText<10> date;
    FixedText<5> time;
    int16_t worked = 0;
    FixedText<50> detail;
};

enum class group { list, prefix, state, continent };

struct kindtext {
    const char* title;
    group body;
};

constexpr std::array<kindtext, 11> kinds = {{
    {"HHH Net All QSOs ", group::list},
    {"HHH Net Worked All States ", group::state},
    {"HHH Net Worked All States YLs ", group::state},
    {"HHH Net Worked All States 2x1, 1x2 Calls ", group::state},
    {"HHH Net State Capitals ", group::state},
    {"HHH Net Mobiles ", group::list},
    {"HHH Net DX ", group::list},
    {"HHH Net Prefixes ", group::prefix},
    {"HHH Net Continents ", group::continent},
    {"HHH Net IOTA ", group::list},
    {"HHH Net QRP QSOs ", group::list},
}};

constexpr int was = 1, yls = 2, shortcalls = 3, statecapitals = 4, mobiles = 5, dx = 6,
              prefixes = 7, continents = 8, iota = 9, qrp = 10;

bool hhhqso(const AppState& s, const qsorecord& q) {
    return counts(q) && slotvalue(s, q, s.hhhaward).has_value();
}

// The name of the QSO's IOTA entry, from the last slot of one of the seven IOTA continent
// awards; nothing when that slot's value lies outside the award's list.
std::optional<std::string> iotaname(const AppState& s, const qsorecord& q) {
    const std::array<int16_t, 7> awards = {
        s.iotaafricaaward,       s.iotaantarcticaaward, s.iotaasiaaward,        s.iotaeuropeaward,
        s.iotanorthamericaaward, s.iotaoceaniaaward,    s.iotasouthamericaaward};
    std::optional<std::string> name;
    bool found = false;
    for (std::size_t k = 0; k < q.awards.size() && static_cast<int>(k) <= s.awardslots; ++k)
        for (int16_t award : awards)
            if (award > 0 && q.awards[k] == award) {
                found = true;
                name = entryname(s, award, q.entries[k]);
            }
    return found ? name : std::nullopt;
}

std::string columns(const hhhentry& x) {
    return x.call.str() + " " + x.date.str() + " " + x.time.str();
}

} // namespace

Report buildhhhreport(const AppState& s, int kind) {
    Report r;
    r.fontsize = 10;
    if (kind < 0 || kind >= static_cast<int>(kinds.size())) return r;
    std::vector<hhhentry> work(1); // entry 0 is the sorts' swap space
    std::array<hhhentry, 50> hhhslots{};

    for (int32_t i = 1; i <= s.qsocount; ++i) {
        const qsorecord& q = s.qsos[static_cast<std::size_t>(i)];
        if (!hhhqso(s, q)) continue;
        const netcall call = splitcall(q);
        hhhentry x;
        x.call = q.call.view();
        x.date = qsodatetext(s, i);
        x.time = q.time.view();
        int slot = -1;
        bool listed = false;
        switch (kind) {
        case was:
        case yls:
        case shortcalls:
            slot = tableindex(slotvalue(s, q, s.wasaward), 0, 49);
            if ((kind == yls && q.gender != 1) || (kind == shortcalls && call.full.size() != 4))
                slot = -1;
            break;
        case statecapitals:
            slot = tableindex(slotvalue(s, q, s.statecapitalsaward), 0, 49);
            break;
        case continents:
            slot = q.continent >= 1 && q.continent <= 7 ? q.continent : -1;
            break;
        case mobiles:
            listed = uppercased(call.suffix) == "M";
            break;
        case dx:
            // A country index outside the entity table names no country.
            if (q.dxcc != s.usacountryindex)
                if (const auto country = countryname(s, q.dxcc)) {
                    x.detail = *country;
                    listed = true;
                }
            break;
        case prefixes: {
            std::string base = call.base;
            x.prefix = callprefix(base);
            listed = true;
            break;
        }
        case iota:
            if (const auto name = iotaname(s, q)) {
                x.detail = *name;
                listed = true;
            }
            break;
        case qrp:
            listed = q.power <= 10.0f;
            break;
        default:
            listed = true;
            break;
        }
        if (listed) work.push_back(x);
        if (slot >= 0) {
            x.worked = 1;
            hhhslots[static_cast<std::size_t>(slot)] = x;
        }
    }

    const kindtext& text = kinds[static_cast<std::size_t>(kind)];
    auto& out = r.lines;
    out.push_back(text.title + std::string(" - ") + s.mycall.str());
    out.push_back(" ");
    int32_t count = 0;
    switch (text.body) {
    case group::list:
    case group::prefix: {
        out.push_back("Call       Date       Time");
        const auto n = static_cast<int32_t>(work.size() - 1);
        const bool byprefix = text.body == group::prefix;
        if (byprefix)
            sortworklist(work, 1, n, [](const hhhentry& x) { return x.prefix.view(); });
        else
            sortworklist(work, 1, n, [](const hhhentry& x) { return x.call.view(); });
        for (int32_t k = 1; k <= n; ++k) {
            const hhhentry& x = work[static_cast<std::size_t>(k)];
            const hhhentry& before = work[static_cast<std::size_t>(k - 1)];
            if (k > 1 && (byprefix ? x.prefix == before.prefix : x.call == before.call)) continue;
            out.push_back(columns(x) + "  " + trimblanks(x.detail.view()));
            ++count;
        }
        break;
    }
    case group::state:
        out.push_back("State   Call       Date       Time");
        for (std::size_t k = 0; k < hhhslots.size(); ++k) {
            out.push_back(s.statetable[k].code.str() + "      " + columns(hhhslots[k]));
            count += hhhslots[k].worked;
        }
        break;
    case group::continent:
        out.push_back("Continent   Call       Date       Time");
        for (std::size_t k = 1; k <= 7; ++k) {
            out.push_back(s.continenttable[k].code.str() + std::string(10, ' ') +
                          columns(hhhslots[k]));
            count += hhhslots[k].worked;
        }
        break;
    }
    out.push_back(" ");
    out.push_back(std::to_string(count) + " QSOs");
    return r;
}

} // namespace tsl
