#include "entryrules.h"

#include "core/text.h"
#include "platform/codepage.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QTimer>

#include <algorithm>
#include <array>
#include <utility>

namespace tsl {

namespace {

enum rule : int { drop = 1, upper = 2, zero = 4 };

// What each text box does to a typed character; the rules touch disjoint codes, so the
// order they are applied in does not matter.
const std::map<QString, int>& textrules() {
    static const std::map<QString, int> rules = {{"showdate", drop},
                                                 {"showtime", drop},
                                                 {"incall", upper | zero | drop},
                                                 {"Power", drop},
                                                 {"via", upper | zero | drop},
                                                 {"rsts", drop},
                                                 {"rstr", drop},
                                                 {"ituz", drop},
                                                 {"cqz", drop},
                                                 {"gs", drop | upper},
                                                 {"comments", drop},
                                                 {"direction", drop},
                                                 {"distance", drop}};
    return rules;
}

// How much of a box's text is selected when it gets the focus, so typing replaces it.
const std::map<QString, int>& selectlengths() {
    static const std::map<QString, int> lengths = {
        {"showdate", 10}, {"showtime", 5}, {"incall", 12}, {"gs", 4},  {"Power", 10},   {"via", 12},
        {"rsts", 3},      {"rstr", 3},     {"ituz", 2},    {"cqz", 2}, {"comments", 60}};
    return lengths;
}

// The boxes with a check, in the order flushvalidations() runs them.
constexpr std::array<const char*, 6> checkedboxes = {"showdate", "showtime", "dxcccombo",
                                                     "gs",       "incall",   "modesel"};

const std::map<QString, QString>& entercycle() {
    static const std::map<QString, QString> next = {
        {"showdate", "showtime"},  {"showtime", "incall"},
        {"incall", "bandsel"},     {"bandsel", "modesel"},
        {"modesel", "propsel"},    {"propsel", "Power"},
        {"Power", "via"},          {"via", "rsts"},
        {"rsts", "rstr"},          {"rstr", "qsls"},
        {"qsls", "qslr"},          {"qslr", "dxcccombo"},
        {"dxcccombo", "ituz"},     {"ituz", "cqz"},
        {"cqz", "continent"},      {"continent", "gender"},
        {"gender", "qthcombo"},    {"qthcombo", "gs"},
        {"wabcombo", "comments"},  {"comments", "pickaward0"},
        {"direction", "distance"}, {"distance", "via"}};
    return next;
}

// The slot number of "awardnumber3" and the like, or -1 when the name is not of that kind.
int slotof(const QString& box, const QString& kind) {
    if (!box.startsWith(kind) || box.size() == kind.size()) return -1;
    bool ok = false;
    const int slot = box.mid(kind.size()).toInt(&ok);
    return ok && slot >= 0 ? slot : -1;
}

bool isnumberbox(const QString& box) {
    return slotof(box, "awardnumber") >= 0;
}

bool ischecked(const QString& box) {
    return std::any_of(checkedboxes.begin(), checkedboxes.end(),
                       [&](const char* name) { return box == QLatin1String(name); });
}

bool isdigit(int16_t code) {
    return code >= '0' && code <= '9';
}

int16_t applyrules(int rules, int16_t code) {
    if ((rules & drop) && (code == '"' || code == ',')) return 0;
    if ((rules & upper) && code >= 'a' && code <= 'z')
        return static_cast<int16_t>(uppercased(static_cast<char>(code)));
    if ((rules & zero) && code == '0')
        return static_cast<int16_t>(static_cast<unsigned char>(slashedzero));
    return code;
}

int rulesof(const QString& box) {
    const auto it = textrules().find(box);
    return it == textrules().end() ? 0 : it->second;
}

// The code-page byte of one character, or -1 when the code page has none for it.
int16_t codeof(QChar c) {
    const QString one(c);
    const std::string bytes = fromqt(one);
    if (bytes.size() != 1 || toqt(bytes) != one) return -1;
    return static_cast<int16_t>(static_cast<unsigned char>(bytes[0]));
}

QString charof(int16_t code) {
    return toqt(std::string(1, static_cast<char>(code)));
}

// A popup that belongs to the control itself (a combo's list, a box's context menu) does
// not take the focus away from it.
bool ownspopup(const QWidget* control) {
    for (const QWidget* w = QApplication::activePopupWidget(); w != nullptr; w = w->parentWidget())
        if (w == control) return true;
    return false;
}

void selectstart(QLineEdit* edit, int length) {
    edit->setSelection(0, std::min(length, static_cast<int>(edit->text().size())));
}

} // namespace

EntryRules::EntryRules(QWidget* window, std::function<void(const std::string&)> setstatus,
                       std::function<bool()> wabloaded, int awardslots)
    : window_(window), setstatus_(std::move(setstatus)), wabloaded_(std::move(wabloaded)),
      awardslots_(awardslots) {
    for (const auto& [box, next] : entercycle())
        watch(control(box));
    watch(control("gs"));
    // The award slots are as many as the window made; pickaward has no Enter rule.
    for (int slot = 0; control("awardentry" + QString::number(slot)) != nullptr; ++slot) {
        watch(control("awardnumber" + QString::number(slot)));
        watch(control("awardentry" + QString::number(slot)));
    }
    for (const char* box : checkedboxes)
        pending_[box] = false;
    window_->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { focusmoved(now); });
}

