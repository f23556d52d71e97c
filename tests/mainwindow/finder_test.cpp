#include "mainwindow/finder.h"
#include "platform/codepage.h"
#include "platform/flexgrid.h"
#include "support/keyboard.h"
#include "support/startedlog.h"

#include <QPushButton>

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

struct Finder : ::testing::Test, StartedLog {
    finder* found() const { return window->findwindow(); }
    std::string cell(int row, int col) const { return fromqt(found()->grid()->text(row, col)); }
    void clickfound(int row) {
        auto* grid = found()->grid();
        grid->setCurrentIndex(grid->model()->index(row - 1, 0));
        emit grid->clicked(grid->model()->index(row - 1, 0));
    }
};

} // namespace

TEST_F(Finder, ACallSearchFindsBothSpellingsOfZero) {
    append(qso("K0ABC"));
    append(qso("W1AW"));
    append(qso("K\xd8"
               "ABC"));
    append(qso("k0abc")); // lower case is another call
    start();
    ASSERT_NE(window, nullptr);
    edit("incall")->setText(toqt("K\xd8"
                                 "ABC"));
    trigger("gofindcall");
    ASSERT_NE(found(), nullptr);
    EXPECT_EQ(found()->windowTitle(), toqt("Prior QSOs: K\xd8"
                                           "ABC"));
    EXPECT_EQ(found()->messagestext(), "2 QSOs found");
    EXPECT_EQ(cell(1, 0), "K0ABC       ");
    EXPECT_EQ(cell(2, 0), "K\xd8"
                          "ABC       ");
    EXPECT_EQ(cell(1, 1), "08/25/2004");
    EXPECT_EQ(cell(3, 0), "");
    EXPECT_EQ(s->findlist[2], 3);
    EXPECT_TRUE(s->foundbyfind);
}

TEST_F(Finder, FiftyAreListedAndEveryMatchIsCounted) {
    for (int i = 0; i < 51; ++i)
        append(qso("G" + std::to_string(i)));
    append(qso("W1AW"));
    start();
    ASSERT_NE(window, nullptr);
    edit("incall")->setText("G");
    trigger("gofindprefix");
    EXPECT_EQ(found()->messagestext(), "51 QSOs found, showing first 50");
    EXPECT_EQ(cell(50, 0).substr(0, 3), "G49");
    edit("incall")->setText("W1");
    trigger("gofindprefix");
    EXPECT_EQ(found()->messagestext(), "1 QSOs found");
    EXPECT_EQ(cell(2, 0), "");
    auto* dxcc = combo("dxcccombo");
    dxcc->setCurrentIndex(0);
    trigger("gofinddxcc"); // every QSO here has entity 0
    EXPECT_EQ(found()->messagestext(), "52 QSOs found, showing first 50");
    EXPECT_EQ(found()->windowTitle(), "Prior QSOs: None");
}

TEST_F(Finder, AClickOpensTheQsoAndASaveRedrawsOnlyItsOwnRow) {
    for (int i = 1; i <= 5; ++i)
        append(qso("Q" + std::to_string(i)));
    append(qso("TARGET"));
    start();
    ASSERT_NE(window, nullptr);
    edit("incall")->setText("TARGET");
    trigger("gofindcall");
    clickfound(1);
    EXPECT_TRUE(s->editingqso);
    EXPECT_TRUE(s->foundbyfind);
    EXPECT_EQ(s->editindex, 6);
    EXPECT_EQ(edit("incall")->text().trimmed(), "TARGET");
    EXPECT_EQ(edit("showdate")->text(), "08/25/2004");

    edit("comments")->setText("found");
    whenmodal([](QWidget* w) { w->findChild<QPushButton*>("saveasnew")->click(); });
    window->saveqso_Click();
    EXPECT_EQ(s->qsos[6].comments.trimmedright(), "found");
    auto* grid = window->findChild<FlexGrid*>("showem");
    EXPECT_EQ(fromqt(grid->text(6, 9)).substr(0, 5), "found");
    EXPECT_EQ(fromqt(grid->text(1, 5)).substr(0, 2), "Q1"); // the finder row's number
}

TEST_F(Finder, DeletedQsosAreListedButNotOpened) {
    append(qso("W1AW"));
    start();
    ASSERT_NE(window, nullptr);
    s->qsos[1].deleted = "D";
    edit("incall")->setText("W1AW");
    trigger("gofindcall");
    EXPECT_EQ(found()->messagestext(), "1 QSOs found");
    dialogs.shown.clear();
    edit("incall")->setText("TYPED");
    clickfound(1);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "This QSO has been deleted.");
    EXPECT_EQ(edit("incall")->text(), "TYPED");
    clickfound(2); // an empty row
    EXPECT_EQ(dialogs.shown.size(), 1u);
}

TEST_F(Finder, ClosingTheFinderEndsTheFindState) {
    start(1);
    ASSERT_NE(window, nullptr);
    edit("incall")->setText("Q1");
    trigger("gofindcall");
    EXPECT_TRUE(s->foundbyfind);
    found()->findChild<QPushButton*>("goback")->click();
    QApplication::processEvents();
    EXPECT_FALSE(s->foundbyfind);
    edit("incall")->clear();
    dialogs.shown.clear();
    trigger("gofindcall");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Enter a call to find");
}

TEST_F(Finder, ASearchBringsTheOpenFinderForwardAndActive) {
    start(2);
    ASSERT_NE(window, nullptr);
    edit("incall")->setText("Q1");
    trigger("gofindcall");
    ASSERT_NE(found(), nullptr);
    QCoreApplication::processEvents();
    for (bool minimized : {false, true}) {
        if (minimized) found()->showMinimized();
        focuson(edit("incall"));
        ASSERT_EQ(QApplication::activeWindow(), window.get());
        trigger("gofindcall");
        QCoreApplication::processEvents();
        EXPECT_FALSE(found()->isMinimized());
        EXPECT_EQ(QApplication::activeWindow(), found()) << minimized;
    }
}
