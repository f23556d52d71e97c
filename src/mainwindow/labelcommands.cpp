// The main window's label commands: the label requests, the page printed on request and at
// Quit, the label stock set-up, and the quick-labels form of a double-clicked QSO.

#include "callbook/labels.h"
#include "callbook/quicklabels.h"
#include "callbook/setlabel.h"
#include "core/state.h"
#include "logbook.h"
#include "platform/codepage.h"
#include "platform/desktopforms.h"
#include "platform/dialogs.h"

#include <QComboBox>
#include <QLineEdit>

namespace tsl {

void logbook::requestlabel(bool (*request)(AppState&, const labelpanel&, Dialogs&, StatusLine&)) {
    // The owed checks first, as Save runs them: the call-book result is the typed call's.
    flushvalidations();
    const labelpanel panel{fromqt(incall->text()),
                           fromqt(showdate->text()),
                           fromqt(showtime->text()),
                           fromqt(bandsel->currentText()),
                           fromqt(modesel->currentText()),
                           fromqt(rsts->text()),
                           fromqt(rstr->text())};
    if (!request(state_, panel, dialogs_, *this)) return;
    qsls->setCurrentIndex(1);
    // The stored QSO loaded for editing was marked sent: its grid row says so at once.
    if (state_.editingqso && state_.editgridrow >= 1)
        showqsorow(state_.editindex, state_.editgridrow);
}

void logbook::requestqsolabel() {
    requestlabel(&tsl::requestqsolabel);
}

void logbook::requestaddresslabel() {
    requestlabel(&tsl::requestaddresslabel);
}

void logbook::logbook_qsolabel_Click() {
    requestqsolabel();
}

void logbook::logbook_addresslabel_Click() {
    requestaddresslabel();
}

void logbook::logbook_goprintlabels_Click() {
    printcurrentlabels(state_, dialogs_);
}

void logbook::logbook_gosetlabel_Click() {
    modalformopen = true;
    setlabel form(state_, dialogs_, this);
    dialogs_.showform(form);
    modalformopen = false;
}

void logbook::openquicklabels() {
    if (!quicklabels_)
        quicklabels_ =
            new quicklabels([this] { requestqsolabel(); }, [this] { requestaddresslabel(); }, this);
    bringforward(quicklabels_);
}

quicklabels* logbook::quicklabelswindow() const {
    return quicklabels_;
}

bool logbook::printpendinglabels() {
    if (state_.pendinglabels <= 0) return true;
    setstatus("Writing labels");
    if (printlabelpage(state_, dialogs_) == printresult::printed) return true;
    return dialogs_.msgbox("The labels on the page were not printed; their QSOs are marked as "
                           "sent.\r\nQuit without printing them?",
                           msgbuttons::yesno, msgicon::exclamation,
                           state_.apptitle) == msganswer::yes;
}

} // namespace tsl
