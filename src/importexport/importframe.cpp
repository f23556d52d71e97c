#include "importframe.h"

#include "core/listfile.h"
#include "core/recordtext.h"
#include "core/state.h"
#include "platform/codepage.h"
#include "platform/fileio.h"

#include <algorithm>

namespace tsl {

std::string importedtext(const std::string& value) {
    std::string text = fromutf8ifvalid(value);
    for (char& c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || u < 32 || u == 127) c = ' ';
    }
    return text;
}

std::string uppercased(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::string importedcall(const std::string& value) {
    return uppercased(importedtext(value));
}

std::string unreadablereason(const std::string& path) {
    return fileexists(path) ? "The file cannot be read." : "The file does not exist.";
}

int32_t roomleft(const AppState& s) {
    return std::max(0, maxqsos - s.qsocount);
}

void appendtolog(AppState& s, const std::vector<qsorecord>& records) {
    for (const qsorecord& q : records)
        s.qsos[static_cast<std::size_t>(++s.qsocount)] = q;
}

std::string leftouttext(int32_t leftout) {
    if (leftout <= 0) return "";
    return " The log is full at " + std::to_string(maxqsos) + " QSOs: " + std::to_string(leftout) +
           " QSOs were left out.";
}

std::string namedskips(const std::vector<std::string>& skips) {
    constexpr std::size_t shown = 10;
    if (skips.empty()) return "";
    std::string text = "Skipped";
    for (std::size_t k = 0; k < skips.size() && k < shown; ++k)
        text += (k == 0 ? " " : "; ") + skips[k];
    if (skips.size() > shown) text += "; ...";
    return text + ".";
}

int16_t bandoffrequency(const AppState& s, double mhz) {
    const auto f = static_cast<float>(std::clamp(mhz, -1.0e30, 1.0e30));
    int16_t band = 0;
    for (int b = 1; b <= s.bandcount; ++b) {
        const bandrecord& r = s.bandtable[static_cast<std::size_t>(b)];
        if (r.lower <= f && f <= r.upper) band = static_cast<int16_t>(b);
    }
    return band;
}

int16_t iotaaward(const AppState& s, std::string_view reference) {
    const std::string code = uppercased(std::string(reference.substr(0, 2)));
    const int16_t award = code == "AF"   ? s.iotaafricaaward
                          : code == "AN" ? s.iotaantarcticaaward
                          : code == "AS" ? s.iotaasiaaward
                          : code == "EU" ? s.iotaeuropeaward
                          : code == "NA" ? s.iotanorthamericaaward
                          : code == "OC" ? s.iotaoceaniaaward
                          : code == "SA" ? s.iotasouthamericaaward
                                         : int16_t{0};
    return award >= 1 && award <= s.awardcount ? award : int16_t{0};
}

EntryIndex::EntryIndex(const AppState& s, std::size_t keylength) : s_(s), keylength_(keylength) {}

const std::vector<int32_t>* EntryIndex::find(int16_t award, const std::string& key) {
    if (award < 1 || award > s_.awardcount) return nullptr;
    auto [it, added] = awards_.try_emplace(award);
    if (added) {
        const awardrecord& a = s_.awardtable[static_cast<std::size_t>(award)];
        for (int e = a.first; e <= a.last && e < static_cast<int>(s_.awardentries.size()); ++e)
            it->second[s_.awardentries[static_cast<std::size_t>(e)].substr(0, keylength_)]
                .push_back(e - a.first);
    }
    const auto found = it->second.find(key);
    return found == it->second.end() ? nullptr : &found->second;
}

ImportLog::ImportLog(const std::string& title) {
    lines_.push_back(title);
    lines_.push_back("Date     Time  Call       DXCC");
}

void ImportLog::add(const AppState& s, const qsorecord& q) {
    lines_.push_back(q.date.str() + " " + q.time.str() + " " + q.call.str() + " " +
                     countryname(s, q.dxcc).value_or(s.dxcctable[0].country));
}

std::string ImportLog::write(const AppState& s, const std::string& name) const {
    ListWriter out;
    for (const std::string& line : lines_)
        out.text(line).endline();
    return writefilesafely(s.apppath + name, out.bytes());
}

} // namespace tsl
