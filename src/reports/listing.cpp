#include "listing.h"

#include "core/numbers.h"
#include "core/recordtext.h"
#include "core/state.h"
#include "core/text.h"
#include "reportfilter.h"

namespace tsl {

namespace {

const char* yesno(int16_t flag) {
    return flag != 0 ? "YES" : "NO ";
}

// Every field of the QSO in one line. Table names of an index outside the table show as
// blanks of the column's width (or nothing where the column has none).
std::string qsofieldsline(const AppState& s, const qsorecord& q) {
    std::string line = griddatetext(s, q.date.str()) + " " + q.time.str() + " " +
                       FixedText<8>(bandname(s, q.band).value_or("")).str() + " " +
                       FixedText<4>(modename(s, q.mode).value_or("")).str() + " " +
                       singletext(q.power) + " " + q.call.str() + " " + q.rsts.str() + " " +
                       q.rstr.str() + " " + q.qslvia.str() + " " + yesno(q.qsls) + " " +
                       yesno(q.qslr) + " " + trimblanks(countryname(s, q.dxcc).value_or("")) + " " +
                       q.ituz.str() + " " + q.cqz.str() + " " + q.grid.str() + " " + q.wab.str() +
                       " " + FixedText<2>(continentcode(s, q.continent).value_or("")).str() + " " +
                       propname(s, q.prop).value_or("") + " " + (q.gender != 0 ? "F" : "M");
    // Only the four known QTH kinds are shown.
    if (q.qth >= 0 && static_cast<std::size_t>(q.qth) < qthnames.size())
        line += " " + FixedText<8>(qthnames[static_cast<std::size_t>(q.qth)]).str();
    return line;
}

// "  " and, for each slot in use, the award's name and the slot's number or entry name.
std::string awardsline(const AppState& s, const qsorecord& q) {
    std::string line = "  ";
    bool used = false;
    for (int k = 0; k <= s.awardslots && static_cast<std::size_t>(k) < q.awards.size(); ++k) {
        const int award = q.awards[static_cast<std::size_t>(k)];
        if (award == 0) continue;
        used = true;
        line += " " + trimblanks(awardname(s, award).value_or("")) + " " +
                trimblanks(
                    slotvaluetext(s, award, q.entries[static_cast<std::size_t>(k)]).value_or(""));
    }
    return used ? line : std::string();
}

} // namespace

Report allqsolisting(const AppState& s) {
    Report r;
    r.fontsize = 7;
    r.setslistfont = false;
    r.clearsfirst = false;
    r.lines.reserve(static_cast<std::size_t>(s.qsocount) * 3 + 2);
    r.lines.push_back("All QSOs Showing All Information " + s.mycall.str());
    r.lines.push_back(" ");
    for (int32_t i = 1; i <= s.qsocount; ++i) {
        const qsorecord& q = s.qsos[static_cast<std::size_t>(i)];
        if (!counts(q)) continue;
        r.lines.push_back(qsofieldsline(s, q));
        const std::string comments = trimblanks(q.comments.view());
        if (!comments.empty()) r.lines.push_back("   " + comments);
        std::string awards = awardsline(s, q);
        if (!awards.empty()) r.lines.push_back(std::move(awards));
    }
    return r;
}

} // namespace tsl
