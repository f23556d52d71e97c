#include "qrzonline.h"

#include "core/geography.h"
#include "core/helpers.h"
#include "core/state.h"
#include "localfiles.h"
#include "lookup.h"
#include "platform/codepage.h"
#include "platform/dialogs.h"
#include "platform/internet.h"

#include <QString>

namespace tsl {

namespace {

constexpr std::size_t keylength = 200;

// The character a reference names ("amp", "#233", "#xE9"), or nothing when it names none.
std::optional<char32_t> referenced(const QString& name) {
    if (name == "amp") return U'&';
    if (name == "lt") return U'<';
    if (name == "gt") return U'>';
    if (name == "quot") return U'"';
    if (name == "apos") return U'\'';
    if (!name.startsWith('#') || name.size() < 2) return std::nullopt;
    const bool hex = name[1] == 'x' || name[1] == 'X';
    const QString digits = name.mid(hex ? 2 : 1);
    if (digits.isEmpty()) return std::nullopt;
    bool ok = false;
    const uint code = digits.toUInt(&ok, hex ? 16 : 10);
    // A code beyond Unicode, or a surrogate, names no character: the code page cannot
    // hold it either.
    if (!ok || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return U'?';
    return static_cast<char32_t>(code);
}

QString decodereferences(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            const auto end = text.indexOf(';', i + 1);
            if (end > i + 1 && end - i <= 12)
                if (const auto c = referenced(text.mid(i + 1, end - i - 1))) {
                    out += QString::fromUcs4(&*c, 1);
                    i = end;
                    continue;
                }
        }
        out += text[i];
    }
    return out;
}

void store(qrzrecord& r, std::string_view name, std::string_view text) {
    std::string qrzrecord::*const field = name == "call"      ? &qrzrecord::call
                                          : name == "fname"   ? &qrzrecord::fname
                                          : name == "name"    ? &qrzrecord::name
                                          : name == "addr1"   ? &qrzrecord::addr1
                                          : name == "addr2"   ? &qrzrecord::addr2
                                          : name == "state"   ? &qrzrecord::state
                                          : name == "zip"     ? &qrzrecord::zip
                                          : name == "country" ? &qrzrecord::country
                                          : name == "county"  ? &qrzrecord::county
                                          : name == "email"   ? &qrzrecord::email
                                          : name == "grid"    ? &qrzrecord::grid
                                          : name == "lond"    ? &qrzrecord::lond
                                          : name == "latd"    ? &qrzrecord::latd
                                          : name == "url"     ? &qrzrecord::url
                                                              : nullptr;
    if (field) r.*field = qrzelementtext(text);
}

std::string loginrequest(const std::string& user, const std::string& password) {
    return "/bin/xml?username=" + queryvalue(user) + ";password=" + queryvalue(password);
}

} // namespace

std::string qrzelementtext(std::string_view utf8) {
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    return showntext(fromqt(decodereferences(text)));
}

Parsed<std::string> readqrzkey(std::string_view reply) {
    const auto at = reply.find("<Key>");
    if (at == std::string_view::npos) return parseerror{"The reply holds no key."};
    const std::string_view rest = reply.substr(at + 5);
    return std::string(rest.substr(0, std::min(rest.find('<'), keylength)));
}

Parsed<qrzrecord> readqrzreply(std::string_view xml) {
    constexpr std::string_view start = "<Callsign>";
    const auto at = xml.find(start);
    if (at == std::string_view::npos) return parseerror{"The reply holds no Callsign element."};
    qrzrecord r;
    std::size_t pos = at + start.size();
    for (;;) {
        const bool last = xml.size() - pos < 50;
        const auto open = xml.find('<', pos);
        if (open == std::string_view::npos) break;
        const auto close = xml.find('>', open);
        if (close == std::string_view::npos) break;
        std::string_view tag = xml.substr(open + 1, close - open - 1);
        pos = close + 1;
        if (tag.starts_with('/')) {
            // The end of the element, or a stray end tag passed over.
            if (tag == "/Callsign" || last) break;
            continue;
        }
        const bool empty = tag.ends_with('/');
        if (empty) tag.remove_suffix(1);
        const std::string_view name = tag.substr(0, tag.find_first_of(" \t\r\n"));
        if (name == "Key" || name == "Session" || name == "DST") break;
        std::string_view text;
        if (!empty) {
            const auto next = std::min(xml.find('<', pos), xml.size());
            text = xml.substr(pos, next - pos);
            pos = next;
            const std::string end = "</" + std::string(name) + ">";
            if (xml.substr(pos).starts_with(end)) pos += end.size();
        }
        store(r, name, text);
        if (name == "url" || last) break;
    }
    r.grid = maidenheadlocator(r.grid);
    return r;
}

void showqrzfailure(const AppState& s, Dialogs& dialogs) {
    dialogs.msgbox("QRZ Internet access timed out.\r\nYou may not be connected to the internet\r\n"
                   "or the QRZ Server is busy.",
                   msgbuttons::ok, msgicon::none, s.apptitle);
}

bool qrzlogin(AppState& s, InternetAccess& internet, const std::string& user,
              const std::string& password) {
    s.qrzkey.clear();
    s.qrzkeyvalid = false;
    const UrlReply reply = internet.OpenURL(internet.urls.qrz + loginrequest(user, password));
    if (!reply.ok()) return false;
    if (const auto key = readqrzkey(reply.bytes)) {
        s.qrzkeyvalid = true;
        s.qrzkey = *key;
    }
    return true;
}

void lookupqrzonline(AppState& s, const callbookservices& services, const std::string& call,
                     callbooklookup& out) {
    s.callbookfound = false;
    s.lookuphit = false;
    if (!s.qrzkeyvalid) {
        out.lines.push_back("Invalid QRZ username / password");
        return;
    }
    InternetAccess& internet = services.internet;
    const UrlReply reply =
        internet.OpenURL(internet.urls.qrz + "/bin/xml?s=" + queryvalue(s.qrzkey) +
                         ";callsign=" + queryvalue(normalizecall(call)));
    if (!reply.ok()) return showqrzfailure(s, services.dialogs);
    const auto found = readqrzreply(reply.bytes);
    if (!found) {
        out.lines.push_back("Call not found on QRZ Online Server");
        return;
    }
    const qrzrecord& r = *found;
    callbookaddress& a = s.callbookresult;
    out.lines.push_back(r.fname + " " + r.name + ", " + r.call);
    a.name = r.fname + " " + r.name;
    out.lines.push_back(r.addr1);
    a.street = r.addr1;
    a.cityline = r.addr2 + " " + r.state + ", " + r.zip;
    out.lines.push_back(a.cityline);
    a.country = r.country;
    s.callbookusa = r.country == "USA";
    a.state = FixedText<2>(r.state).str();
    // A stored QSO being edited keeps its own square.
    if (!s.editingqso) out.gs = r.grid;
    s.dxlat = callbooknumber(r.latd);
    s.dxlon = callbooknumber(r.lond);
    const bool position = s.dxlat != 0 && s.dxlon != 0;
    if (position) s.usecountryposition = false;
    a.county = r.county;
    out.lines.push_back(position ? r.county + " " + positiontext(s.dxlon, 'E', 'W') + " " +
                                       positiontext(s.dxlat, 'N', 'S') + " " + r.grid
                                 : r.county + " " + r.grid);
    if (!r.email.empty()) out.lines.push_back("Email: " + r.email);
    if (!r.url.empty()) out.lines.push_back("Web Page: " + r.url);
    s.lookuphit = true;
    s.callbookfound = true;
}

} // namespace tsl
