#include "core/awards.h"
#include "mainwindow/windowtest.h"
#include "reports/continentszones.h"
#include "reports/dxccsummary.h"
#include "reports/entryaward.h"
#include "reports/numberaward.h"
#include "reports/prefixes.h"
#include "reports/tentenchapters.h"

#include <QListWidget>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <functional>

using namespace tsl;
using namespace tsl::test;

namespace {

// Awards of testdata/tenten/awards.dat.
constexpr int tenten = 1, vp = 2, was = 3, gbcounties = 4, chapters = 5;

struct TenTenWindow : WindowTest {
    // The program folder with the given awards file and three Ten-Ten QSOs on 10 m.
    void starttenten(const std::string& awards) {
        folder.write("awards.dat", awards);
        loadawards(*s, dialogs);
        for (int day = 1; day <= 3; ++day) {
            const int32_t number = day == 1 ? 12345 : day == 2 ? 678 : 4321;
            qsorecord q = qso(day == 1   ? "K5AA"
                              : day == 2 ? "W1AW/M"
                                         : "DL1AA",
                              "2024010" + std::to_string(day));
            q.time = "1" + std::to_string(day) + ":00";
            q.band = 12;
            q.continent = 5;
            q.qslr = static_cast<int16_t>(day % 2);
            q.awards = {chapters, tenten, was, vp, gbcounties, 0};
            q.entries = {day == 2 ? 1 : 0, number, day % 3, number / 10, day % 2, 0};
            append(q);
        }
        begin();
        trigger("gototenten");
    }
    void starttenten() { starttenten(*readwholefile(testdata("tenten/awards.dat"))); }
    QRadioButton* option(int k) const {
        return form("tentenpicker")->findChild<QRadioButton*>("report" + QString::number(k));
    }
    void run(int k) const {
        option(k)->setChecked(true);
        click("tentenpicker", "continue");
    }
    tentenchapters* chapterform() const { return window->findChild<tentenchapters*>(); }
    // Chooses the chapter at the row and clicks.
    void chapter(int row) const {
        chapterform()->findChild<QListWidget*>("showem")->setCurrentRow(row);
        chapterform()->tentenchapters_showem_Click();
    }
};

} // namespace

TEST_F(TenTenWindow, VpNumbersWithoutWorkedAllStatesHideTheStateReports) {
    // Nor are the chapters or the British counties tracked.
    starttenten("1,\"Ten-Ten only\"\r\n0,\"Ten-Ten #\"\r\n0,\"Ten-Ten VP #\"\r\n");
    for (int k = 0; k < 12; ++k)
        EXPECT_EQ(option(k)->isHidden(), k == 1 || k == 4 || k == 5 || k == 6 || k == 9 || k == 10)
            << k;
}

TEST_F(TenTenWindow, ThePickerOpensOnContinentsAndContinueRunsThem) {
    starttenten();
    QAction* item = window->findChild<QAction*>("gototenten");
    EXPECT_TRUE(item->isVisible() && item->isEnabled());
    ASSERT_NE(form("tentenpicker"), nullptr);
    EXPECT_EQ(form("tentenpicker")->windowTitle(), toqt("10-10 Awards " + startedcall));
    EXPECT_TRUE(option(0)->isChecked());
    for (int k = 0; k < 12; ++k)
        EXPECT_FALSE(option(k)->isHidden()) << k;

    // Continue at once: the continents of the Ten-Ten QSOs, in the 10 m layout.
    click("tentenpicker", "continue");
    ASSERT_NE(window->reportwindow(), nullptr);
    const auto continents = shown();
    EXPECT_EQ(continents, wacreport(*s, 1, false).lines);
    ASSERT_EQ(continents.size(), 17u);
    EXPECT_EQ(continents[1], "10-10 QSOs");
    EXPECT_EQ(continents[3], "   10 Mtrs ");
    EXPECT_EQ(continents[8], "NA DL1AA     -C"); // the later card replaces K5AA
    EXPECT_EQ(continents[11], "Totals        1");
    EXPECT_EQ(s->reportfontsize, 8);
}

TEST_F(TenTenWindow, EveryOptionShowsItsGeneratorsReport) {
    starttenten();
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
        window->reportwindow()->goback_Click(); // the next report starts an empty list
        closedown();
    }
}

TEST_F(TenTenWindow, TwoReportsInARowFollowEachGeneratorsRule) {
    starttenten();
    run(2);
    run(2); // the DXCC summary adds below the report shown
    auto twice = dxccsummary(*s, 1, false).lines;
    const auto once = twice;
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(shown(), twice);
    run(11); // the numbered report starts the list afresh
    EXPECT_EQ(shown(), numberedawardreport(*s, s->tentenaward, 0, 0, 0, 0, false)->lines);
}

TEST_F(TenTenWindow, ContinueRunsNothingWithoutAnOptionOrItsAward) {
    starttenten();
    option(0)->setAutoExclusive(false);
    option(0)->setChecked(false);
    click("tentenpicker", "continue");
    EXPECT_EQ(window->reportwindow(), nullptr);

    // Awards dropped after the load: the picker shown again keeps their options, which
    // run nothing.
    s->wasaward = 0;
    s->tentenvpaward = 0;
    s->tentenchaptersaward = 0;
    trigger("gototenten");
    EXPECT_FALSE(option(10)->isHidden());
    for (int k : {10, 9, 8, 6, 5, 1})
        run(k);
    EXPECT_EQ(window->reportwindow(), nullptr);
    EXPECT_EQ(chapterform(), nullptr);
}

TEST_F(TenTenWindow, AChapterClickShowsItsQsosAndASecondReplacesThem) {
    starttenten();
    run(1);
    ASSERT_NE(chapterform(), nullptr);
    EXPECT_EQ(chapterform()->windowTitle(), toqt("Select a 10-10 Chapter " + startedcall));
    auto* list = chapterform()->findChild<QListWidget*>("showem");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(2)->text(), "Quiet Chapter");

    chapterform()->tentenchapters_showem_Click(); // no chapter chosen yet
    EXPECT_EQ(window->reportwindow(), nullptr);
    chapter(0);
    const std::vector<std::string> alamo = {"Ten Ten Chapters  Alamo",
                                            " ",
                                            "Date       Time  Call       10-10 # VP #",
                                            "01/01/2024 11:00 K5AA         12345   1234 ",
                                            "01/03/2024 13:00 DL1AA        4321    432  ",
                                            " ",
                                            "2 QSOs"};
    EXPECT_EQ(shown(), alamo);
    EXPECT_EQ(window->reportwindow()->listfontsize(), 10);
    chapter(2);
    const auto quiet = shown();
    EXPECT_EQ(quiet, goldenlines("tenten/quiet.golden"));

    // Return in the picker leaves the chapters open; an award dropped since runs nothing.
    click("tentenpicker", "return");
    closedown();
    EXPECT_EQ(form("tentenpicker"), nullptr);
    ASSERT_NE(chapterform(), nullptr);
    s->tentenchaptersaward = 0;
    chapter(0);
    EXPECT_EQ(shown(), goldenlines("tenten/quiet.golden"));
}
