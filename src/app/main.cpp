// Tessalog: the program starts here and runs its window event loop.

#include "core/state.h"
#include "mainwindow/logbook.h"
#include "mainwindow/startup.h"
#include "platform/hamcallcd.h"
#include "platform/qrzcd.h"
#include "platform/qtdialogs.h"
#include "platform/qtinternet.h"

#include <QApplication>

#include <clocale>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Numbers in our files always take a decimal point, whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    auto state = std::make_unique<tsl::AppState>();
    tsl::QtDialogs dialogs;
    tsl::QtInternet internet;
    tsl::AbsentQrzCd qrzcd;
    tsl::AbsentHamCallCd hamcallcd;
    const std::string apppath =
        QCoreApplication::applicationDirPath().toLocal8Bit().toStdString() + "/";
    auto window = tsl::Main(*state, dialogs, internet, qrzcd, hamcallcd, apppath);
    if (!window) return 1;
    dialogs.setparent(window.get());
    return QApplication::exec();
}
