// The menu commands of the DXCC detail, prefix, continent and zone reports.

#include "core/state.h"
#include "logbook.h"
#include "powerpicker.h"
#include "reports/continentszones.h"
#include "reports/dxccdetail.h"
#include "reports/prefixes.h"

namespace tsl {

void logbook::godxccdetail_Click() {
    choosepower(state_, dialogs_, this);
    showreport(dxccdetail(state_, state_.qrpflag));
}

void logbook::goprefixes_Click() {
    showreport(dxccprefixlist(state_));
}

void logbook::gowap_Click() {
    choosepower(state_, dialogs_, this);
    setstatus("Preparing Prefixes Report");
    showreport(prefixreport(state_, 0, state_.qrpflag));
}

void logbook::gowac_Click() {
    choosepower(state_, dialogs_, this);
    showreport(wacreport(state_, 0, state_.qrpflag));
}

void logbook::gocq_Click() {
    choosepower(state_, dialogs_, this);
    showreport(cqzonereport(state_, state_.qrpflag));
}

void logbook::goitu_Click() {
    choosepower(state_, dialogs_, this);
    showreport(ituzonereport(state_, state_.qrpflag));
}

} // namespace tsl
