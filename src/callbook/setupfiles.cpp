#include "setupfiles.h"

#include "core/listfile.h"
#include "core/state.h"
#include "platform/dialogs.h"
#include "platform/fileio.h"

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

void loadqsldata(AppState& state, Dialogs& dialogs) {
    const auto bytes = readwholefile(state.apppath + "qsldata.ini");
    const auto read = readqsldatabytes(bytes.value_or(""));
    if (!bytes || !read) {
        state.callbooksource = callbooknone;
        state.nocallbook = true;
        state.callbookpath = state.apppath;
        state.callbookroot = state.callbookpath.substr(0, 3);
        shownosource(state, dialogs);
        return;
    }
    state.callbooksource = read->source;
    state.callbookpath = read->path;
    state.callbookroot = state.callbookpath.substr(0, 3);
    state.nocallbook = state.callbooksource < 1;
    if (state.nocallbook) shownosource(state, dialogs);
}

void loadcallbooklogin(AppState& state) {
    if (state.callbooksource == callbookhamcallonline) {
        const auto login = readlogin(state.apppath + "hamcall.ini");
        state.hamcalluser = login ? login->user : "";
        state.hamcallpassword = login ? login->password : "";
    } else if (state.callbooksource == callbookqrzonline) {
        const auto login = readlogin(state.apppath + "qrz.ini");
        state.qrzuser = login ? login->user : "";
        state.qrzpassword = login ? login->password : "";
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

} // namespace tsl
