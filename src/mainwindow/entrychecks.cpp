// The checks of the entry panel's boxes, the DXCC lookup shown in the panel and the award
// slots.

#include "core/dxcclookup.h"
#include "core/fieldchecks.h"
#include "core/recordtext.h"
#include "core/settings.h"
#include "core/state.h"
#include "entryrules.h"
#include "finder.h"
#include "logbook.h"
#include "platform/codepage.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QListWidget>

namespace tsl {

void logbook::showdate_LostFocus() {
    const auto date = checkeddate(fromqt(showdate->text()), state_.dateformatflag != 0,
                                  state_.utcnow.date().year());
    if (date) {
        showdate->setText(toqt(*date));
        setstatus("");
    } else {
        showdate->setText(toqt(utcdatetext(state_)));
        setstatus("Error in date. Reenter the date.");
    }
    rules_->clearpending("showdate");
}

void logbook::showdateorder(bool wasdayfirst) {
    if (const auto date =
            reordereddate(fromqt(showdate->text()), wasdayfirst, state_.utcnow.date().year()))
        showdate->setText(toqt(*date));
    for (int row = 1; row < state_.gridrowsused; ++row)
        showqsorow(row + state_.pageoffset, row);
    if (finder_) finder_->showdates();
}

void logbook::showtime_LostFocus() {
    rules_->clearpending("showtime");
    if (const auto time = checkedtime(fromqt(showtime->text()))) {
        showtime->setText(toqt(*time));
    } else {
        showtime->setText(toqt(utctimetext(state_)));
        setstatus("Error in time. Reenter the time.");
    }
}

void logbook::gs_LostFocus() {
    rules_->clearpending("gs");
    if (const auto square = checkedgridsquare(fromqt(gs->text()))) {
        gs->setText(toqt(*square));
    } else {
        setstatus("Format for Grid Squares is XX99 or XX99xx, four or six characters");
    }
}

void logbook::modesel_LostFocus() {
    rules_->clearpending("modesel");
    const int mode = modesel->currentIndex();
    if (mode == state_.cwmodeindex || mode == state_.rttymodeindex) {
        rsts->setText("599");
        rstr->setText("599");
    } else if (mode == state_.ssbmodeindex) {
        rsts->setText("59");
        rstr->setText("59");
    }
}

void logbook::showzones(int16_t entity) {
    const dxccrecord& e = state_.dxcctable[static_cast<std::size_t>(entity)];
    if (e.ituzones.size() >= 3) callshow->addItem(toqt("Multiple ITU Zones: " + e.ituzones));
    ituz->setText(toqt(zonetext(e.ituzones)));
    if (e.cqzones.size() >= 3) callshow->addItem(toqt("Multiple CQ Zones: " + e.cqzones));
    cqz->setText(toqt(zonetext(e.cqzones)));
}

void logbook::dxcccombo_LostFocus() {
    rules_->clearpending("dxcccombo");
    const int k = dxcccombo->currentIndex();
    if (k < 0 || k > state_.dxcccount) return;
    if (const int16_t j = continentindex(state_, static_cast<int16_t>(k)); j > 0)
        continent->setCurrentIndex(j);
    showzones(static_cast<int16_t>(k));
}

void logbook::logbook_showdate_Click() {
    computeutcnow(state_);
    showdate->setText(toqt(utcdatetext(state_)));
}

void logbook::logbook_showtime_Click() {
    computeutcnow(state_);
    showtime->setText(toqt(utctimetext(state_)));
}

void logbook::applydxccmatch(int16_t entity) {
    dxcccombo->setCurrentIndex(entity);
    callshow->addItem(toqt(state_.dxcctable[static_cast<std::size_t>(entity)].country));
    continent->setCurrentIndex(continentindex(state_, entity));
    showzones(entity);
}

void logbook::dxcclookup(const std::string& call) {
    if (!state_.keepcallshow) callshow->clear();
    const dxccmatch match = finddxcc(state_, call);
    notedxccmatch(state_, match);
    if (match.entities.empty()) {
        applydxccmatch(0);
        return;
    }
    for (int16_t e : match.entities)
        applydxccmatch(e);
    if (match.entities.size() >= 2) callshow->addItem("Multiple DXCC found");
}

void logbook::logbook_pickaward_Click(int index) {
    if (index < 0 || index >= slotcount) return;
    const auto n = static_cast<std::size_t>(index);
    const int k = pickaward[n]->currentIndex();
    if (islistaward(state_, k) && awardname(state_, k)) {
        awardnumber[n]->hide();
        awardentry[n]->show();
        awardentry[n]->clear();
        QStringList entries;
        for (int32_t position = 0;; ++position) {
            const auto entry = entryname(state_, k, position);
            if (!entry) break;
            entries.append(toqt(*entry));
        }
        awardentry[n]->addItems(entries);
        awardentry[n]->setCurrentIndex(-1);
        if (!modalformopen && !fillingslots_) awardentry[n]->setFocus();
    } else {
        awardnumber[n]->clear();
        awardentry[n]->hide();
        awardnumber[n]->show();
        if (!modalformopen && !fillingslots_) awardnumber[n]->setFocus();
    }
}

bool logbook::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == showdate) logbook_showdate_Click();
        if (watched == showtime) logbook_showtime_Click();
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace tsl
