#include "lookup.h"

#include "core/awards.h"
#include "core/numbers.h"
#include "core/text.h"
#include "hamcall.h"
#include "localfiles.h"
#include "qrzcd.h"
#include "qrzonline.h"
#include "setupfiles.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace tsl {

namespace {

void clearresult(AppState& s) {
    s.callbookresult = {};
    s.callbookresult.state = "  ";
    s.gridsquare = "";
    s.dxlon = 0;
    s.dxlat = 0;
    s.callbookfound = false;
    s.lookuphit = false;
    // Only a source that finds the call knows its country: a call not found takes its
    // position from its DXCC entity, whatever the call before it was.
    s.callbookusa = false;
}

bool samecode(std::string_view code, const std::string& state) {
    return uppercased(trimblanks(code)) == state;
}

// The state's entry of "Worked All States" or the province's of "Canadian Provinces" for
// slot 0, and for a state the county's entry of the state's county award for slot 1.
void preselectawards(const AppState& s, callbooklookup& r) {
    const std::string& code = s.callbookresult.state;
    std::optional<int> found;
    if (s.callbookusa && s.wasaward > 0) {
        for (int i = 0; i < static_cast<int>(s.statetable.size()); ++i)
            if (samecode(s.statetable[static_cast<std::size_t>(i)].code.view(), code)) {
                r.slot0 = awardchoice{s.wasaward, i};
                found = i;
            }
    } else if (s.provincesaward > 0) {
        for (int i = 0; i < static_cast<int>(s.provincecodes.size()); ++i)
            if (samecode(s.provincecodes[static_cast<std::size_t>(i)].code.view(), code))
                r.slot0 = awardchoice{s.provincesaward, i};
    }
    if (!found || s.uscountiesaward < 1) return;
    // A county block that starts late in a full table has no award for the later states.
    const int a = s.uscountiesaward + *found;
    if (a > maxawards || a >= static_cast<int>(s.awardtable.size())) return;
    const awardrecord& award = s.awardtable[static_cast<std::size_t>(a)];
    const std::string county = uppercased(s.callbookresult.county);
    for (int e = std::max<int>(award.first, 0);
         e <= award.last && e < static_cast<int>(s.awardentries.size()); ++e)
        if (uppercased(s.awardentries[static_cast<std::size_t>(e)]) == county)
            r.slot1 = awardchoice{static_cast<int16_t>(a), e - award.first};
}

} // namespace

std::string licenceclass(char letter) {
    switch (letter) {
    case 'C':
    case 'X':
        return "Club";
    case 'E':
        return "Extra";
    case 'A':
        return "Advanced";
    case 'G':
        return "General";
    case 'N':
        return "Novice";
    case 'T':
        return "Technician";
    case 'P':
        return "Technican Plus";
    default:
        return "";
    }
}

std::string showntext(std::string_view text, std::size_t most) {
    std::string shown(text.substr(0, most));
    for (char& c : shown) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7f) c = ' ';
    }
    return shown;
}

std::string positiontext(float value, char positive, char negative) {
    if (value < 0) return singletext(-value) + negative;
    return singletext(value == 0 ? 0.0f : value) + positive;
}

callbooklookup lookupcall(AppState& s, const callbookservices& services, const std::string& call) {
    clearresult(s);
    callbooklookup r;
    const std::string trimmed = trimblanks(call);
    switch (s.callbooksource) {
    case callbookfiles:
        lookupcallsdat(s, trimmed, r);
        break;
    case callbookhamcallcd:
        lookuphamcallcd(s, services, trimmed, r);
        break;
    case callbookqrzcd:
        if (s.qrzcdready) lookupqrzcd(s, services, trimmed, r);
        break;
    case callbookqrzonline:
        lookupqrzonline(s, services, trimmed, r);
        break;
    case callbookhamcallonline:
        lookuphamcallonline(s, services, trimmed, r);
        break;
    default:
        // No source chosen.
        break;
    }
    if (!s.editingqso) preselectawards(s, r);
    r.address = s.callbookresult;
    r.callbookfound = s.callbookfound;
    return r;
}

} // namespace tsl
