#include "callbook/labels.h"
#include "callbook/quicklabels.h"
#include "mainwindow/entryrules.h"
#include "mainwindow/windowtest.h"

#include <QAction>

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

struct LabelCommands : WindowTest {
    // A log of n QSOs, and the label stock chosen unless 0.
    void begin(int qsos, int stock) {
        WindowTest::begin(qsos);
        dialogs.shown.clear();
        if (stock == 0) return;
        chooselabelstock(*s, stock);
        ASSERT_EQ(checkstartinglabel(*s, "1"), std::nullopt);
    }
    void doubleclick(int row) {
        FlexGrid* grid = window->grid();
        grid->setCurrentIndex(grid->model()->index(row - 1, 0));
        emit grid->doubleClicked(grid->model()->index(row - 1, 0));
    }
    // Clicks a button of the quick-labels form, which closes.
    void press(const char* button) {
        ASSERT_NE(window->quicklabelswindow(), nullptr);
        window->quicklabelswindow()->findChild<QPushButton*>(button)->click();
        closedown();
        EXPECT_EQ(window->quicklabelswindow(), nullptr);
    }
    std::string cell(int row, int column) const {
        return s->labels.labelpage[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]
            .substr(0, 36);
    }
};

} // namespace

TEST_F(LabelCommands, BeforeAnyStockEveryRequestIsRefused) {
    begin(3, 0);
    for (const char* name : {"qsolabel", "addresslabel", "goprintlabels", "gosetlabel"})
        EXPECT_TRUE(window->findChild<QAction*>(name)->isEnabled()) << name;
    trigger("qsolabel");
    trigger("addresslabel");
    trigger("goprintlabels");
    for (const char* button : {"justqso", "justaddress", "both"}) {
        doubleclick(1);
        press(button);
    }
    ASSERT_EQ(dialogs.shown.size(), 7u);
    for (const auto& box : dialogs.shown)
        EXPECT_EQ(box.text, "Select label type before requesting labels");
    EXPECT_EQ(dialogs.pagerequests, 0);
    EXPECT_EQ(combo("qsls")->currentText(), "NO");
}

TEST_F(LabelCommands, ADoubleClickOnABlankRowOpensNothingAndIgnoreWritesNothing) {
    begin(2, 1);
    doubleclick(5);
    EXPECT_EQ(window->quicklabelswindow(), nullptr);
    doubleclick(2);
    EXPECT_EQ(window->quicklabelswindow()->windowTitle(), "Print Labels");
    EXPECT_FALSE(window->quicklabelswindow()->isModal());
    press("ignore");
    EXPECT_EQ(s->pendinglabels, 0);
    EXPECT_EQ(edit("incall")->text().trimmed(), "Q2");
}

TEST_F(LabelCommands, BothLabelsOfADoubleClickedQso) {
    begin(2, 1);
    s->nocallbook = false;
    doubleclick(2);
    // The call book's answer, as a source fills it.
    s->callbookfound = true;
    s->callbookresult = {"Ann Lee", "1 Elm St", "Troy, NY 12180", "USA", "NY", ""};
    edit("rsts")->setText("59");
    press("both");
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(cell(4, 1), "N\xd8"
                          "CALL Confirm QSO with: Q2         ");
    EXPECT_EQ(cell(6, 1), "08/25/2004 14:30 20 Mtr CW    59 579");
    EXPECT_EQ(cell(4, 3), "Ann Lee, Q2                         ");
    EXPECT_EQ(statuses.last(), "28 labels left on page");
    EXPECT_EQ(combo("qsls")->currentText(), "YES");
    EXPECT_EQ(s->qsos[2].qsls, 1);
    EXPECT_EQ(window->grid()->text(2, 10), "YES");
}

TEST_F(LabelCommands, ATypedQsoTakesItsMarkWhenSaved) {
    begin(2, 2);
    doubleclick(1);
    press("ignore");
    window->logbook_ignore_Click(); // editindex still names QSO 1
    edit("incall")->setText("K9XYZ");
    trigger("qsolabel");
    EXPECT_EQ(s->pendinglabels, 1);
    EXPECT_EQ(s->qsos[1].qsls, 0);
    trigger("saveqso");
    ASSERT_EQ(s->qsocount, 3);
    EXPECT_EQ(s->qsos[3].qsls, 1);
}

TEST_F(LabelCommands, TheOwedChecksRunBeforeTheRequest) {
    begin(1, 1);
    s->nocallbook = false;
    s->callbookfound = true; // the address of an earlier call
    edit("incall")->setText("K9XYZ");
    window->entryrules().setpending("incall");
    trigger("addresslabel");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "No address for this call");
    EXPECT_EQ(s->pendinglabels, 0);
}

TEST_F(LabelCommands, TheSetUpFormIsModalAndGuarded) {
    begin(0, 0);
    bool guarded = false;
    whenmodal([&](QWidget* w) {
        guarded = window->modalformopen;
        w->findChild<QPushButton*>("type2")->click();
        w->findChild<QLineEdit*>("startlbl")->setText("4");
        w->findChild<QPushButton*>("goback")->click();
    });
    trigger("gosetlabel");
    EXPECT_TRUE(guarded);
    EXPECT_FALSE(window->modalformopen);
    EXPECT_EQ(s->labels.labelcolumnslot, 3);
    trigger("goprintlabels");
    ASSERT_EQ(dialogs.pages.size(), 1u);
    EXPECT_EQ(dialogs.pages[0].fontsize, 12);
}

TEST_F(LabelCommands, QuitPrintsPendingLabelsOnceOrAsks) {
    begin(1, 1);
    edit("incall")->setText("K9XYZ");
    trigger("qsolabel");
    dialogs.printanswer = printresult::cancelled;
    dialogs.answers = {msganswer::no};
    window->quit_Click();
    EXPECT_FALSE(window->quitting());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].buttons, msgbuttons::yesno);
    EXPECT_EQ(statuses.last(), "Writing labels");
    dialogs.printanswer = printresult::printed;
    window->quit_Click();
    EXPECT_TRUE(window->quitting());
    EXPECT_EQ(dialogs.pagerequests, 2);
    ASSERT_EQ(dialogs.pages.size(), 1u);
    EXPECT_EQ(dialogs.pages[0].rows[4].substr(0, 32), " N\xd8"
                                                      "CALL Confirm QSO with: K9XYZ ");
}

TEST_F(LabelCommands, QuitWithNoPendingLabelsPrintsNothing) {
    begin(1, 1);
    window->quit_Click();
    EXPECT_TRUE(window->quitting());
    EXPECT_EQ(dialogs.pagerequests, 0);
}
