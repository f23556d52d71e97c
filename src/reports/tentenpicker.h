#pragma once
// The Ten-Ten report picker: twelve reports of the Ten-Ten awards, one chosen by option
// button and run by Continue; the picker stays open until Return.

#include "gridpicker.h"
#include "tenten.h"

#include <QWidget>

#include <array>

class QRadioButton;

namespace tsl {

struct AppState;

class tentenpicker : public QWidget {
    Q_OBJECT
  public:
    // show hands each report made to the report window.
    tentenpicker(const AppState& state, reportshower show, QWidget* parent);

    void tentenpicker_Form_Load();
    void tentenpicker_continue_Click();
    void tentenpicker_return_Click();

  private:
    // Shows the chapters form, loading it first when it is not open.
    void openchapters();

    const AppState& state_;
    reportshower show_;
    std::array<QRadioButton*, tentenoptions> report{};
};

} // namespace tsl
