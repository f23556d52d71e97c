#include "entryaward.h"

#include "core/helpers.h"
#include "core/state.h"
#include "reportfilter.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace tsl {

namespace {

enum status : uint8_t { needed, workedonly, confirmed };

// The status of one entry and the QSO that gave it (none while the entry is needed).
struct entrystatus {
    status state = needed;
    FixedText<10> call;
    FixedText<10> date;
    FixedText<5> time;
};

// A call worked as a mobile: the character after its last "/" is an "M".
bool mobilecall(const qsorecord& q) {
    const std::string_view call = q.call.view();
    const auto slash = call.rfind('/');
    return slash != std::string_view::npos && slash + 1 < call.size() &&
           (call[slash + 1] == 'M' || call[slash + 1] == 'm');
}

bool tentencounts(const AppState& s, const qsorecord& q, int tentenmode) {
    switch (tentenmode) {
    case 0:
        return true;
    case 1:
        return mobilecall(q) && holdsaward(s, q, s.tentenaward);
    case 2:
        return holdsaward(s, q, s.tentenaward);
    case 3:
        return holdsaward(s, q, s.tentenvpaward);
    case 4:
        return holdsaward(s, q, s.tentenaward) && q.qth == 1;
    default:
        return false;
    }
}

} // namespace

std::optional<Report> entryawardreport(const AppState& s, int award, int tentenmode, int band,
                                       int mode, int prop, bool qrp) {
    if (award <= s.numberedawards || award > s.awardcount) return std::nullopt;
    const awardrecord& a = s.awardtable[static_cast<std::size_t>(award)];
    // The entries that lie in the entry list; an award without entries has none.
    int32_t entrycount = 0;
    if (a.first >= 1 && a.last >= a.first)
        entrycount = std::min<int32_t>(a.last, static_cast<int32_t>(s.awardentries.size()) - 1) -
                     a.first + 1;
    std::vector<entrystatus> entries(static_cast<std::size_t>(std::max(entrycount, 0)));

    for (int32_t i = 1; i <= s.qsocount; ++i) {
        const qsorecord& q = s.qsos[static_cast<std::size_t>(i)];
        if (!withintables(s, q) || !passesfilter(s, i, band, mode, prop, qrp) ||
            !tentencounts(s, q, tentenmode))
            continue;
        if (q.qslr != 0 && q.qslr != 1) continue;
        for (int k = 0; k <= s.awardslots && k < static_cast<int>(q.awards.size()); ++k) {
            const auto slot = static_cast<std::size_t>(k);
            if (q.awards[slot] != award) continue;
            const int32_t e = q.entries[slot];
            if (e < 0 || e >= entrycount) continue; // names no entry of the list
            entrystatus& entry = entries[static_cast<std::size_t>(e)];
            // A confirmation is kept against later unconfirmed QSOs.
            if (q.qslr == 0 && entry.state == confirmed) continue;
            entry.state = q.qslr == 1 ? confirmed : workedonly;
            entry.call = q.call.view().substr(0, 10);
            entry.date = qsodatetext(s, i);
            entry.time = q.time;
        }
    }

    Report r;
    r.setsreportsize = false;
    r.setslistfont = false;
    r.clearsfirst = false;
    auto& out = r.lines;
    out.push_back(a.name + "   " + s.mycall.str());
    static const char* const subtitles[] = {"10-10 With Mobiles QSOs", "10-10 Numbers",
                                            "10-10 VP Numbers", "10-10 While Mobile QSOs"};
    if (tentenmode >= 1 && tentenmode <= 4)
        out.push_back(subtitles[tentenmode - 1]);
    else if (tentenmode == 0)
        out.push_back(filterline(s, band, mode, prop, qrp));
    out.push_back(" ");

    static const char* const statustexts[] = {"Need     ", "Worked   ", "Confirmed"};
    long long counted[3] = {0, 0, 0};
    for (int32_t j = 0; j < entrycount; ++j) {
        const entrystatus& entry = entries[static_cast<std::size_t>(j)];
        std::string line = textfield(s.awardentries[static_cast<std::size_t>(a.first + j)], 25) +
                           "  " + statustexts[entry.state] + "  ";
        if (entry.state != needed)
            line += entry.call.str() + " " + entry.date.str() + " " + entry.time.str();
        out.push_back(std::move(line));
        ++counted[entry.state];
    }
    out.push_back("  ");
    out.push_back("Need      " + std::to_string(counted[needed]));
    out.push_back("Worked    " + std::to_string(counted[workedonly]) + " but no QSL card");
    out.push_back("Confirmed " + std::to_string(counted[confirmed]));
    return r;
}

std::optional<Report> tentenmobilesreport(const AppState& s, int award) {
    return entryawardreport(s, award, 1, 0, 0, 0, false);
}

std::optional<Report> tentennumbersreport(const AppState& s, int award) {
    return entryawardreport(s, award, 2, 0, 0, 0, false);
}

std::optional<Report> tentenvpnumbersreport(const AppState& s, int award) {
    return entryawardreport(s, award, 3, 0, 0, 0, false);
}

std::optional<Report> tentenwhilemobilereport(const AppState& s, int award) {
    return entryawardreport(s, award, 4, 0, 0, 0, false);
}

} // namespace tsl
