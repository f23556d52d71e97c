#include "mainwindow/windowtest.h"
#include "reports/gridsquares.h"
#include "reports/wab.h"

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {
using PickerWindow = WindowTest;
} // namespace

TEST_F(PickerWindow, ContinueShowsTheReportAndThePickerStaysUntilReturn) {
    startwith(gridlog);
    trigger("gogrids");
    ASSERT_NE(form("gridpicker"), nullptr);
    EXPECT_EQ(form("gridpicker")->windowTitle(), toqt(s->apptitle + " - " + s->mycall.str()));
    click("gridpicker", "continue");
    EXPECT_EQ(statuses.value(0), "Preparing report");
    EXPECT_EQ(window->statustext(), ""); // the report window's load empties it
    EXPECT_EQ(shown(), gridsquarereport(*s, 0, 0, 0, 0).lines);

    // Position k of each list is table index k.
    list("gridpicker", "bandcombo")->setCurrentIndex(3);
    list("gridpicker", "modecombo")->setCurrentIndex(1);
    list("gridpicker", "propcombo")->setCurrentIndex(6);
    list("gridpicker", "powercombo")->setCurrentIndex(1);
    click("gridpicker", "continue");
    EXPECT_EQ(shown(), gridsquarereport(*s, 3, 1, 6, 1).lines);
    // The open window is not loaded again, yet the status line is emptied as before.
    EXPECT_EQ(statuses.count("Preparing report"), 2);
    EXPECT_EQ(window->statustext(), "");

    // The menu item brings the open picker forward, choices and all.
    trigger("gogrids");
    EXPECT_EQ(window->findChildren<QWidget*>("gridpicker").size(), 1);
    EXPECT_EQ(list("gridpicker", "bandcombo")->currentIndex(), 3);
    click("gridpicker", "goback");
    QApplication::processEvents();
    EXPECT_EQ(form("gridpicker"), nullptr);
    EXPECT_NE(window->reportwindow(), nullptr);
}

TEST_F(PickerWindow, WabPickerRunsEachPartsReport) {
    startwith(wablog);
    trigger("gowab");
    ASSERT_NE(form("wabpicker"), nullptr);
    EXPECT_EQ(form("wabpicker")->windowTitle(), toqt(s->apptitle + " - " + s->mycall.str()));
    EXPECT_EQ(list("wabpicker", "reportcombo")->count(), 7);
    click("wabpicker", "continue");
    EXPECT_EQ(statuses.value(0), "Preparing report");
    EXPECT_EQ(shown(), wabreport(*s, 0, 0, 0, 0, 0).lines);
    list("wabpicker", "reportcombo")->setCurrentIndex(1);
    list("wabpicker", "bandcombo")->setCurrentIndex(3);
    list("wabpicker", "modecombo")->setCurrentIndex(1);
    click("wabpicker", "continue");
    EXPECT_EQ(shown(), wabreport(*s, 1, 3, 1, 0, 0).lines);
    click("wabpicker", "goback");
    QApplication::processEvents();
    EXPECT_EQ(form("wabpicker"), nullptr);
}
