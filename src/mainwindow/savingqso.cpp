// Saving the QSO of the entry panel into the log.

#include "callbook/eqslupload.h"
#include "core/fieldchecks.h"
#include "core/numbers.h"
#include "core/paging.h"
#include "core/state.h"
#include "core/text.h"
#include "howsave.h"
#include "logbook.h"
#include "platform/codepage.h"
#include "platform/dialogs.h"

#include <QComboBox>
#include <QLineEdit>

namespace tsl {

namespace {
int16_t position(const QComboBox* box) {
    return static_cast<int16_t>(std::max(0, box->currentIndex()));
}

// A zone box's number written back as text: "08" is "8", "??" or nothing is "0".
std::string zonevalue(const QLineEdit* box) {
    return inttext(toint32(leadingnumber(fromqt(box->text()))).value_or(0));
}
} // namespace

void logbook::logbook_qsosaver_Click() {
    saveqso_Click();
}

std::optional<std::string> logbook::checkslots() const {
    for (int j = 0; j <= state_.awardslots && j < slotcount; ++j) {
        const auto n = static_cast<std::size_t>(j);
        const int k = pickaward[n]->currentIndex();
        const std::string slot = std::to_string(j + 1);
        if (k >= 0 && k <= state_.numberedawards) {
            if (!toint32(leadingnumber(fromqt(awardnumber[n]->text()))))
                return "The number in award slot " + slot + " is too large. The QSO was not saved.";
        } else if (k > state_.numberedawards && awardentry[n]->currentIndex() < 0) {
            return "Choose an entry for the award in slot " + slot + ". The QSO was not saved.";
        }
    }
    return std::nullopt;
}

void logbook::storepanel(qsorecord& q) const {
    q.date = storeddatetext(fromqt(showdate->text()), state_.dateformatflag != 0);
    q.time = fromqt(showtime->text());
    q.band = position(bandsel);
    q.mode = position(modesel);
    q.prop = position(propsel);
    q.power = static_cast<float>(leadingnumber(fromqt(Power->text())));
    q.rsts = fromqt(rsts->text());
    q.rstr = fromqt(rstr->text());
    q.qsls = position(qsls);
    q.qslr = position(qslr);
    q.qslvia = fromqt(via->text());
    q.call = fromqt(incall->text());
    q.ituz = zonevalue(ituz);
    q.cqz = zonevalue(cqz);
    q.grid = fromqt(gs->text());
    q.wab = fromqt(wabcombo->currentText());
    q.continent = position(continent);
    q.dxcc = position(dxcccombo);
    q.comments = fromqt(comments->text());
    q.gender = position(gender);
    q.qth = position(qthcombo);
    for (int j = 0; j <= state_.awardslots && j < slotcount; ++j) {
        const auto n = static_cast<std::size_t>(j);
        const int k = pickaward[n]->currentIndex();
        q.awards[n] = position(pickaward[n]);
        if (k >= 0 && k <= state_.numberedawards)
            q.entries[n] = toint32(leadingnumber(fromqt(awardnumber[n]->text()))).value_or(0);
        else
            q.entries[n] = position(awardentry[n]);
    }
}

void logbook::saveqso_Click() {
    flushvalidations();
    if (trimblanks(fromqt(incall->text())).empty()) {
        // The focus moves first: the box it leaves runs its check, which may write the
        // status line.
        incall->setFocus();
        setstatus("No Call Entered");
        dialogs_.msgbox("No Call", msgbuttons::ok, msgicon::none, state_.apptitle);
        shownetlogger();
        return;
    }
    if (const auto problem = checkslots()) {
        setstatus(*problem);
        return;
    }
    showdate->setFocus();
    if (state_.editingqso) {
        modalformopen = true;
        howsave question(state_, this);
        dialogs_.showform(question);
        modalformopen = false;
    }
    int32_t target = state_.editindex;
    if (!state_.editingqso) {
        if (state_.qsocount >= maxqsos) {
            dialogs_.msgbox("The log is full: it holds " + std::to_string(maxqsos) +
                                " QSOs, the most it can hold. The QSO was not saved.",
                            msgbuttons::ok, msgicon::exclamation, state_.apptitle);
            return;
        }
        if (!state_.onlastpage) {
            showqsopage();
            showqsorows();
        }
        if (state_.gridrowsused == 997) {
            showqsopage();
            showqsorows();
        }
        target = ++state_.qsocount;
    }
    if (target < 1 || target > state_.qsocount) return;
    qsorecord& q = state_.qsos[static_cast<std::size_t>(target)];
    if (!state_.editingqso) q.deleted = "";
    storepanel(q);
    state_.eqslstatus.clear();
    if (state_.eqslenabled) sendeqsl(state_, dialogs_, internet_, target);

    const std::string count = std::to_string(state_.qsocount) + " QSOs" + state_.eqslstatus;
    if (!state_.editingqso) {
        showqsorow(target, state_.gridrowsused);
        ++state_.gridrowsused;
        setstatus("QSO added. " + count);
    } else {
        // An edited QSO redraws its own row of the main grid, and only when the page shows
        // it (a QSO opened from the finder knows its main-grid row the same way).
        if (state_.editgridrow >= 1) showqsorow(target, state_.editgridrow);
        if (!state_.foundbyfind) setstatus("QSO updated. " + count);
    }
    state_.editingqso = false;
    state_.foundbyfind = false;
    loadedcall_.reset();
    resetqsoentry();
    shownetlogger();
}

} // namespace tsl
