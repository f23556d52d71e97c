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
    EXPECT_EQ(form("gridpicker")->windowTitle(), toqt("Tessalog  - " + startedcall));
    QComboBox* band = list("gridpicker", "bandcombo");
    EXPECT_EQ(band->itemText(4), "75 Extra");
    // Position k is table index k: 26 bands, 18 modes, 10 propagation kinds after "All".
    const std::pair<const char*, int> lists[] = {
        {"bandcombo", 27}, {"modecombo", 19}, {"propcombo", 11}, {"powercombo", 2}};
    for (const auto& [name, count] : lists) {
        EXPECT_EQ(list("gridpicker", name)->count(), count) << name;
        EXPECT_EQ(list("gridpicker", name)->currentIndex(), 0) << name;
    }

    click("gridpicker", "continue");
    EXPECT_EQ(statuses.value(0), "Preparing report");
    EXPECT_EQ(window->statustext(), ""); // the report window's load empties it
    EXPECT_EQ(shown(),
              golden("gridsquares/all.golden",
                     "Grid Squares   Band=All Mode=ALL Propagation=All  - " + startedcall));

    band->setCurrentIndex(3);
    click("gridpicker", "continue");
    ASSERT_FALSE(shown().empty());
    EXPECT_EQ(shown()[0], "Grid Squares   Band=80 Mtrs Mode=ALL Propagation=All  - " + startedcall);
    EXPECT_EQ(shown().size(), 8u);
    // The open window is not loaded again, yet the status line is emptied as before.
    EXPECT_EQ(statuses.count("Preparing report"), 2);
    EXPECT_EQ(window->statustext(), "");

    // Position k of each list is table index k.
    list("gridpicker", "modecombo")->setCurrentIndex(1);
    list("gridpicker", "propcombo")->setCurrentIndex(6);
    list("gridpicker", "powercombo")->setCurrentIndex(1);
    click("gridpicker", "continue");
    EXPECT_EQ(shown(), gridsquarereport(*s, 3, 1, 6, 1).lines);

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
    EXPECT_EQ(form("wabpicker")->windowTitle(), toqt("Tessalog  - " + startedcall));
    QComboBox* part = list("wabpicker", "reportcombo");
    ASSERT_EQ(part->count(), 7);
    EXPECT_EQ(part->itemText(0), "All Worked All Britain Squares");
    EXPECT_EQ(part->itemText(5), "Isle of Man");
    EXPECT_EQ(part->currentIndex(), 0);

    click("wabpicker", "continue");
    EXPECT_EQ(statuses.value(0), "Preparing report");
    EXPECT_EQ(shown(), golden("wab/all.golden",
                              "Worked All Britain Squares   Band=All Mode=ALL Propagation=All  - " +
                                  startedcall));
    part->setCurrentIndex(1);
    list("wabpicker", "modecombo")->setCurrentIndex(1);
    click("wabpicker", "continue");
    ASSERT_GT(shown().size(), 3u);
    EXPECT_EQ(shown()[0],
              "Worked All English Squares   Band=All Mode=CW Propagation=All  - " + startedcall);
    EXPECT_EQ(shown()[3], "TL27E      G4AA         01/01/2005 10:00");
    list("wabpicker", "bandcombo")->setCurrentIndex(3);
    click("wabpicker", "continue");
    EXPECT_EQ(shown(), wabreport(*s, 1, 3, 1, 0, 0).lines);
    click("wabpicker", "goback");
    QApplication::processEvents();
    EXPECT_EQ(form("wabpicker"), nullptr);
}
