#include "mainwindow/entryrules.h"
#include "platform/codepage.h"
#include "support/startedlog.h"

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

// Today is 25 August 2024 on the local clock.
struct CallEntry : ::testing::Test, StartedLog {
    void leavecall(const std::string& call) {
        edit("incall")->setText(toqt(call));
        window->incall_LostFocus();
    }
};

} // namespace

TEST_F(CallEntry, AnEarlierQsoWithTheCallFillsThePanel) {
    qsorecord q = qso("W1AW", "20240801");
    q.time = "09:15";
    q.grid = "FN31";
    q.qslvia = "W1XYZ";
    q.dxcc = static_cast<int16_t>(entity("United States of America"));
    append(q);
    start();
    ASSERT_NE(window, nullptr);
    s->qsos[1].awards[0] = s->wasaward;
    s->qsos[1].entries[0] = 6;
    leavecall("W1AW");
    EXPECT_EQ(window->statustext(), "Info from prior QSO 08/01/2024 @ 09:15");
    EXPECT_EQ(edit("gs")->text(), "FN31  ");
    EXPECT_EQ(edit("via")->text(), "W1XYZ     ");
    EXPECT_EQ(combo("pickaward0")->currentIndex(), s->wasaward);
    EXPECT_EQ(combo("awardentry0")->currentText(), "CT Connecticut");
    EXPECT_EQ(combo("dxcccombo")->currentText(), "United States of America");
    EXPECT_EQ(lines().first(), "United States of America");
}

TEST_F(CallEntry, ThePassDoesNotMoveTheFocus) {
    append(qso("W1AW", "20240801"));
    start();
    ASSERT_NE(window, nullptr);
    window->activateWindow();
    combo("bandsel")->setFocus();
    QApplication::processEvents();
    leavecall("W1AW");
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), combo("bandsel"));
    EXPECT_EQ(window->statustext(), "Info from prior QSO 08/01/2024 @ 14:30");
}

TEST_F(CallEntry, ADupeOnTheChosenBandAndModeReplacesThePriorQsoText) {
    append(qso("W1AW", "20240823"));
    start();
    ASSERT_NE(window, nullptr);
    combo("bandsel")->setCurrentIndex(8);
    combo("modesel")->setCurrentIndex(1);
    leavecall("W1AW");
    EXPECT_EQ(window->statustext(), "DUPE DUPE DUPE");
    combo("bandsel")->setCurrentIndex(6);
    leavecall("W1AW");
    EXPECT_EQ(window->statustext(), "Info from prior QSO 08/23/2024 @ 14:30");
}

TEST_F(CallEntry, APriorQsoIsFoundInALogOfOne) {
    append(qso("G4ABC", "20200101"));
    start();
    ASSERT_NE(window, nullptr);
    leavecall("G4ABC");
    EXPECT_EQ(window->statustext(), "Info from prior QSO 01/01/2020 @ 14:30");
}

TEST_F(CallEntry, SlashedZerosMatchThePriorQsoButNotTheDupe) {
    append(qso("K0ABC", "20240825"));
    append(qso("X1X", "20240825"));
    start();
    ASSERT_NE(window, nullptr);
    combo("bandsel")->setCurrentIndex(8);
    combo("modesel")->setCurrentIndex(1);
    leavecall("K\xd8"
              "ABC");
    EXPECT_EQ(window->statustext(), "Info from prior QSO 08/25/2024 @ 14:30");
}

TEST_F(CallEntry, TenTenMembersWorkedOnTenMetresGetTheirNumber) {
    std::string list;
    for (int i = 1; i <= 30; ++i) {
        const std::string c = i == 25 ? "W1AW" : "X" + std::to_string(i);
        list += c + std::string(6 - c.size(), ' ');
    }
    folder.write("tenten.dat", list);
    start(0);
    ASSERT_NE(window, nullptr);
    combo("pickaward0")->setCurrentIndex(s->wasaward);
    combo("bandsel")->setCurrentIndex(12);
    leavecall("W1AW");
    EXPECT_TRUE(lines().contains("TenTen Number: 25"));
    // The pass cleared the slots first, so slot 0 is the first free one.
    EXPECT_EQ(combo("pickaward0")->currentIndex(), s->tentenaward);
    EXPECT_EQ(edit("awardnumber0")->text(), "25");
    combo("bandsel")->setCurrentIndex(8);
    leavecall("W1AW");
    EXPECT_FALSE(lines().contains("TenTen Number: 25"));
}

TEST_F(CallEntry, AnEditedQsoKeepsItsOwnSlotsWhileItsCallIsUnchanged) {
    qsorecord older = qso("W1AW", "20200101");
    older.grid = "FN00";
    append(older);
    append(qso("W1AW", "20210101"));
    start();
    ASSERT_NE(window, nullptr);
    // The QSO as loaded for editing: its own square and slot.
    s->editingqso = true;
    s->editindex = 2;
    edit("incall")->setText("W1AW");
    edit("gs")->setText("FN42");
    combo("pickaward1")->setCurrentIndex(s->wasaward);
    combo("awardentry1")->setCurrentIndex(20);
    window->rememberloadedcall();
    window->incall_LostFocus();
    EXPECT_EQ(edit("gs")->text(), "FN42");
    EXPECT_EQ(combo("awardentry1")->currentText(), "MA Massachusetts");
    EXPECT_LE(combo("pickaward0")->currentIndex(), 0);
    // A changed call takes the full pass.
    leavecall("W1AWX");
    EXPECT_EQ(edit("gs")->text(), "");
    EXPECT_EQ(combo("pickaward1")->currentIndex(), -1);
}
