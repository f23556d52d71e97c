#include "awardsfile.h"

#include "awards.h"
#include "listfile.h"
#include "state.h"

#include <algorithm>

namespace tsl {

namespace {
inline constexpr int countyawards = 50;

const awardrecord& award(const AppState& s, int a) {
    return s.awardtable[static_cast<std::size_t>(a)];
}

// The chosen awards, in table order.
std::vector<int> chosenawards(const AppState& s, const std::vector<bool>& chosen) {
    std::vector<int> awards;
    const int items = std::min<int>(s.awardcount, static_cast<int>(chosen.size()));
    for (int k = 0; k < items; ++k)
        if (chosen[static_cast<std::size_t>(k)]) awards.push_back(k + 1);
    return awards;
}
} // namespace

itemrange countygroup(int16_t uscountiesaward, int16_t awardcount) {
    if (uscountiesaward <= 0 || uscountiesaward > awardcount) return {};
    return {uscountiesaward - 1, std::min(uscountiesaward + countyawards - 2, awardcount - 1)};
}

void setchoice(std::vector<bool>& chosen, const AppState& s, int item, bool checked) {
    if (item < 0 || item >= static_cast<int>(chosen.size())) return;
    const itemrange counties = countygroup(s.uscountiesaward, s.awardcount);
    if (!counties.contains(item)) {
        chosen[static_cast<std::size_t>(item)] = checked;
        return;
    }
    for (int k = counties.first; k <= counties.last && k < static_cast<int>(chosen.size()); ++k)
        chosen[static_cast<std::size_t>(k)] = checked;
}

int chosencount(const std::vector<bool>& chosen) {
    return static_cast<int>(std::count(chosen.begin(), chosen.end(), true));
}

int32_t lostslots(const AppState& s, const std::vector<bool>& chosen) {
    // Which award indexes go, looked up once for the whole log.
    std::vector<bool> dropped(static_cast<std::size_t>(s.awardcount) + 1, false);
    for (int a = 1; a <= s.awardcount; ++a) {
        const auto k = static_cast<std::size_t>(a - 1);
        dropped[static_cast<std::size_t>(a)] = k >= chosen.size() || !chosen[k];
    }
    const int slotsinuse =
        std::min<int>(s.awardslots + 1, std::tuple_size_v<decltype(qsorecord::awards)>);
    int32_t lost = 0;
    for (int32_t i = 1; i <= s.qsocount; ++i) {
        const qsorecord& q = s.qsos[static_cast<std::size_t>(i)];
        // A deleted QSO is not written at all: its slots are not the choice's loss.
        if (q.deleted == "D") continue;
        for (int k = 0; k < slotsinuse; ++k) {
            const int a = q.awards[static_cast<std::size_t>(k)];
            if (a >= 1 && a <= s.awardcount && dropped[static_cast<std::size_t>(a)]) ++lost;
        }
    }
    return lost;
}

std::string awardsfilebytes(const AppState& s, const std::vector<bool>& chosen) {
    ListWriter out;
    out.integer(s.awardsheadnumber).text(s.awardsheadtext).endline();
    // The entry count tells the two kinds apart: a number award has none.
    for (const int a : chosenawards(s, chosen)) {
        const awardrecord& r = award(s, a);
        const int n = std::max(0, r.last - r.first + 1);
        out.integer(n).text(r.name).endline();
        for (int e = r.first; e <= r.last; ++e)
            out.text(s.awardentries[static_cast<std::size_t>(e)]).endline();
    }
    return out.bytes();
}

bool readsbackaschosen(const AppState& s, const std::vector<bool>& chosen,
                       const std::string& bytes) {
    const auto read = readawardsbytes(bytes);
    if (!read || read->headnumber != s.awardsheadnumber || read->headtext != s.awardsheadtext)
        return false;
    const std::vector<int> awards = chosenawards(s, chosen);
    if (read->awards.size() != awards.size()) return false;
    for (std::size_t k = 0; k < awards.size(); ++k) {
        const awardrecord& want = award(s, awards[k]);
        const awardrecord& got = read->awards[k];
        if (got.name != want.name || got.last - got.first != want.last - want.first) return false;
        for (int e = 0; e <= want.last - want.first; ++e)
            if (read->entries[static_cast<std::size_t>(got.first + e)] !=
                s.awardentries[static_cast<std::size_t>(want.first + e)])
                return false;
    }
    return true;
}

int32_t indexafterrewrite(const AppState& s, int32_t index) {
    if (index < 1 || index > s.qsocount) return 0;
    if (s.qsos[static_cast<std::size_t>(index)].deleted == "D") return 0;
    int32_t deleted = 0;
    for (int32_t i = 1; i < index; ++i)
        if (s.qsos[static_cast<std::size_t>(i)].deleted == "D") ++deleted;
    return index - deleted;
}

int16_t gridrowof(const AppState& s, int32_t index) {
    // The rows in use include those of QSOs saved since the page was framed.
    const int32_t row = index - s.pageoffset;
    return static_cast<int16_t>(index >= 1 && row >= 1 && row < s.gridrowsused ? row : 0);
}

} // namespace tsl
