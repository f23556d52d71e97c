#pragma once
// The about box: program title, version and the own call.

#include <QDialog>

class QLabel;

namespace tsl {

struct AppState;
class Dialogs;

class abouttsl : public QDialog {
    Q_OBJECT
  public:
    explicit abouttsl(AppState& state, QWidget* parent = nullptr);

    void abouttsl_Form_Load();
    void abouttsl_cmdOK_Click();

  private:
    AppState& state_;
    QLabel* lblTitle;
    QLabel* lblVersion;
};

void showabout(AppState& state, Dialogs& dialogs, QWidget* parent);

} // namespace tsl
