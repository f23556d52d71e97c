#include "core/state.h"
#include "mainwindow/logbook.h"
#include "support/localserver.h"
#include "support/scripteddialogs.h"

#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

using namespace tsl;
using namespace tsl::test;

namespace {

struct Logbook : ::testing::Test {
    ScriptedDialogs dialogs;
    LocalInternet internet;
    std::unique_ptr<AppState> s = std::make_unique<AppState>();
    std::unique_ptr<logbook> window;
    Logbook() {
        s->localnow = [] { return QDateTime(QDate(2024, 8, 25), QTime(14, 30)); };
        window = std::make_unique<logbook>(*s, dialogs, internet);
    }
};

} // namespace

TEST_F(Logbook, LoadFillsDateAndTimeAndHidesTheNumberBoxes) {
    window->logbook_Form_Load();
    window->show();
    EXPECT_EQ(window->findChild<QLineEdit*>("showdate")->text(), "08/25/2024");
    EXPECT_EQ(window->findChild<QLineEdit*>("showtime")->text(), "14:30");
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(window->findChild<QLineEdit*>(QString("awardnumber%1").arg(i))->isVisible());
}

TEST_F(Logbook, ButtonsRunTheirMenuCommands) {
    for (const char* name : {"qsosaver", "deleteqso", "ignorechanges", "quiter", "gohelp"})
        EXPECT_TRUE(window->findChild<QPushButton*>(name)->isEnabled()) << name;
    window->findChild<QPushButton*>("qsosaver")->click();
    EXPECT_EQ(window->statustext(), "No Call Entered");
    window->findChild<QPushButton*>("deleteqso")->click();
    EXPECT_EQ(window->statustext(), "No QSO to delete: click the QSO in the grid first.");
}
