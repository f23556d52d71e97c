#include "callbook/labels.h"
#include "callbook/setlabel.h"
#include "core/state.h"
#include "platform/statusline.h"
#include "support/scripteddialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace tsl;
using namespace tsl::test;

namespace {

struct SetLabel : ::testing::Test {
    ScriptedDialogs dialogs;
    std::unique_ptr<AppState> s = std::make_unique<AppState>();
    std::unique_ptr<setlabel> form;

    SetLabel() {
        setstartvalues(*s, "/tmp/", 1000);
        s->apptitle = "Tessalog ";
        s->mycall = "K1ABC";
        open();
    }
    void open() { form = std::make_unique<setlabel>(*s, dialogs); }
    QLineEdit* box(const char* name) const { return form->findChild<QLineEdit*>(name); }
    QString messages() const { return form->findChild<QLabel*>("messages")->text(); }
    void click(const char* name) const { form->findChild<QPushButton*>(name)->click(); }
    // Labels already on the page of stock 1, started at label 1.
    void pending(int n) {
        chooselabelstock(*s, 1);
        ASSERT_EQ(checkstartinglabel(*s, "1"), std::nullopt);
        labelpanel panel{"W1AW", "08/25/2004", "14:30", "20 Mtrs ", "CW  ", "599", "599"};
        struct : StatusLine {
            void setstatus(const std::string&) override {}
        } status;
        for (int i = 0; i < n; ++i)
            ASSERT_TRUE(makeqsolabel(*s, panel, dialogs, status));
    }
};

} // namespace

TEST_F(SetLabel, OpensAskingForAStockFromLabelOne) {
    EXPECT_EQ(form->windowTitle(), "Tessalog  K1ABC ");
    EXPECT_EQ(messages(), "Select a label type");
    EXPECT_EQ(box("startlbl")->text(), "1");
    EXPECT_EQ(s->labels.startinglabel, 1);
    EXPECT_FALSE(s->labeltypechosen);
}

TEST_F(SetLabel, AStockAndAGoodStartingLabelAreDone) {
    s->pendinglabels = 3;
    dialogs.answers = {msganswer::no};
    click("type3");
    EXPECT_EQ(messages(), "1 1/3 x 4 inches, 14 labels per page");
    EXPECT_TRUE(s->labeltypechosen);
    box("startlbl")->setText("5");
    form->setlabel_startlbl_LostFocus();
    EXPECT_EQ(box("remain")->text(), "10");
    EXPECT_EQ(messages(), "");
    click("goback");
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_EQ(s->pendinglabels, 0);
    EXPECT_EQ(s->labels.labelstartrow, 22);
    EXPECT_EQ(s->labels.labelcolumnslot, 1);
}

TEST_F(SetLabel, BadStartingLabelsKeepTheFormOpen) {
    form->show();
    click("type4");
    box("startlbl")->setText("11");
    form->setlabel_startlbl_LostFocus();
    EXPECT_EQ(messages(), " Starting label must be less than or equal 10");
    EXPECT_EQ(box("remain")->text(), "0");
    click("goback");
    EXPECT_EQ(messages(), "You must enter a starting label number.");
    EXPECT_TRUE(form->isVisible());
    for (const char* text : {"0", ""}) {
        box("startlbl")->setText(text);
        click("goback");
        EXPECT_EQ(messages(), "You must enter a starting label number.");
        EXPECT_EQ(box("remain")->text(), "0");
        EXPECT_TRUE(form->isVisible());
    }
    box("startlbl")->setText("99999999999999999999");
    form->setlabel_startlbl_LostFocus();
    EXPECT_EQ(messages(), " Starting label must be less than or equal 10");
}

TEST_F(SetLabel, EveryVisitMustClickAStock) {
    click("type1");
    click("goback");
    ASSERT_EQ(form->result(), QDialog::Accepted);
    open();
    form->show();
    click("goback");
    EXPECT_EQ(messages(), "You must select a label type.");
    EXPECT_TRUE(form->isVisible());
    // Before any stock a check finds no label on the sheet; the stock's text replaces it.
    AppState fresh;
    setlabel first(fresh, dialogs);
    first.setlabel_startlbl_LostFocus();
    EXPECT_EQ(first.findChild<QLabel*>("messages")->text(),
              " Starting label must be less than or equal 0");
    first.setlabel_type5_Click();
    EXPECT_EQ(first.findChild<QLabel*>("messages")->text(),
              "70 x 25.4 mm, only 30 labels per page");
}

TEST_F(SetLabel, PendingLabelsArePrintedOnTheOldStockOrDropped) {
    pending(2);
    const auto page = labelpagerows(*s);
    dialogs.answers = {msganswer::yes};
    click("type2");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].buttons, msgbuttons::yesno);
    ASSERT_EQ(dialogs.pages.size(), 1u);
    EXPECT_EQ(dialogs.pages[0].rows, page);
    EXPECT_EQ(dialogs.pages[0].fontsize, 8);
    EXPECT_EQ(s->labels.labelcolumns, 2);

    open();
    pending(1);
    dialogs.answers = {msganswer::no};
    click("type4");
    EXPECT_EQ(dialogs.pages.size(), 1u);
    EXPECT_EQ(s->labels.labelstock, 4);
    EXPECT_EQ(s->pendinglabels, 0);
    click("type1"); // nothing is pending any more: no question
    EXPECT_EQ(dialogs.shown.size(), 2u);
}

TEST_F(SetLabel, AYesWhoseSheetDidNotPrintKeepsTheOldStock) {
    pending(1);
    dialogs.answers = {msganswer::yes};
    dialogs.printanswer = printresult::cancelled;
    click("type4");
    EXPECT_EQ(s->labels.labelstock, 1);
    EXPECT_EQ(s->pendinglabels, 1);
    EXPECT_EQ(messages(), "Select a label type");
}

TEST_F(SetLabel, TheFrameClosesWithoutChangesUnlessAStockWasClicked) {
    pending(1);
    open();
    const labelstate before = s->labels;
    form->show();
    box("startlbl")->setText("7");
    form->setlabel_startlbl_LostFocus();
    EXPECT_EQ(s->labels.labelsleft, 24);
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(s->labels.labelsleft, before.labelsleft);
    EXPECT_EQ(s->labels.labelstartrow, before.labelstartrow);
    EXPECT_EQ(s->labels.labelcolumnslot, before.labelcolumnslot);
    EXPECT_EQ(s->labels.startinglabel, before.startinglabel);
    EXPECT_EQ(s->pendinglabels, 1);

    open();
    form->show();
    dialogs.answers = {msganswer::no};
    click("type2");
    box("startlbl")->setText("21");
    form->close(); // as "Done": refused
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(messages(), "You must enter a starting label number.");
    box("startlbl")->setText("3");
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_EQ(s->labels.labelstartrow, 10);
    EXPECT_EQ(s->pendinglabels, 0);
}

TEST_F(SetLabel, TheBoxTakesDigitsOnly) {
    form->show();
    QLineEdit* start = box("startlbl");
    start->setFocus();
    start->clear();
    QTest::keyClicks(start, "a1-2 b3");
    EXPECT_EQ(start->text(), "123");
    QTest::keyClick(start, Qt::Key_Backspace);
    EXPECT_EQ(start->text(), "123");
    start->clear();
    QApplication::clipboard()->setText("x4y5");
    ASSERT_EQ(QApplication::clipboard()->text(), "x4y5");
    start->paste();
    EXPECT_EQ(start->text(), "45");
}
