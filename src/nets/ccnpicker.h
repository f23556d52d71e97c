#pragma once
// The Century Club Net picker: one band, one mode and one of fifteen reports; Continue runs
// the report into the report window and the picker stays open until Return.

#include "reportpicker.h"

#include <array>

class QRadioButton;

namespace tsl {

class ccnpicker : public reportpicker {
    Q_OBJECT
  public:
    // status is the main window's status line; show takes each report to the report window.
    ccnpicker(const AppState& state, StatusLine& status, std::function<void(const Report&)> show,
              QWidget* parent = nullptr);

    void ccnpicker_Form_Load();
    void ccnpicker_continue_Click();
    void ccnpicker_goback_Click();

  private:
    std::array<QRadioButton*, 4> bands{}; // band160, band80, band40, band20
    std::array<QRadioButton*, 4> modes{}; // modecw, modessb, modertty, modepsk
    std::array<QRadioButton*, 15> report{};
};

} // namespace tsl
