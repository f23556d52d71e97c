#include "core/qsofile.h"
#include "mainwindow/logbook.h"
#include "mainwindow/startup.h"
#include "platform/codepage.h"
#include "platform/fileio.h"
#include "platform/flexgrid.h"
#include "support/localserver.h"
#include "support/logfixture.h"
#include "support/scriptedhamcallcd.h"
#include "support/scriptedqrzcd.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

// A program folder holding a log of n QSOs, numbered in their call signs, started up.
struct LogOnScreen : ::testing::Test, LoadedLog {
    LocalInternet internet;
    ScriptedQrzCd qrzcd;
    ScriptedHamCallCd hamcallcd;
    std::unique_ptr<logbook> window;
    FlexGrid* grid = nullptr;

    void start(int n) {
        for (int i = 1; i <= n; ++i) {
            qsorecord q = qso("Q" + std::to_string(i));
            q.band = static_cast<int16_t>(2 + i % 10);
            append(q);
        }
        writeqsofile(*s, status, dialogs);
        folder.write("qsldata.ini", "1,\"\"\r\n");
        s = std::make_unique<AppState>();
        s->localnow = [] { return QDateTime(QDate(2024, 8, 25), QTime(14, 30)); };
        dialogs.shown.clear();
        window = Main(*s, dialogs, internet, qrzcd, hamcallcd, folder.path());
        ASSERT_NE(window, nullptr);
        grid = window->findChild<FlexGrid*>("showem");
    }
    std::string call(int row) const { return fromqt(grid->text(row, 5)).substr(0, 6); }
    void trigger(const char* name) { window->findChild<QAction*>(name)->trigger(); }
    void expectrows(int first, int last, int rows) {
        EXPECT_EQ(call(1), ("Q" + std::to_string(first) + "     ").substr(0, 6));
        EXPECT_EQ(call(rows), ("Q" + std::to_string(last) + "     ").substr(0, 6));
        if (rows < 999) {
            EXPECT_EQ(grid->text(rows + 1, 5), "");
        }
    }
};

} // namespace

TEST_F(LogOnScreen, StartUpShowsTheEndOfTheLogAndPagesThroughIt) {
    start(5000);
    EXPECT_EQ(window->statustext(), "5000 records read from qsodata.dat.");
    EXPECT_TRUE(dialogs.shown.empty());
    expectrows(4014, 5000, 987);
    trigger("pgup");
    expectrows(3015, 4013, 999);
    trigger("pgdn");
    expectrows(4014, 5000, 987);
    trigger("pageend");
    expectrows(4002, 5000, 999);
    trigger("Pagebeginning");
    expectrows(1, 999, 999);
    EXPECT_EQ(readwholefile(s->apppath + "qsodata.bak"), readwholefile(s->apppath + "qsodata.dat"));
}

TEST_F(LogOnScreen, TheEntryPanelStartsFromTheNewestQso) {
    start(3);
    EXPECT_EQ(window->findChild<QComboBox*>("bandsel")->currentIndex(), 5); // 2 + 3 % 10
    EXPECT_EQ(window->findChild<QComboBox*>("modesel")->currentText(), "CW  ");
    EXPECT_EQ(window->findChild<QLineEdit*>("Power")->text(), "100");
    EXPECT_EQ(window->findChild<QLineEdit*>("rsts")->text(), "599");
    EXPECT_EQ(window->findChild<QComboBox*>("propsel")->currentText(), "Terrestrial");
    EXPECT_EQ(window->findChild<QComboBox*>("gender")->currentText(), "M");
}

TEST_F(LogOnScreen, ColumnsShowTheRecordAsTheGridLaysItOut) {
    start(1);
    EXPECT_EQ(grid->text(0, 0), "Date");
    EXPECT_EQ(grid->text(0, 18), "Popagation");
    EXPECT_EQ(grid->text(0, 30), "Entry 5");
    EXPECT_EQ(grid->text(1, 0), "08/25/2004");
    EXPECT_EQ(grid->text(1, 3), "CW  ");
    EXPECT_EQ(grid->text(1, 4), "100");
    EXPECT_EQ(grid->text(1, 10), "NO");
    EXPECT_EQ(grid->text(1, 21), "None");
    EXPECT_EQ(grid->text(1, 22), "0");

    qsorecord& q = s->qsos[1];
    q.band = 60;
    q.qth = 7;
    q.awards[0] = s->wasaward;
    q.entries[0] = 20;
    s->dateformatflag = 1;
    window->showqsorow(1, 1);
    EXPECT_EQ(grid->text(1, 0), "25/08/2004");
    EXPECT_EQ(grid->text(1, 2), "");
    EXPECT_EQ(grid->text(1, 20), "");
    EXPECT_EQ(grid->text(1, 21), "Worked All States");
    EXPECT_EQ(grid->text(1, 22), "MA Massachusetts");
}

TEST_F(LogOnScreen, WriteQsodataFileFromTheMenu) {
    start(2);
    s->qsos[2].deleted = "D";
    trigger("gowritedescfile");
    EXPECT_EQ(window->statustext(), "2 records written to qsodata.dat");
    const std::string file = *readwholefile(s->apppath + "qsodata.dat");
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 1);

    s->apppath = folder.path() + "gone/";
    trigger("gowritedescfile");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(window->statustext(), "qsodata.dat was not written.");
}

TEST_F(LogOnScreen, ResetClearsTheContactAndKeepsTheStationFields) {
    start(1);
    auto* incall = window->findChild<QLineEdit*>("incall");
    auto* comments = window->findChild<QLineEdit*>("comments");
    auto* pick = window->findChild<QComboBox*>("pickaward2");
    incall->setText("W1AW");
    comments->setText("note");
    window->findChild<QListWidget*>("callshow")->addItem("line");
    pick->setCurrentIndex(3);
    window->findChild<QLineEdit*>("awardnumber2")->show();
    s->localnow = [] { return QDateTime(QDate(2004, 12, 31), QTime(22, 30)); };
    s->gmtoffset = -5;
    window->resetqsoentry();
    EXPECT_EQ(incall->text(), "");
    EXPECT_EQ(comments->text(), "");
    EXPECT_EQ(window->findChild<QListWidget*>("callshow")->count(), 0);
    EXPECT_EQ(pick->currentIndex(), -1);
    EXPECT_FALSE(window->findChild<QLineEdit*>("awardnumber2")->isVisible());
    EXPECT_TRUE(window->findChild<QComboBox*>("awardentry2")->isVisible());
    EXPECT_EQ(window->findChild<QLineEdit*>("showdate")->text(), "01/01/2005");
    EXPECT_EQ(window->findChild<QLineEdit*>("showtime")->text(), "03:30");
    EXPECT_EQ(window->findChild<QLineEdit*>("Power")->text(), "100");
    EXPECT_EQ(window->findChild<QComboBox*>("continent")->currentIndex(), 0);
}

TEST_F(LogOnScreen, AnUnreadableLogStartsEmptyAndIsKept) {
    folder.write("qsodata.dat", "\"only\",\"three\",\"items\"\r\n");
    folder.write("qsldata.ini", "1,\"\"\r\n");
    window = Main(*s, dialogs, internet, qrzcd, hamcallcd, folder.path());
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.shown[0].text.find("line 1"), std::string::npos);
    EXPECT_EQ(s->qsocount, 0);
    EXPECT_EQ(window->statustext(), "No Records read from qsodata.dat.");
}
