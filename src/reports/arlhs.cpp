#include "arlhs.h"

#include "core/helpers.h"
#include "core/recordtext.h"
#include "core/state.h"
#include "core/text.h"
#include "gridsquares.h"
#include "reportfilter.h"

#include <array>
#include <optional>
#include <string>

namespace tsl {

namespace {

constexpr std::array<const char*, arlhsreports - 1> titles = {
    "ARLHS All Lighthouses - ",
    "ARLHS Worked All States - ",
    "ARLHS Worked All Call Areas - ",
    "ARLHS Worked All Continents - ",
    "ARLHS Africa Lighthouses - ",
    "ARLHS Antarctica Lighthouses - ",
    "ARLHS Asia Lighthouses - ",
    "ARLHS Europe Lighthouses - ",
    "ARLHS North American Lighthouses - ",
    "ARLHS Oceania Lighthouses - ",
    "ARLHS Soth America Lighthouses - ",
    "ARLHS DXCC - ",
};

bool iskeyed(int report) {
    return report == 1 || report == 2 || report == 3 || report == 11;
}

// What a lighthouse QSO brings to the reports besides its own fields.
struct lighthouseqso {
    int32_t entry = 0;
    FixedText<7> key;
    int state = -1; // statetable index; -1: no state
    int area = -1;  // the call's last digit; -1: a call without one
};

// The last slot of the QSO that holds the award, or -1.
int lastslotof(const AppState& s, const qsorecord& q, int16_t award) {
    int slot = -1;
    for (int k = 0; k <= s.awardslots && k < static_cast<int>(q.awards.size()); ++k)
        if (q.awards[static_cast<std::size_t>(k)] == award) slot = k;
    return slot;
}

std::optional<lighthouseqso> lighthouseof(const AppState& s, const qsorecord& q) {
    if (s.arlhsaward < 1) return std::nullopt;
    const int slot = lastslotof(s, q, s.arlhsaward);
    if (slot < 0) return std::nullopt;
    // A position outside the award's own list names no lighthouse.
    const int32_t entry = q.entries[static_cast<std::size_t>(slot)];
    const auto name = entryname(s, s.arlhsaward, entry);
    if (!name) return std::nullopt;
    lighthouseqso l;
    l.entry = entry;
    l.key = *name;
    const int stateslot = s.wasaward >= 1 ? lastslotof(s, q, s.wasaward) : -1;
    if (stateslot >= 0) {
        const int32_t state = q.entries[static_cast<std::size_t>(stateslot)];
        if (state >= 0 && state < static_cast<int32_t>(s.statetable.size()))
            l.state = static_cast<int>(state);
    }
    for (const char c : q.call.view()) {
        if (c >= '0' && c <= '9') l.area = c - '0';
        if (c == slashedzero) l.area = 0;
    }
    return l;
}

// The number of lighthouses: the entries of the award's list.
std::size_t lighthousecount(const AppState& s) {
    if (s.arlhsaward < 1 || s.arlhsaward > s.awardcount) return 0;
    const awardrecord& a = s.awardtable[static_cast<std::size_t>(s.arlhsaward)];
    return a.last >= a.first ? static_cast<std::size_t>(a.last - a.first + 1) : 0;
}

// Takes a QSO's status into the best so far: the first QSO that worked a row stands for it
// until the first confirmed one replaces it. True when the QSO became the row's QSO.
bool improves(arlhsstatus& status, bool confirmed) {
    if (status == arlhsstatus::worked && confirmed) {
        status = arlhsstatus::confirmed;
        return true;
    }
    if (status != arlhsstatus::need) return false;
    status = confirmed ? arlhsstatus::confirmed : arlhsstatus::worked;
    return true;
}

std::string rowtext(const arlhsrow& row, arlhsstatus status) {
    return row.rowkey.str() + "    " + row.rowcall.str() + " " + row.rowdate.str() + " " +
           row.rowtime.str() + " " + arlhsstatustext(status);
}

void listlines(std::vector<arlhsrow>& arlhstable, const std::vector<arlhsstatus>& lighthousestatus,
               std::vector<std::string>& out) {
    const auto n = static_cast<int32_t>(arlhstable.size() - 1);
    sortreporttable(arlhstable, 1, n);
    out.push_back("Lighthouse Call         Date       Time");
    int32_t confirmed = 0;
    int32_t worked = 0;
    int32_t lighthouses = 0;
    for (int32_t k = 1; k <= n; ++k) {
        const arlhsrow& row = arlhstable[static_cast<std::size_t>(k)];
        // Every QSO of a lighthouse shows the best status any QSO of the log gave it.
        const arlhsstatus status = lighthousestatus[static_cast<std::size_t>(row.rowentry)];
        out.push_back(rowtext(row, status));
        if (status == arlhsstatus::confirmed) ++confirmed;
        if (status == arlhsstatus::worked) ++worked;
        if (k == 1 || row.rowkey != arlhstable[static_cast<std::size_t>(k - 1)].rowkey)
            ++lighthouses;
    }
    out.push_back(" ");
    out.push_back("Confirmed QSOs: " + std::to_string(confirmed));
    out.push_back("Not Confirmed QSOs: " + std::to_string(worked));
    out.push_back(std::to_string(lighthouses) + " Lighthouses Worked");
    out.push_back(std::to_string(n) + " QSOs");
}

std::string keylabel(const AppState& s, int report, int e) {
    const auto row = static_cast<std::size_t>(e);
    switch (report) {
    case 1:
        return s.statetable[row].code.str() + "    ";
    case 2:
        return std::to_string(e) + "    ";
    case 3:
        return s.continenttable[row].code.str() + "        ";
    default:
        return FixedText<25>(s.dxcctable[row].country).str() + " ";
    }
}

void keyedlines(const AppState& s, int report, int first, int last,
                const std::vector<arlhsrow>& arlhstable, std::vector<std::string>& out) {
    out.push_back(report == 1   ? "State Lighthouse Call         Date       Time"
                  : report == 2 ? "Area Lighthouse Call         Date       Time"
                  : report == 3
                      ? "Continent Lighthouse Call         Date       Time"
                      : "DXCC                      Lighthouse Call         Date       Time");
    int32_t worked = 0;
    int32_t confirmed = 0;
    for (int e = first; e <= last; ++e) {
        const arlhsrow& row = arlhstable[static_cast<std::size_t>(e)];
        out.push_back(keylabel(s, report, e) + rowtext(row, row.rowstatus));
        if (row.rowstatus != arlhsstatus::need) ++worked;
        if (row.rowstatus == arlhsstatus::confirmed) ++confirmed;
    }
    const int32_t rows = last >= first ? last - first + 1 : 0;
    out.push_back(" ");
    if (report == 11) {
        out.push_back("Confirmed DXCC: " + std::to_string(confirmed));
        out.push_back("Worked, But Not Confirmed DXCC: " + std::to_string(worked - confirmed));
        out.push_back(std::to_string(worked) + " DXCC QSOs");
        return;
    }
    out.push_back("Confirmed QSOs: " + std::to_string(confirmed));
    out.push_back("Not Confirmed QSOs: " + std::to_string(rows - confirmed));
    out.push_back(std::to_string(worked) + (report == 1   ? " States Worked"
                                            : report == 2 ? " Call Areas"
                                                          : " Continents"));
}

} // namespace

const char* arlhsstatustext(arlhsstatus status) {
    switch (status) {
    case arlhsstatus::worked:
        return "Worked   ";
    case arlhsstatus::confirmed:
        return "Confirmed";
    default:
        return "Need     ";
    }
}

void swapreportentries(std::vector<arlhsrow>& arlhstable, int32_t a, int32_t b) {
    swapthroughrowzero(arlhstable, a, b);
}

void sortreporttable(std::vector<arlhsrow>& arlhstable, int32_t lo, int32_t hi) {
    sortpickertable(
        arlhstable, lo, hi, [](const arlhsrow& r) { return r.rowkey.view(); }, swapreportentries);
}

Report arlhsreport(const AppState& s, int16_t report, int16_t country) {
    if (report < 0 || report >= arlhsreports) return {};
    const bool keyed = iskeyed(report);
    // The rows a keyed report lists; a key outside them enters no row.
    const int first = report == 3 || report == 11 ? 1 : 0;
    const int last = report == 1 ? 49 : report == 2 ? 9 : report == 3 ? 7 : s.dxcccount;
    // Fresh tables each run: nothing of an earlier report shows in this one.
    std::vector<arlhsrow> arlhstable(keyed ? static_cast<std::size_t>(last + 1) : 1);
    std::vector<arlhsstatus> lighthousestatus(lighthousecount(s), arlhsstatus::need);

    for (int32_t i = 1; i <= s.qsocount; ++i) {
        const qsorecord& q = s.qsos[static_cast<std::size_t>(i)];
        if (!counts(q)) continue;
        const auto lighthouse = lighthouseof(s, q);
        if (!lighthouse) continue;
        const bool confirmed = q.qslr == 1;
        arlhsrow row;
        row.rowcall = q.call;
        row.rowkey = lighthouse->key;
        row.rowdate = qsodatetext(s, i);
        row.rowtime = q.time;
        row.rowentry = lighthouse->entry;
        if (keyed) {
            int e = -1;
            if (report == 1) e = lighthouse->state;
            if (report == 2 && q.dxcc >= 1 && q.dxcc <= s.dxcccount &&
                s.dxcctable[static_cast<std::size_t>(q.dxcc)].status == "X")
                e = lighthouse->area;
            if (report == 3) e = q.continent;
            if (report == 11) e = q.dxcc;
            if (e < first || e > last) continue;
            arlhsrow& keyedrow = arlhstable[static_cast<std::size_t>(e)];
            if (improves(keyedrow.rowstatus, confirmed)) {
                row.rowstatus = keyedrow.rowstatus;
                keyedrow = row;
            }
            continue;
        }
        const bool taken =
            report == 0 || (report == 12 ? q.dxcc == country : q.continent == report - 3);
        if (taken) arlhstable.push_back(row);
        improves(lighthousestatus[static_cast<std::size_t>(lighthouse->entry)], confirmed);
    }

    Report r;
    r.fontsize = 10;
    const std::string call = s.mycall.str();
    r.lines.push_back(report == 12 ? "ARLHS " + countryname(s, country).value_or("") +
                                         " Lighthouses - " + call
                                   : titles[static_cast<std::size_t>(report)] + call);
    r.lines.push_back(" ");
    if (keyed)
        keyedlines(s, report, first, last, arlhstable, r.lines);
    else
        listlines(arlhstable, lighthousestatus, r.lines);
    return r;
}

} // namespace tsl
