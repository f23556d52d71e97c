#include "awards.h"

#include "listfile.h"
#include "platform/dialogs.h"
#include "platform/fileio.h"
#include "state.h"

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

bool readawardsfile(AppState& s) {
    s.awardcount = 1;
    s.numberedawards = 0;
    s.listawards = 0;
    s.awardtable[0] = {0, 0, "None"};
    for (const auto& [name, global] : namedawards())
        s.*global = 0;

    const auto bytes = readwholefile(s.apppath + "awards.dat");
    if (!bytes) return false;
    ListReader in(*bytes);
    const auto headnumber = in.int16();
    const auto headtext = in.text();
    if (!headnumber || !headtext) return false;
    s.awardsheadnumber = *headnumber;
    s.awardsheadtext = *headtext;

    while (!in.atend()) {
        const int i = s.awardcount;
        if (i > maxawards) return false;
        const auto n = in.int32();
        const auto name = in.text();
        if (!n || !name || *n < 0) return false;
        awardrecord& award = s.awardtable[static_cast<std::size_t>(i)];
        award.name = *name;
        if (*n == 0) ++s.numberedawards;
        for (const auto& [awardname, global] : namedawards())
            if (award.name == awardname) s.*global = static_cast<int16_t>(i);
        const int first = s.awardtable[static_cast<std::size_t>(i - 1)].last + 1;
        const long long last = static_cast<long long>(first) + *n - 1;
        if (last > maxawardentries) return false;
        award.first = static_cast<int16_t>(first);
        award.last = static_cast<int16_t>(last);
        for (int e = first; e <= last; ++e) {
            auto entry = in.text();
            if (!entry) return false;
            s.awardentries[static_cast<std::size_t>(e)] = std::move(*entry);
        }
        ++s.awardcount;
    }
    --s.awardcount;
    s.listawards = static_cast<int16_t>(s.awardcount - s.numberedawards);
    if (s.tentenaward == 0) s.tentenready = false;
    if (s.arlhsnumberaward == 0) s.arlhsready = false;
    return true;
}

} // namespace

bool loadawards(AppState& state, Dialogs& dialogs) {
    if (readawardsfile(state)) return true;
    dialogs.msgbox("No Awards file, awards.dat", msgbuttons::ok, msgicon::none, state.apptitle);
    return false;
}

} // namespace tsl
