#include "reportfilter.h"

#include "core/helpers.h"
#include "core/recordtext.h"
#include "core/state.h"
#include "core/text.h"

namespace tsl {

modeclass modeclassof(const AppState& s, const qsorecord& q) {
    if (q.mode == s.cwmodeindex) return cwclass;
    if (q.mode == s.ssbmodeindex) return ssbclass;
    if (q.mode == s.rttymodeindex) return rttyclass;
    return otherclass;
}

bool counts(const qsorecord& q) {
    return !(q.deleted == "D");
}

bool passesfilter(const AppState& s, int32_t qso, int band, int mode, int prop, bool qrp) {
    const qsorecord& q = s.qsos[static_cast<std::size_t>(qso)];
    if (!counts(q)) return false;
    if (band != 0 && q.band != band && !(band == 3 && q.band == 4)) return false;
    if (mode != 0 && q.mode != mode) return false;
    if (prop != 0 && q.prop != prop) return false;
    return !qrp || isqrp(s, qso);
}

bool hastenten(const AppState& s, const qsorecord& q) {
    if (s.tentenaward < 1) return false;
    for (int k = 0; k <= s.awardslots && k < 5; ++k)
        if (q.awards[static_cast<std::size_t>(k)] == s.tentenaward) return true;
    return false;
}

bool withintables(const AppState& s, const qsorecord& q) {
    return q.dxcc >= 0 && q.dxcc <= s.dxcccount && q.band >= 0 &&
           static_cast<std::size_t>(q.band) < s.bandtable.size();
}

bool holdsaward(const AppState& s, const qsorecord& q, int award) {
    if (award < 1) return false;
    for (int k = 0; k <= s.awardslots && k < static_cast<int>(q.awards.size()); ++k)
        if (q.awards[static_cast<std::size_t>(k)] == award) return true;
    return false;
}

std::string filterline(const AppState& s, int band, int mode, int prop, bool qrp) {
    const std::string bandtext = band == 0 ? "All" : trimblanks(bandname(s, band).value_or(""));
    const std::string modetext = mode == 0 ? "ALL" : trimblanks(modename(s, mode).value_or(""));
    const std::string proptext = prop == 0 ? "All" : propname(s, prop).value_or("");
    return "Band=" + bandtext + " Mode=" + modetext + " Propagation=" + proptext +
           (qrp ? " QRP" : "");
}

std::string numberfield(long long value, std::size_t width) {
    const std::string digits = std::to_string(value);
    return digits.size() >= width ? digits : std::string(width - digits.size(), ' ') + digits;
}

std::string textfield(const std::string& text, std::size_t width) {
    std::string out = text.substr(0, width);
    out.resize(width, ' ');
    return out;
}

} // namespace tsl
