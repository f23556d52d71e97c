#include "platform/codepage.h"
#include "platform/fileio.h"
#include "platform/flexgrid.h"
#include "support/startedlog.h"

#include <QPushButton>

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

struct SortCommands : ::testing::Test, StartedLog {
    QStringList statuses;
    void startwith(const std::vector<std::string>& calls) {
        int day = 10;
        for (const std::string& c : calls) {
            append(qso(c, "202401" + std::to_string(day)));
            ++day;
        }
        start();
        ASSERT_NE(window, nullptr);
        QObject::connect(window.get(), &logbook::statuswritten,
                         [this](const QString& t) { statuses << t; });
    }
    FlexGrid* grid() const { return window->findChild<FlexGrid*>("showem"); }
    std::string gridcall(int row) const { return fromqt(grid()->text(row, 5)).substr(0, 4); }
};

} // namespace

TEST_F(SortCommands, SortByCallReportsTheCountAndShowsTheNewOrder) {
    startwith({"W3CC", "W1AA", "W2BB"});
    trigger("gosortcall");
    EXPECT_EQ(statuses, (QStringList{"QSO file is being sorted by Call. 3 QSOs",
                                     "QSO file was sorted by Call. 3 QSOs"}));
    EXPECT_EQ(gridcall(1), "W1AA");
    EXPECT_EQ(gridcall(3), "W3CC");
    trigger("gosortdate");
    EXPECT_EQ(statuses.last(), "QSO file was sorted by date / time. 3 QSOs");
    EXPECT_EQ(gridcall(1), "W3CC");
}

TEST_F(SortCommands, AnEmptyLogStillReportsItsCount) {
    startwith({});
    trigger("gosortsex");
    EXPECT_EQ(statuses.last(), "QSO file was sorted by Gender. 0 QSOs");
}

TEST_F(SortCommands, TheLoadedQsoIsUpdatedWhereverTheSortPutIt) {
    startwith({"W3CC", "W1AA", "W2BB"});
    grid()->setCurrentIndex(grid()->model()->index(0, 0));
    emit grid()->clicked(grid()->model()->index(0, 0)); // W3CC, index 1
    ASSERT_TRUE(s->editingqso);
    trigger("gosortcall"); // W3CC moves to index 3
    edit("comments")->setText("after the sort");
    whenmodal([](QWidget* w) { w->findChild<QPushButton*>("saveasnew")->click(); });
    window->saveqso_Click();
    EXPECT_EQ(s->qsos[3].call.trimmedright(), "W3CC");
    EXPECT_EQ(s->qsos[3].comments.trimmedright(), "after the sort");
    EXPECT_EQ(s->qsos[1].comments.trimmedright(), "");
    EXPECT_EQ(fromqt(grid()->text(3, 9)).substr(0, 14), "after the sort");
}

TEST_F(SortCommands, TheSortedOrderIsWhatTheLogFileHolds) {
    startwith({"W3CC", "W1AA", "W2BB"});
    trigger("gosortcall");
    trigger("gowritedescfile");
    const std::string file = *readwholefile(s->apppath + "qsodata.dat");
    EXPECT_LT(file.find("W1AA"), file.find("W2BB"));
    EXPECT_LT(file.find("W2BB"), file.find("W3CC"));
}
