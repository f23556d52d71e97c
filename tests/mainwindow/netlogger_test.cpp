#include "core/state.h"
#include "mainwindow/entryrules.h"
#include "nets/netlogger.h"
#include "nets/netpicker.h"
#include "platform/codepage.h"
#include "platform/fileio.h"
#include "platform/flexgrid.h"
#include "support/readonlyfolder.h"
#include "support/startedlog.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

const QString slashed(QChar(0xD8));

// The main window on the default data; "&Nets" opens the picker.
struct Nets : ::testing::Test, StartedLog {
    void SetUp() override {
        start();
        ASSERT_NE(window, nullptr);
    }
    netpicker* picker() const { return window->netpickerwindow(); }
    netlogger* logger() const { return window->netloggerwindow(); }
    template <class T> T* in(QWidget* w, const char* name) const { return w->findChild<T*>(name); }
    QString pickermessage() const { return in<QLabel>(picker(), "ms")->text(); }
    QString loggermessage() const { return box("ms")->text(); }
    QLineEdit* box(const char* name) const { return in<QLineEdit>(logger(), name); }
    FlexGrid* list() const { return logger()->grid(); }
    void click(const char* name) const { in<QAbstractButton>(picker(), name)->click(); }
    // A row chosen from one of the picker's lists, as by the mouse.
    void choose(const char* name, int row) const {
        in<QComboBox>(picker(), name)->setCurrentIndex(row);
        emit in<QComboBox>(picker(), name)->activated(row);
    }
    void startnet(int net, int band = 0, int mode = 0) {
        trigger("gonets");
        click(("whichnet" + std::to_string(net)).c_str());
        if (band > 0) choose("bandsel", band);
        if (mode > 0) choose("modesel", mode);
        click("donet");
        ASSERT_NE(logger(), nullptr);
    }
    void put(const QString& number, const QString& call, const QString& notes = "") const {
        box("seq")->setText(number);
        box("thiscall")->setText(call);
        box("notes")->setText(notes);
        logger()->netlogger_Putingrid_Click();
    }
    void clickcell(int row, int col) const {
        list()->setcurrentcell(row, col);
        logger()->gridcellclick();
    }
    int filledcells() const {
        int n = 0;
        for (int r = 1; r <= 200; ++r)
            for (int c = 1; c <= 3; ++c)
                n += list()->text(r, c).isEmpty() ? 0 : 1;
        return n;
    }
};

} // namespace

TEST_F(Nets, ThePickerRefusesANetWithoutBandOrMode) {
    EXPECT_TRUE(window->findChild<QAction*>("gonets")->isEnabled());
    trigger("gonets");
    ASSERT_NE(picker(), nullptr);
    EXPECT_FALSE(s->netinprogress); // only "Do Net" starts the net
    click("donet");
    EXPECT_EQ(pickermessage(), "No Band or Mode selected");
    choose("bandsel", 8);
    choose("modesel", 0); // the None row
    click("donet");
    EXPECT_EQ(pickermessage(), "No Band or Mode selected");
    choose("modesel", 1);
    EXPECT_EQ(pickermessage(), "");
    click("donet");
    ASSERT_NE(logger(), nullptr);
    EXPECT_TRUE(s->netinprogress && picker() == nullptr);
    // No option clicked: the Century Club Net.
    EXPECT_EQ(logger()->windowTitle(), "Century Club Net, 20 Mtrs , CW  ");
}

TEST_F(Nets, GeratolPresetsBandAndModeAndAnotherNetKeepsThem) {
    trigger("gonets");
    click("whichnet1");
    EXPECT_EQ(in<QComboBox>(picker(), "bandsel")->currentText(), "75 Extra");
    EXPECT_EQ(in<QComboBox>(picker(), "modesel")->currentText(), "SSB ");
    click("whichnet4");
    EXPECT_TRUE(s->netband == 4 && s->netmode == 2 && s->netflags[4] && !s->netflags[1]);
    click("donet");
    ASSERT_NE(logger(), nullptr);
    EXPECT_EQ(logger()->windowTitle(), "General Net, 75 Extra, SSB ");
}

