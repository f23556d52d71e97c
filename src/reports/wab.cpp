#include "wab.h"

#include "core/helpers.h"
#include "core/state.h"
#include "gridsquares.h"
#include "reportfilter.h"

#include <array>

namespace tsl {

namespace {

struct wabpart {
    char letter; // the last character of the part's squares; 0 takes every square
    const char* title;
};

constexpr std::array<wabpart, wabreports> wabparts = {{
    {0, "Worked All Britain Squares"},
    {'E', "Worked All English Squares"},
    {'I', "Worked All Irish Squares"},
    {'S', "Worked All Scottish Squares"},
    {'W', "Worked All Welsh Squares"},
    {'M', "Worked All Isle of Man Squares"},
    {'C', "Worked All Channel Islands Squares"},
}};

const std::string nosquare(10, ' ');

} // namespace

void wabswap(std::vector<wabrow>& wablist, int32_t a, int32_t b) {
    swapthroughrowzero(wablist, a, b);
}

void wabsort(std::vector<wabrow>& wablist, int32_t lo, int32_t hi) {
    sortpickertable(
        wablist, lo, hi, [](const wabrow& r) { return r.wab.view(); }, wabswap);
}

Report wabreport(const AppState& s, int16_t report, int16_t band, int16_t mode, int16_t prop,
                 int16_t power) {
    if (report < 0 || report >= wabreports) return {};
    const wabpart& part = wabparts[static_cast<std::size_t>(report)];
    // The table takes every selected QSO, however many there are.
    std::vector<wabrow> wablist(1);
    for (int32_t i = 1; i <= s.qsocount; ++i) {
        const qsorecord& q = s.qsos[static_cast<std::size_t>(i)];
        if (q.wab == nosquare) continue;
        if (!passesfilter(s, i, band, mode, prop, power != 0)) continue;
        // The part is the square's last character, matched by its code: "e" is no part.
        if (part.letter != 0 && q.wab.trimmedright().back() != part.letter) continue;
        wablist.push_back({q.call, qsodatetext(s, i), q.time, q.wab});
    }
    const auto n = static_cast<int32_t>(wablist.size() - 1);
    wabsort(wablist, 1, n);

    Report r;
    r.fontsize = 10;
    r.lines.push_back(std::string(part.title) + "   " +
                      pickerfilterwords(s, band, mode, prop, power));
    r.lines.push_back(" ");
    r.lines.push_back("WAB        Call         Date       Time");
    wablist[0].wab = nosquare;
    int32_t squares = 0;
    for (int32_t j = 1; j <= n; ++j) {
        const wabrow& row = wablist[static_cast<std::size_t>(j)];
        if (row.wab == wablist[static_cast<std::size_t>(j - 1)].wab) continue;
        r.lines.push_back(row.wab.str() + " " + row.call.str() + " " + row.date.str() + " " +
                          row.time.str());
        ++squares;
    }
    r.lines.push_back(" ");
    r.lines.push_back(std::to_string(squares) + " WAB Squares Worked");
    return r;
}

} // namespace tsl
