// Loading a QSO from the grid for editing; deleting, abandoning and quitting.

#include "core/geography.h"
#include "core/numbers.h"
#include "core/qsofile.h"
#include "core/recordtext.h"
#include "core/state.h"
#include "logbook.h"
#include "platform/codepage.h"
#include "platform/dialogs.h"
#include "platform/flexgrid.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

namespace tsl {

bool logbook::loadclickedqso() {
    const int row = showem->currentrow();
    state_.editindex = row + state_.pageoffset;
    if (!opensqso(state_.editindex)) return false;
    loadqso(state_.editindex, showem->text(row, 0), showem->text(row, 1), row);
    return true;
}

bool logbook::opensqso(int32_t index) {
    if (index < 1 || index > state_.qsocount) return false;
    if (state_.qsos[static_cast<std::size_t>(index)].deleted == "D") {
        dialogs_.msgbox("This QSO has been deleted.", msgbuttons::ok, msgicon::none,
                        state_.apptitle + " " + state_.mycall.str());
        return false;
    }
    return true;
}

void logbook::loadqso(int32_t index, const QString& date, const QString& time, int gridrow) {
    const qsorecord& q = state_.qsos[static_cast<std::size_t>(index)];
    // The panel fills the slots itself: the focus goes to the date box at the end.
    fillingslots_ = true;
    state_.editingqso = true;
    state_.editgridrow = static_cast<int16_t>(gridrow);
    callshow->clear();
    resetqsoentry();
    showdate->setText(date);
    showtime->setText(time);
    selectindex(bandsel, q.band);
    comments->setText(toqt(q.comments.str()));
    gender->setCurrentIndex(q.gender != 0 ? 1 : 0);
    if (q.qth >= 0 && q.qth <= 3) qthcombo->setCurrentIndex(q.qth);
    selectindex(continent, q.continent);
    cqz->setText(toqt(q.cqz.str()));
    direction->clear();
    distance->clear();
    selectindex(dxcccombo, q.dxcc);
    gs->setText(toqt(q.grid.str()));
    wabcombo->setEditText(toqt(q.wab.str()));
    incall->setText(toqt(q.call.str()));

    // A call book that finds the call but gives no position leaves the entity's in use.
    state_.usecountryposition = true;
    lookupcallbook(fromqt(incall->text()));
    if (state_.usecountryposition && q.dxcc >= 0 && q.dxcc <= state_.dxcccount) {
        const dxccrecord& e = state_.dxcctable[static_cast<std::size_t>(q.dxcc)];
        state_.dxlat = e.ns == "S" ? -e.lat : e.lat;
        state_.dxlon = e.ew == "W" ? -e.lon : e.lon;
    }
    const auto d = distancebearing(state_.mylat, state_.mylon, state_.dxlat, state_.dxlon);
    distance->setText(toqt(distancetext(state_, d)));
    direction->setText(QString::number(d.degrees));

    ituz->setText(toqt(q.ituz.str()));
    selectindex(modesel, q.mode);
    Power->setText(toqt(singletext(q.power)));
    selectindex(propsel, q.prop);
    selectindex(qslr, q.qslr);
    selectindex(qsls, q.qsls);
    rstr->setText(toqt(q.rstr.str()));
    rsts->setText(toqt(q.rsts.str()));
    via->setText(toqt(q.qslvia.str()));

    for (int k = 0; k <= state_.awardslots && k < slotcount; ++k)
        showslot(k, q.awards[static_cast<std::size_t>(k)], q.entries[static_cast<std::size_t>(k)]);
    fillingslots_ = false;
    rememberloadedcall();
    showdate->setFocus();
}

void logbook::logbook_showem_Click() {
    loadclickedqso();
}

void logbook::logbook_showem_DblClick() {
    // A blank row or a deleted QSO offers no labels.
    if (loadclickedqso()) openquicklabels();
}

void logbook::delqso_Click() {
    if (!state_.editingqso || state_.editindex < 1 || state_.editindex > state_.qsocount) {
        setstatus("No QSO to delete: click the QSO in the grid first.");
        return;
    }
    qsorecord& q = state_.qsos[static_cast<std::size_t>(state_.editindex)];
    const std::string title = state_.apptitle + " " + state_.mycall.str();
    if (q.deleted == "D") {
        dialogs_.msgbox("This QSO has already been deleted.", msgbuttons::ok, msgicon::information,
                        title);
    } else if (dialogs_.msgbox("This QSO will be deleted when you exit the program.\r\n"
                               "Please confirm that you want to delete the QSO",
                               msgbuttons::yesno, msgicon::none, title) == msganswer::yes) {
        q.deleted = "D";
        setstatus("This QSO will be deleted when you exit the program.");
        resetqsoentry();
    }
    state_.editingqso = false;
    state_.foundbyfind = false;
}

void logbook::logbook_deleteqso_Click() {
    delqso_Click();
}

void logbook::logbook_ignore_Click() {
    state_.editingqso = false;
    state_.foundbyfind = false;
    resetqsoentry();
    shownetlogger();
}

void logbook::logbook_ignorechanges_Click() {
    logbook_ignore_Click();
}

void logbook::quit_Click() {
    if (writeqsofile(state_, *this, dialogs_) == writeresult::failed &&
        dialogs_.msgbox("The log was not saved, so its QSOs of this run would be lost.\r\n"
                        "Quit without saving the log?",
                        msgbuttons::yesno, msgicon::exclamation, state_.apptitle) != msganswer::yes)
        return;
    if (!printpendinglabels()) return;
    quitting_ = true;
    QApplication::closeAllWindows();
    close();
    QCoreApplication::quit();
}

void logbook::logbook_quiter_Click() {
    quit_Click();
}

void logbook::closeEvent(QCloseEvent* event) {
    // Closing the window is Quit; a Quit that stays (the log unsaved) keeps it open.
    if (!quitting_) quit_Click();
    if (quitting_)
        event->accept();
    else
        event->ignore();
}

} // namespace tsl
