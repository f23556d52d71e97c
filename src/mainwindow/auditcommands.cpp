// The menu items of the QSO audit, the missing QSL cards, the full listing, the US counties
// form and the two island reports.

#include "core/state.h"
#include "logbook.h"
#include "platform/desktopforms.h"
#include "powerpicker.h"
#include "reports/audit.h"
#include "reports/countyhunters.h"
#include "reports/islands.h"
#include "reports/listing.h"

namespace tsl {

void logbook::goqsoaudit_Click() {
    showreport(qsoaudit(state_));
}

void logbook::gomissing_Click() {
    showreport(missingqsl(state_));
}

void logbook::goallqsos_Click() {
    showreport(allqsolisting(state_));
}

void logbook::gocounties_Click() {
    countyhunters* form = countywindow();
    if (!form)
        form = new countyhunters(
            state_, [this](const Report& r) { showreport(r); }, this);
    bringforward(form);
}

countyhunters* logbook::countywindow() const {
    return findChild<countyhunters*>("countyhunters", Qt::FindDirectChildrenOnly);
}

void logbook::goislandsummary_Click() {
    choosepower(state_, dialogs_, this);
    showreport(islandsummary(state_, state_.qrpflag));
}

void logbook::gowasi_Click() {
    choosepower(state_, dialogs_, this);
    showreport(wasislands(state_, state_.qrpflag));
}

} // namespace tsl
