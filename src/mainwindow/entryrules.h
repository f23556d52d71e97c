#pragma once
// The keyboard and focus rules of the QSO entry panel: what each box does to a typed
// character, where Enter takes the focus, what a box selects when it gets the focus, and
// which boxes still owe their check when the focus leaves them.

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <functional>
#include <map>
#include <string>

class QComboBox;
class QLineEdit;
class QWidget;

namespace tsl {

class EntryRules : public QObject {
    Q_OBJECT
  public:
    // Finds the panel's controls by object name under `window`; call once they exist.
    EntryRules(QWidget* window, std::function<void(const std::string&)> setstatus,
               std::function<bool()> wabloaded, int awardslots = 4);

    // The code a box takes for a typed key (Windows-1252 code): 0 drops the key, 13 is
    // Enter. The number boxes of the award slots report their verdict in the status text.
    int16_t keypress(const QString& box, int16_t keyascii);

    // The six boxes with a check owe it from the moment they get the focus until the check
    // clears the flag.
    bool pending(const QString& box) const;
    void clearpending(const QString& box);
    // A box filled by the program for the user to go on with owes its check as if typed.
    void setpending(const QString& box);

    // The box's check, run when the box loses the focus and by flushvalidations().
    void setcheck(const QString& box, std::function<void()> check);

    // Runs the checks still owed, in the panel's order: date, time, DXCC, grid, call, mode.
    void flushvalidations();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void watch(QWidget* control);
    void watchcomboedit(QComboBox* combo);
    bool enterkey(const QString& box);
    void focusin(QWidget* control, QLineEdit* edit, const QString& box, int reason);
    void focusout(QWidget* control, const QString& box, int reason);
    // True when the window, made active again, gives the focus back to the box it was left
    // in, as it was left, from a window that was not modal: the box is not visited anew.
    bool backinbox(const QWidget* control, const QLineEdit* edit) const;
    void windowleft();
    // The box left for the menu bar or a menu is left for good once the focus goes on to
    // something else of the window: its check runs then.
    void focusmoved(QWidget* now);
    void runcheck(const QString& box);
    // What the box holds: a line edit's text, a list's position and text.
    QString valueof(const QString& box) const;
    // True when the box's check ran in a flush and the box still holds what it held then;
    // either way the flush is forgotten.
    bool takeflushed(const QString& box);
    void edited(QLineEdit* edit);
    QString fixtext(const QString& box, const QString& text, bool& removed) const;
    QWidget* control(const QString& box) const;

    QWidget* window_;
    std::function<void(const std::string&)> setstatus_;
    std::function<bool()> wabloaded_;
    int awardslots_;
    QHash<QObject*, QString> names_;
    // Each line edit's text before the user's latest edit, so a paste is judged alone.
    QHash<QLineEdit*, QString> before_;
    std::map<QString, bool> pending_;
    std::map<QString, std::function<void()>> checks_;
    // The box whose focus went to the menu bar or a menu, until it is back or left.
    QPointer<QWidget> away_;
    // The boxes whose checks a command has run while they were not left, with their values
    // then: leaving one unchanged owes no second run (a second call-book lookup, say, at
    // every Save). A new visit to the box forgets it.
    std::map<QString, QString> flushed_;
    // Where the focus was when the window last gave way to another window.
    QPointer<QWidget> leftin_;
    QString lefttext_;
    // A modal form or message box has shown since a box last got the focus.
    bool modalshown_ = false;
};

} // namespace tsl
