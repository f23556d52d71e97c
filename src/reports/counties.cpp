#include "counties.h"

#include "core/helpers.h"
#include "core/numbers.h"
#include "core/state.h"
#include "reportfilter.h"

#include <algorithm>
#include <array>
#include <vector>

namespace tsl {

namespace {

enum class countystatus { need, worked, confirmed };

struct countyrecord {
    countystatus status = countystatus::need;
    int32_t qsoindex = 0; // the QSO that gave the status
    int16_t state = 0;    // offset of the state's county award from the first one
};

const char* statustext(countystatus status) {
    switch (status) {
    case countystatus::worked:
        return "Worked   ";
    case countystatus::confirmed:
        return "Confirmed";
    default:
        return "Need     ";
    }
}

// The county awards that exist: from the first one up to 49 more, as far as the award table
// goes. Their entries form one run; position p is entry first + p.
struct countyawards {
    int first = 0;     // the awardentries index of the first county
    int laststate = 0; // the offset of the last county award read
    int32_t counties = 0;

    explicit countyawards(const AppState& s) {
        const int a = s.uscountiesaward;
        if (a < 1 || a > s.awardcount) return;
        laststate = std::min(49, s.awardcount - a);
        first = s.awardtable[static_cast<std::size_t>(a)].first;
        const int last = s.awardtable[static_cast<std::size_t>(a + laststate)].last;
        const int entries = static_cast<int>(s.awardentries.size());
        counties = std::max(0, std::min(last, entries - 1) - first + 1);
    }

    // The county position of a slot, or -1 when the slot holds no county: another award,
    // or a position outside its award's list.
    int32_t position(const AppState& s, int award, int32_t entry) const {
        const int a = s.uscountiesaward;
        if (a < 1 || award < a || award > a + laststate) return -1;
        const awardrecord& county = s.awardtable[static_cast<std::size_t>(award)];
        if (entry < 0 || entry > county.last - county.first) return -1;
        const int32_t p = entry + county.first - first;
        return p < counties ? p : -1;
    }
};

// The QSO's county slot (the last one, when several) and whether it passes the net limit.
struct qsocounty {
    int32_t position = -1;
    int16_t state = 0;
    bool innet = false;
};

qsocounty countyofqso(const AppState& s, const countyawards& awards, const qsorecord& q,
                      int limit) {
    qsocounty c;
    c.innet = limit < 0 || limit > 3;
    for (int k = 0; k <= s.awardslots && static_cast<std::size_t>(k) < q.awards.size(); ++k) {
        const int award = q.awards[static_cast<std::size_t>(k)];
        const int32_t entry = q.entries[static_cast<std::size_t>(k)];
        if (limit == 0 && s.tentenaward >= 1 && award == s.tentenaward) c.innet = true;
        if (limit == 1 && s.ccnaward >= 1 && award == s.ccnaward) c.innet = true;
        if (limit == 2 && s.geratolaward >= 1 && award == s.geratolaward) c.innet = true;
        if (limit == 3 && s.omissaward >= 1 && award == s.omissaward && entry > 0) c.innet = true;
        const int32_t p = awards.position(s, award, entry);
        if (p >= 0) {
            c.position = p;
            c.state = static_cast<int16_t>(award - s.uscountiesaward);
        }
    }
    return c;
}

} // namespace

Report countiesreport(const AppState& s, int limit, int reporttype, bool qrp) {
    const countyawards awards(s);
    std::vector<countyrecord> countytable(static_cast<std::size_t>(awards.counties));
    // Each county belongs to the last county award whose entries begin at or before it.
    int state = 0;
    for (int32_t p = 0; p < awards.counties; ++p) {
        while (state < awards.laststate &&
               s.awardtable[static_cast<std::size_t>(s.uscountiesaward + state + 1)].first <=
                   awards.first + p)
            ++state;
        countytable[static_cast<std::size_t>(p)].state = static_cast<int16_t>(state);
    }

    for (int32_t i = 1; i <= s.qsocount; ++i) {
        const qsorecord& q = s.qsos[static_cast<std::size_t>(i)];
        if (!counts(q) || (qrp && !isqrp(s, i))) continue;
        const qsocounty c = countyofqso(s, awards, q, limit);
        if (c.position < 0 || !c.innet || (q.qslr != 0 && q.qslr != 1)) continue;
        countyrecord& county = countytable[static_cast<std::size_t>(c.position)];
        if (q.qslr == 0 && county.status == countystatus::confirmed) continue;
        county.status = q.qslr == 1 ? countystatus::confirmed : countystatus::worked;
        county.qsoindex = i;
        county.state = c.state;
    }

    Report r;
    r.fontsize = s.reportfontsize;
    r.setsreportsize = false;
    r.setslistfont = false;
    r.clearsfirst = false;
    auto& out = r.lines;
    out.push_back(
        std::string(qrp ? "US Worked All Counties Report QRP " : "US Worked All Counties Report ") +
        s.mycall.str());
    static constexpr std::array<const char*, 5> limitlines = {
        "Ten - Ten QSOs", "Century Club Net QSOs", "Geratol Net QSOs", "OMISS Net QSOs",
        "All QSOs"};
    static constexpr std::array<const char*, 3> typelines = {
        "Confirmed, Worked and Need", "Needed Counties Only", "Confirmed and Worked Counties Only"};
    if (limit >= 0 && limit <= 4) out.push_back(limitlines[static_cast<std::size_t>(limit)]);
    if (reporttype >= 0 && reporttype <= 2)
        out.push_back(typelines[static_cast<std::size_t>(reporttype)]);
    out.push_back(" ");

    std::array<int32_t, 3> totals{}; // need, worked, confirmed
    int previous = -1;
    for (int32_t p = 0; p < awards.counties; ++p) {
        const countyrecord& county = countytable[static_cast<std::size_t>(p)];
        // A state's line stands at its first county, whether or not any county is shown.
        if (county.state != previous)
            out.push_back(
                s.awardtable[static_cast<std::size_t>(s.uscountiesaward + county.state)].name);
        previous = county.state;
        const bool need = county.status == countystatus::need;
        const std::string text = "  " + s.awardentries[static_cast<std::size_t>(awards.first + p)] +
                                 " " + statustext(county.status);
        const std::string qso = need
                                    ? std::string()
                                    : s.qsos[static_cast<std::size_t>(county.qsoindex)].call.str() +
                                          qsodatetext(s, county.qsoindex);
        if (reporttype == 1) {
            if (need) out.push_back(text);
        } else if (reporttype == 2) {
            if (!need) out.push_back(text + " " + qso);
        } else {
            out.push_back(text + " " + qso);
        }
        ++totals[static_cast<std::size_t>(county.status)];
    }
    out.push_back("  ");
    out.push_back("Need      " + inttext(totals[0]));
    out.push_back("Worked    " + inttext(totals[1]) + " but no QSL card");
    out.push_back("Confirmed " + inttext(totals[2]));
    return r;
}

} // namespace tsl
