#pragma once
// Keys as the operator types them: to the widget that has the focus in the active window.

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace tsl::test {

// Makes w's window the active one and gives w the focus, as a click into it would.
inline void focuson(QWidget* w) {
    w->window()->activateWindow();
    QCoreApplication::processEvents();
    w->setFocus(Qt::OtherFocusReason);
}

// One key pressed and released where the focus is.
inline void typekey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr) << "no widget has the focus";
    QTest::keyClick(target, key, modifiers);
}

} // namespace tsl::test
