#pragma once
// The label stock set-up: which stock is in the printer and at which label of the first
// sheet printing starts. "Done" accepts both; until a stock is chosen in the run no label
// is written.

#include "core/labelstate.h"

#include <QDialog>

#include <cstdint>
#include <string>

class QLabel;
class QLineEdit;

namespace tsl {

struct AppState;
class Dialogs;

class setlabel : public QDialog {
    Q_OBJECT
  public:
    setlabel(AppState& state, Dialogs& dialogs, QWidget* parent = nullptr);

    void setlabel_Form_Load();
    void setlabel_type1_Click() { stockclicked(1); }
    void setlabel_type2_Click() { stockclicked(2); }
    void setlabel_type3_Click() { stockclicked(3); }
    void setlabel_type4_Click() { stockclicked(4); }
    void setlabel_type5_Click() { stockclicked(5); }
    // The code the starting-label box takes for a typed key: digits only, 0 drops the key.
    static int16_t setlabel_startlbl_KeyPress(int16_t keyascii);
    void setlabel_startlbl_LostFocus();
    void setlabel_goback_Click();

    // The window frame's close (and Escape): without a stock clicked on this visit the form
    // closes and the labels are as before it opened; after one it is "Done".
    void reject() override;
    void done(int result) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // A stock button. Labels not printed yet may first be printed on the old stock.
    void stockclicked(int stock);

    AppState& state_;
    Dialogs& dialogs_;
    labelstate before_; // the labels as the form found them
    bool stockchosen_ = false;
    bool startlabelok_ = false;
    bool closing_ = false; // leaving the box as the form closes checks nothing
    std::string startlabelmessage_;
    QLineEdit* startlbl;
    QLineEdit* remain;
    QLabel* messages;
};

} // namespace tsl
