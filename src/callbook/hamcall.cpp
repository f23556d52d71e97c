#include "hamcall.h"

#include "core/geography.h"
#include "core/helpers.h"
#include "core/state.h"
#include "core/text.h"
#include "localfiles.h"
#include "lookup.h"
#include "platform/dialogs.h"
#include "platform/hamcallcd.h"
#include "platform/internet.h"

#include <algorithm>

namespace tsl {

namespace {

constexpr const char* notfoundline = "Call not found in HamCall Database";

bool istag(char c) {
    return static_cast<unsigned char>(c) >= 181;
}

bool iscall(std::string_view text) {
    const auto callcharacter = [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
               c == '/';
    };
    return text.size() >= 3 && text.size() <= 12 && std::ranges::all_of(text, callcharacter);
}

void showfailure(const AppState& s, Dialogs& dialogs) {
    dialogs.msgbox("Internet access timed out.\r\nYou may not be connected to the internet\r\n"
                   "or the HamCall Server is busy.",
                   msgbuttons::ok, msgicon::none, s.apptitle);
}

// The result, the lines and the boxes from a record found.
void fillfromrecord(AppState& s, const hamcallrecord& r, callbooklookup& out) {
    callbookaddress& a = s.callbookresult;
    a.name = r[184] + " " + r[185] + " " + r[186];
    out.lines.push_back(a.name);
    a.street = r[188];
    out.lines.push_back(a.street);
    a.cityline = r[191] + " " + r[192] + ", " + r[193];
    out.lines.push_back(a.cityline);
    a.country = r[209];
    const char first = r[181].empty() ? ' ' : uppercased(r[181][0]);
    s.callbookusa = first == 'A' || first == 'K' || first == 'N' || first == 'W';
    a.state = FixedText<2>(uppercased(r[192])).str();
    s.gridsquare = r[202];
    // A stored QSO being edited keeps its own square and route.
    if (!s.editingqso) out.gs = r[202];
    s.dxlat = callbooknumber(r[200]);
    s.dxlon = callbooknumber(r[201]);
    if (s.dxlat != 0 && s.dxlon != 0) s.usecountryposition = false;
    a.county = r[198];
    out.lines.push_back(r[198] + " " + positiontext(s.dxlon, 'E', 'W') + " " +
                        positiontext(s.dxlat, 'N', 'S') + " " + s.gridsquare.str());
    if (!s.editingqso) out.via = r[208];
    if (!r[207].empty()) out.lines.push_back("Email: " + r[207]);
    if (!r[210].empty()) out.lines.push_back("Web Page: " + r[210]);
    s.lookuphit = true;
}

} // namespace

Parsed<hamcallrecord> readhamcallrecord(std::string_view bytes) {
    const std::size_t length = bytes.size();
    std::size_t i = 0;
    while (i < length && !istag(bytes[i]))
        ++i;
    if (i == length) return parseerror{"The record holds no tag."};
    hamcallrecord r;
    r.fields[181] = showntext(bytes.substr(0, i));
    // From each tag to the next, the record's last byte left out.
    do {
        const auto tag = static_cast<unsigned char>(bytes[i]);
        std::size_t j = 1;
        while (i + j + 1 < length && !istag(bytes[i + j]))
            ++j;
        r.fields[tag] = showntext(bytes.substr(i + 1, j - 1));
        i += j;
    } while (i + 1 < length);
    r.fields[202] = maidenheadlocator(r.fields[202]);
    return r;
}

Parsed<hamcallrecord> readhamcallreply(std::string_view bytes) {
    // The text before the first tag itself: a tag 181 later in the reply would replace it.
    const auto tag = std::ranges::find_if(bytes, istag);
    if (!iscall(bytes.substr(0, static_cast<std::size_t>(tag - bytes.begin()))))
        return parseerror{"The reply begins with no call."};
    return readhamcallrecord(bytes);
}

std::string hamcallrequest(const AppState& s, const std::string& call) {
    return "/call?username=" + queryvalue(s.hamcalluser) +
           "&password=" + queryvalue(s.hamcallpassword) +
           "&rawlookup=1&callsign=" + queryvalue(call) + "&program=Tessalog";
}

void lookuphamcallcd(AppState& s, const callbookservices& services, const std::string& call,
                     callbooklookup& out) {
    s.lookuphit = false;
    const std::string cleaned = normalizecall(call);
    std::string folder = s.callbookpath;
    if (folder.empty() || folder.back() != '/') folder += '/';
    std::string buffer(static_cast<std::size_t>(hamcallrecordsize) + 1, ' ');
    const auto n = services.hamcallcd.LookupCallSign(folder, cleaned, hamcallrecordsize, buffer);
    if (!n) {
        if (!s.hamcallcdfailuretold)
            services.dialogs.msgbox("The CD Drive for your HamCall CD is not available.\r\n"
                                    "You probably need to put the CD in the drive.",
                                    msgbuttons::ok, msgicon::none, s.apptitle);
        s.hamcallcdfailuretold = true;
        return;
    }
    if (*n <= 0 && *n != hamcallnotfound) return;
    // A length beyond the room offered, or a record without a tag, is no record.
    const auto record =
        *n > 0 && *n <= hamcallrecordsize && static_cast<std::size_t>(*n) <= buffer.size()
            ? readhamcallrecord(std::string_view(buffer).substr(0, *n))
            : Parsed<hamcallrecord>(parseerror{"not found"});
    if (!record) {
        out.lines.push_back(notfoundline);
        return;
    }
    s.callbookfound = true;
    fillfromrecord(s, *record, out);
}

void lookuphamcallonline(AppState& s, const callbookservices& services, const std::string& call,
                         callbooklookup& out) {
    s.lookuphit = false;
    const UrlReply reply = services.internet.OpenURL(services.internet.urls.hamcall +
                                                     hamcallrequest(s, normalizecall(call)));
    if (!reply.ok()) return showfailure(s, services.dialogs);
    const std::string& bytes = reply.bytes;
    if (bytes.starts_with("ERROR")) {
        services.dialogs.msgbox(showntext(bytes), msgbuttons::ok, msgicon::none, s.apptitle);
        out.lines.push_back(notfoundline);
        return;
    }
    if (bytes.starts_with("NOT FOUND")) {
        out.lines.push_back(notfoundline);
        return;
    }
    const auto record = readhamcallreply(bytes);
    // A reply that is no record (a sign-in page of a hotel's network, say) sets nothing.
    if (!record) return showfailure(s, services.dialogs);
    s.callbookfound = true;
    fillfromrecord(s, *record, out);
}

} // namespace tsl
