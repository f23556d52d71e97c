#include "platform/accesskeymenubar.h"
#include "support/startedlog.h"

#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

// The started program with a call half typed, keys pressed as the operator presses them.
struct MenuKeys : ::testing::Test, StartedLog {
    AccessKeyMenuBar* bar = nullptr;
    QLineEdit* call = nullptr;

    void SetUp() override {
        start(2);
        ASSERT_NE(window, nullptr);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        bar = qobject_cast<AccessKeyMenuBar*>(window->menuBar());
        ASSERT_NE(bar, nullptr);
        call = edit("incall");
        call->setFocus();
        QTest::keyClicks(call, "w1a");
    }
    void press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) const {
        QWidget* target = QApplication::activePopupWidget();
        QTest::keyClick(target ? target : QApplication::focusWidget(), key, mods);
    }
    QString selected() const {
        return bar->selecteditem() ? bar->selecteditem()->objectName() : "";
    }
    QMenu* menu(const char* name) const { return window->findChild<QMenu*>(name); }
    // Nothing has run: the call is as typed, in its box, and the log is as loaded.
    void untouched(const QString& typed = "W1A") const {
        EXPECT_EQ(call->text(), typed);
        EXPECT_EQ(QApplication::focusWidget(), call);
        EXPECT_EQ(s->qsocount, 2);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    }
};

} // namespace

TEST_F(MenuKeys, ASharedAccessKeySelectsItsItemsInTurnAndRunsNone) {
    std::vector<QString> turns;
    for (int i = 0; i < 3; ++i) {
        press(Qt::Key_I, Qt::AltModifier);
        turns.push_back(selected());
        untouched();
    }
    EXPECT_EQ(turns, (std::vector<QString>{"ignore", "importdata", "ignore"}));
    press(Qt::Key_Z); // typed while an item is selected: not into the call
    press(Qt::Key_Escape);
    EXPECT_EQ(selected(), "");
    untouched();
    QTest::keyClicks(call, "b"); // the box has the keys again
    untouched("W1AB");
}

TEST_F(MenuKeys, EnterRunsOrOpensTheSelectedItem) {
    press(Qt::Key_I, Qt::AltModifier);
    press(Qt::Key_I, Qt::AltModifier);
    press(Qt::Key_Return);
    ASSERT_EQ(QApplication::activePopupWidget(), menu("importdata"));
    press(Qt::Key_Escape); // the menu closes, its item stays selected
    press(Qt::Key_Escape);
    untouched();
    press(Qt::Key_I, Qt::AltModifier);
    press(Qt::Key_Return);
    EXPECT_EQ(call->text(), "");
    EXPECT_EQ(s->qsocount, 2);
}

TEST_F(MenuKeys, AKeyOfOneItemRunsItAndAClickLeavesTheSelection) {
    press(Qt::Key_I, Qt::AltModifier);
    QTest::mouseClick(window->findChild<QWidget*>("callshow"), Qt::LeftButton);
    EXPECT_EQ(selected(), "");
    call->setFocus();
    untouched();
    press(Qt::Key_I, Qt::AltModifier);
    press(Qt::Key_N, Qt::AltModifier); // "&Nets"
    EXPECT_EQ(selected(), "");
    EXPECT_NE(window->netpickerwindow(), nullptr);
    EXPECT_EQ(call->text(), "W1A");
}

TEST_F(MenuKeys, TheBarsOwnKeyboardModeAndTheMenusSelectSharedKeysInTurnToo) {
    press(Qt::Key_Alt); // Alt alone: the bar takes the keys
    ASSERT_TRUE(bar->hasFocus());
    press(Qt::Key_I);
    EXPECT_EQ(selected(), "ignore");
    press(Qt::Key_I);
    EXPECT_EQ(selected(), "importdata");
    press(Qt::Key_Escape);
    untouched();
    // In "&Reports", "Worked All C&Q Zones" and "Missing &QSL Cards" share Q.
    press(Qt::Key_R, Qt::AltModifier);
    ASSERT_EQ(QApplication::activePopupWidget(), menu("reportshere"));
    press(Qt::Key_Q);
    EXPECT_EQ(menu("reportshere")->activeAction()->objectName(), "gocq");
    press(Qt::Key_Q);
    EXPECT_EQ(menu("reportshere")->activeAction()->objectName(), "gomissing");
    EXPECT_EQ(window->reportwindow(), nullptr);
    press(Qt::Key_Return);
    EXPECT_NE(window->reportwindow(), nullptr);
}
