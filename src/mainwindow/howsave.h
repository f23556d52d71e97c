#pragma once
// The question how an edited QSO is saved: as an update of the loaded QSO or as a new one.

#include <QDialog>

namespace tsl {

struct AppState;

class howsave : public QDialog {
    Q_OBJECT
  public:
    explicit howsave(AppState& state, QWidget* parent = nullptr);
    // Keeps the edit state: the loaded QSO is updated.
    void howsave_saveasnew_Click();
    // Ends the edit state: the panel is saved as a new QSO.
    void howsave_saveasupdate_Click();

  private:
    AppState& state_;
};

} // namespace tsl
