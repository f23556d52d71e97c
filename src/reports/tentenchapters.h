#pragma once
// The Ten-Ten chapters form: the chapters of "Ten Ten Chapters"; a click on one shows the
// QSOs credited to it. It stays open until Return.

#include "gridpicker.h"

#include <QWidget>

class QListWidget;

namespace tsl {

struct AppState;

class tentenchapters : public QWidget {
    Q_OBJECT
  public:
    // show hands each chapter report to the report window.
    tentenchapters(const AppState& state, reportshower show, QWidget* parent);

    void tentenchapters_Form_Load();
    // Shows the report of the chapter selected; nothing without a selection.
    void tentenchapters_showem_Click();
    void tentenchapters_goback_Click();

  private:
    const AppState& state_;
    reportshower show_;
    QListWidget* showem;
};

} // namespace tsl
