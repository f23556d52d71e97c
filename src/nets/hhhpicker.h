#pragma once
// The HHH Net picker: one of the eleven HHH Net reports, run with Continue as often as the
// operator likes; Return closes it.

#include "reports/report.h"

#include <QWidget>

#include <array>
#include <functional>

class QPushButton;
class QRadioButton;

namespace tsl {

struct AppState;
class StatusLine;

class hhhpicker : public QWidget {
    Q_OBJECT
  public:
    // status is the main window's status line; show takes each report to the report window.
    hhhpicker(const AppState& state, StatusLine& status, std::function<void(const Report&)> show,
              QWidget* parent = nullptr);

    void hhhpicker_Form_Load();
    void hhhpicker_continue_Click();
    void hhhpicker_goback_Click();

  private:
    const AppState& state_;
    StatusLine& status_;
    std::function<void(const Report&)> show_;

    std::array<QRadioButton*, 11> repno{};
    QPushButton* goback;
    QPushButton* continuebutton;
};

} // namespace tsl