QWidget* EntryRules::control(const QString& box) const {
    return window_->findChild<QWidget*>(box);
}

void EntryRules::watch(QWidget* w) {
    if (w == nullptr || names_.contains(w)) return;
    names_.insert(w, w->objectName());
    w->installEventFilter(this);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        before_.insert(edit, edit->text());
        // textEdited comes before textChanged, so the text kept here is the one the
        // user's edit started from.
        connect(edit, &QLineEdit::textChanged, this,
                [this, edit] { before_[edit] = edit->text(); });
        connect(edit, &QLineEdit::textEdited, this, [this, edit] { edited(edit); });
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        watchcomboedit(combo);
    }
}

// An editable combo's line edit only ever needs its Enter caught; the combo itself takes
// the focus events.
void EntryRules::watchcomboedit(QComboBox* combo) {
    QLineEdit* edit = combo->lineEdit();
    if (edit == nullptr || names_.contains(edit)) return;
    names_.insert(edit, combo->objectName());
    edit->installEventFilter(this);
}

int16_t EntryRules::keypress(const QString& box, int16_t keyascii) {
    if (isnumberbox(box)) {
        const bool accepted = keyascii == 13 || keyascii == 8 || isdigit(keyascii);
        setstatus_(accepted ? "" : "Numeric Entries Only");
        return accepted ? keyascii : 0;
    }
    return applyrules(rulesof(box), keyascii);
}

QString EntryRules::fixtext(const QString& box, const QString& text, bool& removed) const {
    const bool digitsonly = isnumberbox(box);
    const int rules = rulesof(box);
    QString out;
    for (QChar c : text) {
        const int16_t code = codeof(c);
        if (digitsonly) {
            if (isdigit(code))
                out.append(c);
            else
                removed = true;
            continue;
        }
        if (code < 0) {
            out.append(c);
            continue;
        }
        const int16_t fixed = applyrules(rules, code);
        if (fixed == 0)
            removed = true;
        else
            out.append(fixed == code ? QString(c) : charof(fixed));
    }
    return out;
}

