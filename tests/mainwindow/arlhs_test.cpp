#include "core/awards.h"
#include "core/dxcc.h"
#include "mainwindow/windowtest.h"
#include "reports/arlhs.h"

#include <QListWidget>
#include <QRadioButton>

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

struct ArlhsWindow : WindowTest {
    // The program folder with the awards and countries of testdata/arlhs and its log.
    void startarlhs() {
        for (const char* name : {"awards.dat", "dxcc.dat"})
            folder.write(name, *readwholefile(testdata("arlhs/") + name));
        loadawards(*s, dialogs);
        loaddxcc(*s, dialogs);
        startwith(arlhslog);
        trigger("goarlhs");
        ASSERT_NE(form("arlhsform"), nullptr);
    }
    void doreport(int option) const {
        form("arlhsform")->findChild<QRadioButton*>("repno" + QString::number(option))->click();
        click("arlhsform", "doit");
    }
    std::vector<std::string> report(int kind, int country = 1) const {
        return arlhsreport(*s, static_cast<int16_t>(kind), static_cast<int16_t>(country)).lines;
    }
};

} // namespace

TEST_F(ArlhsWindow, TheMenuItemStandsOnlyWhileTheAwardIsTracked) {
    begin(0); // the default awards have no lighthouses
    EXPECT_FALSE(window->findChild<QAction*>("goarlhs")->isVisible());
}

TEST_F(ArlhsWindow, EachDoReportShowsOnlyItsOwnRows) {
    startarlhs();
    EXPECT_EQ(form("arlhsform")->windowTitle(), toqt("Tessalog  " + startedcall));
    EXPECT_TRUE(form("arlhsform")->findChild<QRadioButton*>("repno0")->isChecked());
    doreport(0);
    EXPECT_EQ(statuses.value(0), "Preparing report");
    EXPECT_EQ(shown(), golden("arlhs/all.golden", "ARLHS All Lighthouses - " + startedcall));
    // The keyed reports after a list of ten rows, and a country table of five entities.
    doreport(11);
    EXPECT_EQ(shown(), golden("arlhs/dxcc.golden", "ARLHS DXCC - " + startedcall));
    doreport(1);
    EXPECT_EQ(shown(), golden("arlhs/states.golden", "ARLHS Worked All States - " + startedcall));
    doreport(2);
    EXPECT_EQ(shown(),
              golden("arlhs/areas.golden", "ARLHS Worked All Call Areas - " + startedcall));
    doreport(0);
    EXPECT_EQ(shown(), golden("arlhs/all.golden", "ARLHS All Lighthouses - " + startedcall));
}

TEST_F(ArlhsWindow, LighthousesByCountryTakeTheFirstCountryUntilOneIsClicked) {
    startarlhs();
    EXPECT_TRUE(window->findChild<QAction*>("goarlhs")->isVisible());
    auto* countries = form("arlhsform")->findChild<QListWidget*>("dxcclist");
    ASSERT_EQ(countries->count(), 5);
    EXPECT_EQ(countries->item(0)->text(), "Abu Ail Is."); // deleted, still listed
    doreport(12);
    const auto first = shown();
    EXPECT_EQ(first, report(12, 1));
    ASSERT_EQ(first.size(), 8u);
    EXPECT_EQ(first[0], "ARLHS Abu Ail Is. Lighthouses - " + startedcall);
    countries->setCurrentRow(4);
    click("arlhsform", "doit");
    EXPECT_EQ(shown(), report(12, 5));
    ASSERT_GT(shown().size(), 3u);
    EXPECT_EQ(shown()[0], "ARLHS England Lighthouses - " + startedcall);
    EXPECT_EQ(shown()[3], "ENG001     G3DD         01/07/2006 16:00 Worked   ");
    click("arlhsform", "goback");
    QApplication::processEvents();
    EXPECT_EQ(form("arlhsform"), nullptr);
}
