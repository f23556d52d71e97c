#pragma once
// The station settings form: own call, position, UTC offset, date order, distance unit and
// the QSO-label message; Return rewrites "tsl.ini".

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;

namespace tsl {

struct AppState;
class Dialogs;
class logbook;

class setup : public QDialog {
    Q_OBJECT
  public:
    setup(AppState& state, Dialogs& dialogs, logbook& window);

    void setup_Form_Load();
    void setup_yourcall_LostFocus();
    void setup_inlat_Change();
    void setup_inlon_LostFocus();
    void setup_gmtdif_LostFocus();
    void setup_Latdir_Click();
    void setup_londir_Click();
    void setup_datecombo_Click();
    void setup_umpick_Click();
    // Writes "tsl.ini" and closes the form; a failed write keeps the form open.
    void setup_return_Click();
    // Escape and the frame's close act as Return: the values the boxes have already put in
    // force are written too, so the next start does not go back on them.
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Return's work; a failed write keeps the form open unless evenunwritten.
    void leave(bool evenunwritten);
    // Shows the refusal of an offset outside -24..+24 hours and puts the kept one back.
    bool offsetrefused();
    // Runs the lost-focus rule of the box that has the focus.
    void takefocusedbox();

    AppState& state_;
    Dialogs& dialogs_;
    logbook& window_;
    QLineEdit* yourcall;
    QLineEdit* inlat;
    QComboBox* Latdir;
    QLineEdit* inlon;
    QComboBox* londir;
    QLineEdit* gmtdif;
    QComboBox* datecombo;
    QComboBox* umpick;
    QLineEdit* qsoms;
    QLabel* ms;
};

} // namespace tsl
