#include "importexport/ccnquarnimport.h"
#include "mainwindow/windowtest.h"

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {
using NetImports = WindowTest;
} // namespace

TEST_F(NetImports, TheNetLoggerItemGivesItsHintFirst) {
    begin(2);
    dialogs.answers = {msganswer::cancel};
    dialogs.files = {testdata("netlogger/lower.adi")};
    trigger("gonetlogger");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "In NetLogger, export all QSOs to an ADIF type file.");
    EXPECT_EQ(s->qsocount, 2);
    trigger("gonetlogger");
    EXPECT_EQ(statuses.first(),
              "Importing NetLogger ADIF file lower.adi. This may take a while, please be patient.");
    EXPECT_EQ(statuses.last(), "2 records imported from NetLogger.");
    EXPECT_EQ(s->qsocount, 4);
    EXPECT_EQ(gridcall(3), "K1ABC");
}

TEST_F(NetImports, TheDigiPanAndWin1010Items) {
    begin(2);
    dialogs.files = {testdata("digipan/crlf.log")};
    trigger("pubdodigipan");
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(statuses.first(),
              "Importing DigiPan file crlf.log. This may take a while, please be patient.");
    EXPECT_EQ(s->qsocount, 5);
    dialogs.answers = {msganswer::cancel};
    trigger("win1010");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, "Import Files");
    EXPECT_EQ(dialogs.shown[0].text,
              "In WIN 1010, export all QSOs to CSV type file, option 5.\r\n"
              "Resulting file name is likely to be log.asc.\r\n"
              "Please let me know if you need any improvements to this data import.");
    dialogs.files = {testdata("win1010/log.asc")};
    trigger("win1010");
    EXPECT_EQ(statuses.last(), "WIN 1010 CSV 4 records imported.");
    EXPECT_EQ(s->qsocount, 9);
    EXPECT_EQ(gridcall(9), "VE3ABC");
}

TEST_F(NetImports, TheDxtremeItemReadsTheProgramFolderAfterItsNotice) {
    begin(0);
    for (const char* name : {"dxsl_1.dat", "dxsl_3.dat"})
        folder.copyfrom(testdata("dxtreme"), name);
    dialogs.shown.clear(); // the start-up's word on the missing log file
    dialogs.answers = {msganswer::cancel};
    trigger("godxtreme");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Expecting the file dxsl_1.dat thru dxsl_9.dat\r\n"
                                     "in the same directory as Tessalog\r\n"
                                     "This is a new data import routine. Please\r\n"
                                     "let me know if you have any problems.");
    EXPECT_EQ(dialogs.shown[0].title, "Tessalog  " + s->mycall.str());
    EXPECT_EQ(dialogs.shown[0].buttons, msgbuttons::okcancel);
    EXPECT_TRUE(statuses.isEmpty());
    trigger("godxtreme");
    EXPECT_EQ(statuses.first(),
              "Importing DXtreme files. This may take a while, please be patient.");
    EXPECT_EQ(s->qsocount, 4);
    EXPECT_EQ(gridcall(4), "K2ABC");
}

TEST_F(NetImports, TheQuarnlogFormImportsWithTheChosenBandModePowerAndQth) {
    begin(2);
    auto* item = window->findChild<QAction*>("goccnbml");
    EXPECT_EQ(item->text(), "Import from CCN QUARNLOG");
    trigger("goccnbml");
    auto* form = window->findChild<ccnquarnimport*>("ccnquarnimport");
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(fromqt(form->windowTitle()),
              "Tessalog Century Club Net QUARNLOG Import " + s->mycall.str());
    auto* bandmode = form->findChild<QComboBox*>("bandmode");
    EXPECT_EQ(bandmode->count(), 16);
    EXPECT_EQ(bandmode->currentText(), "160 Meters SSB");
    bandmode->setCurrentIndex(9);
    form->findChild<QComboBox*>("powercombo")->setCurrentIndex(1);
    form->findChild<QComboBox*>("qthcombo")->setCurrentIndex(2);
    dialogs.files = {testdata("quarnlog/export.inf")};
    form->findChild<QPushButton*>("doit")->click();
    EXPECT_EQ(dialogs.proposednames.back(), "export.inf");
    EXPECT_EQ(statuses.first(),
              "CCN / QUARNLOG import export.inf. This may take a while, please be patient.");
    EXPECT_EQ(statuses.last(), "3 records imported from CCN / QUARNLOG");
    EXPECT_FALSE(form->isVisible());
    ASSERT_EQ(s->qsocount, 5);
    const qsorecord& q = s->qsos[3];
    EXPECT_EQ(q.band, 6);
    EXPECT_EQ(q.mode, s->cwmodeindex);
    EXPECT_EQ(q.power, 5.0f);
    EXPECT_EQ(q.qth, 2);
    EXPECT_EQ(gridcall(3), "W1AW/M");

    // Return, and a cancelled file dialog, import nothing.
    trigger("goccnbml");
    form = window->findChild<ccnquarnimport*>("ccnquarnimport");
    ASSERT_NE(form, nullptr);
    dialogs.files = {std::nullopt};
    form->ccnquarnimport_doit_Click();
    EXPECT_EQ(s->qsocount, 5);
    trigger("goccnbml");
    form = window->findChild<ccnquarnimport*>("ccnquarnimport");
    form->findChild<QPushButton*>("dont")->click();
    EXPECT_FALSE(form->isVisible());
}