TEST_F(Nets, ReturnKeepsBandAndModeForTheNextOpening) {
    trigger("gonets");
    choose("bandsel", 6);
    choose("modesel", 5);
    click("goback");
    EXPECT_EQ(picker(), nullptr);
    EXPECT_FALSE(s->netinprogress);
    trigger("gonets");
    EXPECT_EQ(in<QComboBox>(picker(), "bandsel")->currentIndex(), -1);
    click("donet");
    ASSERT_NE(logger(), nullptr);
    EXPECT_EQ(logger()->windowTitle(), "Century Club Net, 40 Mtrs , RTTY");
}

TEST_F(Nets, CloseBoxesActAsReturnAndEndOfNetAndThePickerKeepsARunningList) {
    trigger("gonets");
    picker()->close();
    EXPECT_FALSE(s->netinprogress);
    startnet(1);
    put("1", "W1AW");
    trigger("gonets");
    click("goback"); // the net goes on
    EXPECT_TRUE(s->netinprogress);
    startnet(8); // HHH Net, for later summaries and hand-overs
    EXPECT_EQ(list()->text(1, 1), "W1AW");
    EXPECT_EQ(logger()->windowTitle(), "Geratol Net, 75 Extra, SSB ");
    EXPECT_EQ(s->netband, 6);
    logger()->close();
    EXPECT_EQ(logger(), nullptr);
    EXPECT_FALSE(s->netinprogress);
}

TEST_F(Nets, ThePickerReopenedDuringANetShowsItAndChangesItOnlyThroughDoNet) {
    qsorecord q = qso("W1AW"); // 20 m CW
    q.comments = "Likes CW";
    append(q);
    startnet(4, 8, 1); // General
    put("1", "W1AW");
    EXPECT_EQ(list()->text(1, 3), "Likes CW ");
    trigger("gonets");
    EXPECT_TRUE(in<QRadioButton>(picker(), "whichnet4")->isChecked());
    EXPECT_EQ(in<QComboBox>(picker(), "bandsel")->currentText() + "|" +
                  in<QComboBox>(picker(), "modesel")->currentText(),
              "20 Mtrs |CW  ");
    click("whichnet1"); // Geratol's band and mode
    choose("modesel", 5);
    click("goback");
    trigger("gonets");
    click("whichnet0");
    picker()->close();
    EXPECT_TRUE(s->netinprogress && s->netflags[4] && !s->netflags[0] && !s->netflags[1]);
    EXPECT_EQ(s->netband * 100 + s->netmode, 801);
    put("2", "W1AW");
    EXPECT_EQ(list()->text(2, 3), "Likes CW ");
    startnet(1); // Geratol from now on, in the same list
    put("3", "W1AW");
    EXPECT_EQ(list()->text(3, 3), "New Call ");
    EXPECT_EQ(list()->text(1, 1), "W1AW");
    clickcell(3, 1);
    EXPECT_EQ(combo("bandsel")->currentIndex() * 100 + combo("modesel")->currentIndex(), 402);
}

TEST_F(Nets, TheListStartsWithNumbersOnlyAndTakesNumbersFrom1To200) {
    startnet(1);
    EXPECT_EQ(box("seq")->text(), "1");
    for (int r = 1; r <= 200; ++r)
        EXPECT_EQ(list()->text(r, 0), QString::number(r));
    for (const char* bad : {"", "abc", "0", "201", "-1", "1e9", "0.4"}) {
        put(bad, "W1AW", "note");
        EXPECT_EQ(loggermessage(), "Number must be from 1 to 200") << bad;
        EXPECT_EQ(box("seq")->text() + box("thiscall")->text() + box("notes")->text(),
                  QString(bad) + "W1AWnote");
    }
    EXPECT_EQ(filledcells(), 0);
    put("2.5", "K1ABC", "half");
    EXPECT_EQ(loggermessage(), "");
    EXPECT_EQ(list()->text(2, 1) + "|" + list()->text(2, 2) + "|" + list()->text(2, 3),
              "K1ABC|half|New Call ");
    EXPECT_EQ(box("seq")->text(), "3.5");
    EXPECT_EQ(box("thiscall")->text() + box("notes")->text(), "");
    put("200", "K2ABC");
    EXPECT_EQ(box("seq")->text(), "201");
    box("thiscall")->setText("K3ABC");
    logger()->netlogger_Putingrid_Click();
    EXPECT_EQ(loggermessage(), "Number must be from 1 to 200");
    EXPECT_EQ(filledcells(), 5); // rows 2 and 200, the latter without notes
}

