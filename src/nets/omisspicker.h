#pragma once
// The OMISS picker: a band and one of the OMISS reports, run with Continue as often as the
// operator likes; Return closes it.

#include "reportpicker.h"

#include <array>

class QRadioButton;

namespace tsl {

class omisspicker : public reportpicker {
    Q_OBJECT
  public:
    // status is the main window's status line; show takes each report to the report window.
    omisspicker(const AppState& state, StatusLine& status, std::function<void(const Report&)> show,
                QWidget* parent = nullptr);

    void omisspicker_Form_Load();
    void omisspicker_continue_Click();
    void omisspicker_goback_Click();

    // True when the last report ran over all bands.
    bool allbandsflag() const { return allbandsflag_; }

  private:
    bool allbandsflag_ = false;

    std::array<QRadioButton*, 15> report{}; // no report 8
    QRadioButton* allbands;
    QRadioButton* band10;
    QRadioButton* band15;
    QRadioButton* band17;
    QRadioButton* band20;
    QRadioButton* band40;
    QRadioButton* band80;
    QRadioButton* band160;
};

} // namespace tsl
