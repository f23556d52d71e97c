#include "core/awards.h"
#include "mainwindow/reportforms.h"
#include "reports/continentszones.h"
#include "reports/dxccsummary.h"
#include "reports/entryaward.h"
#include "reports/numberaward.h"
#include "reports/prefixes.h"
#include "reports/tentenchapters.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QListWidget>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <functional>

using namespace tsl;
using namespace tsl::test;

namespace {

// Awards of testdata/tenten/awards.dat.
constexpr int tenten = 1, vp = 2, was = 3, gbcounties = 4, chapters = 5;

struct TenTenWindow : ReportForms {
    // The program folder with the given awards file and a log of Ten-Ten QSOs on 10 m.
    void starttenten(const std::string& awards) {
        folder.write("awards.dat", awards);
        loadawards(*s, dialogs);
        const auto member = [this](const std::string& call, int day, int chapter, int32_t number) {
            qsorecord q = qso(call, "2024010" + std::to_string(day));
            q.time = "1" + std::to_string(day) + ":00";
            q.band = 12;
            q.continent = 5;
            q.qslr = static_cast<int16_t>(day % 2);
            q.awards = {chapters, tenten, was, vp, gbcounties, 0};
            q.entries = {chapter, number, day % 3, number / 10, day % 2, 0};
            append(q);
        };
        member("K5AA", 1, 0, 12345);
        member("W1AW/M", 2, 1, 678);
        member("DL1AA", 3, 0, 4321);
        start();
        ASSERT_NE(window, nullptr);
    }
    void starttenten() {
        starttenten(*readwholefile(std::string(TESSALOG_TESTDATA_DIR) + "/tenten/awards.dat"));
    }
    QRadioButton* option(int k) const {
        return form("tentenpicker")->findChild<QRadioButton*>("report" + QString::number(k));
    }
    void run(int k) const {
        option(k)->setChecked(true);
        click("tentenpicker", "continue");
    }
    // Return in the report window: the next report starts an empty list.
    void closereports() const {
        window->reportwindow()->goback_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    tentenchapters* chapterform() const { return window->findChild<tentenchapters*>(); }
    QListWidget* chapterlist() const { return chapterform()->findChild<QListWidget*>("showem"); }
};

} // namespace

TEST_F(TenTenWindow, ThePickerOpensOnContinentsAndContinueRunsThem) {
    starttenten();
    QAction* item = window->findChild<QAction*>("gototenten");
    EXPECT_TRUE(item->isVisible() && item->isEnabled());
    trigger("gototenten");
    ASSERT_NE(form("tentenpicker"), nullptr);
    EXPECT_EQ(form("tentenpicker")->windowTitle(), toqt("10-10 Awards " + startedcall));
    EXPECT_TRUE(option(0)->isChecked());
    for (int k = 0; k < 12; ++k)
        EXPECT_FALSE(option(k)->isHidden()) << k;

    click("tentenpicker", "continue");
    ASSERT_NE(window->reportwindow(), nullptr);
    const auto lines = shown();
    EXPECT_EQ(lines, wacreport(*s, 1, false).lines);
    ASSERT_GT(lines.size(), 5u);
    EXPECT_EQ(lines[1], "10-10 QSOs");
    EXPECT_EQ(lines[3], "   10 Mtrs ");
    EXPECT_EQ(lines[4], "AF           -N");
    EXPECT_EQ(lines[8], "NA DL1AA     -C"); // the later card replaces K5AA
    EXPECT_EQ(s->reportfontsize, 8);
    EXPECT_NE(form("tentenpicker"), nullptr); // the picker stays open
}

TEST_F(TenTenWindow, OptionsOfUntrackedAwardsAreHidden) {
    // The default awards track neither the chapters nor the British counties.
    start(0);
    ASSERT_NE(window, nullptr);
    trigger("gototenten");
    EXPECT_TRUE(option(1)->isHidden());
    EXPECT_TRUE(option(4)->isHidden());
    for (int k : {0, 2, 3, 5, 6, 7, 8, 9, 10, 11})
        EXPECT_FALSE(option(k)->isHidden()) << k;
}

TEST_F(TenTenWindow, VpNumbersWithoutWorkedAllStatesHideTheStateReports) {
    starttenten("1,\"Ten-Ten only\"\r\n0,\"Ten-Ten #\"\r\n0,\"Ten-Ten VP #\"\r\n");
    trigger("gototenten");
    EXPECT_FALSE(option(8)->isHidden());
    for (int k : {9, 10, 6, 5})
        EXPECT_TRUE(option(k)->isHidden()) << k;
    // An award tracked no more runs nothing, though its option still shows.
    trigger("gototenten");
    s->tentenvpaward = 0;
    EXPECT_FALSE(option(8)->isHidden());
    run(8);
    EXPECT_EQ(window->reportwindow(), nullptr);
}

TEST_F(TenTenWindow, EveryOptionShowsItsGeneratorsReport) {
    starttenten();
    trigger("gototenten");
    const std::pair<int, std::function<Report()>> runs[] = {
        {0, [this] { return wacreport(*s, 1, false); }},
        {2, [this] { return dxccsummary(*s, 1, false); }},
        {3, [this] { return *numberedawardreport(*s, s->tentenaward, 1, 0, 0, 0, false); }},
        {4, [this] { return *entryawardreport(*s, s->gbcountiesaward, 2, 0, 0, 0, false); }},
        {5, [this] { return *entryawardreport(*s, s->wasaward, 4, 0, 0, 0, false); }},
        {6, [this] { return *entryawardreport(*s, s->wasaward, 1, 0, 0, 0, false); }},
        {7, [this] { return prefixreport(*s, 1, false); }},
        {8, [this] { return *numberedawardreport(*s, s->tentenvpaward, 0, 0, 0, 0, false); }},
        {9, [this] { return *entryawardreport(*s, s->wasaward, 3, 0, 0, 0, false); }},
        {10, [this] { return *entryawardreport(*s, s->wasaward, 2, 0, 0, 0, false); }},
        {11, [this] { return *numberedawardreport(*s, s->tentenaward, 0, 0, 0, 0, false); }},
    };
    for (const auto& [k, report] : runs) {
        run(k);
        ASSERT_NE(window->reportwindow(), nullptr) << k;
        EXPECT_EQ(shown(), report().lines) << k;
        closereports();
    }
}

TEST_F(TenTenWindow, TwoReportsInARowFollowEachGeneratorsRule) {
    starttenten();
    trigger("gototenten");
    run(2);
    run(2); // the DXCC summary adds below the report shown
    auto twice = dxccsummary(*s, 1, false).lines;
    const auto once = twice;
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(shown(), twice);
    run(11); // the numbered report starts the list afresh
    EXPECT_EQ(shown(), numberedawardreport(*s, s->tentenaward, 0, 0, 0, 0, false)->lines);
    EXPECT_EQ(shown()[0], "Ten-Ten # Numbers");
}

TEST_F(TenTenWindow, ContinueRunsNothingWithoutAnOptionOrItsAward) {
    starttenten();
    trigger("gototenten");
    option(0)->setAutoExclusive(false);
    option(0)->setChecked(false);
    click("tentenpicker", "continue");
    EXPECT_EQ(window->reportwindow(), nullptr);

    // Awards dropped after the load: their options stay shown and run nothing.
    s->wasaward = 0;
    s->tentenchaptersaward = 0;
    trigger("gototenten"); // shown again as it was loaded
    EXPECT_FALSE(option(10)->isHidden());
    for (int k : {10, 9, 6, 5, 1})
        run(k);
    EXPECT_EQ(window->reportwindow(), nullptr);
    EXPECT_EQ(chapterform(), nullptr);
}

TEST_F(TenTenWindow, AChapterClickShowsItsQsosAndASecondReplacesThem) {
    starttenten();
    trigger("gototenten");
    run(1);
    ASSERT_NE(chapterform(), nullptr);
    EXPECT_EQ(chapterform()->windowTitle(), toqt("Select a 10-10 Chapter " + startedcall));
    ASSERT_EQ(chapterlist()->count(), 3);
    EXPECT_EQ(chapterlist()->item(2)->text(), "Quiet Chapter");

    chapterform()->tentenchapters_showem_Click(); // no chapter chosen yet
    EXPECT_EQ(window->reportwindow(), nullptr);
    chapterlist()->setCurrentRow(0);
    chapterform()->tentenchapters_showem_Click();
    const std::vector<std::string> alamo = {"Ten Ten Chapters  Alamo",
                                            " ",
                                            "Date       Time  Call       10-10 # VP #",
                                            "01/01/2024 11:00 K5AA         12345   1234 ",
                                            "01/03/2024 13:00 DL1AA        4321    432  ",
                                            " ",
                                            "2 QSOs"};
    EXPECT_EQ(shown(), alamo);
    EXPECT_EQ(s->reportfontsize, 10);
    EXPECT_EQ(window->reportwindow()->listfontsize(), 10);
    chapterlist()->setCurrentRow(2);
    chapterform()->tentenchapters_showem_Click();
    EXPECT_EQ(shown(), goldenlines("tenten/quiet.golden"));

    // Return in the picker leaves the chapters open; an award dropped since runs nothing.
    click("tentenpicker", "return");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(form("tentenpicker"), nullptr);
    ASSERT_NE(chapterform(), nullptr);
    s->tentenchaptersaward = 0;
    chapterlist()->setCurrentRow(0);
    chapterform()->tentenchapters_showem_Click();
    EXPECT_EQ(shown(), goldenlines("tenten/quiet.golden"));
    chapterform()->findChild<QPushButton*>("goback")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(chapterform(), nullptr);
}
