// The menu items of the award picker and of the needed-countries report.

#include "core/state.h"
#include "logbook.h"
#include "platform/desktopforms.h"
#include "powerpicker.h"
#include "reports/awardpicker.h"
#include "reports/haveneed.h"

namespace tsl {

awardpicker* logbook::awardpickerwindow() const {
    // A picker closed by Return is on its way out and serves no further kind.
    for (awardpicker* picker : findChildren<awardpicker*>(QString(), Qt::FindDirectChildrenOnly))
        if (picker->isVisible()) return picker;
    return nullptr;
}

void logbook::openawardpicker(bool AppState::*kind) {
    // One kind at a time: the picker runs the report of the flag set last.
    for (bool AppState::*flag : {&AppState::dxccneedflag, &AppState::qsosbydxccflag,
                                 &AppState::numberawardflag, &AppState::entryawardflag})
        state_.*flag = flag == kind;
    awardpicker* picker = awardpickerwindow();
    if (picker)
        picker->filllist();
    else
        picker = new awardpicker(
            state_, [this](const Report& report) { showreport(report); }, this);
    bringforward(picker);
}

void logbook::godxccneed_Click() {
    openawardpicker(&AppState::dxccneedflag);
}

void logbook::goqsosbydxcc_Click() {
    openawardpicker(&AppState::qsosbydxccflag);
}

void logbook::gonumawards_Click() {
    openawardpicker(&AppState::numberawardflag);
}

void logbook::goentawards_Click() {
    openawardpicker(&AppState::entryawardflag);
}

void logbook::godxccneededcountries_Click() {
    choosepower(state_, dialogs_, this);
    showreport(dxccneeded(state_, state_.qrpflag));
}

} // namespace tsl
