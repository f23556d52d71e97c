#pragma once
// The Century Club Net import of QUARNLOG's "export.inf": the band and mode, power and QTH
// chosen here go to every QSO of the file.

#include <QWidget>

#include <functional>

class QComboBox;

namespace tsl {

struct AppState;
class Dialogs;
class StatusLine;

class ccnquarnimport : public QWidget {
    Q_OBJECT
  public:
    // redraw shows the end of the log in the main window's grid.
    ccnquarnimport(AppState& state, Dialogs& dialogs, StatusLine& status,
                   std::function<void()> redraw, QWidget* parent);

    void ccnquarnimport_Form_Load();
    void ccnquarnimport_doit_Click();
    void ccnquarnimport_dont_Click();

  private:
    void pickquarnfile();

    AppState& state_;
    Dialogs& dialogs_;
    StatusLine& status_;
    std::function<void()> redraw_;
    int bandmodechoice = 0;
    int qthchoice = 0;
    int powerchoice = 0;
    QComboBox* bandmode;
    QComboBox* powercombo;
    QComboBox* qthcombo;
};

} // namespace tsl
