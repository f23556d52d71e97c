#include "audit.h"

#include "core/numbers.h"
#include "core/recordtext.h"
#include "core/state.h"
#include "reportfilter.h"

namespace tsl {

namespace {

// A zone's number is the number its text begins with: "??" and blanks give 0, "05" gives 5.
double zonevalue(const FixedText<2>& zone) {
    return leadingnumber(zone.view());
}

// The power as the audit shows it and judges it: its decimal text in five characters.
std::string powertext(const qsorecord& q) {
    return FixedText<5>(singletext(q.power)).str();
}

// The columns both lists share; an index outside its table shows as blanks of the column's
// width, so a damaged QSO still gets its line.
std::string qsoline(const AppState& s, const qsorecord& q, bool withpower) {
    std::string line = q.date.str() + " " + q.time.str() + " " +
                       FixedText<8>(bandname(s, q.band).value_or("")).str() + " " +
                       FixedText<4>(modename(s, q.mode).value_or("")).str() + " ";
    if (withpower) line += powertext(q) + " ";
    line += FixedText<2>(singletext(static_cast<float>(zonevalue(q.cqz)))).str() + "  " +
            FixedText<2>(singletext(static_cast<float>(zonevalue(q.ituz)))).str() + "   " +
            FixedText<2>(continentcode(s, q.continent).value_or("")).str() + "         " +
            q.call.str() + " " + countryname(s, q.dxcc).value_or("");
    return line;
}

bool outside(double value, double last) {
    return value <= 0 || value > last;
}

// Blank date or time, or a band, mode, zone, continent, entity or power that is 0, below 0
// or beyond its table.
bool hasbaddata(const AppState& s, const qsorecord& q) {
    return q.date == "        " || q.time == "     " || outside(q.band, s.bandcount) ||
           outside(q.mode, s.modecount) || outside(zonevalue(q.cqz), 40) ||
           outside(zonevalue(q.ituz), 75) || outside(q.continent, s.continentcount - 1) ||
           outside(q.dxcc, s.dxcccount) || leadingnumber(powertext(q)) <= 0;
}

} // namespace

Report qsoaudit(const AppState& s) {
    Report r;
    r.fontsize = 10;
    r.lines = {"Audit of QSOs - " + s.mycall.str(),
               "",
               "This report shows QSOs with blank entries for the Date or Time,",
               "but does not check for valid Dates and Times.",
               "The report also shows QSOs with invalid entries for Band,",
               "Mode, Power, CQ Zone, ITU Zone, Continent and DXCC Country.",
               "",
               "Date     Time  Band     Mode Power CQZ ITUZ Continent  Call        DXCC"};
    int32_t count = 0;
    for (int32_t i = 1; i <= s.qsocount; ++i) {
        const qsorecord& q = s.qsos[static_cast<std::size_t>(i)];
        if (!counts(q) || !hasbaddata(s, q)) continue;
        r.lines.push_back(qsoline(s, q, true));
        ++count;
    }
    r.lines.push_back("");
    r.lines.push_back(inttext(count) + " QSOs with bad data");
    return r;
}

Report missingqsl(const AppState& s) {
    Report r;
    r.fontsize = 10;
    r.lines = {"Missing QSL cards, sent but not received - " + s.mycall.str(), "",
               "Date     Time  Band     Mode CQZ ITUZ Continent  Call      DXCC"};
    int32_t count = 0;
    for (int32_t i = 1; i <= s.qsocount; ++i) {
        const qsorecord& q = s.qsos[static_cast<std::size_t>(i)];
        if (!counts(q) || q.qsls != 1 || q.qslr != 0) continue;
        r.lines.push_back(qsoline(s, q, false));
        ++count;
    }
    r.lines.push_back("");
    r.lines.push_back(inttext(count) + " QSOs with no QSL card received");
    return r;
}

} // namespace tsl
