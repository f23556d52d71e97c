#pragma once
// The US counties form: the QSOs to count (one net or all), the kind of report and the
// power class, and Do Report.

#include "report.h"

#include <QWidget>

#include <array>
#include <functional>

class QComboBox;
class QRadioButton;

namespace tsl {

struct AppState;

class countyhunters : public QWidget {
    Q_OBJECT
  public:
    // show hands each report made to the report window.
    countyhunters(const AppState& state, std::function<void(const Report&)> show,
                  QWidget* parent = nullptr);

    void countyhunters_Form_Load();
    // Runs the report on the options chosen; an option group with none chosen counts as 0.
    void doreport_Click();
    void return_Click();

  private:
    const AppState& state_;
    std::function<void(const Report&)> show_;
    QComboBox* powercombo;
    std::array<QRadioButton*, 3> reporttype{};
    std::array<QRadioButton*, 5> limit{};
};

} // namespace tsl
