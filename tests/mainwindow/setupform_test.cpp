#include "mainwindow/finder.h"
#include "mainwindow/setupform.h"
#include "platform/codepage.h"
#include "platform/fileio.h"
#include "platform/flexgrid.h"
#include "support/startedlog.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

struct SetupForm : ::testing::Test, StartedLog {
    std::unique_ptr<setup> form;
    void open() {
        folder.write("tsl.ini", "\"K0ABC\",71.06,\"W\",42.36,\"N\",-5,0,1,\"Tnx\"\r\n");
        start(0);
        ASSERT_NE(window, nullptr);
        form = std::make_unique<setup>(*s, dialogs, *window);
    }
    QLineEdit* box(const char* name) const { return form->findChild<QLineEdit*>(name); }
    QComboBox* list(const char* name) const { return form->findChild<QComboBox*>(name); }
    std::string ini() const { return readwholefile(s->apppath + "tsl.ini").value_or(""); }
};

} // namespace

TEST_F(SetupForm, ReturnWritesTheNineItemsAndTheProgramUsesThem) {
    open();
    EXPECT_EQ(box("yourcall")->text(), toqt("K\xd8"
                                            "ABC "));
    EXPECT_EQ(box("inlon")->text(), "71.06");
    EXPECT_EQ(list("umpick")->currentText(), "Kilometers");
    form->setup_return_Click();
    EXPECT_EQ(ini(), "\"K\xd8"
                     "ABC \",71.06,\"W\",42.36,\"N\",-5,0,1,\"Tnx\"\r\n");

    box("inlat")->setText("10.5");
    list("Latdir")->setCurrentIndex(1);
    list("umpick")->setCurrentIndex(0);
    list("datecombo")->setCurrentIndex(1);
    box("qsoms")->setText("73 and thanks");
    form->setup_return_Click();
    EXPECT_FLOAT_EQ(s->mylat, -10.5f);
    EXPECT_EQ(s->dateformatflag, 1);
    EXPECT_EQ(window->findChild<QLabel*>("Distancemeasure")->text(), "Miles");
    EXPECT_EQ(ini(), "\"K\xd8"
                     "ABC \",71.06,\"W\",10.5,\"S\",-5,1,0,\"73 and thanks\"\r\n");
}

TEST_F(SetupForm, BoxesWriteTheirSettingsWhenChangedOrLeft) {
    open();
    box("yourcall")->setText("g4xyz");
    form->setup_yourcall_LostFocus();
    EXPECT_EQ(s->mycall.str(), "G4XYZ ");
    box("inlon")->setText("abc");
    form->setup_inlon_LostFocus();
    EXPECT_EQ(s->lonsetting, 0.0f);
    box("gmtdif")->setText("5.5h");
    form->setup_gmtdif_LostFocus();
    EXPECT_EQ(s->gmtoffset, 5.5f);
    box("inlat")->setText("");
    EXPECT_EQ(s->latsetting, 0.0f);
}

TEST_F(SetupForm, QuotesAndCommasNeverReachTheFile) {
    open();
    form->show();
    box("qsoms")->setFocus();
    box("qsoms")->clear();
    QTest::keyClicks(box("qsoms"), "say \"hi\", ok");
    EXPECT_EQ(box("qsoms")->text(), "say hi ok");
    box("qsoms")->setFocus();
    box("qsoms")->selectAll();
    box("qsoms")->insert("pasted \"text\", too"); // a paste is an edit too
    emit box("qsoms")->textEdited(box("qsoms")->text());
    EXPECT_EQ(box("qsoms")->text(), "pasted text too");
    form->setup_return_Click();
    EXPECT_NE(ini().find("\"pasted text too\""), std::string::npos);
}

TEST_F(SetupForm, AFailedWriteKeepsTheOldFile) {
    open();
    const std::string before = ini();
    s->apppath = folder.path() + "gone/";
    form->setup_return_Click();
    ASSERT_FALSE(dialogs.shown.empty());
    EXPECT_NE(dialogs.shown.back().text.find("could not be written"), std::string::npos);
    s->apppath = folder.path();
    EXPECT_EQ(ini(), before);
}

TEST_F(SetupForm, AnOffsetBeyondADayIsRefusedNamingTheBox) {
    open();
    for (const char* typed : {"1e20", "-24.5", "1e400"}) {
        dialogs.shown.clear();
        box("gmtdif")->setText(typed);
        form->setup_gmtdif_LostFocus();
        ASSERT_EQ(dialogs.shown.size(), 1u) << typed;
        EXPECT_EQ(dialogs.shown[0].text, "GMT Offset: the time difference from GMT must lie "
                                         "between -24 and +24 hours. The offset stays -5.");
        EXPECT_EQ(s->gmtoffset, -5.0f);
        EXPECT_EQ(box("gmtdif")->text(), "-5");
    }
    // Return without leaving the box refuses it too, and writes nothing.
    const std::string before = ini();
    box("gmtdif")->setText("99");
    dialogs.shown.clear();
    form->setup_return_Click();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(ini(), before);
    box("gmtdif")->setText("-24");
    form->setup_gmtdif_LostFocus();
    form->setup_return_Click();
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(ini().find("\"N\",-24,"), std::string::npos);
}

