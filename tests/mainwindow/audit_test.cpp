#include "mainwindow/windowtest.h"
#include "platform/fileio.h"
#include "reports/audit.h"
#include "reports/counties.h"
#include "reports/countyhunters.h"
#include "reports/islands.h"
#include "reports/listing.h"

#include <QRadioButton>

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

using Lines = std::vector<std::string>;

Lines joined(Lines first, const Lines& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// The main window on the default entities and the awards of testdata/counties/awards.dat
// (9 to 11 the counties of Alabama, Alaska and Arizona, 8 US Islands Awards Program).
struct AuditCommands : WindowTest {
    void SetUp() override {
        folder.write("awards.dat", *readwholefile(testdata("counties/awards.dat")));
        loadawards(*s, dialogs); // the log file names the slots' awards by these
        qsorecord q = qso("K1ABC");
        q.qsls = 1;
        q.awards[0] = 9; // Autauga
        q.awards[1] = 8; // NY-001 Long Island
        append(q);
        begin();
    }
    countyhunters* form() const { return window->countywindow(); }
    QRadioButton* option(const char* name) const { return form()->findChild<QRadioButton*>(name); }
};

} // namespace

TEST_F(AuditCommands, TheAuditAndTheCardsReplaceTheListingFollows) {
    trigger("goallqsos"); // a window loaded by the listing takes its size
    ASSERT_NE(window->reportwindow(), nullptr);
    EXPECT_EQ(window->reportwindow()->listfontsize(), 7);
    trigger("goallqsos");
    EXPECT_EQ(shown(), joined(allqsolisting(*s).lines, allqsolisting(*s).lines));
    trigger("goqsoaudit");
    EXPECT_EQ(shown(), qsoaudit(*s).lines);
    trigger("gomissing");
    EXPECT_EQ(shown(), missingqsl(*s).lines);
}

TEST_F(AuditCommands, TheIslandItemsAskForThePowerFirst) {
    choosepower("QRP");
    trigger("goislandsummary");
    EXPECT_EQ(shown(), islandsummary(*s, true).lines);
    choosepower("QRO");
    trigger("gowasi");
    EXPECT_EQ(shown(), joined(islandsummary(*s, true).lines, wasislands(*s, false).lines));
}

TEST_F(AuditCommands, TheCountyFormMakesItsReportsBelowTheLastOne) {
    trigger("gocounties");
    ASSERT_NE(form(), nullptr);
    EXPECT_TRUE(option("limit4")->isChecked());
    EXPECT_TRUE(option("reporttype0")->isChecked());
    trigger("gocounties"); // the open form comes to the front
    EXPECT_EQ(window->findChildren<countyhunters*>().size(), 1u);

    trigger("goqsoaudit");
    s->reportfontsize = 10;
    option("reporttype2")->setChecked(true);
    form()->findChild<QComboBox*>("powercombo")->setCurrentIndex(1);
    form()->findChild<QPushButton*>("doreport")->click();
    EXPECT_EQ(shown(), joined(qsoaudit(*s).lines, countiesreport(*s, 4, 2, true).lines));
    EXPECT_EQ(window->reportwindow()->listfontsize(), 10);
    EXPECT_EQ(s->reportfontsize, 10);

    form()->findChild<QPushButton*>("return")->click();
    QApplication::processEvents();
    EXPECT_EQ(form(), nullptr);
}

TEST_F(AuditCommands, TheFormOffersTheTrackedNetsAndTakesNoChoiceAsTheFirst) {
    s->tentenaward = 0;
    s->geratolaward = 0;
    trigger("gocounties");
    EXPECT_TRUE(option("limit0")->isHidden()); // "10-10 Only"
    EXPECT_FALSE(option("limit1")->isHidden());
    EXPECT_TRUE(option("limit2")->isHidden());
    EXPECT_FALSE(option("limit3")->isHidden());
    for (const char* name : {"limit4", "reporttype0"}) {
        option(name)->setAutoExclusive(false);
        option(name)->setChecked(false);
    }
    form()->doreport_Click();
    EXPECT_EQ(shown(), countiesreport(*s, 0, 0, false).lines);
}
