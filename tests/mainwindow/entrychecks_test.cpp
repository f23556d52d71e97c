#include "mainwindow/entryrules.h"
#include "mainwindow/logbook.h"
#include "mainwindow/startup.h"
#include "platform/codepage.h"
#include "support/datafiles.h"
#include "support/localserver.h"
#include "support/logfixture.h"
#include "support/scriptedhamcallcd.h"
#include "support/scriptedqrzcd.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

struct EntryChecks : ::testing::Test, LoadedLog {
    LocalInternet internet;
    ScriptedQrzCd qrzcd;
    ScriptedHamCallCd hamcallcd;
    std::unique_ptr<logbook> window;

    void SetUp() override {
        folder.write("qsldata.ini", "1,\"\"\r\n");
        s = std::make_unique<AppState>();
        s->localnow = [] { return QDateTime(QDate(2024, 8, 25), QTime(14, 30)); };
        window = Main(*s, dialogs, internet, qrzcd, hamcallcd, folder.path());
        ASSERT_NE(window, nullptr);
        window->activateWindow();
    }
    QLineEdit* edit(const char* name) { return window->findChild<QLineEdit*>(name); }
    QComboBox* combo(const char* name) { return window->findChild<QComboBox*>(name); }
    QStringList lines() {
        QStringList l;
        auto* list = window->findChild<QListWidget*>("callshow");
        for (int i = 0; i < list->count(); ++i)
            l << list->item(i)->text();
        return l;
    }
};

} // namespace

TEST_F(EntryChecks, DateBoxIsNormalisedOrResetWithAMessage) {
    edit("showdate")->setText("1/2/04");
    window->showdate_LostFocus();
    EXPECT_EQ(edit("showdate")->text(), "01/02/2004");
    EXPECT_EQ(window->statustext(), "");
    edit("showdate")->setText("13/45/2004");
    window->showdate_LostFocus();
    EXPECT_EQ(edit("showdate")->text(), "08/25/2024");
    EXPECT_EQ(window->statustext(), "Error in date. Reenter the date.");
    EXPECT_FALSE(window->entryrules().pending("showdate"));
}

TEST_F(EntryChecks, TimeAndGridSquareBoxes) {
    edit("showtime")->setText("930");
    window->showtime_LostFocus();
    EXPECT_EQ(edit("showtime")->text(), "09:30");
    edit("showtime")->setText("2575");
    window->showtime_LostFocus();
    EXPECT_EQ(edit("showtime")->text(), "14:30");
    EXPECT_EQ(window->statustext(), "Error in time. Reenter the time.");

    edit("gs")->setText("fn20XA");
    window->gs_LostFocus();
    EXPECT_EQ(edit("gs")->text(), "FN20xa");
    edit("gs")->setText("FN2");
    window->gs_LostFocus();
    EXPECT_EQ(edit("gs")->text(), "FN2");
    EXPECT_EQ(window->statustext(),
              "Format for Grid Squares is XX99 or XX99xx, four or six characters");
}

TEST_F(EntryChecks, LeavingTheModeListSetsDefaultReports) {
    edit("rsts")->setText("449");
    combo("modesel")->setCurrentIndex(4); // FM keeps what was typed
    window->modesel_LostFocus();
    EXPECT_EQ(edit("rsts")->text(), "449");
    combo("modesel")->setCurrentIndex(1);
    window->modesel_LostFocus();
    EXPECT_EQ(edit("rsts")->text(), "599");
    EXPECT_EQ(edit("rstr")->text(), "599");
    combo("modesel")->setCurrentIndex(2);
    window->modesel_LostFocus();
    EXPECT_EQ(edit("rstr")->text(), "59");
}

TEST_F(EntryChecks, TheDxccLookupFillsThePanel) {
    window->dxcclookup("W1AW");
    EXPECT_EQ(combo("dxcccombo")->currentText(), "United States of America");
    EXPECT_EQ(combo("continent")->currentText(), "NA");
    EXPECT_EQ(edit("ituz")->text(), "??");
    EXPECT_EQ(edit("cqz")->text(), "??");
    const QStringList l = lines();
    ASSERT_EQ(l.size(), 3);
    EXPECT_EQ(l[0], "United States of America");
    EXPECT_TRUE(l[1].startsWith("Multiple ITU Zones: "));
    EXPECT_TRUE(l[2].startsWith("Multiple CQ Zones: "));

    window->dxcclookup("W1AW/MM");
    EXPECT_EQ(combo("dxcccombo")->currentIndex(), 0);
    EXPECT_EQ(combo("continent")->currentIndex(), 0);
    EXPECT_EQ(edit("ituz")->text(), "");
    EXPECT_EQ(lines().last(), "None");
}

TEST_F(EntryChecks, ChoosingAnEntityFillsContinentAndZones) {
    auto* dxcc = combo("dxcccombo");
    dxcc->setCurrentIndex(dxcc->findText("Canada"));
    window->dxcccombo_LostFocus();
    EXPECT_EQ(combo("continent")->currentText(), "NA");
    EXPECT_EQ(edit("cqz")->text(), "??");
    EXPECT_TRUE(lines().last().startsWith("Multiple CQ Zones: "));
    dxcc->setCurrentIndex(-1);
    edit("cqz")->setText("5");
    window->dxcccombo_LostFocus();
    EXPECT_EQ(edit("cqz")->text(), "5");
}

TEST_F(EntryChecks, AnAwardSlotShowsItsEntriesOrItsNumberBox) {
    window->show();
    QApplication::processEvents();
    auto* pick = combo("pickaward2");
    pick->setCurrentIndex(s->wasaward);
    auto* entries = combo("awardentry2");
    ASSERT_EQ(entries->count(), 50);
    EXPECT_EQ(entries->itemText(20), "MA Massachusetts");
    EXPECT_EQ(entries->currentIndex(), -1);
    EXPECT_TRUE(entries->isVisible());
    EXPECT_FALSE(edit("awardnumber2")->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), entries);

    edit("awardnumber2")->setText("stale");
    pick->setCurrentIndex(s->tentenaward);
    EXPECT_TRUE(edit("awardnumber2")->isVisible());
    EXPECT_FALSE(entries->isVisible());
    EXPECT_EQ(edit("awardnumber2")->text(), "");
    EXPECT_EQ(QApplication::focusWidget(), edit("awardnumber2"));

    window->modalformopen = true;
    edit("incall")->setFocus();
    pick->setCurrentIndex(s->statecapitalsaward);
    EXPECT_EQ(QApplication::focusWidget(), edit("incall"));
    EXPECT_EQ(entries->itemText(0), "AL Montgomery");
}

TEST_F(EntryChecks, AnEntityListOfASharedPrefixSaysSo) {
    folder.write("dxcc.dat", dxccline("A", {"XX"}, " ", "Alpha", 2) +
                                 dxccline("B", {"XX"}, " ", "Beta", 3, "AF"));
    window.reset();
    s = std::make_unique<AppState>();
    window = Main(*s, dialogs, internet, qrzcd, hamcallcd, folder.path());
    ASSERT_NE(window, nullptr);
    window->dxcclookup("XX1AB");
    EXPECT_EQ(lines(), (QStringList{"Alpha", "Beta", "Multiple DXCC found"}));
    EXPECT_EQ(combo("dxcccombo")->currentText(), "Beta");
    EXPECT_EQ(combo("continent")->currentText(), "AF");
}
