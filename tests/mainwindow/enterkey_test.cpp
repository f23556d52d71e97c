#include "callbook/quicklabels.h"
#include "mainwindow/finder.h"
#include "mainwindow/windowtest.h"
#include "reports/awardpicker.h"
#include "support/keyboard.h"

#include <QListWidget>

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

struct EnterKey : WindowTest {
    // Enter on the button named, with the focus put on it first.
    void enteron(QWidget* form, const char* button, Qt::Key key = Qt::Key_Return) {
        auto* b = form->findChild<QPushButton*>(button);
        ASSERT_NE(b, nullptr) << button;
        focuson(b);
        ASSERT_TRUE(b->hasFocus()) << button;
        typekey(key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    }
    std::vector<std::string> boxtexts() const {
        std::vector<std::string> texts;
        for (const auto& box : dialogs.shown)
            texts.push_back(box.text);
        return texts;
    }
};

} // namespace

TEST_F(EnterKey, PressesEachButtonOfTheMainWindow) {
    begin(2);
    enteron(window.get(), "deleteqso");
    EXPECT_EQ(window->statustext(), "No QSO to delete: click the QSO in the grid first.");

    edit("incall")->setText("K1ABC");
    enteron(window.get(), "ignorechanges", Qt::Key_Enter);
    EXPECT_EQ(edit("incall")->text(), "");

    dialogs.shown.clear();
    enteron(window.get(), "qsosaver");
    enteron(window.get(), "gohelp");
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].text, "No Call");
    EXPECT_EQ(dialogs.shown[1].text, "No help file was found: " + folder.path() + "tsl.hlp");
    EXPECT_EQ(s->qsocount, 2);

    enteron(window.get(), "quiter");
    EXPECT_TRUE(window->quitting());
}

TEST_F(EnterKey, PressesTheReportWindowsButtonsReachedByTab) {
    begin(2);
    trigger("goallqsos");
    showreports* reports = window->reportwindow();
    ASSERT_NE(reports, nullptr);
    enteron(reports, "todisk", Qt::Key_Enter);
    EXPECT_EQ(dialogs.proposednames, std::vector<std::string>{"tslreport.doc"});
    // Print Report, then Tab to Return and Enter: the window closes.
    focuson(reports->findChild<QPushButton*>("printit"));
    typekey(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget()->objectName(), "goback");
    typekey(Qt::Key_Return);
    closedown();
    EXPECT_EQ(window->reportwindow(), nullptr);
}

TEST_F(EnterKey, PressesTheButtonsOfTheFinderPickerAndPrintLabels) {
    begin(2);
    edit("incall")->setText("Q1");
    trigger("gofindcall");
    ASSERT_NE(window->findwindow(), nullptr);
    enteron(window->findwindow(), "goback");
    closedown();
    EXPECT_EQ(window->findwindow(), nullptr);

    trigger("godxccneed");
    awardpicker* picker = window->awardpickerwindow();
    ASSERT_NE(picker, nullptr);
    picker->findChild<QListWidget*>("showem")->setCurrentRow(0);
    enteron(picker, "doreport");
    EXPECT_FALSE(shown().empty());

    // The double-clicked QSO's form: Enter on "QSO Label" asks for a label (no stock yet).
    FlexGrid* grid = window->grid();
    emit grid->doubleClicked(grid->model()->index(0, 0));
    ASSERT_NE(window->quicklabelswindow(), nullptr);
    dialogs.shown.clear();
    enteron(window->quicklabelswindow(), "justqso");
    EXPECT_EQ(boxtexts(), std::vector<std::string>{"Select label type before requesting labels"});
    closedown();
    EXPECT_EQ(window->quicklabelswindow(), nullptr);
}
