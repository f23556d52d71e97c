#include "dxccdetail.h"

#include "core/helpers.h"
#include "core/sorting.h"
#include "core/state.h"
#include "core/text.h"
#include "reportfilter.h"

#include <array>
#include <vector>

namespace tsl {

namespace {

constexpr int markbands = 18; // the mark arrays hold bands 0..17
constexpr std::array<int, 10> shownbands = {2, 3, 6, 8, 9, 10, 11, 12, 13, 15};

std::array<char, markbands>& marksof(dxccdetailrecord& r, modeclass k) {
    switch (k) {
    case cwclass:
        return r.cwmarks;
    case ssbclass:
        return r.ssbmarks;
    case rttyclass:
        return r.rttymarks;
    default:
        return r.othermarks;
    }
}

} // namespace

Report dxccdetail(const AppState& s, bool qrp) {
    std::vector<dxccdetailrecord> table(maxdxccentities + 1);
    for (int c = 1; c <= s.dxcccount; ++c) {
        const dxccrecord& e = s.dxcctable[static_cast<std::size_t>(c)];
        dxccdetailrecord& r = table[static_cast<std::size_t>(c)];
        r.prefix = e.prefix[0];
        r.name = e.country;
        for (auto* marks : {&r.cwmarks, &r.ssbmarks, &r.rttymarks, &r.othermarks})
            marks->fill('_');
    }

    constexpr char letters[] = {'C', 'S', 'R', 'O'};
    for (int32_t i = 1; i <= s.qsocount; ++i) {
        const qsorecord& q = s.qsos[static_cast<std::size_t>(i)];
        if (!counts(q) || (qrp && !isqrp(s, i))) continue;
        const int b = q.band == 4 ? 3 : q.band;
        // Country 0 and unknown countries have no row; bands past 17 have no mark.
        if (q.dxcc < 1 || q.dxcc > s.dxcccount || b < 0 || b >= markbands) continue;
        const modeclass k = modeclassof(s, q);
        const char upper = letters[k];
        char& mark =
            marksof(table[static_cast<std::size_t>(q.dxcc)], k)[static_cast<std::size_t>(b)];
        if (q.qslr == 1)
            mark = upper;
        else if (mark != upper)
            mark = static_cast<char>(upper - 'A' + 'a');
    }

    dxccdetailsort(table, 1, s.dxcccount);

    Report r;
    r.fontsize = 8;
    auto& out = r.lines;
    out.push_back(std::string(qrp ? "DXCC Detail report QRP " : "DXCC Detail report ") +
                  s.mycall.str());
    out.push_back(" ");
    std::string header = "Pre  Name                 ";
    for (std::size_t n = 0; n < shownbands.size(); ++n)
        header += (n ? " " : "") +
                  s.bandtable[static_cast<std::size_t>(shownbands[n])].longname.substr(0, 7);
    out.push_back(header);
    for (int c = 1; c <= s.dxcccount; ++c) {
        const dxccdetailrecord& d = table[static_cast<std::size_t>(c)];
        std::string line = d.prefix.str() + " " + d.name.str() + " ";
        for (std::size_t n = 0; n < shownbands.size(); ++n) {
            const auto b = static_cast<std::size_t>(shownbands[n]);
            if (n) line += "    ";
            line += {d.cwmarks[b], d.ssbmarks[b], d.rttymarks[b], d.othermarks[b]};
        }
        out.push_back(line);
    }
    out.push_back(" ");
    out.push_back("C for CW, S for SSB, R for RTTY, O for other");
    out.push_back("Upper case C, S, R, O means Confirmed");
    out.push_back("Lower case c, s, r, o means worked but not confirmed");
    out.push_back("Under score, _, means not worked");
    return r;
}

Report dxccprefixlist(const AppState& s) {
    Report r;
    r.fontsize = 8;
    r.setslistfont = false;
    r.lines.push_back("DXCC Countries and Prefixes");
    r.lines.push_back(" ");
    for (int c = 1; c <= s.dxcccount; ++c) {
        const dxccrecord& e = s.dxcctable[static_cast<std::size_t>(c)];
        std::string line = e.country + ": ";
        for (int k = 0; k < filledprefixslots; ++k)
            line += trimblanks(e.prefix[static_cast<std::size_t>(k)].view()) + " ";
        r.lines.push_back(line);
    }
    r.lines.push_back(std::to_string(s.dxcccount) + " Countries");
    return r;
}

} // namespace tsl
