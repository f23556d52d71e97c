#pragma once
// The picker of the DXCC have/need, QSOs-by-entity, number-award and entry-award reports:
// a country or an award, and the band, mode, propagation and power filters. The kind it
// serves is the mode flag the menu set; each report goes to the report window.

#include "report.h"

#include <QWidget>

#include <functional>

class QComboBox;
class QLabel;
class QListWidget;

namespace tsl {

struct AppState;

class awardpicker : public QWidget {
    Q_OBJECT
  public:
    // show receives every report made.
    awardpicker(AppState& state, std::function<void(const Report&)> show,
                QWidget* parent = nullptr);

    void Form_Load();
    // Lists the countries or awards of the kind now set, with its instruction.
    void filllist();
    void doreport_Click();
    // Clears the four mode flags and closes the picker.
    void goback_Click();

  private:
    AppState& state_;
    std::function<void(const Report&)> show_;
    QComboBox* powercombo;
    QComboBox* propcombo;
    QComboBox* bandcombo;
    QComboBox* modecombo;
    QListWidget* showem;
    QLabel* blurb;
};

} // namespace tsl
