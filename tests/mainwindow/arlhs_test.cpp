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

TEST_F(ArlhsWindow, EachDoReportShowsOnlyItsOwnRows) {
    startarlhs();
    EXPECT_EQ(form("arlhsform")->windowTitle(), toqt(s->apptitle + " " + s->mycall.str()));
    EXPECT_TRUE(form("arlhsform")->findChild<QRadioButton*>("repno0")->isChecked());
    doreport(0);
    EXPECT_EQ(statuses.value(0), "Preparing report");
    EXPECT_EQ(shown(), report(0));
    // The keyed reports after a list of ten rows, and a country table of five entities.
    for (const int option : {11, 1, 2, 0}) {
        doreport(option);
        EXPECT_EQ(shown(), report(option)) << option;
    }
}

TEST_F(ArlhsWindow, LighthousesByCountryTakeTheFirstCountryUntilOneIsClicked) {
    startarlhs();
    auto* countries = form("arlhsform")->findChild<QListWidget*>("dxcclist");
    ASSERT_EQ(countries->count(), 5); // Abu Ail Is., deleted, still listed
    doreport(12);
    EXPECT_EQ(shown(), report(12, 1));
    countries->setCurrentRow(4);
    click("arlhsform", "doit");
    EXPECT_EQ(shown(), report(12, 5));
    click("arlhsform", "goback");
    QApplication::processEvents();
    EXPECT_EQ(form("arlhsform"), nullptr);
}
