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

} // namespace tsl
