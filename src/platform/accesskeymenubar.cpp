#include "accesskeymenubar.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QShortcutEvent>
#include <QStyleOptionMenuItem>

namespace tsl {

// Installed on the application while an item is selected: keys go to the menu bar, not to
// the box with the focus nor to the window's shortcuts; a click anywhere leaves the bar.
class SelectedItemKeys : public QObject {
  public:
    explicit SelectedItemKeys(AccessKeyMenuBar* bar) : QObject(bar), bar_(bar) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!bar_->selected_) { // the item has gone
            bar_->leave();
            return false;
        }
        switch (event->type()) {
        case QEvent::ShortcutOverride:
            event->accept(); // the key comes as a key press, taken below
            return true;
        case QEvent::KeyPress:
            bar_->selectedkey(*static_cast<QKeyEvent*>(event));
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            bar_->leave();
            return false;
        case QEvent::WindowDeactivate:
            if (watched == bar_->window()) bar_->leave();
            return false;
        default:
            return false;
        }
    }

  private:
    AccessKeyMenuBar* bar_;
};

namespace {

// The access key a typed key stands for, with or without Alt held.
QKeySequence accesskeyof(const QKeyEvent& key) {
    const auto mods = key.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if ((mods != Qt::NoModifier && mods != Qt::AltModifier) || key.text().size() != 1 ||
        !key.text()[0].isLetterOrNumber())
        return {};
    return QKeySequence(QKeyCombination(Qt::AltModifier, static_cast<Qt::Key>(key.key())));
}

} // namespace

AccessKeyMenuBar::AccessKeyMenuBar(QWidget* parent)
    : QMenuBar(parent), keys_(new SelectedItemKeys(this)) {}

QList<QAction*> AccessKeyMenuBar::itemswithkey(const QKeySequence& key) const {
    QList<QAction*> items;
    if (key.isEmpty()) return items;
    for (QAction* a : actions())
        if (a->isVisible() && a->isEnabled() && !a->isSeparator() &&
            QKeySequence::mnemonic(a->text()) == key)
            items.append(a);
    return items;
}

bool AccessKeyMenuBar::selectnext(const QKeySequence& key) {
    const QList<QAction*> items = itemswithkey(key);
    if (items.size() < 2) return false;
    if (hasFocus()) {
        // The bar's own keyboard mode (Alt pressed alone) ends; the focus goes back to its box.
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QMenuBar::keyPressEvent(&escape);
    }
    qApp->installEventFilter(keys_);
    selected_ = items[(items.indexOf(selected_.data()) + 1) % items.size()];
    update();
    return true;
}

void AccessKeyMenuBar::selectedkey(const QKeyEvent& key) {
    if (key.key() == Qt::Key_Escape) {
        leave();
    } else if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
        run(selected_);
    } else if (!selectnext(accesskeyof(key))) {
        // The key of one item runs it; other keys do nothing while an item is selected.
        const QList<QAction*> items = itemswithkey(accesskeyof(key));
        if (items.size() == 1) run(items[0]);
    }
}

void AccessKeyMenuBar::leave() {
    qApp->removeEventFilter(keys_);
    if (!selected_) return;
    selected_ = nullptr;
    update();
}

void AccessKeyMenuBar::run(QAction* item) {
    leave();
    if (item == nullptr || !item->isVisible() || !item->isEnabled()) return;
    if (item->menu() != nullptr)
        setActiveAction(item); // opens its menu
    else
        item->trigger();
}

bool AccessKeyMenuBar::event(QEvent* event) {
    // Alt and a letter come here as a shortcut of the bar.
    if (event->type() == QEvent::Shortcut && selectnext(static_cast<QShortcutEvent*>(event)->key()))
        return true;
    return QMenuBar::event(event);
}

void AccessKeyMenuBar::keyPressEvent(QKeyEvent* event) {
    // A letter typed in the bar's own keyboard mode.
    if (selectnext(accesskeyof(*event))) return;
    QMenuBar::keyPressEvent(event);
}

void AccessKeyMenuBar::paintEvent(QPaintEvent* event) {
    QMenuBar::paintEvent(event);
    if (!selected_) return;
    QPainter painter(this);
    QStyleOptionMenuItem option;
    initStyleOption(&option, selected_);
    option.rect = actionGeometry(selected_);
    option.state |= QStyle::State_Selected | QStyle::State_Sunken;
    style()->drawControl(QStyle::CE_MenuBarItem, &option, &painter, this);
}

} // namespace tsl
