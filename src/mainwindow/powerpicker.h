#pragma once
// The power choice asked before every report that can be limited to QRP QSOs.

#include <QDialog>

class QComboBox;

namespace tsl {

struct AppState;
class Dialogs;

class powerpicker : public QDialog {
    Q_OBJECT
  public:
    explicit powerpicker(AppState& state, QWidget* parent = nullptr);

    void powerpicker_Form_Load();
    // Only Continue records the choice; closing the window keeps the previous one.
    void powerpicker_doit_Click();

  private:
    AppState& state_;
    QComboBox* powercombo;
};

// Asks for QRO or QRP in a fresh window and returns when it closes; the choice is in
// state.qrpflag.
void choosepower(AppState& state, Dialogs& dialogs, QWidget* parent);

} // namespace tsl