TEST_F(Nets, ANumberInUseIsOverwritten) {
    append(qso("W1AW")); // 20 m CW
    startnet(0, 8, 1);
    put("4", "W1AW", "first");
    EXPECT_EQ(list()->text(4, 3), "");
    put("4", "K1XX");
    EXPECT_EQ(list()->text(4, 1) + "|" + list()->text(4, 2) + "|" + list()->text(4, 3),
              "K1XX||New Call ");
}

TEST_F(Nets, TheBoxesFilterTypedAndPastedText) {
    startnet(1);
    logger()->activateWindow();
    QTest::keyClicks(box("thiscall"), "w0a,b\"c");
    EXPECT_EQ(box("thiscall")->text(), "W" + slashed + "ABC");
    QTest::keyClicks(box("notes"), "hi, \"there\"");
    EXPECT_EQ(box("notes")->text(), "hi there");
    box("thiscall")->clear();
    QApplication::clipboard()->setText("k1,\"a0");
    box("thiscall")->paste();
    EXPECT_EQ(box("thiscall")->text(), "K1A" + slashed);
    QApplication::clipboard()->setText("a, \"b\"");
    box("notes")->paste();
    EXPECT_EQ(box("notes")->text(), "hi therea b");
    // Enter moves on: number, call, notes, number.
    for (const auto& [from, to] :
         {std::pair{"seq", "thiscall"}, {"thiscall", "notes"}, {"notes", "seq"}}) {
        QTest::keyClick(box(from), Qt::Key_Return);
        EXPECT_EQ(logger()->focusWidget(), box(to)) << from;
    }
}

TEST_F(Nets, AClickOnACallHandsItToTheMainWindowWithTheNetsBandAndMode) {
    startnet(5); // Ten Ten: 10 m SSB
    put("1", "N" + slashed + "XYZ");
    const QString rsts = edit("rsts")->text();
    const QStringList shown = lines();
    QApplication::processEvents();
    const QRect cell = list()->visualRect(list()->model()->index(0, 1));
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(edit("incall")->text(), "N" + slashed + "XYZ");
    EXPECT_EQ(combo("bandsel")->currentIndex(), 12);
    EXPECT_EQ(combo("modesel")->currentIndex(), 2);
    // The checks of the call and the mode have not run: the call's is owed.
    EXPECT_TRUE(window->entryrules().pending("incall"));
    EXPECT_EQ(lines(), shown);
    EXPECT_EQ(edit("rsts")->text(), rsts);
    combo("bandsel")->setCurrentIndex(3);
    clickcell(2, 1); // an empty call
    EXPECT_EQ(edit("incall")->text(), "");
    EXPECT_EQ(combo("bandsel")->currentIndex(), 12);
    EXPECT_EQ(combo("modesel")->currentText(), "SSB ");
}

TEST_F(Nets, TheLoggerComesBackAfterSaveRefusedSaveAndIgnoreButNotAfterTheNet) {
    startnet(1);
    put("1", "W1AW");
    clickcell(1, 1);
    logger()->hide();
    window->saveqso_Click();
    ASSERT_EQ(s->qsocount, 1);
    EXPECT_EQ(s->qsos[1].call.trimmedright() + " " + std::to_string(s->qsos[1].band) + " " +
                  std::to_string(s->qsos[1].mode),
              "W1AW 4 2");
    EXPECT_EQ(s->qsos[1].dxcc, entity("United States of America")); // the owed check ran
    EXPECT_TRUE(logger()->isVisible());
    logger()->hide();
    window->saveqso_Click(); // "No Call"
    EXPECT_EQ(dialogs.shown.back().text, "No Call");
    EXPECT_TRUE(logger()->isVisible());
    logger()->hide();
    window->logbook_ignore_Click();
    EXPECT_TRUE(logger()->isVisible());
    EXPECT_EQ(list()->text(1, 1), "W1AW"); // the same list
    in<QPushButton>(logger(), "endofnet")->click();
    EXPECT_EQ(logger(), nullptr);
    EXPECT_FALSE(s->netinprogress);
    window->logbook_ignore_Click();
    window->saveqso_Click();
    EXPECT_EQ(logger(), nullptr);
}