// Pasted or dropped text gets the typing rules too, but only the part the user just put in:
// text that program code set stays as it was.
void EntryRules::edited(QLineEdit* edit) {
    const QString box = names_.value(edit);
    const QString before = before_.value(edit);
    const QString now = edit->text();
    qsizetype head = 0;
    while (head < before.size() && head < now.size() && before[head] == now[head])
        ++head;
    qsizetype tail = 0;
    while (tail < before.size() - head && tail < now.size() - head &&
           before[before.size() - 1 - tail] == now[now.size() - 1 - tail])
        ++tail;
    const QString added = now.mid(head, now.size() - head - tail);
    bool removed = false;
    const QString fixed = fixtext(box, added, removed);
    if (removed && isnumberbox(box)) setstatus_("Numeric Entries Only");
    if (fixed == added) return;

    qsizetype cursor = edit->cursorPosition();
    if (cursor >= head + added.size()) {
        cursor -= added.size() - fixed.size();
    } else if (cursor > head) {
        bool ignored = false;
        cursor = head + fixtext(box, added.left(cursor - head), ignored).size();
    }
    edit->setText(now.left(head) + fixed + now.right(tail));
    edit->setCursorPosition(static_cast<int>(cursor));
}

bool EntryRules::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_) {
        if (event->type() == QEvent::WindowDeactivate) windowleft();
        // A modal form or message box blocks the window as it shows, before any change of
        // the active window.
        if (event->type() == QEvent::WindowBlocked) modalshown_ = true;
        return false;
    }
    const auto name = names_.constFind(watched);
    if (name == names_.constEnd()) return false;
    const QString box = *name;
    auto* edit = qobject_cast<QLineEdit*>(watched);
    auto* combo = qobject_cast<QComboBox*>(watched);
    const bool comboedit = edit != nullptr && box != edit->objectName();

    switch (event->type()) {
    case QEvent::KeyPress: {
        if (combo != nullptr) watchcomboedit(combo);
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) return enterkey(box);
        if (key->key() == Qt::Key_Backspace) {
            if (isnumberbox(box)) keypress(box, 8);
            return false;
        }
        if (edit == nullptr || comboedit) return false;
        // Shortcuts (Ctrl+V and the like) are not typed characters; AltGr may report Ctrl+Alt.
        const auto mods = key->modifiers();
        if ((mods & (Qt::ControlModifier | Qt::MetaModifier)) && !(mods & Qt::AltModifier))
            return false;
        const QString text = key->text();
        if (text.size() != 1 || text[0].unicode() < 32 || text[0].unicode() == 127) return false;
        const int16_t code = codeof(text[0]);
        if (code < 0) return false;
        const int16_t result = keypress(box, code);
        if (result == code) return false;
        if (result != 0 && !edit->isReadOnly()) edit->insert(charof(result));
        return true;
    }
    case QEvent::FocusIn:
        if (combo != nullptr) watchcomboedit(combo);
        if (!comboedit)
            focusin(static_cast<QWidget*>(watched), edit, box,
                    static_cast<QFocusEvent*>(event)->reason());
        return false;
    case QEvent::FocusOut:
        if (!comboedit)
            focusout(static_cast<QWidget*>(watched), box,
                     static_cast<QFocusEvent*>(event)->reason());
        return false;
    default:
        return false;
    }
}

bool EntryRules::enterkey(const QString& box) {
    if (isnumberbox(box)) keypress(box, 13);
    QString next;
    const int numberslot = slotof(box, "awardnumber");
    const int entryslot = slotof(box, "awardentry");
    const int slot = std::max(numberslot, entryslot);
    if (slot >= 0) {
        next = slot < awardslots_ ? "pickaward" + QString::number(slot + 1) : "showdate";
    } else if (box == "gs") {
        next = wabloaded_() ? "wabcombo" : "comments";
    } else {
        const auto it = entercycle().find(box);
        if (it == entercycle().end()) return false;
        next = it->second;
    }
    if (QWidget* target = control(next)) target->setFocus(Qt::OtherFocusReason);
    return true;
}

