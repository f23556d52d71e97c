#pragma once
// The choice of the awards to track. Implementing it rewrites "awards.dat" with the chosen
// awards only and reads the log again, so the slots of awards left out are lost.

#include "platform/statusline.h"

#include <QDialog>

#include <vector>

class QLabel;
class QListWidget;
class QListWidgetItem;

namespace tsl {

struct AppState;
class Dialogs;
class logbook;

class awardsform : public QDialog, public StatusLine {
    Q_OBJECT
  public:
    awardsform(AppState& state, Dialogs& dialogs, logbook& window, QWidget* parent = nullptr);

    // Lists every loaded award, checked, so implementing at once keeps them all.
    void awardsform_Form_Load();
    // After a check changes: applies the county group and shows the count.
    void awardsform_showem_Click();
    void awardsform_quit_Click();
    void awardsform_ignore_Click();

    // True when the rewritten awards file could not be read: the program cannot go on.
    bool programmustend() const { return programmustend_; }

    void setstatus(const std::string& text) override;

  private:
    // Writes the new awards file, keeping the old one as "awards.bak"; false (with a
    // message) when nothing was replaced.
    bool writeawardsfile();
    void showcount();

    AppState& state_;
    Dialogs& dialogs_;
    logbook& window_;
    std::vector<bool> chosen_; // what the list showed after the last change
    bool programmustend_ = false;

    QListWidget* showem;
    QLabel* Label1;
    QLabel* ms;
};

} // namespace tsl
