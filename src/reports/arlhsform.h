#pragma once
// The ARLHS lighthouse reports form: a report chosen by option button (and a country for
// the lighthouses by country), then Do Report runs it. It stays open until Return.

#include "gridpicker.h"

#include <QWidget>

#include <array>
#include <cstdint>

class QListWidget;
class QRadioButton;

namespace tsl {

struct AppState;
class StatusLine;

class arlhsform : public QWidget {
    Q_OBJECT
  public:
    arlhsform(AppState& state, StatusLine& status, reportshower show, QWidget* parent);

    void arlhsform_Form_Load();
    void arlhsform_dxcclist_Click();
    void arlhsform_doit_Click();
    void arlhsform_goback_Click();

  private:
    AppState& state_;
    StatusLine& status_;
    reportshower show_;
    std::array<QRadioButton*, 13> repno{};
    QListWidget* dxcclist;
    int16_t chosenreport = 0;
    int16_t chosencountry = 0; // 0 until a country is clicked
};

} // namespace tsl
