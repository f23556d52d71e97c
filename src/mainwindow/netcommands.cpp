// The net picker and the net logger: "&Nets", the logger brought back after each QSO, and
// the call the logger hands to the entry panel.

#include "core/state.h"
#include "entryrules.h"
#include "logbook.h"
#include "nets/netlogger.h"
#include "nets/netpicker.h"
#include "platform/codepage.h"
#include "platform/desktopforms.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

namespace tsl {

void logbook::logbook_gonets_Click() {
    if (!netpicker_) {
        netpicker_ = new netpicker(
            state_,
            [this] {
                state_.netinprogress = true;
                shownetlogger();
            },
            [this] { return !netlogger_.isNull(); }, this);
        connect(netpicker_, &netpicker::unloaded, this, [this] { netpicker_ = nullptr; });
    }
    bringforward(netpicker_);
}

void logbook::shownetlogger() {
    if (!state_.netinprogress) return;
    if (!netlogger_) {
        netlogger_ = new netlogger(
            state_, dialogs_,
            [this](const std::string& call, int16_t band, int16_t mode) {
                takenetcall(call, band, mode);
            },
            this);
        connect(netlogger_, &netlogger::unloaded, this, [this] { netlogger_ = nullptr; });
    }
    bringforward(netlogger_);
}

void logbook::takenetcall(const std::string& call, int16_t band, int16_t mode) {
    {
        const QSignalBlocker blockband(bandsel);
        const QSignalBlocker blockmode(modesel);
        selectindex(bandsel, band);
        selectindex(modesel, mode);
    }
    incall->setText(toqt(call));
    bringforward(this);
    incall->setFocus();
    rules_->setpending("incall");
}

netpicker* logbook::netpickerwindow() const {
    return netpicker_;
}

netlogger* logbook::netloggerwindow() const {
    return netlogger_;
}

} // namespace tsl
