#include "core/qsofile.h"
#include "platform/codepage.h"
#include "platform/flexgrid.h"
#include "support/startedlog.h"

#include <QPushButton>

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

struct Saving : ::testing::Test, StartedLog {
    void enter(const std::string& call) {
        edit("incall")->setText(toqt(call));
        window->incall_LostFocus();
    }
    FlexGrid* grid() const { return window->findChild<FlexGrid*>("showem"); }
};

} // namespace

TEST_F(Saving, ANewQsoGoesAfterTheLastAndIntoTheFirstFreeRow) {
    start(5000);
    ASSERT_NE(window, nullptr);
    enter("W1AW");
    edit("ituz")->setText("08");
    edit("cqz")->setText("??");
    edit("Power")->setText("100W");
    combo("bandsel")->setCurrentIndex(8);
    window->saveqso_Click();
    EXPECT_EQ(window->statustext(), "QSO added. 5001 QSOs");
    ASSERT_EQ(s->qsocount, 5001);
    const qsorecord& q = s->qsos[5001];
    EXPECT_EQ(q.call.trimmedright(), "W1AW");
    EXPECT_EQ(q.ituz, "8 ");
    EXPECT_EQ(q.cqz, "0 ");
    EXPECT_EQ(q.power, 100.0f);
    EXPECT_EQ(q.band, 8);
    EXPECT_EQ(q.date, "20240825");
    EXPECT_EQ(q.deleted, " ");
    EXPECT_EQ(fromqt(grid()->text(988, 5)).substr(0, 4), "W1AW");
    EXPECT_EQ(edit("incall")->text(), ""); // ready for the next QSO
}

TEST_F(Saving, AnEmptyCallStoresNothing) {
    start(1);
    ASSERT_NE(window, nullptr);
    edit("incall")->setText("   ");
    window->saveqso_Click();
    EXPECT_EQ(window->statustext(), "No Call Entered");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "No Call");
    EXPECT_EQ(s->qsocount, 1);
}

TEST_F(Saving, AnEditedQsoIsUpdatedOrAddedAsTheOperatorChooses) {
    start(3);
    ASSERT_NE(window, nullptr);
    auto loadfor = [&](int index) {
        s->editingqso = true;
        s->editindex = index;
        s->editgridrow = static_cast<int16_t>(index);
        edit("incall")->setText("Q2");
        edit("comments")->setText("changed");
        window->rememberloadedcall();
    };
    loadfor(2);
    whenmodal([](QWidget* w) { w->findChild<QPushButton*>("saveasnew")->click(); });
    window->saveqso_Click();
    EXPECT_EQ(s->qsocount, 3);
    EXPECT_EQ(s->qsos[2].comments.trimmedright(), "changed");
    EXPECT_EQ(window->statustext(), "QSO updated. 3 QSOs");
    EXPECT_EQ(grid()->text(2, 9).trimmed(), "changed");
    EXPECT_FALSE(s->editingqso);

    loadfor(2);
    edit("comments")->setText("copy");
    whenmodal([](QWidget* w) { w->findChild<QPushButton*>("saveasupdate")->click(); });
    window->saveqso_Click();
    EXPECT_EQ(s->qsocount, 4);
    EXPECT_EQ(s->qsos[2].comments.trimmedright(), "changed");
    EXPECT_EQ(s->qsos[4].comments.trimmedright(), "copy");
    EXPECT_EQ(window->statustext(), "QSO added. 4 QSOs");
}

TEST_F(Saving, AFullLogRefusesANewQso) {
    start(0);
    ASSERT_NE(window, nullptr);
    s->qsocount = maxqsos;
    s->qsos[maxqsos].call = "LAST";
    edit("incall")->setText("W1AW");
    window->saveqso_Click();
    EXPECT_EQ(s->qsocount, maxqsos);
    EXPECT_EQ(s->qsos[maxqsos].call.trimmedright(), "LAST");
    ASSERT_FALSE(dialogs.shown.empty());
    EXPECT_NE(dialogs.shown.back().text.find("The log is full"), std::string::npos);
}

TEST_F(Saving, SlotsMustHoldAUsableValue) {
    start(0);
    ASSERT_NE(window, nullptr);
    edit("incall")->setText("W1AW");
    combo("pickaward2")->setCurrentIndex(s->wasaward);
    window->saveqso_Click();
    EXPECT_EQ(window->statustext(),
              "Choose an entry for the award in slot 3. The QSO was not saved.");
    EXPECT_EQ(s->qsocount, 0);
    combo("awardentry2")->setCurrentIndex(0);
    combo("pickaward0")->setCurrentIndex(s->tentenaward);
    edit("awardnumber0")->setMaxLength(20);
    edit("awardnumber0")->setText("99999999999");
    window->saveqso_Click();
    EXPECT_EQ(window->statustext(),
              "The number in award slot 1 is too large. The QSO was not saved.");
    edit("awardnumber0")->setText("1234");
    window->saveqso_Click();
    ASSERT_EQ(s->qsocount, 1);
    EXPECT_EQ(s->qsos[1].awards[0], s->tentenaward);
    EXPECT_EQ(s->qsos[1].entries[0], 1234);
    EXPECT_EQ(s->qsos[1].awards[2], s->wasaward);
    EXPECT_EQ(s->qsos[1].entries[2], 0);
}

namespace {

// A log whose QSO with W1AW counts for Worked All States, and the window shown with its
// focus in `box`, the call entered, so the prior-QSO pass fills slot 1 with that award.
struct FilledSlot : Saving {
    void SetUp() override {
        qsorecord q = qso("W1AW");
        q.awards[0] = s->wasaward;
        q.entries[0] = 20;
        append(q);
        start();
        ASSERT_NE(window, nullptr);
        window->show();
        window->activateWindow();
        QApplication::processEvents();
    }
    void enterwithfocusin(const char* box) {
        enter("W1AW");
        ASSERT_EQ(combo("pickaward0")->currentIndex(), s->wasaward);
        QWidget* w = window->findChild<QWidget*>(box);
        w->setFocus();
        QApplication::processEvents();
        ASSERT_EQ(QApplication::focusWidget(), w);
    }
};

} // namespace

TEST_F(FilledSlot, SaveLeavesItsStatusAndTheFocusInTheDateBox) {
    enterwithfocusin("comments");
    window->saveqso_Click();
    QApplication::processEvents();
    EXPECT_EQ(window->statustext(), "QSO added. 2 QSOs");
    EXPECT_EQ(QApplication::focusWidget(), edit("showdate"));
    EXPECT_EQ(s->qsos[2].awards[0], s->wasaward);
    EXPECT_EQ(combo("pickaward0")->currentIndex(), -1); // the panel is cleared all the same
}

TEST_F(FilledSlot, IgnoreAndDeleteLeaveTheFocusWhereItWas) {
    enterwithfocusin("comments");
    window->logbook_ignore_Click();
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), edit("comments"));
    EXPECT_EQ(combo("pickaward0")->currentIndex(), -1);

    window->loadqso(1, "08/25/2004", "14:30", 1);
    s->editindex = 1;
    ASSERT_EQ(combo("pickaward0")->currentIndex(), s->wasaward);
    edit("via")->setFocus();
    QApplication::processEvents();
    window->delqso_Click();
    QApplication::processEvents();
    EXPECT_EQ(s->qsos[1].deleted, "D");
    EXPECT_EQ(window->statustext(), "This QSO will be deleted when you exit the program.");
    EXPECT_EQ(QApplication::focusWidget(), edit("via"));
}
