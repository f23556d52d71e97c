#include "desktopforms.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

namespace tsl {

namespace {

// Enter and the keypad's Enter press the push button that has the focus, in every window,
// as Space does; Qt leaves that to dialogs' auto-default buttons.
class EnterPressesButtons : public QObject {
  public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        auto* button = qobject_cast<QPushButton*>(watched);
        if (button == nullptr || !button->hasFocus() || !button->isEnabled()) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
        button->click();
        return true;
    }
};

// A window made of a plain QWidget counts as a client area to Qt's accessibility, so tools
// that look for windows would miss the report window, the pickers and the finder.
QAccessibleInterface* plainwindow(const QString& classname, QObject* object) {
    if (classname != QLatin1String("QWidget") || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (!widget->isWindow()) return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Window);
}

} // namespace

void usedesktopforms() {
    static bool factoryinstalled = false;
    if (!factoryinstalled) {
        QAccessible::installFactory(plainwindow);
        factoryinstalled = true;
    }
    static QPointer<EnterPressesButtons> filter;
    auto* app = QCoreApplication::instance();
    if (app == nullptr || (filter && filter->parent() == app)) return;
    filter = new EnterPressesButtons(app);
    app->installEventFilter(filter);
}

void labelbox(QLabel* label, QWidget* box) {
    label->setBuddy(box);
    namebox(box, label->text());
}

void namebox(QWidget* box, const QString& name) {
    box->setAccessibleName(name);
}

void bringforward(QWidget* window) {
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace tsl
