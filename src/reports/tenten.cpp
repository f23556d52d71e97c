#include "tenten.h"

#include "continentszones.h"
#include "core/helpers.h"
#include "core/numbers.h"
#include "core/recordtext.h"
#include "core/state.h"
#include "dxccsummary.h"
#include "entryaward.h"
#include "numberaward.h"
#include "prefixes.h"
#include "reportfilter.h"

namespace tsl {

namespace {

// A member number as its column shows it: left-aligned in 5 characters, blank for none.
std::string membercolumn(const std::optional<int32_t>& number) {
    return textfield(number ? inttext(*number) : std::string(), 5);
}

} // namespace

std::vector<std::string> tentenchapternames(const AppState& s) {
    std::vector<std::string> names;
    if (s.tentenchaptersaward < 1) return names;
    while (const auto name =
               entryname(s, s.tentenchaptersaward, static_cast<int32_t>(names.size())))
        names.push_back(*name);
    return names;
}

std::optional<Report> tentenchapterreport(const AppState& s, int chapter) {
    const int award = s.tentenchaptersaward;
    const auto chaptername = award < 1 ? std::nullopt : entryname(s, award, chapter);
    if (!chaptername) return std::nullopt;

    Report r;
    r.fontsize = 10;
    auto& out = r.lines;
    out.push_back(s.awardtable[static_cast<std::size_t>(award)].name + "  " + *chaptername);
    out.push_back(" ");
    out.push_back("Date       Time  Call       10-10 # VP #");
    long long listed = 0;
    for (int32_t i = 1; i <= s.qsocount; ++i) {
        const qsorecord& q = s.qsos[static_cast<std::size_t>(i)];
        if (!counts(q)) continue;
        bool inchapter = false;
        std::optional<int32_t> tenten, vp;
        // Where two slots hold the same award the later one is shown.
        for (int k = 0; k <= s.awardslots && k < static_cast<int>(q.awards.size()); ++k) {
            const auto slot = static_cast<std::size_t>(k);
            if (q.awards[slot] == award && q.entries[slot] == chapter) inchapter = true;
            if (s.tentenaward >= 1 && q.awards[slot] == s.tentenaward) tenten = q.entries[slot];
            if (s.tentenvpaward >= 1 && q.awards[slot] == s.tentenvpaward) vp = q.entries[slot];
        }
        if (!inchapter) continue;
        out.push_back(qsodatetext(s, i) + " " + q.time.str() + " " + q.call.str() + " " +
                      membercolumn(tenten) + "   " + membercolumn(vp));
        ++listed;
    }
    out.push_back(" ");
    out.push_back(std::to_string(listed) + " QSOs");
    return r;
}

bool tentenoptionready(const AppState& s, int option) {
    switch (option) {
    case tentenchapterlist:
        return s.tentenchaptersaward != 0;
    case tentencwqsos:
    case tentennumbers:
        return s.tentenaward != 0;
    case tentengbcounties:
        return s.gbcountiesaward != 0;
    case tentenwhilemobile:
    case tentenwasmobiles:
    case tentenwas:
        return s.wasaward != 0;
    case tentenvpnumbers:
        return s.tentenvpaward != 0;
    case tentenvpwas:
        return s.wasaward != 0 && s.tentenvpaward != 0;
    default:
        return option >= 0 && option < tentenoptions;
    }
}

std::optional<Report> tentenreport(const AppState& s, int option) {
    if (!tentenoptionready(s, option)) return std::nullopt;
    switch (option) {
    case tentencontinents:
        return wacreport(s, 1, false);
    case tentendxcc:
        return dxccsummary(s, 1, false);
    case tentencwqsos:
        return tentencwreport(s, s.tentenaward);
    case tentengbcounties:
        return tentennumbersreport(s, s.gbcountiesaward);
    case tentenwhilemobile:
        return tentenwhilemobilereport(s, s.wasaward);
    case tentenwasmobiles:
        return tentenmobilesreport(s, s.wasaward);
    case tentenprefixes:
        return prefixreport(s, 1, false);
    case tentenvpnumbers:
        return numberedawardreport(s, s.tentenvpaward, 0, 0, 0, 0, false);
    case tentenvpwas:
        return tentenvpnumbersreport(s, s.wasaward);
    case tentenwas:
        return tentennumbersreport(s, s.wasaward);
    case tentennumbers:
        return numberedawardreport(s, s.tentenaward, 0, 0, 0, 0, false);
    default:
        return std::nullopt;
    }
}

} // namespace tsl
