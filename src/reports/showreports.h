#pragma once
// The report window: the lines of the last reports in a fixed-pitch font, printed or written
// to a text file on request.

#include "report.h"

#include <QWidget>

#include <functional>

class QListView;
class QPushButton;
class QStringListModel;

namespace tsl {

struct AppState;
class Dialogs;

class showreports : public QWidget {
    Q_OBJECT
  public:
    // clearstatus empties the main window's status text when the window loads and whenever
    // a report has been put into it.
    showreports(AppState& state, Dialogs& dialogs, std::function<void()> clearstatus,
                QWidget* parent = nullptr);

    // The report's font size becomes the one the window loads with and prints at, where
    // the report sets it.
    static void takereportsize(AppState& state, const Report& report);

    void Form_Load();
    // Takes a report's lines as its generator says: a fresh list or below the last report.
    void addreport(const Report& report);
    void goback_Click();
    void printit_Click();
    void todisk_Click();

    std::vector<std::string> lines() const;
    int listfontsize() const;

  private:
    AppState& state_;
    Dialogs& dialogs_;
    std::function<void()> clearstatus_;
    QListView* showem;
    QStringListModel* model_;
    QPushButton* todisk;
    QPushButton* printit;
    QPushButton* goback;
};

} // namespace tsl
