#include "mainwindow/entryrules.h"
#include "mainwindow/finder.h"
#include "mainwindow/howsave.h"
#include "platform/flexgrid.h"
#include "support/startedlog.h"

#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

// The started program driven as the operator drives it: keys to the focus, clicks on the
// menu bar and into the boxes.
struct PanelFocus : ::testing::Test, StartedLog {
    void SetUp() override {
        start(2);
        ASSERT_NE(window, nullptr);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QApplication::processEvents();
    }
    static void press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QWidget* target = QApplication::activePopupWidget();
        if (target == nullptr) target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QTest::keyClick(target, key, mods);
        QApplication::processEvents();
    }
    static void type(const char* keys) {
        QTest::keyClicks(QApplication::focusWidget(), keys);
        QApplication::processEvents();
    }
    static void clickinto(QWidget* w) {
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(3, 5));
        QApplication::processEvents();
    }
    // A click on the menu bar's caption of a menu, which opens it.
    void clickmenu(const char* name) const {
        QMenuBar* bar = window->menuBar();
        QAction* caption = window->findChild<QMenu*>(name)->menuAction();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(caption).center());
        QApplication::processEvents();
    }
    QWidget* openmenu() const { return QApplication::activePopupWidget(); }
    QWidget* menu(const char* name) const { return window->findChild<QMenu*>(name); }
    bool owed(const char* box) const { return window->entryrules().pending(box); }
};

} // namespace

TEST_F(PanelFocus, OpeningAMenuIsNotLeavingTheBox) {
    // A QSO saved by keys: the date box has the focus and the status line the result.
    clickinto(edit("incall"));
    type("w1aw");
    press(Qt::Key_Tab);
    press(Qt::Key_S, Qt::AltModifier);
    ASSERT_EQ(s->qsocount, 3);
    ASSERT_EQ(window->statustext(), "QSO added. 3 QSOs");
    ASSERT_EQ(QApplication::focusWidget(), edit("showdate"));

    press(Qt::Key_R, Qt::AltModifier);
    ASSERT_EQ(openmenu(), menu("reportshere"));
    press(Qt::Key_Escape);
    press(Qt::Key_Escape);
    EXPECT_EQ(window->statustext(), "QSO added. 3 QSOs") << "menu opened by its key";

    clickmenu("reportshere");
    ASSERT_EQ(openmenu(), menu("reportshere"));
    press(Qt::Key_Escape);
    press(Qt::Key_Escape);
    EXPECT_EQ(window->statustext(), "QSO added. 3 QSOs") << "menu opened by a click";

    press(Qt::Key_Alt);
    press(Qt::Key_Escape);
    EXPECT_EQ(window->statustext(), "QSO added. 3 QSOs") << "the menu bar's keys";
    EXPECT_EQ(openmenu(), nullptr);
    EXPECT_EQ(QApplication::focusWidget(), edit("showdate"));
    EXPECT_TRUE(owed("showdate"));
}

TEST_F(PanelFocus, AHalfTypedCallIsCheckedWhenLeftOrWhenAFindNeedsIt) {
    clickinto(edit("incall"));
    type("w1");
    window->setstatus("typing");
    press(Qt::Key_R, Qt::AltModifier);
    press(Qt::Key_Escape);
    press(Qt::Key_Escape);
    clickmenu("gofinder");
    press(Qt::Key_Escape); // the menu closes, the menu bar keeps the keys
    press(Qt::Key_Escape);
    EXPECT_TRUE(lines().isEmpty()) << "the call was looked up";
    EXPECT_EQ(window->statustext(), "typing");
    EXPECT_TRUE(owed("incall"));
    // Back from the menus the caret is where it was: typing goes on, it replaces nothing.
    type("aw");
    EXPECT_EQ(edit("incall")->text(), "W1AW");

    // Find reads the box: the call's check runs first.
    press(Qt::Key_F, Qt::AltModifier);
    ASSERT_EQ(openmenu(), menu("gofinder"));
    press(Qt::Key_C);
    ASSERT_NE(window->findwindow(), nullptr);
    EXPECT_FALSE(owed("incall"));
    EXPECT_FALSE(lines().isEmpty());

    // The same with the mouse, on a call typed over the first.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    clickinto(edit("Power"));
    clickinto(edit("incall")); // a new visit: its text is selected
    type("k1");
    clickmenu("gofinder");
    auto* finds = qobject_cast<QMenu*>(openmenu());
    ASSERT_NE(finds, nullptr);
    EXPECT_TRUE(owed("incall"));
    QAction* findcall = window->findChild<QAction*>("gofindcall");
    QTest::mouseClick(finds, Qt::LeftButton, {}, finds->actionGeometry(findcall).center());
    QApplication::processEvents();
    EXPECT_FALSE(owed("incall"));
    EXPECT_EQ(window->findwindow()->windowTitle(), "Prior QSOs: K1");
}