void EntryRules::focusin(QWidget* w, QLineEdit* edit, const QString& box, int reason) {
    // A box left for the menu bar is left for good when another box gets the focus; its
    // check runs before this box's visit begins.
    if (away_ != nullptr && away_ != w) focusmoved(w);
    if (away_ == w) away_ = nullptr;
    // Coming back from a menu, or from another window to the box as it was left, is not a
    // new visit to the box. The first activation of the window, and the return from a modal
    // form (after which the program has often given the box the focus or a new text), are.
    const bool back = reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason ||
                      (reason == Qt::ActiveWindowFocusReason && backinbox(w, edit));
    modalshown_ = false;
    if (!back) flushed_.erase(box);
    if (ischecked(box)) pending_[box] = true;
    const auto length = selectlengths().find(box);
    if (back || edit == nullptr || length == selectlengths().end()) return;
    const int n = length->second;
    // Selected before QLineEdit's own handling, which then leaves a selection alone on Tab;
    // and again once the event is done, after a mouse click has placed the cursor.
    selectstart(edit, n);
    QTimer::singleShot(0, this, [edit = QPointer<QLineEdit>(edit), n] {
        if (edit != nullptr && edit->hasFocus()) selectstart(edit, n);
    });
}

bool EntryRules::backinbox(const QWidget* w, const QLineEdit* edit) const {
    return leftin_ == w && !modalshown_ && (edit == nullptr || edit->text() == lefttext_);
}

void EntryRules::windowleft() {
    leftin_ = window_->focusWidget();
    const auto* edit = qobject_cast<const QLineEdit*>(leftin_.data());
    lefttext_ = edit != nullptr ? edit->text() : QString();
}

void EntryRules::focusout(QWidget* w, const QString& box, int reason) {
    if (!ischecked(box)) return;
    // Switching windows (a message box included) does not leave the box; its check stays
    // owed and flushvalidations() catches it. A hidden box is the window going away.
    if (reason == Qt::ActiveWindowFocusReason || !w->isVisible()) return;
    // Opening the menu bar or a menu does not leave it either: the box is left when the
    // focus goes on from there to something else, and a command chosen there runs the
    // checks it needs itself.
    if (reason == Qt::MenuBarFocusReason || reason == Qt::PopupFocusReason) {
        if (!ownspopup(w)) away_ = w;
        return;
    }
    // Opening its own popup hands the focus on more than once, not always as a popup reason.
    if (ownspopup(w)) return;
    if (takeflushed(box)) return;
    runcheck(box);
}

void EntryRules::focusmoved(QWidget* now) {
    if (away_ == nullptr || now == nullptr || now == away_ || now->window() != window_ ||
        qobject_cast<QMenuBar*>(now) != nullptr)
        return;
    const QPointer<QWidget> left = std::exchange(away_, nullptr);
    if (left->isVisible() && !takeflushed(names_.value(left))) runcheck(names_.value(left));
}

void EntryRules::runcheck(const QString& box) {
    const auto it = checks_.find(box);
    if (it == checks_.end() || !it->second) return;
    const std::function<void()> check = it->second;
    check();
}

bool EntryRules::pending(const QString& box) const {
    const auto it = pending_.find(box);
    return it != pending_.end() && it->second;
}

void EntryRules::clearpending(const QString& box) {
    const auto it = pending_.find(box);
    if (it != pending_.end()) it->second = false;
}

void EntryRules::setpending(const QString& box) {
    if (ischecked(box)) pending_[box] = true;
}

void EntryRules::setcheck(const QString& box, std::function<void()> check) {
    checks_[box] = std::move(check);
}

void EntryRules::flushvalidations() {
    for (const char* box : checkedboxes) {
        if (!pending(box)) continue;
        const auto it = checks_.find(box);
        if (it == checks_.end() || !it->second) continue;
        const std::function<void()> check = it->second;
        check();
        flushed_[box] = valueof(box);
    }
}

bool EntryRules::takeflushed(const QString& box) {
    const auto it = flushed_.find(box);
    if (it == flushed_.end()) return false;
    const bool same = it->second == valueof(box);
    flushed_.erase(it);
    return same;
}

QString EntryRules::valueof(const QString& box) const {
    const QWidget* w = control(box);
    if (const auto* edit = qobject_cast<const QLineEdit*>(w)) return edit->text();
    if (const auto* list = qobject_cast<const QComboBox*>(w))
        return QString::number(list->currentIndex()) + ":" + list->currentText();
    return {};
}

} // namespace tsl
