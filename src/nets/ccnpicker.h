#pragma once
// The Century Club Net picker: one band, one mode and one of fifteen reports; Continue runs
// the report into the report window and the picker stays open until Return.

#include <QWidget>

#include <array>
#include <functional>

class QRadioButton;

namespace tsl {

struct AppState;
struct Report;
class StatusLine;

class ccnpicker : public QWidget {
    Q_OBJECT
  public:
    // showreport puts a finished report into the report window.
    ccnpicker(AppState& state, StatusLine& status, std::function<void(const Report&)> showreport,
              QWidget* parent = nullptr);

    void ccnpicker_Form_Load();
    void ccnpicker_continue_Click();
    void ccnpicker_goback_Click();

  private:
    AppState& state_;
    StatusLine& status_;
    std::function<void(const Report&)> showreport_;
    std::array<QRadioButton*, 4> bands{}; // band160, band80, band40, band20
    std::array<QRadioButton*, 4> modes{}; // modecw, modessb, modertty, modepsk
    std::array<QRadioButton*, 15> report{};
};

} // namespace tsl
