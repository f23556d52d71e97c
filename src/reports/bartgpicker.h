#pragma once
// The BARTG award picker: an award and a band chosen by option buttons, then Do Report
// runs the report; the picker stays open until Return.

#include "bartg.h"
#include "gridpicker.h"

#include <QWidget>

#include <array>

class QRadioButton;

namespace tsl {

struct AppState;
class Dialogs;

class BARTGpicker : public QWidget {
    Q_OBJECT
  public:
    // show hands each report made to the report window.
    BARTGpicker(const AppState& state, Dialogs& dialogs, reportshower show, QWidget* parent);

    void BARTGpicker_Form_Load();
    // The awards counted without bands take "All Bands"; the others may choose a band.
    void BARTGpicker_award_Click(int index);
    void BARTGpicker_doreport_Click();
    void BARTGpicker_goback_Click();

  private:
    static constexpr int allbandsoption = 9;

    const AppState& state_;
    Dialogs& dialogs_;
    reportshower show_;
    std::array<QRadioButton*, bartgawards> award{};
    std::array<QRadioButton*, allbandsoption + 1> bands{};
};

} // namespace tsl
