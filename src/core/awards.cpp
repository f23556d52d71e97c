#include "awards.h"

#include "listfile.h"
#include "platform/dialogs.h"
#include "platform/fileio.h"
#include "state.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tsl {

namespace {

// The awards the program treats specially, found by their exact names, in the order the
// names are tested (a later award of the same name wins).
std::array<std::pair<const char*, int16_t AppState::*>, 32> namedawards() {
    return {{
        {"Century Club Net #", &AppState::ccnaward},
        {"QCWA #", &AppState::qcwaaward},
        {"Geratol #", &AppState::geratolaward},
        {"Geratol Director's #", &AppState::geratoldirectoraward},
        {"OMISS #", &AppState::omissaward},
        {"Canadian Provinces", &AppState::provincesaward},
        {"IOTA Africa", &AppState::iotaafricaaward},
        {"IOTA Antartica", &AppState::iotaantarcticaaward},
        {"IOTA Asia", &AppState::iotaasiaaward},
        {"IOTA Europe", &AppState::iotaeuropeaward},
        {"IOTA North America", &AppState::iotanorthamericaaward},
        {"IOTA Oceania", &AppState::iotaoceaniaaward},
        {"IOTA South America", &AppState::iotasouthamericaaward},
        {"Ten-Ten #", &AppState::tentenaward},
        {"Ten-Ten VP #", &AppState::tentenvpaward},
        {"US Alabama Counties", &AppState::uscountiesaward},
        {"Great Britain Counties / Regions", &AppState::gbcountiesaward},
        {"US Islands Awards Program", &AppState::usislandsaward},
        {"Canadian Islands", &AppState::canadianislandsaward},
        {"Spanish Islands", &AppState::spanishislandsaward},
        {"Greek Islands", &AppState::greekislandsaward},
        {"IOTA Arctic Islands", &AppState::iotaarcticaward},
        {"IOTA British Isles Islands", &AppState::iotabritishislesaward},
        {"IOTA West Indies Islands", &AppState::iotawestindiesaward},
        {"Ten Ten Chapters", &AppState::tentenchaptersaward},
        {"ARLHS #", &AppState::arlhsnumberaward},
        {"ARLHS", &AppState::arlhsaward},
        {"WAB Book #", &AppState::wabbookaward},
        {"DOKs", &AppState::doksaward},
        {"Worked All States", &AppState::wasaward},
        {"US State Capitals", &AppState::statecapitalsaward},
        {"HHH Net #", &AppState::hhhaward},
    }};
}

} // namespace

Parsed<awardsfiletable> readawardsbytes(const std::string& bytes) {
    awardsfiletable t;
    ListReader in(bytes);
    const auto headnumber = in.int16();
    const auto headtext = in.text();
    if (!headnumber || !headtext) return parseerror{"The first line is not a number and a text."};
    t.headnumber = *headnumber;
    t.headtext = *headtext;
    t.entries.emplace_back();
    int lastentry = 0;
    bool listawardseen = false;
    while (!in.atend()) {
        const int award = static_cast<int>(t.awards.size()) + 1;
        if (award > maxawards)
            return parseerror{"More than " + std::to_string(maxawards) + " awards."};
        const auto n = in.int32();
        const auto name = in.text();
        if (!n || !name || *n < 0)
            return parseerror{"Award " + std::to_string(award) +
                              " is not an entry count and a name."};
        if (*n == 0 && listawardseen)
            return parseerror{"The number award \"" + *name +
                              "\" stands after a list award; number awards come first."};
        listawardseen = listawardseen || *n > 0;
        const int first = lastentry + 1;
        const long long last = static_cast<long long>(first) + *n - 1;
        if (last > maxawardentries)
            return parseerror{"More than " + std::to_string(maxawardentries) + " entries."};
        for (long long e = first; e <= last; ++e) {
            auto entry = in.text();
            if (!entry) return parseerror{"An entry of \"" + *name + "\" cannot be read."};
            t.entries.push_back(std::move(*entry));
        }
        t.awards.push_back({static_cast<int16_t>(first), static_cast<int16_t>(last), *name});
        lastentry = static_cast<int>(last);
    }
    return t;
}

void applyawards(AppState& s, awardsfiletable read) {
    s.numberedawards = 0;
    s.awardtable[0] = {0, 0, "None"};
    for (const auto& [name, global] : namedawards())
        s.*global = 0;
    s.awardsheadnumber = read.headnumber;
    s.awardsheadtext = std::move(read.headtext);
    for (std::size_t k = 0; k < read.awards.size() && k < maxawards; ++k) {
        const int i = static_cast<int>(k) + 1;
        awardrecord& award = s.awardtable[static_cast<std::size_t>(i)];
        award = std::move(read.awards[k]);
        if (award.last < award.first) ++s.numberedawards;
        for (const auto& [awardname, global] : namedawards())
            if (award.name == awardname) s.*global = static_cast<int16_t>(i);
    }
    for (std::size_t e = 1; e < read.entries.size() && e <= maxawardentries; ++e)
        s.awardentries[e] = std::move(read.entries[e]);
    s.awardcount = static_cast<int16_t>(std::min<std::size_t>(read.awards.size(), maxawards));
    s.listawards = static_cast<int16_t>(s.awardcount - s.numberedawards);
    if (s.tentenaward == 0) s.tentenready = false;
    if (s.arlhsnumberaward == 0) s.arlhsready = false;
}

bool loadawards(AppState& state, Dialogs& dialogs) {
    const auto bytes = readwholefile(state.apppath + "awards.dat");
    auto read = readawardsbytes(bytes.value_or(""));
    if (bytes && read) {
        applyawards(state, std::move(*read));
        return true;
    }
    const std::string reason = bytes ? "\r\n" + read.error() : "";
    dialogs.msgbox("No Awards file, awards.dat" + reason, msgbuttons::ok, msgicon::none,
                   state.apptitle);
    return false;
}

} // namespace tsl
