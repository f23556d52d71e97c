#pragma once
// The Worked All Britain picker: the country part and the filters, then Continue runs the
// report. It stays open for the next report until Return.

#include "gridpicker.h"

#include <QWidget>

class QComboBox;

namespace tsl {

struct AppState;
class StatusLine;

class wabpicker : public QWidget {
    Q_OBJECT
  public:
    wabpicker(AppState& state, StatusLine& status, reportshower show, QWidget* parent);

    void wabpicker_Form_Load();
    void wabpicker_continue_Click();
    void wabpicker_goback_Click();

  private:
    AppState& state_;
    StatusLine& status_;
    reportshower show_;
    QComboBox* reportcombo;
    pickerfilterlists filters_;
};

} // namespace tsl
