#include "islands.h"

#include "core/helpers.h"
#include "core/numbers.h"
#include "core/recordtext.h"
#include "core/state.h"
#include "reportfilter.h"

#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace tsl {

namespace {

// The island awards of the summary, in report order, with their line labels.
constexpr std::array<std::pair<int16_t AppState::*, const char*>, 14> islandgroups = {{
    {&AppState::iotaafricaaward, "IOTA Africa        "},
    {&AppState::iotaantarcticaaward, "IOTA Antartica     "},
    {&AppState::iotaasiaaward, "IOTA Asia          "},
    {&AppState::iotaeuropeaward, "IOTA Europe        "},
    {&AppState::iotanorthamericaaward, "IOTA North America "},
    {&AppState::iotaoceaniaaward, "IOTA Oceania       "},
    {&AppState::iotasouthamericaaward, "IOTA South America "},
    {&AppState::iotaarcticaward, "IOTA Arctic        "},
    {&AppState::iotabritishislesaward, "IOTA British Isles "},
    {&AppState::iotawestindiesaward, "IOTA West Indies   "},
    {&AppState::canadianislandsaward, "Canadian           "},
    {&AppState::greekislandsaward, "Greek              "},
    {&AppState::spanishislandsaward, "Spanish            "},
    {&AppState::usislandsaward, "United States      "},
}};

// Worked and confirmed marks of one island award, one per entry of its list.
struct islandgroup {
    int award = 0; // 0 when not tracked
    std::vector<char> worked, confirmed;
};

// Award slots 0..awardslots of a QSO.
template <class Visit> void eachslot(const AppState& s, const qsorecord& q, Visit visit) {
    for (int k = 0; k <= s.awardslots && static_cast<std::size_t>(k) < q.awards.size(); ++k)
        visit(q.awards[static_cast<std::size_t>(k)], q.entries[static_cast<std::size_t>(k)]);
}

bool countsfor(const AppState& s, int32_t i, bool qrp) {
    return counts(s.qsos[static_cast<std::size_t>(i)]) && (!qrp || isqrp(s, i));
}

long long tally(const std::vector<char>& marks) {
    long long n = 0;
    for (char m : marks)
        n += m;
    return n;
}

} // namespace

Report islandsummary(const AppState& s, bool qrp) {
    std::array<islandgroup, islandgroups.size()> groups;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const int award = s.*islandgroups[g].first;
        if (award < 1 || award > s.awardcount) continue;
        const awardrecord& a = s.awardtable[static_cast<std::size_t>(award)];
        const auto number = static_cast<std::size_t>(std::max(0, a.last - a.first + 1));
        groups[g] = {award, std::vector<char>(number), std::vector<char>(number)};
    }

    for (int32_t i = 1; i <= s.qsocount; ++i) {
        if (!countsfor(s, i, qrp)) continue;
        const qsorecord& q = s.qsos[static_cast<std::size_t>(i)];
        eachslot(s, q, [&](int award, int32_t entry) {
            for (islandgroup& g : groups) {
                // An entry outside the award's list is no island.
                if (g.award == 0 || award != g.award || entry < 0 ||
                    static_cast<std::size_t>(entry) >= g.worked.size())
                    continue;
                g.worked[static_cast<std::size_t>(entry)] = 1;
                if (q.qslr == 1) g.confirmed[static_cast<std::size_t>(entry)] = 1;
            }
        });
    }

    Report r;
    r.fontsize = 12;
    r.setslistfont = false;
    r.clearsfirst = false;
    r.lines = {std::string(qrp ? "Islands Summary Report QRP " : "Islands Summary Report ") +
                   s.mycall.str(),
               " ", "Group                  Number      Worked   Confirmed"};
    for (std::size_t g = 0; g < groups.size(); ++g) {
        if (groups[g].award == 0) continue;
        r.lines.push_back(islandgroups[g].second +
                          numberfield(static_cast<long long>(groups[g].worked.size())) + "  " +
                          numberfield(tally(groups[g].worked)) + "  " +
                          numberfield(tally(groups[g].confirmed)));
    }
    return r;
}

namespace {

enum class islandstatus { need, worked, confirmed };

struct stateisland {
    FixedText<10> island;
    islandstatus status = islandstatus::need;
    FixedText<10> call;
    FixedText<10> date;
    FixedText<5> time;
};

// The island name of a US island entry: the text before its first "," or blank, the last
// character not examined; nothing when the entry has none after its first character.
std::optional<std::string> islandname(const std::string& entry) {
    for (std::size_t p = 0; p + 1 < entry.size(); ++p)
        if (entry[p] == ',' || entry[p] == ' ') {
            if (p == 0) return std::nullopt;
            return entry.substr(0, p);
        }
    return std::nullopt;
}

int staterow(const AppState& s, const std::string& entry) {
    const std::string code = entry.substr(0, 2);
    for (std::size_t k = 0; k < s.statetable.size(); ++k)
        if (s.statetable[k].code == code) return static_cast<int>(k);
    return -1;
}

} // namespace

Report wasislands(const AppState& s, bool qrp) {
    std::array<stateisland, 50> rows;
    const int award = s.usislandsaward;
    for (int32_t i = 1; award >= 1 && i <= s.qsocount; ++i) {
        if (!countsfor(s, i, qrp)) continue;
        const qsorecord& q = s.qsos[static_cast<std::size_t>(i)];
        eachslot(s, q, [&](int slotaward, int32_t entry) {
            if (slotaward != award) return;
            // An entry position outside the award's list is passed over.
            const auto text = entryname(s, award, entry);
            if (!text) return;
            const int row = staterow(s, *text);
            if (row < 0) return;
            stateisland& r = rows[static_cast<std::size_t>(row)];
            if (r.status == islandstatus::confirmed || (q.qslr != 0 && q.qslr != 1) ||
                (r.status == islandstatus::worked && q.qslr == 0))
                return;
            r.status = q.qslr == 1 ? islandstatus::confirmed : islandstatus::worked;
            r.call = q.call.str();
            r.date = qsodatetext(s, i);
            r.time = q.time;
            if (const auto name = islandname(*text)) r.island = *name;
        });
    }

    Report r;
    r.fontsize = 12;
    r.setslistfont = false;
    r.clearsfirst = false;
    r.lines = {std::string(qrp ? "Worked All States US Islands Report QRP "
                               : "Worked All States US Islands Report ") +
                   s.mycall.str(),
               " ", "State Island      Call        Date        Time   Status"};
    std::array<int32_t, 3> totals{}; // need, worked, confirmed
    static constexpr std::array<const char*, 3> statuses = {"Need     ", "Worked   ", "Confirmed"};
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const stateisland& row = rows[k];
        const auto status = static_cast<std::size_t>(row.status);
        r.lines.push_back(s.statetable[k].code.str() + "    " + row.island.str() + "  " +
                          row.call.str() + "  " + row.date.str() + "  " + row.time.str() + "  " +
                          statuses[status]);
        ++totals[status];
    }
    r.lines.push_back("Need      = " + inttext(totals[0]));
    r.lines.push_back("Worked    = " + inttext(totals[1]));
    r.lines.push_back("Confirmed = " + inttext(totals[2]));
    return r;
}

} // namespace tsl
