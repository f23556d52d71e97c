#pragma once
// The grid squares picker: band, mode, propagation and power, then Continue runs the report.
// It stays open for the next report until Return.

#include "report.h"

#include <QWidget>

#include <functional>
#include <utility>

class QComboBox;
class QGridLayout;
class QPushButton;

namespace tsl {

struct AppState;
class StatusLine;

// The band, mode, propagation and power lists of the pickers, with their labels; a list's
// position is the value passed to the report (0 "All", or "QRO" for the power).
struct pickerfilterlists {
    QComboBox* bandcombo;
    QComboBox* modecombo;
    QComboBox* propcombo;
    QComboBox* powercombo;
    // Puts the labels and lists into the layout from the given row on.
    pickerfilterlists(QWidget* form, QGridLayout* layout, int row);
    // Fills the lists from the tables and selects position 0 in each.
    void fill(const AppState& state) const;
};

// A picker's frame: the help text "Label1" above a grid layout, and the buttons "continue"
// (Continue) and "goback" (Return) at the given row of it.
QGridLayout* pickergrid(QWidget* form, const char* help);
std::pair<QPushButton*, QPushButton*> pickerbuttons(QWidget* form, QGridLayout* grid, int row);

// What the pickers do with a report: hand it to the report window.
using reportshower = std::function<void(const Report&)>;

class gridpicker : public QWidget {
    Q_OBJECT
  public:
    gridpicker(AppState& state, StatusLine& status, reportshower show, QWidget* parent);

    void gridpicker_Form_Load();
    void gridpicker_continue_Click();
    void gridpicker_goback_Click();

  private:
    AppState& state_;
    StatusLine& status_;
    reportshower show_;
    pickerfilterlists filters_;
};

} // namespace tsl
