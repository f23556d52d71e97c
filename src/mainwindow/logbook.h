#pragma once
// The main window: the QSO entry panel, the QSO grid, the call-book list, the status bar
// and the command buttons. Controls carry their program names as object names.

#include <QMainWindow>

#include <array>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tsl {

struct AppState;
class Dialogs;
class FlexGrid;

class logbook : public QMainWindow {
    Q_OBJECT
  public:
    static constexpr int gridrows = 1000;
    static constexpr int gridcols = 31;
    static constexpr int slotcount = 5;

    logbook(AppState& state, Dialogs& dialogs, QWidget* parent = nullptr);

    // Runs once, when start-up first names the window.
    void logbook_Form_Load();

    // What start-up applies once the settings and the tables are loaded.
    void applysettings();
    void filltablelists();
    void fillawardlists();
    void filldxcclist();

    // Panel 1 of the status bar.
    void setstatus(const std::string& text);
    std::string statustext() const;

    FlexGrid* grid() const { return showem; }

  private:
    void buildentrypanel(QWidget* panel);
    void buildbuttons(QWidget* panel);

    AppState& state_;
    Dialogs& dialogs_;

    QLineEdit* showdate;
    QLineEdit* showtime;
    QLineEdit* incall;
    QComboBox* bandsel;
    QComboBox* modesel;
    QComboBox* propsel;
    QLineEdit* Power;
    QLineEdit* via;
    QLineEdit* rsts;
    QLineEdit* rstr;
    QComboBox* qsls;
    QComboBox* qslr;
    QComboBox* dxcccombo;
    QLineEdit* ituz;
    QLineEdit* cqz;
    QComboBox* continent;
    QComboBox* gender;
    QComboBox* qthcombo;
    QLineEdit* gs;
    QComboBox* wabcombo;
    QLineEdit* comments;
    std::array<QComboBox*, slotcount> pickaward{};
    std::array<QLineEdit*, slotcount> awardnumber{};
    std::array<QComboBox*, slotcount> awardentry{};
    QLineEdit* distance;
    QLineEdit* direction;
    QLabel* Distancemeasure;
    QListWidget* callshow;
    FlexGrid* showem;
    QLabel* ms;
    QPushButton* qsosaver;
    QPushButton* deleteqso;
    QPushButton* ignorechanges;
    QPushButton* quiter;
    QPushButton* gohelp;
};

} // namespace tsl
