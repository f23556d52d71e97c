// Leaving the call box: the call book, the DXCC entity, distance and heading, the prior QSO
// with the same call, the duplicate check and the member numbers.

#include "callbook/lookup.h"
#include "core/dupecheck.h"
#include "core/geography.h"
#include "core/helpers.h"
#include "core/memberlists.h"
#include "core/recordtext.h"
#include "core/state.h"
#include "core/text.h"
#include "entryrules.h"
#include "logbook.h"
#include "platform/codepage.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include <utility>

namespace tsl {

void logbook::rememberloadedcall() {
    loadedcall_ = fromqt(incall->text());
}

void logbook::selectindex(QComboBox* box, int index) {
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
}

void logbook::showslot(int slot, int award, int32_t value) {
    const auto n = static_cast<std::size_t>(slot);
    selectindex(pickaward[n], award);
    if (islistaward(state_, award) && awardname(state_, award)) {
        // A stored position outside the award's list chooses no entry.
        selectindex(awardentry[n], value);
        awardnumber[n]->hide();
        awardentry[n]->show();
    } else {
        awardnumber[n]->setText(QString::number(value));
        awardnumber[n]->show();
        awardentry[n]->hide();
    }
}

void logbook::clearawardslots() {
    // Choosing no award runs the slot handler, whose focus jump would make the box that
    // has the focus run its check (and rewrite the status text): clearing moves no focus.
    const bool filling = std::exchange(fillingslots_, true);
    for (int i = 0; i <= state_.awardslots && i < slotcount; ++i) {
        const auto n = static_cast<std::size_t>(i);
        awardentry[n]->setCurrentIndex(-1);
        awardnumber[n]->clear();
        pickaward[n]->setCurrentIndex(-1);
        awardnumber[n]->hide();
        awardentry[n]->show();
    }
    fillingslots_ = filling;
}

void logbook::showdistance(const char* nopositionmessage) {
    if (state_.dxlat == 0 && state_.dxlon == 0) {
        setstatus(nopositionmessage);
        direction->clear();
        distance->clear();
        return;
    }
    const auto d = distancebearing(state_.mylat, state_.mylon, state_.dxlat, state_.dxlon);
    distance->setText(toqt(distancetext(state_, d)));
    direction->setText(QString::number(d.degrees));
}

void logbook::lookupcallbook(const std::string& call) {
    if (state_.nocallbook && state_.callbooksource < 2) return;
    const callbooklookup found = lookupcall(state_, lookupservices(), call);
    for (const std::string& line : found.lines)
        callshow->addItem(toqt(line));
    if (found.gs) gs->setText(toqt(*found.gs));
    if (found.via) via->setText(toqt(*found.via));
    // The award first, as its choice fills the entry list; the slots keep the focus where
    // it is while the program fills them.
    const bool filling = fillingslots_;
    fillingslots_ = true;
    if (found.slot0) showslot(0, found.slot0->award, found.slot0->entry);
    if (found.slot1) showslot(1, found.slot1->award, found.slot1->entry);
    fillingslots_ = filling;
}

void logbook::incall_LostFocus() {
    rules_->clearpending("incall");
    state_.usecountryposition = true;
    state_.lookuphit = false;
    state_.dxlon = 0;
    state_.dxlat = 0;
    incall->setText(toqt(trimblanks(fromqt(incall->text()))));
    const std::string call = fromqt(incall->text());
    // An edited QSO whose call is unchanged keeps its own slots, square and WAB.
    const bool keepown = state_.editingqso && loadedcall_ && trimblanks(*loadedcall_) == call;

    // The pass fills the award slots itself; a focus jump would run other boxes' checks.
    fillingslots_ = true;
    state_.keepcallshow = true;
    callshow->clear();
    if (!keepown) clearawardslots();
    setstatus("");
    if (!keepown) {
        gs->clear();
        wabcombo->setCurrentIndex(-1);
        wabcombo->setEditText("");
    }
    lookupcallbook(call);
    if (state_.callbookusa) showdistance("No Longitude or latitude for Call");
    dxcclookup(call);
    if (!state_.callbookusa) showdistance("No Longitude or latitude for DXCC");
    if (!state_.foundbyfind) priorqsoinfo(keepown);
    dupecheck();
    if (state_.tentenaward > 0 && bandsel->currentIndex() == 12 && state_.tentenready)
        if (const auto n = tentenlookup(state_, call)) {
            callshow->addItem("TenTen Number: " + QString::number(*n));
            putmemberaward(state_.tentenaward, *n);
        }
    if (state_.arlhsnumberaward > 0 && state_.arlhsready && !call.empty())
        if (const auto n = arlhslookup(state_, call)) {
            callshow->addItem("ARLHS Member Number: " + QString::number(*n));
            putmemberaward(state_.arlhsnumberaward, *n);
        }
    state_.keepcallshow = false;
    fillingslots_ = false;
}

void logbook::putmemberaward(int16_t award, int32_t number) {
    for (int i = 0; i <= state_.awardslots && i < slotcount; ++i)
        if (pickaward[static_cast<std::size_t>(i)]->currentIndex() == award) return;
    for (int i = 0; i <= state_.awardslots && i < slotcount; ++i) {
        const auto n = static_cast<std::size_t>(i);
        if (pickaward[n]->currentIndex() >= 1) continue;
        pickaward[n]->setCurrentIndex(award);
        awardnumber[n]->setText(QString::number(number));
        return;
    }
}

void logbook::priorqsoinfo(bool keepslots) {
    const std::string typed = trimblanks(fromqt(incall->text()));
    const std::string cleaned = normalizecall(typed);
    if (state_.qsocount < 1) return;
    for (int32_t i = state_.qsocount; i >= 1; --i) {
        const qsorecord& q = state_.qsos[static_cast<std::size_t>(i)];
        if (q.deleted == "D") continue;
        const std::string stored = trimblanks(q.call.view());
        if (stored != typed && stored != cleaned) continue;
        setstatus("Info from prior QSO " + qsodatetext(state_, i) + " @ " + q.time.str());
        if (keepslots) return;
        selectindex(dxcccombo, q.dxcc);
        cqz->setText(toqt(q.cqz.str()));
        ituz->setText(toqt(q.ituz.str()));
        selectindex(continent, q.continent);
        gender->setCurrentIndex(q.gender != 0 ? 1 : 0);
        gs->setText(toqt(q.grid.str()));
        via->setText(toqt(q.qslvia.str()));
        wabcombo->setEditText(toqt(q.wab.str()));
        for (int j = 0; j <= state_.awardslots && j < slotcount; ++j)
            showslot(j, q.awards[static_cast<std::size_t>(j)],
                     q.entries[static_cast<std::size_t>(j)]);
        return;
    }
}

void logbook::dupecheck() {
    if (isdupe(state_, fromqt(incall->text()), bandsel->currentIndex(), modesel->currentIndex(),
               state_.localnow().date()))
        setstatus("DUPE DUPE DUPE");
}

} // namespace tsl
