#include "platform/codepage.h"
#include "platform/fileio.h"
#include "platform/flexgrid.h"
#include "support/startedlog.h"

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

struct Editing : ::testing::Test, StartedLog {
    FlexGrid* grid() const { return window->findChild<FlexGrid*>("showem"); }
    void click(int row) {
        grid()->setCurrentIndex(grid()->model()->index(row - 1, 0));
        emit grid()->clicked(grid()->model()->index(row - 1, 0));
    }
    std::string file() const {
        return readwholefile(s->apppath + "qsodata.dat").value_or("<none>");
    }
    const std::string title = "Tessalog  N\xd8"
                              "CALL";
};

} // namespace

TEST_F(Editing, AClickedRowLoadsItsQsoForEditing) {
    start(5000);
    ASSERT_NE(window, nullptr);
    qsorecord& q = s->qsos[4016];
    q.awards[0] = s->tentenaward;
    q.entries[0] = 77;
    q.awards[2] = s->wasaward;
    q.entries[2] = 20;
    q.comments = "loaded";
    window->showqsorow(4016, 3);
    window->show();
    window->activateWindow();
    QApplication::processEvents();
    click(3);
    QApplication::processEvents();
    EXPECT_TRUE(s->editingqso);
    EXPECT_EQ(s->editindex, 4016);
    EXPECT_EQ(s->editgridrow, 3);
    EXPECT_EQ(edit("incall")->text().trimmed(), "Q4016");
    EXPECT_EQ(edit("comments")->text().trimmed(), "loaded");
    EXPECT_EQ(edit("showdate")->text(), "08/25/2004");
    EXPECT_EQ(edit("awardnumber0")->text(), "77");
    EXPECT_TRUE(edit("awardnumber0")->isVisible());
    EXPECT_EQ(combo("awardentry2")->currentText(), "MA Massachusetts");
    EXPECT_TRUE(combo("awardentry2")->isVisible());
    EXPECT_FALSE(edit("distance")->text().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), edit("showdate"));
}

TEST_F(Editing, DeletedQsosAndBlankRowsAreNotLoaded) {
    start(3);
    ASSERT_NE(window, nullptr);
    edit("incall")->setText("TYPED");
    click(10);
    EXPECT_FALSE(s->editingqso);
    EXPECT_EQ(edit("incall")->text(), "TYPED");
    s->qsos[2].deleted = "D";
    grid()->setCurrentIndex(grid()->model()->index(1, 0));
    emit grid()->doubleClicked(grid()->model()->index(1, 0));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "This QSO has been deleted.");
    EXPECT_EQ(dialogs.shown[0].title, title);
    EXPECT_EQ(edit("incall")->text(), "TYPED");
    EXPECT_FALSE(s->editingqso);
}

TEST_F(Editing, DeleteMarksTheLoadedQsoAndQuitLeavesItOut) {
    start(3);
    ASSERT_NE(window, nullptr);
    click(2);
    dialogs.answers = {msganswer::yes};
    trigger("delqso");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].buttons, msgbuttons::yesno);
    EXPECT_EQ(dialogs.shown[0].title, title);
    EXPECT_EQ(s->qsos[2].deleted, "D");
    EXPECT_EQ(window->statustext(), "This QSO will be deleted when you exit the program.");
    EXPECT_FALSE(s->editingqso);
    EXPECT_EQ(edit("incall")->text(), "");
    window->findChild<QPushButton*>("quiter")->click();
    EXPECT_TRUE(window->quitting());
    EXPECT_EQ(file().find("Q2 "), std::string::npos);
    EXPECT_NE(file().find("Q3 "), std::string::npos);
}

TEST_F(Editing, DeleteWithoutALoadedQsoChangesNothing) {
    start(3);
    ASSERT_NE(window, nullptr);
    click(1);
    window->logbook_ignore_Click(); // the edit is abandoned
    trigger("delqso");
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(s->qsos[1].deleted, " ");
    EXPECT_EQ(s->qsos[0].deleted, " ");
    EXPECT_EQ(window->statustext(), "No QSO to delete: click the QSO in the grid first.");
    // Answering No leaves the record and ends the edit.
    click(1);
    dialogs.answers = {msganswer::no};
    trigger("delqso");
    EXPECT_EQ(s->qsos[1].deleted, " ");
    EXPECT_FALSE(s->editingqso);
}

TEST_F(Editing, QuitWithAnEmptyLogLeavesTheFileAlone) {
    folder.write("qsodata.dat", "");
    start(0);
    ASSERT_NE(window, nullptr);
    window->close(); // the close box runs Quit
    EXPECT_TRUE(window->quitting());
    EXPECT_EQ(file(), "");
}

TEST_F(Editing, AFailedWriteAsksBeforeQuitting) {
    start(2);
    ASSERT_NE(window, nullptr);
    s->apppath = folder.path() + "gone/";
    dialogs.shown.clear();
    dialogs.answers = {msganswer::ok, msganswer::no};
    window->quit_Click();
    EXPECT_FALSE(window->quitting());
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].buttons, msgbuttons::yesno);
    dialogs.answers = {msganswer::ok, msganswer::yes};
    window->quit_Click();
    EXPECT_TRUE(window->quitting());
}

TEST_F(Editing, TheMenuBarInItsOrderWithUntrackedAwardsHidden) {
    start(0);
    ASSERT_NE(window, nullptr);
    QStringList captions;
    for (QAction* a : window->menuBar()->actions())
        captions << a->text();
    EXPECT_EQ(captions, (QStringList{"Se&tup", "&Nets", "&Reports", "&Labels", "&Ignore QSO",
                                     "&Save QSO", "&Delete QSO", "E&xport Data", "&Import Data",
                                     "&Page Up / Down", "Sort &QSOs", "&Find", "&Help", "Q&uit"}));
    // The default awards track Ten-Ten and the counties but neither ARLHS list nor US islands.
    EXPECT_TRUE(window->findChild<QAction*>("gototenten")->isVisible());
    EXPECT_TRUE(window->findChild<QAction*>("gocounties")->isVisible());
    EXPECT_FALSE(window->findChild<QAction*>("goarlhs")->isVisible());
    EXPECT_FALSE(window->findChild<QAction*>("gowasi")->isVisible());
    EXPECT_EQ(window->findChild<QAction*>("goger31")->text(), "#31,WAS With QRP Stations");
    EXPECT_EQ(window->findChild<QAction*>("gocabrillo6")->text(), "&BARTG RTTY");
}

TEST_F(Editing, FindHelpAndAbout) {
    start(0);
    ASSERT_NE(window, nullptr);
    dialogs.shown.clear(); // the first start's message about the missing log
    edit("incall")->clear();
    window->gofindcall_Click();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Enter a call to find");
    EXPECT_EQ(window->findwindow(), nullptr);
    edit("incall")->setText(" ");
    window->gofindcall_Click(); // blanks are searched for
    EXPECT_NE(window->findwindow(), nullptr);
    combo("dxcccombo")->setCurrentIndex(-1);
    window->gofinddxcc_Click();
    EXPECT_EQ(dialogs.shown.back().text, "Select a DXCC Country to find");

    trigger("showhelp");
    EXPECT_EQ(dialogs.shown.back().text, "No help file was found: " + s->apppath + "tsl.hlp");

    QString version;
    whenmodal([&](QWidget* w) {
        version = w->findChild<QLabel*>("lblVersion")->text();
        w->close();
    });
    trigger("goabouttsl");
    EXPECT_EQ(version, "Version 2.0.40");
    EXPECT_FALSE(window->modalformopen);
}
