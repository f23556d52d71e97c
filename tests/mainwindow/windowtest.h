#pragma once
// The started program with a hand-made log, driving the report forms by their object names.

#include "mainwindow/logbook.h"
#include "platform/codepage.h"
#include "reports/showreports.h"
#include "support/pickerlogs.h"
#include "support/startedlog.h"

#include <QComboBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tsl::test {

struct ReportForms : ::testing::Test, StartedLog {
    QStringList statuses;

    void startwith(void (*log)(AppState&)) {
        log(*s);
        start();
        ASSERT_NE(window, nullptr);
        QObject::connect(window.get(), &logbook::statuswritten,
                         [this](const QString& text) { statuses << text; });
    }
    QWidget* form(const char* name) const { return window->findChild<QWidget*>(name); }
    QComboBox* list(const char* formname, const char* name) const {
        return form(formname)->findChild<QComboBox*>(name);
    }
    void click(const char* formname, const char* name) const {
        form(formname)->findChild<QPushButton*>(name)->click();
    }
    std::vector<std::string> shown() const { return window->reportwindow()->lines(); }
};

} // namespace tsl::test
