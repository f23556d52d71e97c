#include "core/state.h"
#include "mainwindow/abouttsl.h"
#include "mainwindow/powerpicker.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace tsl;

namespace {

std::unique_ptr<AppState> freshstate() {
    auto s = std::make_unique<AppState>();
    s->apptitle = "Tessalog ";
    s->mycall = "K1AB";
    return s;
}

// Acts on the modal window once exec() has shown it, so the test never blocks.
void whenshown(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        // Without a modal window, exec() would wait forever: fail instead of hanging.
        if (modal == nullptr) {
            ADD_FAILURE() << "no modal window is showing";
            for (QWidget* w : QApplication::topLevelWidgets())
                w->close();
            return;
        }
        act(modal);
    });
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
    whenshown([](QWidget* form) { choose(form, 1); });
    choosepower(*s, nullptr);
    ASSERT_TRUE(s->qrpflag);
    QString shown;
    whenshown([&shown](QWidget* form) {
        shown = form->findChild<QComboBox*>("powercombo")->currentText();
        form->close();
    });
    choosepower(*s, nullptr);
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
    whenshown([](QWidget* box) { box->findChild<QPushButton*>("cmdOK")->click(); });
    showabout(*s, nullptr);
}
