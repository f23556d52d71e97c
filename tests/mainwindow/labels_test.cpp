#include "callbook/labels.h"
#include "callbook/quicklabels.h"
#include "callbook/setlabel.h"
#include "mainwindow/entryrules.h"
#include "platform/codepage.h"
#include "platform/flexgrid.h"
#include "support/startedlog.h"

#include <QPushButton>

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

std::string line40(const std::string& text) {
    return text + std::string(40 - text.size(), ' ');
}

struct LabelCommands : ::testing::Test, StartedLog {
    QStringList statuses;
    void begin(int qsos) {
        start(qsos);
        ASSERT_NE(window, nullptr);
        QObject::connect(window.get(), &logbook::statuswritten,
                         [this](const QString& t) { statuses << t; });
        dialogs.shown.clear();
    }
    void stock(int k) {
        chooselabelstock(*s, k);
        ASSERT_EQ(checkstartinglabel(*s, "1"), std::nullopt);
    }
    FlexGrid* grid() const { return window->findChild<FlexGrid*>("showem"); }
    void doubleclick(int row) {
        grid()->setCurrentIndex(grid()->model()->index(row - 1, 0));
        emit grid()->doubleClicked(grid()->model()->index(row - 1, 0));
    }
    // Clicks a button of the quick-labels form, which closes.
    void press(const char* button) {
        quicklabels* form = window->quicklabelswindow();
        ASSERT_NE(form, nullptr);
        ASSERT_TRUE(form->isVisible());
        form->findChild<QPushButton*>(button)->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(window->quicklabelswindow(), nullptr);
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> t;
        for (const auto& b : dialogs.shown)
            t.push_back(b.text);
        return t;
    }
    std::string cell(int row, int column) const {
        return s->labels.labelpage[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    }
};

const char* nostock = "Select label type before requesting labels";

} // namespace

TEST_F(LabelCommands, BeforeAnyStockEveryRequestIsRefused) {
    begin(3);
    for (const char* name : {"qsolabel", "addresslabel", "goprintlabels", "gosetlabel"})
        EXPECT_TRUE(window->findChild<QAction*>(name)->isEnabled()) << name;
    trigger("qsolabel");
    trigger("addresslabel");
    trigger("goprintlabels");
    doubleclick(1);
    press("justqso");
    doubleclick(2);
    press("justaddress");
    doubleclick(3);
    press("both");
    EXPECT_EQ(texts(), std::vector<std::string>(7, nostock));
    EXPECT_EQ(dialogs.pagerequests, 0);
    EXPECT_EQ(combo("qsls")->currentText(), "NO");
}

TEST_F(LabelCommands, ADoubleClickOnABlankRowOpensNothingAndIgnoreWritesNothing) {
    begin(2);
    stock(1);
    doubleclick(5);
    EXPECT_EQ(window->quicklabelswindow(), nullptr);
    doubleclick(2);
    EXPECT_EQ(window->quicklabelswindow()->windowTitle(), "Print Labels");
    EXPECT_FALSE(window->quicklabelswindow()->isModal());
    press("ignore");
    EXPECT_EQ(s->pendinglabels, 0);
    EXPECT_EQ(cell(4, 1), std::string(40, ' '));
    EXPECT_TRUE(s->editingqso);
    EXPECT_EQ(edit("incall")->text().trimmed(), "Q2");
}

TEST_F(LabelCommands, BothLabelsOfADoubleClickedQso) {
    begin(2);
    stock(1);
    s->nocallbook = false;
    doubleclick(2);
    // The call book of a later issue answers here; the labels read its result.
    s->callbookfound = true;
    s->callbookresult = {"Ann Lee", "1 Elm St", "Troy, NY 12180", "USA", "NY", ""};
    edit("rsts")->setText("59");
    press("both");
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(cell(4, 1), line40("N\xd8"
                                 "CALL Confirm QSO with: Q2"));
    EXPECT_EQ(cell(6, 1), line40("08/25/2004 14:30 20 Mtr CW    59 579"));
    EXPECT_EQ(cell(4, 3), line40("Ann Lee, Q2"));
    EXPECT_EQ(s->pendinglabels, 2);
    EXPECT_EQ(statuses.last(), "28 labels left on page");
    EXPECT_EQ(combo("qsls")->currentText(), "YES");
    EXPECT_EQ(s->qsos[2].qsls, 1);
    EXPECT_EQ(s->qsos[1].qsls, 0);
}

