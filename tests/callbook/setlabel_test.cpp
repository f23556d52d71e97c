#include "callbook/labels.h"
#include "callbook/setlabel.h"
#include "core/state.h"
#include "support/logfixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

struct SetLabel : ::testing::Test {
    ScriptedDialogs dialogs;
    RecordedStatus status;
    std::unique_ptr<AppState> s = std::make_unique<AppState>();
    std::unique_ptr<setlabel> form;

    SetLabel() {
        setstartvalues(*s, "/tmp/", 1000);
        s->apptitle = "Tessalog ";
        s->mycall = "K1ABC";
        open();
    }
    void open() {
        form = std::make_unique<setlabel>(*s, dialogs);
        form->show();
    }
    QLineEdit* box(const char* name) const { return form->findChild<QLineEdit*>(name); }
    QString messages() const { return form->findChild<QLabel*>("messages")->text(); }
    void click(const char* name) const { form->findChild<QPushButton*>(name)->click(); }
    void startat(const char* label) const {
        box("startlbl")->setText(label);
        form->setlabel_startlbl_LostFocus();
    }
    // One label pending on stock 1, then the form opened again.
    void pendinglabel() {
        chooselabelstock(*s, 1);
        ASSERT_EQ(checkstartinglabel(*s, "1"), std::nullopt);
        ASSERT_TRUE(makeqsolabel(*s, {"W1AW", "", "", "", "", "", ""}, dialogs, status));
        open();
    }
};

} // namespace

TEST_F(SetLabel, AStockAndAGoodStartingLabelAreDone) {
    EXPECT_EQ(form->windowTitle(), "Tessalog  K1ABC ");
    EXPECT_EQ(messages(), "Select a label type");
    EXPECT_EQ(box("startlbl")->text(), "1");
    click("type3");
    EXPECT_EQ(messages(), "1 1/3 x 4 inches, 14 labels per page");
    startat("5");
    EXPECT_EQ(box("remain")->text(), "10");
    s->pendinglabels = 3;
    click("goback");
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_EQ(s->pendinglabels, 0);
    EXPECT_EQ(s->labels.labelstartrow, 22);
}

TEST_F(SetLabel, BadStartingLabelsAndAMissingStockKeepTheFormOpen) {
    click("goback");
    EXPECT_EQ(messages(), "You must select a label type.");
    click("type4");
    startat("11");
    EXPECT_EQ(messages(), " Starting label must be less than or equal 10");
    EXPECT_EQ(box("remain")->text(), "0");
    click("goback");
    EXPECT_EQ(messages(), "You must enter a starting label number.");
    box("startlbl")->setText("0");
    click("goback");
    EXPECT_EQ(messages(), "You must enter a starting label number.");
    EXPECT_TRUE(form->isVisible());
    startat("3");
    click("goback");
    ASSERT_FALSE(form->isVisible());
    open(); // a stock chosen on an earlier visit does not count
    click("goback");
    EXPECT_EQ(messages(), "You must select a label type.");
}

TEST_F(SetLabel, PendingLabelsArePrintedOnTheOldStockOrDropped) {
    pendinglabel();
    dialogs.answers = {msganswer::yes};
    dialogs.printanswer = printresult::cancelled;
    click("type4"); // not printed: the old stock stays
    EXPECT_EQ(s->labels.labelstock, 1);
    EXPECT_EQ(s->pendinglabels, 1);
    dialogs.answers = {msganswer::yes};
    dialogs.printanswer = printresult::printed;
    click("type2");
    EXPECT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].buttons, msgbuttons::yesno);
    ASSERT_EQ(dialogs.pages.size(), 1u);
    EXPECT_EQ(dialogs.pages[0].fontsize, 8);
    EXPECT_EQ(s->labels.labelstock, 2);
    pendinglabel();
    dialogs.answers = {msganswer::no};
    click("type4");
    EXPECT_EQ(dialogs.pages.size(), 1u);
    EXPECT_EQ(s->labels.labelstock, 4);
}

TEST_F(SetLabel, TheFrameClosesWithoutChangesUnlessAStockWasClicked) {
    pendinglabel();
    const labelstate before = s->labels;
    startat("7");
    EXPECT_EQ(s->labels.labelsleft, 24);
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(s->labels.labelsleft, before.labelsleft);
    EXPECT_EQ(s->labels.labelcolumnslot, before.labelcolumnslot);
    EXPECT_EQ(s->pendinglabels, 1);

    open();
    dialogs.answers = {msganswer::no};
    click("type2");
    box("startlbl")->setText("21");
    form->close(); // as "Done": refused
    EXPECT_TRUE(form->isVisible());
    box("startlbl")->setText("3");
    form->close();
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_EQ(s->labels.labelstartrow, 10);
    EXPECT_EQ(s->pendinglabels, 0);
}

TEST_F(SetLabel, TheBoxTakesDigitsOnly) {
    QLineEdit* start = box("startlbl");
    start->setFocus();
    start->clear();
    QTest::keyClicks(start, "a1-2 b3");
    QTest::keyClick(start, Qt::Key_Backspace);
    EXPECT_EQ(start->text(), "123");
    start->clear();
    QApplication::clipboard()->setText("x4y5");
    start->paste();
    EXPECT_EQ(start->text(), "45");
}

TEST_F(SetLabel, EnterInTheStartingLabelBoxIsDoneWithItsValue) {
    click("type3");
    QLineEdit* start = box("startlbl");
    start->setFocus();
    start->selectAll();
    QTest::keyClicks(start, "5");
    QTest::keyClick(start, Qt::Key_Return);
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_EQ(s->labels.labelstartrow, 22);
    EXPECT_EQ(box("remain")->text(), "10");
}

TEST_F(SetLabel, TheRemainingLabelsCaptionStandsOnOneLineBesideItsBox) {
    const auto* caption = form->findChild<QLabel*>("Label3");
    const QLineEdit* remain = box("remain");
    const QFontMetrics metrics = caption->fontMetrics();
    EXPECT_LT(caption->height(), 2 * metrics.lineSpacing());
    EXPECT_GE(caption->width(), metrics.horizontalAdvance(caption->text()));
    const QRect c = caption->geometry();
    const QRect b = remain->geometry();
    EXPECT_LT(c.right(), b.left());
    EXPECT_TRUE(c.top() < b.bottom() && b.top() < c.bottom());
}
