// The main window's call-book set-up: the CD libraries the lookups use, and the call-book
// source form.

#include "callbook/lookup.h"
#include "callbook/pickqsldata.h"
#include "logbook.h"
#include "platform/dialogs.h"
#include "platform/hamcallcd.h"
#include "platform/qrzcd.h"

namespace tsl {

namespace {
AbsentQrzCd noqrzcd;
AbsentHamCallCd nohamcallcd;
} // namespace

void logbook::setcdlibraries(QrzCdLibrary& qrzcd, HamCallCdLibrary& hamcallcd) {
    qrzcd_ = &qrzcd;
    hamcallcd_ = &hamcallcd;
}

callbookservices logbook::lookupservices() {
    return {dialogs_, internet_, qrzcd_ ? *qrzcd_ : noqrzcd,
            hamcallcd_ ? *hamcallcd_ : nohamcallcd};
}

void logbook::logbook_goqsldata_Click() {
    modalformopen = true;
    pickqsldata form(state_, dialogs_, internet_, qrzcd_ ? *qrzcd_ : noqrzcd, this);
    dialogs_.showform(form);
    modalformopen = false;
    show();
}

} // namespace tsl
