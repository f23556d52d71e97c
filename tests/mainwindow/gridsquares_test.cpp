#include "mainwindow/reportforms.h"

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {
using GridPickerWindow = ReportForms;
} // namespace

TEST_F(GridPickerWindow, ContinueShowsTheReportAndThePickerStaysUntilReturn) {
    startwith(gridlog);
    trigger("gogrids");
    ASSERT_NE(form("gridpicker"), nullptr);
    EXPECT_EQ(form("gridpicker")->windowTitle(), toqt("Tessalog  - " + startedcall));
    QComboBox* band = list("gridpicker", "bandcombo");
    EXPECT_EQ(band->count(), 27);
    EXPECT_EQ(band->itemText(0), "All");
    EXPECT_EQ(band->itemText(4), "75 Extra");
    EXPECT_EQ(list("gridpicker", "modecombo")->count(), 19);
    EXPECT_EQ(list("gridpicker", "propcombo")->count(), 11);
    EXPECT_EQ(list("gridpicker", "propcombo")->itemText(10), "Aurora");
    EXPECT_EQ(list("gridpicker", "powercombo")->itemText(1), "QRP");
    for (const char* name : {"bandcombo", "modecombo", "propcombo", "powercombo"})
        EXPECT_EQ(list("gridpicker", name)->currentIndex(), 0) << name;

    click("gridpicker", "continue");
    ASSERT_FALSE(statuses.isEmpty());
    EXPECT_EQ(statuses.first(), "Preparing report");
    EXPECT_EQ(window->statustext(), ""); // the report window's load empties it
    EXPECT_EQ(shown(),
              golden("gridsquares/all.golden",
                     "Grid Squares   Band=All Mode=ALL Propagation=All  - " + startedcall));

    band->setCurrentIndex(3);
    click("gridpicker", "continue");
    EXPECT_EQ(shown()[0], "Grid Squares   Band=80 Mtrs Mode=ALL Propagation=All  - " + startedcall);
    EXPECT_EQ(shown().size(), 8u);

    // The menu item brings the open picker forward, choices and all.
    trigger("gogrids");
    EXPECT_EQ(window->findChildren<QWidget*>("gridpicker").size(), 1);
    EXPECT_EQ(list("gridpicker", "bandcombo")->currentIndex(), 3);
    click("gridpicker", "goback");
    QApplication::processEvents();
    EXPECT_EQ(form("gridpicker"), nullptr);
    EXPECT_NE(window->reportwindow(), nullptr);
}
