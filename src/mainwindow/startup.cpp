#include "startup.h"

#include "callbook/setupfiles.h"
#include "core/awards.h"
#include "core/dxcc.h"
#include "core/memberlists.h"
#include "core/settings.h"
#include "core/state.h"
#include "core/tables.h"
#include "flash.h"
#include "logbook.h"
#include "platform/codepage.h"
#include "platform/desktopforms.h"
#include "platform/fileio.h"
#include "platform/flexgrid.h"

#include <string>
#include <vector>

namespace tsl {

namespace {
// The files the program writes in its folder. A write cut off between its temporary file
// and the rename leaves that file behind; start-up clears such leftovers away.
const std::vector<std::string> ownfiles = {
    "qsodata.dat",      "qsodata.bak",     "awards.dat",       "awards.bak",
    "tsl.ini",          "netlist.dat",     "netlogger.tmp",    "eqsl.ini",
    "qsldata.ini",      "qrz.ini",         "hamcall.ini",      "adif.log",
    "briscaimport.log", "dxlogimport.log", "logeqfimport.log", "lognetlogger.log"};
} // namespace

std::unique_ptr<logbook> Main(AppState& state, Dialogs& dialogs, InternetAccess& internet,
                              QrzCdLibrary& qrzcd, HamCallCdLibrary& hamcallcd,
                              const std::string& apppath) {
    usedesktopforms();
    auto splash = std::make_unique<flash>(toqt(programtitle));
    splash->flash_Form_Load();
    state.apptitle = programtitle;

    // Naming the main window loads it: its load handler sees the values in force now.
    auto window = std::make_unique<logbook>(state, dialogs, internet);
    window->setcdlibraries(qrzcd, hamcallcd);
    window->setWindowTitle(toqt(state.apptitle));
    window->logbook_Form_Load();

    setstartvalues(state, apppath, static_cast<int16_t>(window->grid()->rows()));
    removewriteleftovers(apppath, ownfiles);

    if (!loadsettings(state, dialogs)) return nullptr;
    window->applysettings();
    loadtables(state);
    window->filltablelists();
    readrefdatafiles(state);

    // The services' addresses first: the QRZ log-in of start-up goes to them.
    if (const auto services = readwholefile(apppath + "services.ini"))
        if (const auto urls = parseservices(*services)) internet.urls = *urls;
    loadqsldata(state, dialogs, qrzcd);
    if (state.callbooksource == callbookqrzonline || state.callbooksource == callbookhamcallonline)
        loadcallbooklogin(state, internet);
    loadeqsllogin(state);
    loadtenten(state);
    loadarlhs(state);

    if (!loadawards(state, dialogs)) return nullptr;
    window->fillawardlists();
    if (!loaddxcc(state, dialogs)) return nullptr;
    window->filldxcclist();

    window->readlog();
    window->setupgrid();
    loadwab(state);
    window->fillwablist();

    splash.reset();
    window->lower();
    window->show();
    return window;
}

} // namespace tsl
