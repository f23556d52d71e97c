#include "qrzcd.h"

#include "core/state.h"
#include "platform/dialogs.h"
#include "platform/qrzcd.h"

namespace tsl {

bool qrzcdcheck(AppState& state, Dialogs& dialogs, QrzCdLibrary& qrzcd) {
    state.qrzcdready = false;
    const auto drive = qrzcd.QRZInit("");
    if (!drive) return false;
    state.qrzdrive = *drive;
    if (*drive == qrzcdinuse) {
        dialogs.msgbox("QRZ is in use by another application.", msgbuttons::ok, msgicon::none,
                       state.apptitle);
        return true;
    }
    if (*drive == qrzcdnotfound) {
        dialogs.msgbox("The QRZ Databases could not be found.", msgbuttons::ok, msgicon::none,
                       state.apptitle);
        return true;
    }
    const bool letter = (*drive >= 'A' && *drive <= 'Z') || (*drive >= 'a' && *drive <= 'z');
    if (!letter) return false;
    state.callbooksourcestatus =
        std::string("Using QRZ Databases in drive ") + static_cast<char>(*drive) + ":";
    state.qrzcdready = true;
    return true;
}

} // namespace tsl
