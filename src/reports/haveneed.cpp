#include "haveneed.h"

#include "core/helpers.h"
#include "core/state.h"
#include "reportfilter.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tsl {

namespace {

constexpr int bands = 28;
constexpr std::size_t allmodes = 4;

// The heads of the status columns, each over the first character of its column.
const char* const columnheads = "CW          SSB          RTTY         Other        All Modes";

enum status : uint8_t { needed, workedonly, have };

// One row per country or band; columns CW, SSB, RTTY, Other and all modes.
using statustable = std::vector<std::array<status, 5>>;

// Marks the QSOs that pass the filter: by country, or (onecountry 1 or more) the QSOs of
// that country by band, "75 Extra" as 80 m. A QSO whose country or band lies outside the
// tables counts nowhere.
statustable markstatus(const AppState& s, int band, int mode, int prop, bool qrp, int onecountry) {
    statustable table(static_cast<std::size_t>(onecountry > 0 ? bands : s.dxcccount + 1),
                      {needed, needed, needed, needed, needed});
    for (int32_t i = 1; i <= s.qsocount; ++i) {
        const qsorecord& q = s.qsos[static_cast<std::size_t>(i)];
        if (!withintables(s, q)) continue;
        if (onecountry > 0 && q.dxcc != onecountry) continue;
        if (!passesfilter(s, i, band, mode, prop, qrp)) continue;
        const int row = onecountry > 0 ? (q.band == 4 ? 3 : q.band) : q.dxcc;
        auto& cells = table[static_cast<std::size_t>(row)];
        for (std::size_t k : {static_cast<std::size_t>(modeclassof(s, q)), allmodes}) {
            if (q.qslr == 1)
                cells[k] = have;
            else if (cells[k] != have)
                cells[k] = workedonly;
        }
    }
    return table;
}

std::string statusline(const std::string& label, const std::array<status, 5>& cells) {
    static const char* const texts[] = {"Need  ", "Worked", "Have  "};
    static const char* const gaps[] = {"    ", "      ", "       ", "       ", "       "};
    std::string line = label;
    for (std::size_t k = 0; k < cells.size(); ++k)
        line += std::string(gaps[k]) + texts[cells[k]];
    return line;
}

void addlegend(std::vector<std::string>& out) {
    out.push_back(" ");
    out.push_back("Need: not yet worked, Worked: worked, but no QSL, Have: worked & QSL");
    out.push_back("Other is all modes other than CW and SSB");
}

Report statusreport(int fontsize) {
    Report r;
    r.fontsize = fontsize;
    return r;
}

} // namespace

Report dxcchaveneedall(const AppState& s, int band, int mode, int prop, bool qrp) {
    const statustable table = markstatus(s, band, mode, prop, qrp, 0);
    Report r = statusreport(10);
    auto& out = r.lines;
    out.push_back("DXCC Have / Need for ALL DXCC Countries " + s.mycall.str());
    out.push_back("Deleted Countries are not included ");
    out.push_back(filterline(s, band, mode, prop, qrp));
    out.push_back(" ");
    out.push_back("DXCC Country" + std::string(12, ' ') + columnheads);
    for (int c = 1; c <= s.dxcccount; ++c) {
        const dxccrecord& d = s.dxcctable[static_cast<std::size_t>(c)];
        if (d.status == "D") continue;
        out.push_back(statusline(textfield(d.country, 20), table[static_cast<std::size_t>(c)]));
    }
    addlegend(out);
    return r;
}

std::optional<Report> dxcchaveneedone(const AppState& s, int country, bool qrp) {
    if (country < 1 || country > s.dxcccount) return std::nullopt;
    const statustable table = markstatus(s, 0, 0, 0, qrp, country);
    const dxccrecord& d = s.dxcctable[static_cast<std::size_t>(country)];
    Report r = statusreport(12);
    auto& out = r.lines;
    out.push_back("DXCC Have / Need for " + d.country + " " + d.prefix[0].str() +
                  (qrp ? " QRP" : ""));
    out.push_back(" ");
    out.push_back(std::string("Band") + std::string(8, ' ') + columnheads);
    for (int b = 2; b <= 12; ++b)
        if (b != 4)
            out.push_back(statusline(s.bandtable[static_cast<std::size_t>(b)].longname,
                                     table[static_cast<std::size_t>(b)]));
    addlegend(out);
    return r;
}

Report dxccneeded(AppState& s, bool qrp) {
    s.dxccneedflag = false;
    const statustable table = markstatus(s, 0, 0, 0, qrp, 0);
    Report r = statusreport(8);
    auto& out = r.lines;
    out.push_back(std::string(qrp ? "DXCC Needed Countries QRP " : "DXCC Needed Countries ") +
                  s.mycall.str());
    out.push_back("Deleted Countries are not included ");
    out.push_back(" ");
    out.push_back("DXCC Country" + std::string(32, ' ') + columnheads);
    for (int c = 1; c <= s.dxcccount; ++c) {
        const dxccrecord& d = s.dxcctable[static_cast<std::size_t>(c)];
        const auto& cells = table[static_cast<std::size_t>(c)];
        if (d.status == "D" || cells[allmodes] == have) continue;
        out.push_back(statusline(textfield(d.country, 40), cells));
    }
    addlegend(out);
    return r;
}

std::optional<Report> countryqsolist(const AppState& s, int country, int nofilterline, int band,
                                     int mode, int prop, bool qrp) {
    if (country < 0 || country > s.dxcccount) return std::nullopt;
    Report r;
    r.setsreportsize = false;
    r.setslistfont = false;
    r.clearsfirst = false;
    auto& out = r.lines;
    out.push_back("All QSOs with " + s.dxcctable[static_cast<std::size_t>(country)].country +
                  "   " + s.mycall.str());
    if (nofilterline == 0) out.push_back(filterline(s, band, mode, prop, qrp));
    out.push_back(" ");
    out.push_back("Call         Date       Time ");
    long long count = 0;
    for (int32_t i = 1; i <= s.qsocount; ++i) {
        const qsorecord& q = s.qsos[static_cast<std::size_t>(i)];
        if (q.dxcc != country || !withintables(s, q) || !passesfilter(s, i, band, mode, prop, qrp))
            continue;
        out.push_back(q.call.str() + " " + qsodatetext(s, i) + " " + q.time.str());
        ++count;
    }
    out.push_back("  ");
    out.push_back("Total QSOs    " + std::to_string(count));
    return r;
}

} // namespace tsl
