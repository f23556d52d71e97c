// The menu item of the BARTG awards: it opens the BARTG picker, or brings the open one
// forward with its choices.

#include "logbook.h"
#include "platform/desktopforms.h"
#include "reports/bartgpicker.h"

namespace tsl {

void logbook::gobartg_Click() {
    auto* form = findChild<BARTGpicker*>("BARTGpicker", Qt::FindDirectChildrenOnly);
    if (!form)
        form = new BARTGpicker(
            state_, dialogs_, [this](const Report& report) { showreport(report); }, this);
    bringforward(form);
}

} // namespace tsl
