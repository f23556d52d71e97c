#include "numberaward.h"

#include "core/numbers.h"
#include "core/sorting.h"
#include "core/state.h"
#include "reportfilter.h"

#include <cstdint>
#include <vector>

namespace tsl {

namespace {

// Adds the items four to a line, a shorter last line after them.
void additems(std::vector<std::string>& out, const std::vector<std::string>& items) {
    std::string line;
    for (std::size_t k = 0; k < items.size(); ++k) {
        line += items[k];
        if (k % 4 == 3) {
            out.push_back(line);
            line.clear();
        }
    }
    if (!line.empty()) out.push_back(line);
}

std::string numberitem(const numberrow& row) {
    return textfield(inttext(row.number), 8) + " - " + row.call.str() + "   ";
}

} // namespace

std::optional<Report> numberedawardreport(const AppState& s, int award, int tentencw, int band,
                                          int mode, int prop, bool qrp) {
    if (award < 1 || award > s.numberedawards || award > s.awardcount) return std::nullopt;
    // Row 0 is the sort's swap space; the table grows with every matching slot.
    std::vector<numberrow> numberwork(1);
    for (int32_t i = 1; i <= s.qsocount; ++i) {
        const qsorecord& q = s.qsos[static_cast<std::size_t>(i)];
        if (!withintables(s, q) || !passesfilter(s, i, band, mode, prop, qrp)) continue;
        if (tentencw != 0 && !(tentencw == 1 && q.mode == s.cwmodeindex)) continue;
        for (int k = 0; k <= s.awardslots && k < static_cast<int>(q.awards.size()); ++k) {
            const auto slot = static_cast<std::size_t>(k);
            if (q.awards[slot] != award) continue;
            numberrow row;
            row.number = q.entries[slot];
            row.confirmed = q.qslr != 0;
            row.call = q.call.view().substr(0, 10);
            numberwork.push_back(row);
        }
    }
    const auto n = static_cast<int32_t>(numberwork.size()) - 1;
    numbersort(numberwork, 1, n);

    // Each number other than 0 once: confirmed when any of its QSOs is, with the call of
    // its first confirmed row; else with the call of its first row.
    std::vector<std::string> confirmeditems, workeditems;
    for (int32_t r = 1; r <= n;) {
        int32_t end = r;
        const numberrow* shown = nullptr;
        for (; end <= n && numberwork[static_cast<std::size_t>(end)].number ==
                               numberwork[static_cast<std::size_t>(r)].number;
             ++end)
            if (!shown && numberwork[static_cast<std::size_t>(end)].confirmed)
                shown = &numberwork[static_cast<std::size_t>(end)];
        const numberrow& first = numberwork[static_cast<std::size_t>(r)];
        if (first.number != 0) {
            if (shown)
                confirmeditems.push_back(numberitem(*shown));
            else
                workeditems.push_back(numberitem(first));
        }
        r = end;
    }

    Report r;
    r.fontsize = 10;
    auto& out = r.lines;
    out.push_back(s.awardtable[static_cast<std::size_t>(award)].name + " Numbers");
    if (tentencw == 0)
        out.push_back(filterline(s, band, mode, prop, qrp));
    else if (tentencw == 1)
        out.push_back("10-10 CW QSOs");
    out.push_back("Confirmed");
    out.push_back(" ");
    additems(out, confirmeditems);
    out.push_back(std::to_string(confirmeditems.size()) + " Confirmed");
    out.push_back(" ");
    out.push_back("Not Confirmed");
    additems(out, workeditems);
    out.push_back(std::to_string(workeditems.size()) + " Not Confirmed");
    out.push_back("  ");
    out.push_back(std::to_string(confirmeditems.size() + workeditems.size()) + " Worked");
    return r;
}

std::optional<Report> tentencwreport(const AppState& s, int award) {
    return numberedawardreport(s, award, 1, 0, 0, 0, false);
}

} // namespace tsl
