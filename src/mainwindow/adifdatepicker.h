#pragma once
// The ADIF export's choice: every QSO, or the QSOs between two dates.

#include <QWidget>

class QCalendarWidget;
class QLabel;

namespace tsl {

struct AppState;
class Dialogs;
class StatusLine;

class adifdatepicker : public QWidget {
    Q_OBJECT
  public:
    adifdatepicker(AppState& state, Dialogs& dialogs, StatusLine& status, QWidget* parent);

    void adifdatepicker_Form_Load();
    void doall_Click();
    void dosome_Click();
    void nope_Click();
    // A date clicked in either calendar.
    void datechosen();
    QString messagestext() const;

  private:
    QString datetext(const QDate& date) const;

    AppState& state_;
    Dialogs& dialogs_;
    StatusLine& status_;
    QCalendarWidget* startdate;
    QCalendarWidget* enddate;
    QLabel* ms;
};

} // namespace tsl
