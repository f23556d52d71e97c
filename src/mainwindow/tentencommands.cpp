// The menu item of the Ten-Ten reports: it opens the Ten-Ten picker, or shows the open one
// again as it was loaded.

#include "logbook.h"
#include "platform/desktopforms.h"
#include "reports/tentenpicker.h"

namespace tsl {

void logbook::gototenten_Click() {
    auto* form = findChild<tentenpicker*>("tentenpicker", Qt::FindDirectChildrenOnly);
    if (!form)
        form = new tentenpicker(
            state_, [this](const Report& report) { showreport(report); }, this);
    bringforward(form);
}

} // namespace tsl
