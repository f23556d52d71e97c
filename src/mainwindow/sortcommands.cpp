// The sort commands of the main window.

#include "core/awardsfile.h"
#include "core/sorting.h"
#include "core/state.h"
#include "logbook.h"

namespace tsl {

void logbook::sortlog(const char* what, void (*sort)(AppState&, int32_t, int32_t)) {
    const std::string count = std::to_string(state_.qsocount) + " QSOs";
    setstatus(std::string("QSO file is being sorted by ") + what + ". " + count);
    sort(state_, 1, state_.qsocount);
    setstatus(std::string("QSO file was sorted by ") + what + ". " + count);
    showqsopage();
    showqsorows();
    // The QSO being edited has moved with the sort: its row is where the new page shows it,
    // or none when the page does not show it.
    state_.editgridrow = gridrowof(state_, state_.editindex);
}

void logbook::gosortdate_Click() {
    sortlog("date / time", sortbydate);
}
void logbook::gosortcall_Click() {
    sortlog("Call", sortbycall);
}
void logbook::gosortdxcc_Click() {
    sortlog("DXCC", sortbydxcc);
}
void logbook::gosortvia_Click() {
    sortlog("QSL Via", sortbyvia);
}
void logbook::gosortband_Click() {
    sortlog("Band", sortbyband);
}
void logbook::gosortmode_Click() {
    sortlog("Mode", sortbymode);
}
void logbook::gosortprop_Click() {
    sortlog("Propagation", sortbyprop);
}
void logbook::gosortcomment_Click() {
    sortlog("Comment", sortbycomment);
}
void logbook::gosortitu_Click() {
    sortlog("ITU Zone", sortbyitu);
}
void logbook::gosortcq_Click() {
    sortlog("CQ Zone", sortbycq);
}
void logbook::gosortgrid_Click() {
    sortlog("Grid Square", sortbygrid);
}
void logbook::gosortwab_Click() {
    sortlog("WAB", sortbywab);
}
void logbook::gosortcont_Click() {
    sortlog("Continent", sortbycontinent);
}
void logbook::gosortfirstaward_Click() {
    sortlog("First Award", sortbyfirstaward);
}
void logbook::gosortqth_Click() {
    sortlog("QTH", sortbyqth);
}
void logbook::gosortsex_Click() {
    sortlog("Gender", sortbygender);
}

} // namespace tsl
