#include "mainwindow/reportforms.h"

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {
using WabPickerWindow = ReportForms;
} // namespace

TEST_F(WabPickerWindow, WabPickerRunsEachPartsReport) {
    startwith(wablog);
    trigger("gowab");
    ASSERT_NE(form("wabpicker"), nullptr);
    EXPECT_EQ(form("wabpicker")->windowTitle(), toqt("Tessalog  - " + startedcall));
    QComboBox* part = list("wabpicker", "reportcombo");
    ASSERT_EQ(part->count(), 7);
    EXPECT_EQ(part->itemText(0), "All Worked All Britain Squares");
    EXPECT_EQ(part->itemText(5), "Isle of Man");
    EXPECT_EQ(part->currentIndex(), 0);
    EXPECT_EQ(list("wabpicker", "bandcombo")->count(), 27);

    click("wabpicker", "continue");
    EXPECT_EQ(statuses.first(), "Preparing report");
    EXPECT_EQ(shown(), golden("wab/all.golden",
                              "Worked All Britain Squares   Band=All Mode=ALL Propagation=All  - " +
                                  startedcall));
    part->setCurrentIndex(1);
    list("wabpicker", "modecombo")->setCurrentIndex(1);
    click("wabpicker", "continue");
    EXPECT_EQ(shown(),
              (std::vector<std::string>{
                  "Worked All English Squares   Band=All Mode=CW Propagation=All  - " + startedcall,
                  " ",
                  "WAB        Call         Date       Time",
                  "TL27E      G4AA         01/01/2005 10:00",
                  " ",
                  "1 WAB Squares Worked",
              }));
    click("wabpicker", "goback");
    QApplication::processEvents();
    EXPECT_EQ(form("wabpicker"), nullptr);
}
