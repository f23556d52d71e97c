#pragma once
// What the net report pickers share: a window that stays open while the operator runs one
// report after another, the Return and Continue buttons at its foot, and the way a report
// goes to the report window.

#include "reports/report.h"

#include <QWidget>

#include <functional>

class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace tsl {

struct AppState;
class StatusLine;

// An option button of a picker under its program name.
QRadioButton* option(QWidget* parent, const QString& name, const char* caption);

class reportpicker : public QWidget {
    Q_OBJECT
  protected:
    // status is the main window's status line; show takes each report to the report window.
    reportpicker(const AppState& state, StatusLine& status, std::function<void(const Report&)> show,
                 const char* name, QWidget* parent);

    // Puts Return and Continue below the form's other controls.
    void addbuttons(QVBoxLayout* layout, std::function<void()> returnclick,
                    std::function<void()> continueclick);
    // The caption of a freshly loaded picker: the program title and the own call.
    void showcaption();
    // "Preparing report" in the status line, then the report in the report window.
    void present(const Report& report);

    const AppState& state_;

  private:
    StatusLine& status_;
    std::function<void(const Report&)> show_;
    QPushButton* goback = nullptr;
    QPushButton* continuebutton = nullptr;
};

} // namespace tsl
