// The main window's Century Club Net command: the net's report picker.

#include "logbook.h"
#include "nets/ccnpicker.h"
#include "platform/desktopforms.h"

namespace tsl {

void logbook::logbook_goccn1_Click() {
    ccnpicker* picker = ccnwindow();
    if (!picker)
        picker = new ccnpicker(
            state_, *this, [this](const Report& report) { showreport(report); }, this);
    bringforward(picker);
}

// A picker closed with Return is on its way out even before it is deleted.
ccnpicker* logbook::ccnwindow() const {
    for (ccnpicker* picker : findChildren<ccnpicker*>(QString(), Qt::FindDirectChildrenOnly))
        if (!picker->isHidden()) return picker;
    return nullptr;
}

} // namespace tsl
