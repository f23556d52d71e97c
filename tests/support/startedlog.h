#pragma once
// A program folder with the default data and a log, started up to its main window.

#include "core/qsofile.h"
#include "mainwindow/logbook.h"
#include "mainwindow/startup.h"
#include "support/localserver.h"
#include "support/logfixture.h"
#include "support/scriptedhamcallcd.h"
#include "support/scriptedqrzcd.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include <functional>

namespace tsl::test {

struct StartedLog : LoadedLog {
    LocalInternet internet;
    ScriptedQrzCd qrzcd;
    ScriptedHamCallCd hamcallcd;
    std::unique_ptr<logbook> window;

    // Writes the QSOs appended so far as the log file and starts the program on it.
    void start() {
        if (s->qsocount > 0) writeqsofile(*s, status, dialogs);
        folder.write("qsldata.ini", "1,\"\"\r\n");
        auto clock = s->localnow;
        s = std::make_unique<AppState>();
        s->localnow = clock;
        dialogs.shown.clear();
        window = Main(*s, dialogs, internet, qrzcd, hamcallcd, folder.path());
    }
    // A log of n QSOs to the calls Q1, Q2 ...
    void start(int n) {
        for (int i = 1; i <= n; ++i)
            append(qso("Q" + std::to_string(i)));
        start();
    }

    QLineEdit* edit(const char* name) const { return window->findChild<QLineEdit*>(name); }
    QComboBox* combo(const char* name) const { return window->findChild<QComboBox*>(name); }
    QStringList lines() const {
        QStringList l;
        auto* list = window->findChild<QListWidget*>("callshow");
        for (int i = 0; i < list->count(); ++i)
            l << list->item(i)->text();
        return l;
    }
    void trigger(const char* name) const { window->findChild<QAction*>(name)->trigger(); }

    // What the operator does in the next form the program shows.
    void whenmodal(std::function<void(QWidget*)> act) { dialogs.forms.push_back(std::move(act)); }
};

} // namespace tsl::test
