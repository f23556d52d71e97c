#include "bartg.h"

#include "core/helpers.h"
#include "core/recordtext.h"
#include "core/state.h"
#include "reportfilter.h"

#include <vector>

namespace tsl {

namespace {

enum cellstatus : int16_t { nothing = 0, worked = 1, confirmed = 2 };

// The QSO that counts for one entity, band and mode slot.
struct bartgcell {
    int32_t qso = 0;
    cellstatus status = nothing;
};

constexpr int cellbands = 13; // band 0 (counted without bands) and the bands up to 10 m
constexpr int rttyslot = 0;
constexpr int pskslot = 1;

using entitycells = std::array<std::array<bartgcell, 2>, cellbands>;

bool bandmatches(int qsoband, int band) {
    return qsoband == band || (band == 3 && qsoband == 4);
}

bool listedband(int band) {
    for (const int16_t b : bartgbands)
        if (b == band) return true;
    return false;
}

// The first confirmed QSO stays; until one comes, the latest worked one.
void enter(bartgcell& cell, int32_t qso, int qslr) {
    if (cell.status == confirmed) return;
    cell.qso = qso;
    if (qslr == 1)
        cell.status = confirmed;
    else if (cell.status == nothing)
        cell.status = worked;
}

const char* statustext(const bartgcell& cell) {
    return cell.status == confirmed ? "Confirmed" : "Worked";
}

std::string bandtext(const AppState& s, int band) {
    return bandname(s, band).value_or("");
}

std::string continenttext(const AppState& s, int continent) {
    std::string name;
    if (continent >= 0 && continent < s.continentcount &&
        static_cast<std::size_t>(continent) < s.continenttable.size())
        name = s.continenttable[static_cast<std::size_t>(continent)].name.str();
    return textfield(name, 13);
}

std::string awardline(const AppState& s, int award, int band, int continent, bool allbands) {
    switch (award) {
    case 0:
        return "Quarter Century Award";
    case 1:
        return "PSK31 Award";
    case 6:
        return "Quarter Century Award RTTY " + bandtext(s, band);
    case 7:
        return "Quarter Century Award PSK31 " + bandtext(s, band);
    default:
        return continenttext(s, continent) +
               (allbands ? std::string(" Award All Bands") : " Award " + bandtext(s, band));
    }
}

// The cell band and mode slot a QSO counts in for the award, or false when it does not
// count.
bool cellof(const AppState& s, const qsorecord& q, int award, int band, int continent,
            bool allbands, int& cellband, int& slot) {
    const bool rtty = s.rttymodeindex >= 1 && q.mode == s.rttymodeindex;
    const bool psk = s.pskmodeindex >= 1 && q.mode == s.pskmodeindex;
    cellband = 0;
    slot = rttyslot;
    switch (award) {
    case 0:
        return rtty || psk;
    case 1:
        return psk;
    case 6:
        return rtty && bandmatches(q.band, band);
    case 7:
        return psk && bandmatches(q.band, band);
    default:
        if ((!rtty && !psk) || q.continent != continent) return false;
        slot = rtty ? rttyslot : pskslot;
        if (!allbands) return bandmatches(q.band, band);
        cellband = q.band;
        return listedband(q.band);
    }
}

} // namespace

Report bartgreport(const AppState& s, int award, int band, int continent, bool allbands) {
    Report r;
    r.fontsize = 12;
    r.setslistfont = false;
    r.clearsfirst = false;
    auto& out = r.lines;
    out.push_back("British Amateur Radio Teledata Group Award Report " + s.mycall.str());
    if (award < 0 || award >= bartgawards) return r;
    const bool continentaward = award >= 2 && award <= 5;
    allbands = continentaward && allbands;

    std::vector<entitycells> bartgwork(static_cast<std::size_t>(s.dxcccount) + 1);
    for (int32_t i = 1; i <= s.qsocount; ++i) {
        const qsorecord& q = s.qsos[static_cast<std::size_t>(i)];
        if (!counts(q) || !withintables(s, q)) continue;
        int cellband = 0, slot = 0;
        if (!cellof(s, q, award, band, continent, allbands, cellband, slot)) continue;
        enter(bartgwork[static_cast<std::size_t>(q.dxcc)][static_cast<std::size_t>(cellband)]
                       [static_cast<std::size_t>(slot)],
              i, q.qslr);
    }

    out.push_back(awardline(s, award, band, continent, allbands));
    out.push_back("");
    // Call, date and time of the QSO that counts for a cell.
    const auto qsotext = [&s](const bartgcell& cell, const std::string& between) {
        const qsorecord& q = s.qsos[static_cast<std::size_t>(cell.qso)];
        return q.call.str() + " " + between + qsodatetext(s, cell.qso) + " " + q.time.str() + " " +
               statustext(cell);
    };

    if (!continentaward) {
        long long entities = 0, confirmedcount = 0, workedcount = 0;
        for (int d = 1; d <= s.dxcccount; ++d) {
            const bartgcell& cell = bartgwork[static_cast<std::size_t>(d)][0][rttyslot];
            if (cell.status == nothing) continue;
            out.push_back(textfield(s.dxcctable[static_cast<std::size_t>(d)].country, 20) + " " +
                          qsotext(cell, ""));
            ++entities;
            if (cell.status == confirmed)
                ++confirmedcount;
            else
                ++workedcount;
        }
        out.push_back("");
        out.push_back(std::to_string(entities) + " DXCCs, " + std::to_string(confirmedcount) +
                      " Confirmed, " + std::to_string(workedcount) + " Worked but not Confirmed");
        return r;
    }

    std::vector<int> bands;
    if (allbands)
        bands.assign(bartgbands.begin(), bartgbands.end());
    else
        bands.push_back(0);
    long long entries = 0;
    long long confirmedby[2] = {0, 0}, workedby[2] = {0, 0};
    for (int d = 1; d <= s.dxcccount; ++d) {
        const entitycells& cells = bartgwork[static_cast<std::size_t>(d)];
        std::vector<std::string> lines;
        for (const int b : bands)
            for (const int slot : {rttyslot, pskslot}) {
                const bartgcell& cell =
                    cells[static_cast<std::size_t>(b)][static_cast<std::size_t>(slot)];
                if (cell.status == nothing) continue;
                lines.push_back((slot == rttyslot ? "  RTTY  " : "  PSK31 ") +
                                qsotext(cell, allbands ? bandtext(s, b) + " " : ""));
                ++entries;
                if (cell.status == confirmed)
                    ++confirmedby[slot];
                else
                    ++workedby[slot];
            }
        if (lines.empty()) continue;
        out.push_back(s.dxcctable[static_cast<std::size_t>(d)].country);
        out.insert(out.end(), lines.begin(), lines.end());
    }
    if (entries > 0) out.push_back("");
    out.push_back(std::to_string(entries) + " DXCCs");
    const char* labels[2] = {"RTTY  ", "PSK31 "};
    for (const int slot : {rttyslot, pskslot})
        out.push_back(labels[slot] + std::to_string(confirmedby[slot] + workedby[slot]) +
                      " DXCCs: " + std::to_string(confirmedby[slot]) + " Confirmed, " +
                      std::to_string(workedby[slot]) + " Worked but not Confirmed");
    out.push_back("");
    return r;
}

} // namespace tsl