TEST_F(SetupForm, EnterInABoxStoresItsValueInTheFile) {
    open();
    form.reset();
    // Enter presses Return while the box still has the focus: it is never left.
    const auto enter = [this](const char* name, const char* typed) {
        whenmodal([name, typed](QWidget* f) {
            auto* b = f->findChild<QLineEdit*>(name);
            b->setFocus();
            b->selectAll();
            QTest::keyClicks(b, typed);
            QTest::keyClick(b, Qt::Key_Return);
        });
        trigger("gosetup");
    };
    enter("yourcall", "w1new");
    EXPECT_EQ(ini(), "\"W1NEW \",71.06,\"W\",42.36,\"N\",-5,0,1,\"Tnx\"\r\n");
    enter("inlon", "80.5");
    enter("gmtdif", "2.5");
    EXPECT_EQ(ini(), "\"W1NEW \",80.5,\"W\",42.36,\"N\",2.5,0,1,\"Tnx\"\r\n");
    // An offset refused as the box is taken back is told once; the kept one is written.
    dialogs.shown.clear();
    enter("gmtdif", "99");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text.substr(0, 11), "GMT Offset:");
    EXPECT_EQ(ini(), "\"W1NEW \",80.5,\"W\",42.36,\"N\",2.5,0,1,\"Tnx\"\r\n");
    EXPECT_EQ(s->gmtoffset, 2.5f);
}

TEST_F(SetupForm, ChangingTheDateOrderKeepsTheDayOfTheDateBoxTheGridAndTheFinder) {
    s->localnow = [] { return QDateTime(QDate(2026, 12, 7), QTime(14, 30)); };
    append(qso("W1OLD", "20260712")); // 12 July: "07/12/2026" month first
    open();
    form.reset();
    auto* grid = window->findChild<FlexGrid*>("showem");
    ASSERT_EQ(grid->text(1, 0), "07/12/2026");
    edit("incall")->setText("W1OLD");
    trigger("gofindcall");
    ASSERT_NE(window->findwindow(), nullptr);
    ASSERT_EQ(window->findwindow()->grid()->text(1, 1), "07/12/2026");

    // The operator types a call, changes the order in Setup, and saves.
    const auto saveunder = [&](int order, const char* call) {
        edit("incall")->setFocus();
        edit("incall")->setText(call);
        whenmodal([order](QWidget* f) {
            f->findChild<QComboBox*>("datecombo")->setCurrentIndex(order);
            f->findChild<QPushButton*>("return")->click();
        });
        trigger("gosetup");
        window->saveqso_Click();
        return s->qsos[static_cast<std::size_t>(s->qsocount)].date.str();
    };
    EXPECT_EQ(saveunder(1, "W1DAY"), "20261207");
    EXPECT_EQ(s->qsocount, 2);
    EXPECT_EQ(grid->text(1, 0), "12/07/2026"); // day first now: 12 July
    EXPECT_EQ(window->findwindow()->grid()->text(1, 1), "12/07/2026");
    EXPECT_EQ(saveunder(0, "W1MON"), "20261207");
    EXPECT_EQ(grid->text(1, 0), "07/12/2026");
    EXPECT_EQ(grid->text(2, 0), "12/07/2026"); // 7 December, month first
    EXPECT_EQ(grid->text(3, 0), "12/07/2026");

    // A date typed by the operator is kept as the same day; what is no date stays as typed.
    edit("showdate")->setText("1/5/2026"); // 5 January
    whenmodal([](QWidget* f) {
        f->findChild<QComboBox*>("datecombo")->setCurrentIndex(1);
        f->findChild<QPushButton*>("return")->click();
    });
    trigger("gosetup");
    EXPECT_EQ(edit("showdate")->text(), "05/01/2026");
    edit("showdate")->setText("soon");
    whenmodal([](QWidget* f) {
        f->findChild<QComboBox*>("datecombo")->setCurrentIndex(0);
        f->findChild<QPushButton*>("return")->click();
    });
    trigger("gosetup");
    EXPECT_EQ(edit("showdate")->text(), "soon");
}

TEST_F(SetupForm, EscapeAndTheFrameWriteWhatTheBoxesPutInForce) {
    open();
    form.reset();
    whenmodal([](QWidget* f) {
        auto* call = f->findChild<QLineEdit*>("yourcall");
        call->setFocus();
        call->selectAll();
        QTest::keyClicks(call, "w1new");
        QTest::keyClick(call, Qt::Key_Escape);
    });
    trigger("gosetup");
    EXPECT_EQ(s->mycall.str(), "W1NEW ");
    EXPECT_EQ(ini(), "\"W1NEW \",71.06,\"W\",42.36,\"N\",-5,0,1,\"Tnx\"\r\n");

    whenmodal([](QWidget* f) {
        f->findChild<QComboBox*>("datecombo")->setCurrentIndex(1);
        f->findChild<QLineEdit*>("qsoms")->setText("73");
        f->close();
    });
    trigger("gosetup");
    EXPECT_EQ(ini(), "\"W1NEW \",71.06,\"W\",42.36,\"N\",-5,1,1,\"73\"\r\n");

    // A settings file that cannot be written is told; Escape still closes the form.
    s->apppath = folder.path() + "gone/";
    dialogs.shown.clear();
    whenmodal([](QWidget* f) {
        QTest::keyClick(f->findChild<QLineEdit*>("yourcall"), Qt::Key_Escape);
        EXPECT_FALSE(f->isVisible());
    });
    trigger("gosetup");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.shown[0].text.find("could not be written"), std::string::npos);
}
