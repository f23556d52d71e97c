#include "dxccsummary.h"

#include "core/helpers.h"
#include "core/state.h"
#include "reportfilter.h"

#include <array>
#include <vector>

namespace tsl {

namespace {
constexpr int classes = 5; // CW, SSB, RTTY, Other, all modes
constexpr int bands = 28;
constexpr int countries = maxdxccentities + 1;
} // namespace

Report dxccsummary(const AppState& s, int16_t tentenonly, bool qrp) {
    std::vector<std::array<bool, classes>> worked(countries), confirmed(countries);
    std::array<std::array<int32_t, 3>, bands> qsosbyband{};
    // countryonband[band][qsl][country]: 0 worked on the band, 1 confirmed there.
    std::vector<std::array<std::vector<char>, 3>> countryonband(bands);
    for (auto& b : countryonband)
        for (auto& q : b)
            q.assign(countries, 0);

    for (int32_t i = 1; i <= s.qsocount; ++i) {
        const qsorecord& q = s.qsos[static_cast<std::size_t>(i)];
        if (!counts(q)) continue;
        if (qrp && !isqrp(s, i)) continue;
        if (tentenonly != 0 && !(tentenonly == 1 && hastenten(s, q))) continue;
        const int c = q.dxcc;
        const int b = q.band == 4 ? 3 : q.band;
        const int qsl = q.qslr;
        // Records outside the tables' bounds count nowhere.
        if (c < 0 || c >= countries || b < 0 || b >= bands || qsl < 0 || qsl > 2) continue;
        const auto k = static_cast<std::size_t>(modeclassof(s, q));
        const auto cc = static_cast<std::size_t>(c);
        worked[cc][4] = true;
        worked[cc][k] = true;
        if (qsl == 1) {
            confirmed[cc][4] = true;
            confirmed[cc][k] = true;
        }
        ++qsosbyband[static_cast<std::size_t>(b)][static_cast<std::size_t>(qsl)];
        countryonband[static_cast<std::size_t>(b)][0][cc] = 1;
        countryonband[static_cast<std::size_t>(b)][static_cast<std::size_t>(qsl)][cc] = 1;
    }

    std::array<int32_t, classes> classworked{}, classconfirmed{};
    std::array<int32_t, bands> bandworked{}, bandconfirmed{};
    for (int c = 1; c <= s.dxcccount; ++c) {
        const auto cc = static_cast<std::size_t>(c);
        for (std::size_t k = 0; k < classes; ++k) {
            classworked[k] += worked[cc][k];
            classconfirmed[k] += confirmed[cc][k];
        }
        for (int b = 1; b <= s.bandcount; ++b) {
            bandworked[static_cast<std::size_t>(b)] +=
                countryonband[static_cast<std::size_t>(b)][0][cc];
            bandconfirmed[static_cast<std::size_t>(b)] +=
                countryonband[static_cast<std::size_t>(b)][1][cc];
        }
    }

    Report r;
    r.fontsize = 12;
    r.setslistfont = false;
    r.clearsfirst = false;
    auto& out = r.lines;
    const std::string call = s.mycall.str();
    out.push_back(std::string(qrp ? "DXCC Summary Report QRP " : "DXCC Summary Report ") + call);
    if (tentenonly == 1) out.push_back("Ten - Ten QSOs");
    out.push_back("Mode        Worked    Confirmed");
    const char* labels[classes] = {"CW     ", "SSB    ", "RTTY   ", "Other  ", "Total  "};
    for (std::size_t k = 0; k < classes; ++k)
        out.push_back(labels[k] + numberfield(classworked[k]) + numberfield(classconfirmed[k]));
    out.push_back("");

    out.push_back("QSOs x Band Countries Worked " + call);
    out.push_back("Band        Worked    Confirmed");
    long long total = 0, totalconfirmed = 0;
    for (int b = 1; b <= s.bandcount; ++b) {
        const auto bb = static_cast<std::size_t>(b);
        if (b == 4 || (qsosbyband[bb][0] == 0 && qsosbyband[bb][1] == 0)) continue;
        const long long all = qsosbyband[bb][0] + qsosbyband[bb][1];
        out.push_back(s.bandtable[bb].longname + numberfield(all) + numberfield(qsosbyband[bb][1]));
        total += all;
        totalconfirmed += qsosbyband[bb][1];
    }
    out.push_back("Totals  " + numberfield(total) + numberfield(totalconfirmed));
    out.push_back("");

    out.push_back("DXCC By Band - All Modes " + call);
    out.push_back("Band        Worked    Confirmed");
    total = totalconfirmed = 0;
    for (int b = 1; b <= s.bandcount; ++b) {
        const auto bb = static_cast<std::size_t>(b);
        if (b == 4 || (bandworked[bb] == 0 && bandconfirmed[bb] == 0)) continue;
        out.push_back(s.bandtable[bb].longname + numberfield(bandworked[bb]) +
                      numberfield(bandconfirmed[bb]));
        total += bandworked[bb];
        totalconfirmed += bandconfirmed[bb];
    }
    out.push_back("Totals  " + numberfield(total) + numberfield(totalconfirmed));
    return r;
}

} // namespace tsl
