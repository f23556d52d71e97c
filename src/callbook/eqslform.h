#pragma once
// The eQSL set-up form: switches the upload of every saved QSO on or off and holds the
// eQSL user name and password. Return applies the choice and stores it in "eqsl.ini".

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QGroupBox;

namespace tsl {

struct AppState;
class Dialogs;

class eQSLform : public QDialog {
    Q_OBJECT
  public:
    eQSLform(AppState& state, Dialogs& dialogs, QWidget* parent = nullptr);

    // The stored log-in is shown only while the upload is on.
    void eQSLform_Form_Load();
    // "Yes" stores the log-in and turns the upload on; "No" turns it off and removes the
    // file, so it stays off at the next start. A value the file cannot hold is refused and
    // the form stays open.
    void eQSLform_goback_Click();

    // Escape and the window frame leave as Return does: the choice applied, or the form
    // left open when Return would refuse the values.
    void reject() override;

  private:
    AppState& state_;
    Dialogs& dialogs_;
    QLineEdit* pw;
    QLineEdit* un;
    QPushButton* goback;
    QGroupBox* Frame1;
    QRadioButton* Option2;
    QRadioButton* Option1;
    QLabel* Label3;
    QLabel* Label2;
    QLabel* Label1;
};

} // namespace tsl
