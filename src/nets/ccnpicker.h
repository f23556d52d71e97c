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
    QRadioButton* band160;
    QRadioButton* band80;
    QRadioButton* band40;
    QRadioButton* band20;
    QRadioButton* modecw;
    QRadioButton* modessb;
    QRadioButton* modertty;
    QRadioButton* modepsk;
    std::array<QRadioButton*, 15> report{};
};

} // namespace tsl
