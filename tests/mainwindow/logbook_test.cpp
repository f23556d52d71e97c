#include "core/state.h"
#include "mainwindow/logbook.h"
#include "platform/flexgrid.h"
#include "support/localserver.h"
#include "support/scripteddialogs.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

#include <map>
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

TEST_F(Logbook, TextBoxesTakeAtMostTheirLengths) {
    const std::map<std::string, int> lengths = {
        {"showdate", 10}, {"showtime", 5},     {"incall", 12},     {"Power", 10}, {"via", 12},
        {"rsts", 3},      {"rstr", 3},         {"ituz", 2},        {"cqz", 2},    {"gs", 6},
        {"comments", 60}, {"awardnumber0", 9}, {"awardnumber4", 9}};
    for (const auto& [name, length] : lengths) {
        auto* box = window->findChild<QLineEdit*>(QString::fromStdString(name));
        ASSERT_NE(box, nullptr) << name;
        EXPECT_EQ(box->maxLength(), length) << name;
        box->setText(QString(length + 5, 'X'));
        EXPECT_EQ(box->text().size(), length) << name;
    }
}

TEST_F(Logbook, ControlsCarryTheirToolTips) {
    EXPECT_EQ(window->findChild<QLineEdit*>("incall")->toolTip(), "Enter call");
    EXPECT_EQ(window->findChild<QComboBox*>("qsls")->toolTip(), "Did yu send a card?");
    EXPECT_EQ(window->findChild<QLineEdit*>("gs")->toolTip(), "Enter Grid Square XX99xx");
    EXPECT_EQ(window->findChild<QLineEdit*>("direction")->toolTip(), "Heading will be calculated ");
    EXPECT_EQ(window->findChild<QComboBox*>("pickaward2")->toolTip(), "Select Award");
    EXPECT_EQ(window->findChild<QComboBox*>("awardentry2")->toolTip(), "Select award entry");
    EXPECT_NE(window->findChild<QListWidget*>("callshow"), nullptr);
    EXPECT_EQ(window->findChild<QWidget*>("ms")->toolTip(), "Various messages are displayed here");
    const std::map<std::string, std::string> buttons = {{"qsosaver", "Save QSO"},
                                                        {"deleteqso", "Delete QSO"},
                                                        {"ignorechanges", "Ignore QSO"},
                                                        {"quiter", "Quit"},
                                                        {"gohelp", "Help"}};
    for (const auto& [name, caption] : buttons) {
        auto* b = window->findChild<QPushButton*>(QString::fromStdString(name));
        ASSERT_NE(b, nullptr) << name;
        EXPECT_EQ(b->text().toStdString(), caption);
    }
}

TEST_F(Logbook, LoadFillsDateTimeAndTheQslListsAndHidesTheNumberBoxes) {
    window->logbook_Form_Load();
    window->show();
    EXPECT_EQ(window->findChild<QLineEdit*>("showdate")->text(), "08/25/2024");
    EXPECT_EQ(window->findChild<QLineEdit*>("showtime")->text(), "14:30");
    for (const char* name : {"qsls", "qslr"}) {
        auto* box = window->findChild<QComboBox*>(name);
        ASSERT_EQ(box->count(), 2);
        EXPECT_EQ(box->itemText(0), "NO");
        EXPECT_EQ(box->itemText(1), "YES");
    }
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(window->findChild<QLineEdit*>(QString("awardnumber%1").arg(i))->isVisible());
}

TEST_F(Logbook, TheQsoGridHasAThousandRowsOfThirtyOneColumns) {
    auto* grid = window->findChild<FlexGrid*>("showem");
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->rows(), 1000);
    EXPECT_EQ(grid->cols(), 31);
}

TEST_F(Logbook, ButtonsRunTheirMenuCommands) {
    for (const char* name : {"qsosaver", "deleteqso", "ignorechanges", "quiter", "gohelp"})
        EXPECT_TRUE(window->findChild<QPushButton*>(name)->isEnabled()) << name;
    window->findChild<QPushButton*>("qsosaver")->click();
    EXPECT_EQ(window->statustext(), "No Call Entered");
    window->findChild<QPushButton*>("deleteqso")->click();
    EXPECT_EQ(window->statustext(), "No QSO to delete: click the QSO in the grid first.");
}

TEST_F(Logbook, StatusPanelHoldsTheLastMessage) {
    window->setstatus("first");
    window->setstatus("QSO added. 5001 QSOs");
    EXPECT_EQ(window->statustext(), "QSO added. 5001 QSOs");
}
