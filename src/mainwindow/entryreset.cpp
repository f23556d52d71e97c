// The entry panel between QSOs: cleared for the next contact, or preset from the newest QSO.

#include "core/numbers.h"
#include "core/settings.h"
#include "core/state.h"
#include "logbook.h"
#include "platform/codepage.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

namespace tsl {

void logbook::resetqsoentry() {
    computeutcnow(state_);
    showdate->setText(toqt(utcdatetext(state_)));
    showtime->setText(toqt(utctimetext(state_)));
    callshow->clear();
    comments->clear();
    via->clear();
    continent->setCurrentIndex(0);
    cqz->clear();
    direction->clear();
    distance->clear();
    dxcccombo->setCurrentIndex(-1);
    gs->clear();
    wabcombo->setCurrentIndex(-1);
    incall->clear();
    ituz->clear();
    clearawardslots();
}

void logbook::loadlastqsodefaults() {
    const qsorecord& q = state_.qsos[static_cast<std::size_t>(state_.qsocount)];
    selectindex(bandsel, q.band);
    selectindex(modesel, q.mode);
    Power->setText(toqt(singletext(q.power)));
    selectindex(propsel, q.prop);
    rstr->setText(toqt(q.rstr.str()));
    rsts->setText(toqt(q.rsts.str()));
    gender->setCurrentIndex(q.gender != 0 ? 1 : 0);
    if (q.qth == 0) qthcombo->setCurrentIndex(0);
}

} // namespace tsl
