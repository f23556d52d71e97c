#include "core/state.h"
#include "mainwindow/abouttsl.h"
#include "mainwindow/powerpicker.h"
#include "support/scripteddialogs.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace tsl;
using tsl::test::ScriptedDialogs;

namespace {

std::unique_ptr<AppState> freshstate() {
    auto s = std::make_unique<AppState>();
    s->apptitle = "Tessalog ";
    s->mycall = "K1AB";
    return s;
}

void choose(QWidget* form, int entry) {
    form->findChild<QComboBox*>("powercombo")->setCurrentIndex(entry);
    form->findChild<QPushButton*>("doit")->click();
}

} // namespace

TEST(PowerPicker, ContinueRecordsTheChoiceEitherWay) {
    auto s = freshstate();
    powerpicker qrp(*s);
    qrp.findChild<QComboBox*>("powercombo")->setCurrentIndex(1);
    qrp.powerpicker_doit_Click();
    EXPECT_TRUE(s->qrpflag);
    powerpicker qro(*s);
    qro.powerpicker_doit_Click();
    EXPECT_FALSE(s->qrpflag);
}

TEST(PowerPicker, EveryShowingStartsAtQroEvenAfterQrp) {
    auto s = freshstate();
    ScriptedDialogs dialogs;
    dialogs.forms.push_back([](QWidget* form) { choose(form, 1); });
    choosepower(*s, dialogs, nullptr);
    ASSERT_TRUE(s->qrpflag);
    QString shown;
    dialogs.forms.push_back([&shown](QWidget* form) {
        shown = form->findChild<QComboBox*>("powercombo")->currentText();
        form->close();
    });
    choosepower(*s, dialogs, nullptr);
    EXPECT_EQ(shown, "QRO");
    EXPECT_TRUE(s->qrpflag) << "closing without Continue keeps the earlier QRP";
}

TEST(PowerPicker, CaptionKeepsTheFullWidthOfAShortCall) {
    auto s = freshstate();
    powerpicker form(*s);
    EXPECT_EQ(form.windowTitle(), "Power Selector K1AB  ");
}

TEST(AboutBox, ShowsTitleVersionAndCallInTheCaption) {
    auto s = freshstate();
    abouttsl box(*s);
    EXPECT_EQ(box.windowTitle(), "Tessalog K1AB  ");
    EXPECT_EQ(box.findChild<QLabel*>("lblTitle")->text(), "Tessalog ");
    EXPECT_EQ(box.findChild<QLabel*>("lblVersion")->text(), "Version 2.0.40");
}

TEST(AboutBox, EnterAndEscBothClose) {
    auto s = freshstate();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        abouttsl box(*s);
        EXPECT_TRUE(box.findChild<QPushButton*>("cmdOK")->isDefault());
        box.show();
        QTest::keyClick(&box, key);
        EXPECT_FALSE(box.isVisible()) << key;
    }
    ScriptedDialogs dialogs;
    dialogs.forms.push_back([](QWidget* box) { box->findChild<QPushButton*>("cmdOK")->click(); });
    showabout(*s, dialogs, nullptr);
    EXPECT_EQ(dialogs.formsshown, std::vector<std::string>{"abouttsl"});
}
