#include "setupfiles.h"

#include "core/listfile.h"
#include "core/state.h"
#include "platform/dialogs.h"
#include "platform/fileio.h"

#include <QUrl>

#include <array>
#include <optional>
#include <utility>

namespace tsl {

namespace {

void shownosource(const AppState& state, Dialogs& dialogs) {
    dialogs.msgbox("No source for Call Book Info specified.\r\n"
                   "You will not be able to print address labels.\r\n"
                   "Click on Setup / Select Source of Call Book Info",
                   msgbuttons::ok, msgicon::none, state.apptitle);
}

// Two quoted texts, as the log-in files hold them.
std::optional<std::pair<std::string, std::string>> readlogin(const std::string& path) {
    const auto bytes = readwholefile(path);
    if (!bytes) return std::nullopt;
    ListReader in(*bytes);
    auto user = in.text();
    auto password = in.text();
    if (!user || !password) return std::nullopt;
    return std::make_pair(std::move(*user), std::move(*password));
}

} // namespace

void loadqsldata(AppState& state, Dialogs& dialogs) {
    const auto bytes = readwholefile(state.apppath + "qsldata.ini");
    std::optional<int16_t> source;
    std::optional<std::string> path;
    if (bytes) {
        ListReader in(*bytes);
        source = in.int16();
        path = in.text();
    }
    if (!source || !path) {
        state.callbooksource = callbooknone;
        state.nocallbook = true;
        state.callbookpath = state.apppath;
        state.callbookroot = state.callbookpath.substr(0, 3);
        shownosource(state, dialogs);
        return;
    }
    state.callbooksource = *source;
    state.callbookpath = *path;
    state.callbookroot = state.callbookpath.substr(0, 3);
    state.nocallbook = state.callbooksource < 1;
    if (state.nocallbook) shownosource(state, dialogs);
}

void loadcallbooklogin(AppState& state) {
    if (state.callbooksource == callbookhamcallonline) {
        const auto login = readlogin(state.apppath + "hamcall.ini");
        state.hamcalluser = login ? login->first : "";
        state.hamcallpassword = login ? login->second : "";
    } else if (state.callbooksource == callbookqrzonline) {
        const auto login = readlogin(state.apppath + "qrz.ini");
        state.qrzuser = login ? login->first : "";
        state.qrzpassword = login ? login->second : "";
    }
}

void loadeqsllogin(AppState& state) {
    const auto login = readlogin(state.apppath + "eqsl.ini");
    if (!login) {
        state.eqsluser.clear();
        state.eqslpassword.clear();
        return;
    }
    state.eqsluser = login->first;
    state.eqslpassword = login->second;
    state.eqslenabled = true;
}

bool fitsquoteditem(const std::string& value) {
    for (const char c : value) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || u < 0x20 || u == 0x7f) return false;
    }
    return true;
}

std::string writelogin(const std::string& path, const std::string& user,
                       const std::string& password) {
    ListWriter out;
    out.text(user).text(password).endline();
    return writeprivatefile(path, out.bytes());
}

namespace {
// A base URL as the requests use it: http or https, a host, no query, no trailing "/".
std::optional<std::string> baseurl(const std::string& text) {
    const QUrl url(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())),
                   QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != "http" && scheme != "https") || url.host().isEmpty() ||
        url.hasQuery() || url.hasFragment())
        return std::nullopt;
    std::string base = text;
    while (!base.empty() && base.back() == '/')
        base.pop_back();
    return base;
}
} // namespace

std::optional<ServiceUrls> parseservices(const std::string& bytes) {
    ListReader in(bytes);
    std::array<std::optional<std::string>, 3> found;
    for (auto& url : found) {
        const auto item = in.item();
        if (!item || !item->quoted) return std::nullopt;
        url = baseurl(item->text);
        if (!url) return std::nullopt;
    }
    if (!in.atend()) return std::nullopt;
    ServiceUrls urls;
    urls.hamcall = *found[0];
    urls.qrz = *found[1];
    urls.eqsl = *found[2];
    return urls;
}

} // namespace tsl