TEST_F(PanelFocus, ABoxLeftThroughTheMenuBarRunsItsCheckWhereTheFocusLands) {
    clickinto(edit("incall"));
    type("w1aw");
    press(Qt::Key_Alt);
    ASSERT_TRUE(window->menuBar()->hasFocus());
    ASSERT_TRUE(lines().isEmpty());
    clickinto(edit("gs"));
    EXPECT_EQ(QApplication::focusWidget(), edit("gs"));
    EXPECT_FALSE(owed("incall"));
    EXPECT_FALSE(lines().isEmpty());

    // The same through a menu opened by a click, left for a list that is no box.
    clickinto(edit("showdate"));
    edit("showdate")->setText("1/2/04");
    clickmenu("reportshere");
    press(Qt::Key_Escape);
    EXPECT_EQ(edit("showdate")->text(), "1/2/04");
    clickinto(window->findChild<QWidget*>("callshow"));
    EXPECT_EQ(edit("showdate")->text(), "01/02/2004");
}

TEST_F(PanelFocus, SaveWithoutACallKeepsItsMessageWhateverBoxItLeaves) {
    for (const char* box : {"showdate", "gs", "Power"}) {
        clickinto(edit(box));
        press(Qt::Key_S, Qt::AltModifier);
        EXPECT_EQ(window->statustext(), "No Call Entered") << box;
        EXPECT_EQ(QApplication::focusWidget(), edit("incall")) << box;
        ASSERT_FALSE(dialogs.shown.empty());
        EXPECT_EQ(dialogs.shown.back().text, "No Call");
        window->setstatus("");
    }
    EXPECT_EQ(s->qsocount, 2);
}

TEST_F(PanelFocus, TheDateIsReadyToBeTypedOverAtStartAndAfterTheUpdateForm) {
    QLineEdit* date = edit("showdate");
    ASSERT_EQ(QApplication::focusWidget(), date);
    EXPECT_EQ(date->selectedText(), "08/25/2024") << "at start";
    type("01/01/2025");
    EXPECT_EQ(date->text(), "01/01/2025");

    // A QSO clicked in the grid and saved as an update through the form.
    window->showqsorow(1, 1);
    window->grid()->setCurrentIndex(window->grid()->model()->index(0, 0));
    emit window->grid()->clicked(window->grid()->model()->index(0, 0));
    ASSERT_TRUE(s->editingqso);
    whenmodal([](QWidget* form) { form->findChild<QPushButton*>("saveasnew")->click(); });
    press(Qt::Key_S, Qt::AltModifier);
    ASSERT_EQ(window->statustext(), "QSO updated. 2 QSOs");
    // The window manager makes the window active again once the form is gone.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), date);
    EXPECT_EQ(date->selectedText(), "08/25/2024") << "after the update form";
}

TEST_F(PanelFocus, BackFromAnotherWindowTheBoxIsAsItWasLeft) {
    clickinto(edit("incall"));
    type("q1");
    press(Qt::Key_F, Qt::AltModifier);
    press(Qt::Key_C);
    ASSERT_NE(window->findwindow(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window->findwindow()));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), edit("incall"));
    EXPECT_EQ(edit("incall")->selectedText(), "");
    type("x");
    EXPECT_EQ(edit("incall")->text(), "Q1X");
}
