#pragma once
// The started program driven by the object names of its windows: what it writes on the
// status line, the report shown, the forms it opens and the log grid.

#include "mainwindow/logbook.h"
#include "platform/codepage.h"
#include "platform/flexgrid.h"
#include "reports/showreports.h"
#include "support/pickerlogs.h"
#include "support/startedlog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QPushButton>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tsl::test {

struct WindowTest : ::testing::Test, StartedLog {
    QStringList statuses;

    // Starts the program on the QSOs appended so far.
    void begin() {
        start();
        ASSERT_NE(window, nullptr);
        QObject::connect(window.get(), &logbook::statuswritten,
                         [this](const QString& text) { statuses << text; });
    }
    // Starts it on a log of n QSOs to the calls Q1, Q2 ...
    void begin(int n) {
        for (int i = 1; i <= n; ++i)
            append(qso("Q" + std::to_string(i)));
        begin();
    }
    void startwith(void (*log)(AppState&)) {
        log(*s);
        begin();
    }
    static std::string testdata(const std::string& name) {
        return std::string(TESSALOG_TESTDATA_DIR) + "/" + name;
    }
    // The golden report with the own call of the started program in its title.
    static std::vector<std::string> golden(const std::string& name, const std::string& title) {
        auto lines = goldenlines(name);
        if (!lines.empty()) lines[0] = title;
        return lines;
    }

    QWidget* form(const char* name) const { return window->findChild<QWidget*>(name); }
    QComboBox* list(const char* formname, const char* name) const {
        return form(formname)->findChild<QComboBox*>(name);
    }
    void click(const char* formname, const char* name) const {
        form(formname)->findChild<QPushButton*>(name)->click();
    }
    // The lines of the report window, none while it is closed.
    std::vector<std::string> shown() const {
        return window->reportwindow() ? window->reportwindow()->lines()
                                      : std::vector<std::string>{};
    }
    // The power chosen in the next power form the program shows.
    void choosepower(const char* power) {
        whenmodal([power](QWidget* w) {
            auto* box = w->findChild<QComboBox*>("powercombo");
            box->setCurrentIndex(box->findText(power));
            w->findChild<QPushButton*>("doit")->click();
        });
    }
    // The call in row r of the log grid.
    QString gridcall(int row) const { return window->grid()->text(row, 5).trimmed(); }
    // Forms closed by a button are gone once their deletion has run.
    static void closedown() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

// The own call of the default tsl.ini, with its slashed zero.
inline const std::string startedcall = "N\330CALL";

} // namespace tsl::test
