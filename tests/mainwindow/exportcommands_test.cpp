#include "mainwindow/adifdatepicker.h"
#include "platform/fileio.h"
#include "support/startedlog.h"

#include <QCalendarWidget>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {
struct ExportCommands : ::testing::Test, StartedLog {
    std::string file(const std::string& name) const {
        return readwholefile(folder.path() + name).value_or("<none>");
    }
};
} // namespace

TEST_F(ExportCommands, TheAdifItemAsksForTheRangeAndTheButtonsActOnClick) {
    start(3);
    ASSERT_NE(window, nullptr);
    dialogs.files = {folder.path() + "all.adi"};
    trigger("goexportadif");
    adifdatepicker* picker = window->datepicker();
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(picker->messagestext(), "Starting date is: 08/25/2024.  Ending date is: 08/25/2024");
    EXPECT_EQ(file("all.adi"), "<none>"); // nothing yet
    picker->findChild<QPushButton*>("dosome")->setFocus();
    EXPECT_EQ(file("all.adi"), "<none>"); // the focus alone does nothing
    picker->findChild<QPushButton*>("doall")->click();
    EXPECT_EQ(window->statustext(), "3 records written to ADIF file.");
    const std::string written = file("all.adi");
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 4);
}

TEST_F(ExportCommands, ADateRangeAndNoExport) {
    start(2);
    ASSERT_NE(window, nullptr);
    dialogs.files = {folder.path() + "range.adi"};
    trigger("goexportadif");
    adifdatepicker* picker = window->datepicker();
    ASSERT_NE(picker, nullptr);
    picker->findChild<QCalendarWidget*>("startdate")->setSelectedDate(QDate(2004, 8, 25));
    picker->findChild<QCalendarWidget*>("enddate")->setSelectedDate(QDate(2004, 8, 25));
    picker->datechosen();
    EXPECT_EQ(picker->messagestext(), "Starting date is: 08/25/2004 Ending date is: 08/25/2004");
    picker->findChild<QPushButton*>("dosome")->click();
    EXPECT_EQ(window->statustext(), "2 records written to ADIF file.");

    dialogs.files = {folder.path() + "none.adi"};
    trigger("goexportadif");
    window->datepicker()->findChild<QPushButton*>("nope")->click();
    EXPECT_EQ(file("none.adi"), "<none>");
}

TEST_F(ExportCommands, TheIotaItemWritesTheList) {
    start(1);
    ASSERT_NE(window, nullptr);
    s->qsos[1].awards[0] = s->iotaafricaaward;
    dialogs.files = {folder.path() + "iota.txt"};
    trigger("goexportiota");
    EXPECT_EQ(window->statustext(), "1 records written to IOTA file.");
    EXPECT_EQ(file("iota.txt").substr(0, 10), "AF-001 Q1 ");
    dialogs.files = {std::nullopt};
    trigger("goexportiota"); // cancelled
    EXPECT_EQ(window->statustext(), "1 records written to IOTA file.");
}
