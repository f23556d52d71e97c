// The menu commands of the Geratol, OMISS and HHH Net reports.

#include "core/state.h"
#include "logbook.h"
#include "nets/geratol.h"
#include "nets/hhhpicker.h"
#include "nets/omisspicker.h"
#include "platform/desktopforms.h"
#include "reports/report.h"

namespace tsl {

namespace {

// Brings the open picker to the front, or opens one: one instance each, not modal.
template <class Picker> void showpicker(logbook& window, AppState& state, Picker* open) {
    Picker* picker =
        open ? open
             : new Picker(
                   state, window, [&window](const Report& r) { window.showreport(r); }, &window);
    bringforward(picker);
}

} // namespace

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
    showpicker(*this, state_, omisswindow());
}

void logbook::logbook_gohhhnet_Click() {
    showpicker(*this, state_, hhhwindow());
}

} // namespace tsl
