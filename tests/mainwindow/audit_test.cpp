#include "mainwindow/windowtest.h"
#include "platform/fileio.h"
#include "reports/audit.h"
#include "reports/counties.h"
#include "reports/countyhunters.h"
#include "reports/islands.h"
#include "reports/listing.h"
#include "support/datafiles.h"

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

// The main window on awards of its own choosing.
using AuditItems = WindowTest;

} // namespace

TEST_F(AuditCommands, TheAuditAndTheCardsReplaceTheListingFollows) {
    for (const char* name :
         {"goqsoaudit", "gomissing", "goallqsos", "gocounties", "goislandsummary", "gowasi"}) {
        EXPECT_TRUE(window->findChild<QAction*>(name)->isEnabled()) << name;
        EXPECT_TRUE(window->findChild<QAction*>(name)->isVisible()) << name;
    }
    trigger("goallqsos"); // a window loaded by the listing takes its size
    ASSERT_NE(window->reportwindow(), nullptr);
    EXPECT_EQ(window->reportwindow()->listfontsize(), 7);
    EXPECT_EQ(shown().size(), 4u);
    trigger("goallqsos");
    EXPECT_EQ(shown(), joined(allqsolisting(*s).lines, allqsolisting(*s).lines));
    ASSERT_EQ(shown().size(), 8u);
    EXPECT_EQ(shown()[4], "All QSOs Showing All Information N\xd8"
                          "CALL");
    trigger("goqsoaudit");
    EXPECT_EQ(shown(), qsoaudit(*s).lines);
    EXPECT_EQ(shown().front(), "Audit of QSOs - N\xd8"
                               "CALL");
    EXPECT_EQ(shown().back(), "1 QSOs with bad data"); // no entity, no zones
    EXPECT_EQ(window->reportwindow()->listfontsize(), 10);
    trigger("gomissing");
    EXPECT_EQ(shown(), missingqsl(*s).lines);
    EXPECT_EQ(shown().back(), "1 QSOs with no QSL card received");
    EXPECT_EQ(shown().size(), 6u);
}

TEST_F(AuditCommands, TheIslandItemsAskForThePowerFirst) {
    choosepower("QRP");
    trigger("goislandsummary");
    EXPECT_EQ(shown(), islandsummary(*s, true).lines);
    ASSERT_FALSE(shown().empty());
    EXPECT_EQ(shown().front(), "Islands Summary Report QRP N\xd8"
                               "CALL");
    EXPECT_EQ(shown().back(), "United States               6           0           0");
    choosepower("QRO");
    trigger("gowasi");
    EXPECT_EQ(shown(), joined(islandsummary(*s, true).lines, wasislands(*s, false).lines));
    ASSERT_GT(shown().size(), 7u + 3 + 31);
    EXPECT_EQ(shown()[7], "Worked All States US Islands Report N\xd8"
                          "CALL");
    EXPECT_EQ(shown()[7 + 3 + 31].substr(0, 12), "NY    NY-001");
    EXPECT_EQ(shown().back(), "Confirmed = 0");
    EXPECT_EQ(s->reportfontsize, 12);
}

TEST_F(AuditItems, TheCountyItemAndTheIslandsItemNeedTheirAwards) {
    folder.write("awards.dat", smallawards());
    begin(1);
    EXPECT_FALSE(window->findChild<QAction*>("gocounties")->isVisible());
    EXPECT_FALSE(window->findChild<QAction*>("gowasi")->isVisible());
    EXPECT_TRUE(window->findChild<QAction*>("goislandsummary")->isVisible());
}

TEST_F(AuditCommands, TheCountyFormMakesItsReportsBelowTheLastOne) {
    trigger("gocounties");
    ASSERT_NE(form(), nullptr);
    EXPECT_EQ(fromqt(form()->windowTitle()), "Country Hunters Reports N\xd8"
                                             "CALL");
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
    const auto lines = shown();
    ASSERT_EQ(lines.size(), 11u + 11u); // the audit, then the counties
    EXPECT_EQ(lines[11], "US Worked All Counties Report QRP N\xd8"
                         "CALL");
    EXPECT_EQ(lines[13], "Confirmed and Worked Counties Only");
    EXPECT_EQ(lines.back(), "Confirmed 0");
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
    ASSERT_GT(shown().size(), 2u);
    EXPECT_EQ(shown()[1], "Ten - Ten QSOs");
    EXPECT_EQ(shown()[2], "Confirmed, Worked and Need");
    EXPECT_EQ(shown().back(), "Confirmed 0");
}
