// The menu items of the grid squares, Worked All Britain and ARLHS reports: each opens its
// form, or brings it forward when it is open already.

#include "logbook.h"
#include "platform/desktopforms.h"
#include "reports/arlhsform.h"
#include "reports/gridpicker.h"
#include "reports/wabpicker.h"

namespace tsl {

namespace {

template <class Form> void openreportform(logbook* window, AppState& state, const char* name) {
    auto* form = window->findChild<Form*>(name, Qt::FindDirectChildrenOnly);
    if (!form)
        form = new Form(
            state, *window, [window](const Report& report) { window->showreport(report); }, window);
    bringforward(form);
}

} // namespace

void logbook::gogrids_Click() {
    openreportform<gridpicker>(this, state_, "gridpicker");
}

void logbook::gowab_Click() {
    openreportform<wabpicker>(this, state_, "wabpicker");
}

void logbook::goarlhs_Click() {
    openreportform<arlhsform>(this, state_, "arlhsform");
}

} // namespace tsl
