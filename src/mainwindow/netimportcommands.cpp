// The items of "Import Data" for the NetLogger, DigiPan, WIN 1010 and DXtreme logs and the
// CCN QUARNLOG import form.

#include "core/state.h"
#include "importexport/ccnquarnimport.h"
#include "importexport/digipan.h"
#include "importexport/dxtreme.h"
#include "importexport/netlogger.h"
#include "importexport/win1010.h"
#include "logbook.h"
#include "platform/desktopforms.h"
#include "platform/dialogs.h"

namespace tsl {

void logbook::gonetlogger_Click() {
    importcommand("NetLogger ADIF", "In NetLogger, export all QSOs to an ADIF type file.",
                  [this] { importnetlogger(state_, *this, dialogs_); });
}

void logbook::pubdodigipan_Click() {
    importcommand("DigiPan", "", [this] { importdigipan(state_, *this, dialogs_); });
}

void logbook::win1010_Click() {
    importcommand("WIN 1010 CSV",
                  "In WIN 1010, export all QSOs to CSV type file, option 5.\r\n"
                  "Resulting file name is likely to be log.asc.\r\n"
                  "Please let me know if you need any improvements to this data import.",
                  [this] { importwin1010(state_, *this, dialogs_); });
}

void logbook::godxtreme_Click() {
    // No file dialog: the nine station logs lie in the program folder.
    const std::string hint = "Expecting the file dxsl_1.dat thru dxsl_9.dat\r\n"
                             "in the same directory as Tessalog\r\n"
                             "This is a new data import routine. Please\r\n"
                             "let me know if you have any problems.";
    if (dialogs_.msgbox(hint, msgbuttons::okcancel, msgicon::none,
                        state_.apptitle + " " + state_.mycall.str()) != msganswer::ok)
        return;
    setstatus("Importing DXtreme files. This may take a while, please be patient.");
    importdxtreme(state_, *this, dialogs_);
    showqsopage();
    showqsorows();
}

void logbook::goccnbml_Click() {
    auto* form = findChild<ccnquarnimport*>();
    if (!form)
        form = new ccnquarnimport(
            state_, dialogs_, *this,
            [this] {
                showqsopage();
                showqsorows();
            },
            this);
    bringforward(form);
}

} // namespace tsl
