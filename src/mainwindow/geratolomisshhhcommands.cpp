// The menu commands of the Geratol, OMISS and HHH Net reports.

#include "core/state.h"
#include "logbook.h"
#include "nets/geratol.h"
#include "nets/hhhpicker.h"
#include "nets/omisspicker.h"
#include "reports/report.h"

namespace tsl {

void logbook::logbook_goallgeratolqsos_Click() {
    setstatus("Preparing report");
    showreport(allgeratolqsos(state_));
}

void logbook::logbook_goger_Click(int index) {
    setstatus("Preparing report");
    showreport(geratolendorsement(state_, index));
}

omisspicker* logbook::omisswindow() const {
    return findChild<omisspicker*>(QString(), Qt::FindDirectChildrenOnly);
}

hhhpicker* logbook::hhhwindow() const {
    return findChild<hhhpicker*>(QString(), Qt::FindDirectChildrenOnly);
}

void logbook::logbook_goomiss_Click() {
    omisspicker* picker = omisswindow();
    if (!picker)
        picker = new omisspicker(
            state_, *this, [this](const Report& r) { showreport(r); }, this);
    picker->show();
    picker->raise();
}

void logbook::logbook_gohhhnet_Click() {
    hhhpicker* picker = hhhwindow();
    if (!picker)
        picker = new hhhpicker(
            state_, *this, [this](const Report& r) { showreport(r); }, this);
    picker->show();
    picker->raise();
}

} // namespace tsl
