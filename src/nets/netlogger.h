#pragma once
// The net logger: the check-in list of the net in progress. Each station is put into the
// list under its number with its call, notes and a summary of the earlier QSOs with it; a
// click on a call hands it to the main window, a click on a note edits the note.

#include <QWidget>

#include <cstdint>
#include <functional>
#include <string>

class QLineEdit;

namespace tsl {

struct AppState;
class Dialogs;
class FlexGrid;

class netlogger : public QWidget {
    Q_OBJECT
  public:
    static constexpr int listrows = 200;

    // handover gives the main window a call with the net's band and mode.
    using handover = std::function<void(const std::string& call, int16_t band, int16_t mode)>;
    netlogger(AppState& state, Dialogs& dialogs, handover takecall, QWidget* parent = nullptr);

    void netlogger_Form_Load();
    // Puts number, call and notes into the list with the call's summary.
    void netlogger_Putingrid_Click();
    // Acts on the grid's current cell: a call goes to the main window, a note is edited.
    void gridcellclick();
    // The key filters of the three boxes: the code the box takes for a typed key (0 drops
    // it); Enter (13) moves the focus on.
    int16_t netlogger_seq_KeyPress(int16_t keyascii);
    int16_t netlogger_thiscall_KeyPress(int16_t keyascii);
    int16_t netlogger_notes_KeyPress(int16_t keyascii);
    // Sets netsummary for the call in the call box.
    void priorqsosummary();
    void netlogger_todisk_Click();
    // Ends the net and closes the window; the list is discarded.
    void netlogger_endofnet_Click();

    const std::string& netcaption() const { return netcaption_; }
    const std::string& netsummary() const { return netsummary_; }
    FlexGrid* grid() const { return showem; }

  signals:
    // The window is closing and is about to be deleted.
    void unloaded();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The close box acts as "End of Net".
    void closeEvent(QCloseEvent* event) override;

  private:
    int16_t keypress(QLineEdit* box, int16_t keyascii);
    // Text put in by pasting obeys the box's key filter too.
    void filteredit(QLineEdit* box);

    AppState& state_;
    Dialogs& dialogs_;
    handover takecall_;
    std::string netcaption_;
    std::string netsummary_;
    QLineEdit* seq;
    QLineEdit* thiscall;
    QLineEdit* notes;
    FlexGrid* showem;
    QLineEdit* ms;
};

} // namespace tsl
