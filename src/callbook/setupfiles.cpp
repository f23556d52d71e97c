#include "setupfiles.h"

#include "core/listfile.h"
#include "core/state.h"
#include "platform/dialogs.h"
#include "platform/fileio.h"
#include "qrzcd.h"
#include "qrzonline.h"

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

std::optional<loginfile> readlogin(const std::string& path) {
    const auto bytes = readwholefile(path);
    if (!bytes) return std::nullopt;
    auto login = readloginbytes(*bytes);
    if (!login) return std::nullopt;
    return *login;
}

} // namespace

Parsed<qsldatafile> readqsldatabytes(const std::string& bytes) {
    ListReader in(bytes);
    const auto source = in.int16();
    auto path = in.text();
    if (!source || !path) return parseerror{"The file does not hold a source and a path."};
    return qsldatafile{*source, std::move(*path)};
}

Parsed<loginfile> readloginbytes(const std::string& bytes) {
    ListReader in(bytes);
    auto user = in.text();
    auto password = in.text();
    if (!user || !password) return parseerror{"The file does not hold a user and a password."};
    return loginfile{std::move(*user), std::move(*password)};
}

void loadqsldata(AppState& state, Dialogs& dialogs, QrzCdLibrary& qrzcd) {
    const auto recover = [&] {
        state.callbooksource = callbooknone;
        state.nocallbook = true;
        state.callbookpath = state.apppath;
        state.callbookroot = state.callbookpath.substr(0, 3);
        shownosource(state, dialogs);
    };
    const auto bytes = readwholefile(state.apppath + "qsldata.ini");
    const auto read = readqsldatabytes(bytes.value_or(""));
    if (!bytes || !read) return recover();
    state.callbooksource = read->source;
    state.callbookpath = read->path;
    state.callbookroot = state.callbookpath.substr(0, 3);
    state.nocallbook = state.callbooksource < 1;
    if (state.nocallbook) shownosource(state, dialogs);
    // A QRZ CD library that fails leaves no usable source.
    if (state.callbooksource == callbookqrzcd && !qrzcdcheck(state, dialogs, qrzcd)) recover();
}

void loadcallbooklogin(AppState& state, InternetAccess& internet) {
    if (state.callbooksource == callbookhamcallonline) {
        const auto login = readlogin(state.apppath + "hamcall.ini");
        state.hamcalluser = login ? login->user : "";
        state.hamcallpassword = login ? login->password : "";
    } else if (state.callbooksource == callbookqrzonline) {
        const auto login = readlogin(state.apppath + "qrz.ini");
        state.qrzuser = login ? login->user : "";
        state.qrzpassword = login ? login->password : "";
        if (login) qrzlogin(state, internet, state.qrzuser, state.qrzpassword);
    }
}

void loadeqsllogin(AppState& state) {
    const auto login = readlogin(state.apppath + "eqsl.ini");
    if (!login) {
        state.eqsluser.clear();
        state.eqslpassword.clear();
        return;
    }
    state.eqsluser = login->user;
    state.eqslpassword = login->password;
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

std::string writeqsldata(const std::string& path, int16_t source, const std::string& cdpath) {
    ListWriter out;
    out.integer(source).text(cdpath).endline();
    return writefilesafely(path, out.bytes());
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
