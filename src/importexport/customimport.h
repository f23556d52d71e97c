#pragma once
// The user-defined import form: the user says how many items make one QSO record and what
// each of the first 21 holds, then picks the comma-separated file to import.

#include <QDialog>

#include <array>
#include <cstdint>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;

namespace tsl {

struct AppState;
class Dialogs;
class StatusLine;
struct csvlayout;

class customimport : public QDialog {
    Q_OBJECT
  public:
    static constexpr int fieldcombos = 21;

    // The counts of an import go to status; redraw shows the end of the log in the main
    // window's grid.
    customimport(AppState& state, Dialogs& dialogs, StatusLine& status,
                 std::function<void()> redraw, QWidget* parent);

    void customimport_Form_Load();
    // Asks for the file and imports it; the form closes after a whole file was read.
    void customimport_doit_Click();
    void customimport_goback_Click();

    int16_t fieldcount() const { return fieldcount_; }
    bool importfailed() const { return importfailed_; }
    QString statustext() const;

  private:
    csvlayout layout() const;

    AppState& state_;
    Dialogs& dialogs_;
    StatusLine& status_;
    std::function<void()> redraw_;
    int16_t fieldcount_ = 0;
    bool importfailed_ = false;
    std::array<QComboBox*, fieldcombos> myfield{};
    QLineEdit* numfields;
    QComboBox* dateformatcombo;
    QComboBox* timecombo;
    QComboBox* bandcombo;
    QComboBox* defaultqth;
    QComboBox* defaultprop;
    QComboBox* Defaultmode;
    QLineEdit* defaultpower;
    QLabel* ms;
};

} // namespace tsl
