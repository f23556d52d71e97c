#pragma once
// The call-book source form: which call book the lookups use, the folder of the HamCall CD
// data, and the log-ins of the two online services. Return stores the choice in
// "qsldata.ini"; choosing an online service asks for its log-in and stores it at once.

#include <QDialog>

#include <array>
#include <string>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace tsl {

struct AppState;
class Dialogs;
class DirectoryList;
class DriveList;
class InternetAccess;
class QrzCdLibrary;

class pickqsldata : public QDialog {
    Q_OBJECT
  public:
    pickqsldata(AppState& state, Dialogs& dialogs, InternetAccess& internet, QrzCdLibrary& qrzcd,
                QWidget* parent = nullptr);

    // Shows the source in use; for the HamCall CD its folder, which must be there.
    void pickqsldata_Form_Load();
    // The QRZ CD is looked for at once; an online service asks for its log-in and stores it
    // (QRZ online then logs in).
    void pickqsldata_source_Click(int index);
    void pickqsldata_usedrive_Change();
    void pickqsldata_usepath_Change();
    // Takes a folder typed into the directory list's box first, then stores the source and
    // the folder shown in "qsldata.ini" and closes. A folder that cannot be shown, or one
    // whose name the file cannot hold, keeps the form open.
    void pickqsldata_goback_Click();

    // Return is the only way out: Escape and the window's frame do what it does.
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The folder typed into the directory list's box, shown; false after saying why not.
    bool applytypedpath();
    // Asks for an online service's log-in and stores it in its file; false when the
    // values were refused and nothing changed.
    bool asklogin(const char* service, const std::string& file, std::string& user,
                  std::string& password);
    void runqrzcdcheck();
    void say(const std::string& text);

    AppState& state_;
    Dialogs& dialogs_;
    InternetAccess& internet_;
    QrzCdLibrary& qrzcd_;
    bool formloading = false;
    bool closing_ = false;

    QLabel* ms;
    DriveList* usedrive;
    DirectoryList* usepath;
    QPushButton* goback;
    QGroupBox* Frame1;
    std::array<QRadioButton*, 6> source{};
    QLabel* Label1;
    QLabel* nowselect;
};

} // namespace tsl