TEST_F(LabelCommands, ATypedQsoTakesItsMarkWhenSaved) {
    begin(2);
    stock(2);
    doubleclick(1);
    press("ignore");
    window->logbook_ignore_Click(); // editindex still names QSO 1
    edit("incall")->setText("K9XYZ");
    trigger("qsolabel");
    EXPECT_EQ(s->pendinglabels, 1);
    EXPECT_EQ(s->qsos[1].qsls, 0);
    EXPECT_EQ(combo("qsls")->currentText(), "YES");
    trigger("saveqso");
    ASSERT_EQ(s->qsocount, 3);
    EXPECT_EQ(s->qsos[3].qsls, 1);
}

TEST_F(LabelCommands, TheOwedChecksRunBeforeTheRequest) {
    begin(1);
    stock(1);
    s->nocallbook = false;
    s->callbookfound = true; // the address of an earlier call
    s->callbookresult = {"Ann Lee", "1 Elm St", "Troy, NY 12180", "USA", "NY", ""};
    edit("incall")->setText("K9XYZ");
    window->entryrules().setpending("incall");
    trigger("addresslabel");
    EXPECT_EQ(texts(), std::vector<std::string>{"No address for this call"});
    EXPECT_EQ(s->pendinglabels, 0);
}

TEST_F(LabelCommands, TheSetUpFormIsModalAndGuarded) {
    begin(0);
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
    EXPECT_TRUE(s->labeltypechosen);
    EXPECT_EQ(s->labels.labelstartrow, 10);
    EXPECT_EQ(s->labels.labelcolumnslot, 3);
    trigger("goprintlabels");
    ASSERT_EQ(dialogs.pages.size(), 1u);
    EXPECT_EQ(dialogs.pages[0].fontsize, 12);
}

TEST_F(LabelCommands, QuitPrintsPendingLabelsOnce) {
    begin(1);
    stock(1);
    window->quit_Click();
    EXPECT_TRUE(window->quitting());
    EXPECT_EQ(dialogs.pagerequests, 0);
    EXPECT_FALSE(statuses.contains("Writing labels"));

    begin(1);
    stock(1);
    edit("incall")->setText("K9XYZ");
    trigger("qsolabel");
    window->quit_Click();
    EXPECT_TRUE(window->quitting());
    EXPECT_EQ(dialogs.pagerequests, 1);
    ASSERT_EQ(dialogs.pages.size(), 1u);
    EXPECT_EQ(dialogs.pages[0].rows[4].substr(0, 32), " N\xd8"
                                                      "CALL Confirm QSO with: K9XYZ ");
    EXPECT_EQ(statuses.last(), "Writing labels");
}

TEST_F(LabelCommands, QuitAsksWhenTheLabelsDidNotPrint) {
    begin(1);
    stock(1);
    edit("incall")->setText("K9XYZ");
    trigger("qsolabel");
    dialogs.printanswer = printresult::cancelled;
    dialogs.answers = {msganswer::no};
    window->quit_Click();
    EXPECT_FALSE(window->quitting());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].buttons, msgbuttons::yesno);
    EXPECT_EQ(s->pendinglabels, 1);

    dialogs.printanswer = printresult::failed;
    dialogs.answers = {msganswer::ok, msganswer::yes};
    window->quit_Click();
    EXPECT_TRUE(window->quitting());
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(dialogs.shown[1].text, "No Printer");
    EXPECT_EQ(dialogs.shown[2].text, dialogs.shown[0].text);
}
