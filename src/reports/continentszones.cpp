#include "continentszones.h"

#include "core/fixedtext.h"
#include "core/helpers.h"
#include "core/numbers.h"
#include "core/state.h"
#include "reportfilter.h"

#include <vector>

namespace tsl {

namespace {

constexpr int gridbands = 26; // band indexes 1..26
const std::vector<int> eightbands = {2, 3, 6, 8, 9, 10, 11, 12};

// Rows 1..rows (continents or zones) by bands 1..26; each cell the status "N", "W" or "C"
// and the call that set it.
class CellGrid {
  public:
    explicit CellGrid(int rows) : cells_(static_cast<std::size_t>(rows * gridbands)) {}

    // A QSL makes the cell "C" with this call; a QSO without one makes it "W" unless it
    // is "C" already. Bands outside 1..26 (0 when a file gave none) have no cell.
    void enter(int row, int band, const qsorecord& q) {
        if (band == 4) band = 3; // "75 Extra" counts as 80 m
        if (band < 1 || band > gridbands) return;
        Cell& c = cells_[index(row, band)];
        if (q.qslr == 1) {
            c.status = 'C';
            c.call = q.call.view();
        } else if (c.status != 'C') {
            c.status = 'W';
            c.call = q.call.view();
        }
    }

    bool confirmed(int row, int band) const { return cell(row, band).status == 'C'; }
    std::string text(int row, int band) const {
        const Cell& c = cell(row, band);
        return c.call.str() + "-" + c.status;
    }

  private:
    struct Cell {
        FixedText<10> call;
        char status = 'N';
    };
    static std::size_t index(int row, int band) {
        return static_cast<std::size_t>((row - 1) * gridbands + band - 1);
    }
    const Cell& cell(int row, int band) const { return cells_[index(row, band)]; }
    std::vector<Cell> cells_;
};

// What the continent and zone layouts differ in.
struct GridLayout {
    std::string title;
    std::vector<std::string> subtitle;  // the Ten-Ten line, where there is one
    std::vector<std::string> rowlabels; // 2 characters each, rows 1..n
    std::vector<int> bands;             // the shown columns
    std::string lastline;
};

Report gridreport(const AppState& s, const CellGrid& grid, const GridLayout& layout) {
    Report r;
    r.fontsize = 8;
    auto& out = r.lines;
    out.push_back(layout.title + s.mycall.str());
    out.insert(out.end(), layout.subtitle.begin(), layout.subtitle.end());
    out.push_back("");
    std::string heads = "   ";
    for (std::size_t n = 0; n < layout.bands.size(); ++n)
        heads +=
            (n ? "     " : "") + s.bandtable[static_cast<std::size_t>(layout.bands[n])].longname;
    out.push_back(heads);

    std::vector<long long> totals(layout.bands.size(), 0);
    for (std::size_t row = 1; row <= layout.rowlabels.size(); ++row) {
        std::string line = layout.rowlabels[row - 1];
        for (std::size_t n = 0; n < layout.bands.size(); ++n) {
            line += " " + grid.text(static_cast<int>(row), layout.bands[n]);
            if (grid.confirmed(static_cast<int>(row), layout.bands[n])) ++totals[n];
        }
        out.push_back(line);
    }
    // Each total ends under the status letter of its column. Seven continents never reach
    // two digits, so their plain totals read the same in this right-aligned form.
    std::string line = "Totals       ";
    for (std::size_t n = 0; n < totals.size(); ++n)
        line += (n ? std::string(11, ' ') : "") + numberfield(totals[n], 2);
    out.push_back(line);
    out.push_back("");
    out.push_back("N - Need, not worked");
    out.push_back("W - Worked, no QSL Card yet");
    out.push_back("C - Confirmed, worked & QSL card");
    out.push_back(layout.lastline);
    return r;
}

bool passes(const AppState& s, int32_t i, bool qrp) {
    return counts(s.qsos[static_cast<std::size_t>(i)]) && (!qrp || isqrp(s, i));
}

// The zone text read as a number and rounded, halves to even: "05", " 5" and "5 " are 5,
// "??" and blanks 0.
int zoneof(const FixedText<2>& text) {
    const double zone = roundhalfeven(leadingnumber(text.view()));
    return zone >= 0 && zone <= 99 ? static_cast<int>(zone) : 0;
}

Report zonereport(const AppState& s, bool qrp, bool cq) {
    const int zones = cq ? 40 : 75;
    CellGrid grid(zones);
    long long nozone = 0;
    for (int32_t i = 1; i <= s.qsocount; ++i) {
        if (!passes(s, i, qrp)) continue;
        const qsorecord& q = s.qsos[static_cast<std::size_t>(i)];
        const int zone = zoneof(cq ? q.cqz : q.ituz);
        if (zone < 1 || zone > zones)
            ++nozone;
        else
            grid.enter(zone, q.band, q);
    }
    GridLayout layout;
    const std::string kind = cq ? "CQ" : "ITU";
    layout.title = "Worked All " + kind + " Zones - Mixed - " + (qrp ? "QRP " : "");
    for (int z = 1; z <= zones; ++z)
        layout.rowlabels.push_back(z < 10 ? std::to_string(z) + " " : std::to_string(z));
    layout.bands = cq ? eightbands : std::vector<int>{2, 3, 6, 8, 10, 12};
    layout.lastline = std::to_string(nozone) + " QSOs with no " + kind + " Zone";
    return gridreport(s, grid, layout);
}

} // namespace

Report wacreport(const AppState& s, int16_t tentenonly, bool qrp) {
    constexpr int continents = 7;
    CellGrid grid(continents);
    long long nocontinent = 0;
    for (int32_t i = 1; i <= s.qsocount; ++i) {
        if (!passes(s, i, qrp)) continue;
        const qsorecord& q = s.qsos[static_cast<std::size_t>(i)];
        // Counted before the Ten-Ten tests: on every band, with or without the award.
        const bool hascontinent = q.continent >= 1 && q.continent <= continents;
        if (!hascontinent) ++nocontinent;
        const bool entered =
            tentenonly == 0 || (tentenonly == 1 && q.band == 12 && hastenten(s, q));
        if (hascontinent && entered) grid.enter(q.continent, q.band, q);
    }
    GridLayout layout;
    layout.title = std::string("Worked All Continents - Mixed - ") + (qrp ? "QRP " : "");
    if (tentenonly == 1) layout.subtitle.push_back("10-10 QSOs");
    for (int c = 1; c <= continents; ++c)
        layout.rowlabels.push_back(s.continenttable[static_cast<std::size_t>(c)].code.str());
    layout.bands = tentenonly == 0 ? eightbands : std::vector<int>{12};
    layout.lastline = std::to_string(nocontinent) + " QSOs with no continent";
    return gridreport(s, grid, layout);
}

Report cqzonereport(const AppState& s, bool qrp) {
    return zonereport(s, qrp, true);
}

Report ituzonereport(const AppState& s, bool qrp) {
    return zonereport(s, qrp, false);
}

} // namespace tsl
