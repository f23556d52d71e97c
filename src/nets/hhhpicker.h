#pragma once
// The HHH Net picker: one of the eleven HHH Net reports, run with Continue as often as the
// operator likes; Return closes it.

#include "reportpicker.h"

#include <array>

class QRadioButton;

namespace tsl {

class hhhpicker : public reportpicker {
    Q_OBJECT
  public:
    // status is the main window's status line; show takes each report to the report window.
    hhhpicker(const AppState& state, StatusLine& status, std::function<void(const Report&)> show,
              QWidget* parent = nullptr);

    void hhhpicker_Form_Load();
    void hhhpicker_continue_Click();
    void hhhpicker_goback_Click();

  private:
    std::array<QRadioButton*, 11> repno{};
};

} // namespace tsl