TEST_F(Nets, AClickOnANoteEditsItThroughTheInputBox) {
    startnet(1);
    put("3", "W1AW", "old");
    dialogs.inputs = {"   ", std::nullopt, "", "new, \"note\""};
    for (const char* kept : {"old", "old", "old", "new, \"note\""}) {
        clickcell(3, 2);
        EXPECT_EQ(list()->text(3, 2), kept);
    }
    ASSERT_EQ(dialogs.prompts.size(), 4u);
    EXPECT_EQ(dialogs.prompts[0].prompt, "Enter / Edit Info on Call");
    EXPECT_EQ(dialogs.prompts[0].title, s->apptitle + "N\xd8"
                                                      "CALL");
    EXPECT_EQ(dialogs.prompts[0].defaultanswer, "old");
    clickcell(3, 0);
    clickcell(3, 3);
    EXPECT_EQ(dialogs.prompts.size(), 4u);
}

TEST_F(Nets, WriteToDiskWritesTheListInBothDateOrders) {
    s->localnow = [] { return QDateTime(QDate(2024, 8, 25), QTime(22, 30)); };
    s->gmtoffset = -3; // UTC is the next day
    startnet(1);
    logger()->activateWindow();
    for (const auto& [number, call, notes] :
         {std::tuple{"3", "n0xyz", "Net control"}, {"7", "kp4/w1aw/qrp", "late check-in"}}) {
        box("seq")->setText(number);
        QTest::keyClicks(box("thiscall"), call);
        box("notes")->setText(QString("  ") + notes + " ");
        logger()->netlogger_Putingrid_Click();
    }
    dialogs.inputs = {"QRT,\tback later"};
    clickcell(5, 2);
    in<QPushButton>(logger(), "todisk")->click();
    EXPECT_EQ(loggermessage(), "Net info written to netlist.dat");
    const auto golden = [](const char* name) {
        return readwholefile(std::string(TESSALOG_TESTDATA_DIR) + "/netlogger/" + name);
    };
    EXPECT_EQ(readwholefile(s->apppath + "netlist.dat"), golden("netlist-monthfirst.golden"));
    s->dateformatflag = 1;
    logger()->netlogger_todisk_Click();
    EXPECT_EQ(readwholefile(s->apppath + "netlist.dat"), golden("netlist-dayfirst.golden"));
}

TEST_F(Nets, VeryLongNotesAreKeptWhole) {
    startnet(1);
    const std::string note = std::string(40000, 'n') + " end";
    put("1", "W1AW", toqt(note));
    EXPECT_EQ(fromqt(list()->text(1, 2)), note);
    logger()->netlogger_todisk_Click();
    EXPECT_NE(readwholefile(s->apppath + "netlist.dat")->find("W1AW          " + note + "\r\n"),
              std::string::npos);
}

TEST_F(Nets, AListThatCannotBeWrittenLeavesTheOldFile) {
    startnet(1);
    put("1", "W1AW");
    folder.write("netlist.dat", "old list");
    {
        const ReadOnlyFolder readonly(folder.path());
        if (QFile(QString::fromStdString(folder.path() + "probe")).open(QIODevice::WriteOnly))
            GTEST_SKIP() << "no folder can be made read-only here";
        logger()->netlogger_todisk_Click();
    }
    EXPECT_EQ(loggermessage().left(29), "netlist.dat was not written: ");
    EXPECT_GT(loggermessage().size(), 29);
    EXPECT_EQ(readwholefile(folder.path() + "netlist.dat"), "old list");
}
