#include "nets/ccnpicker.h"
#include "reports/showreports.h"
#include "support/datafiles.h"
#include "support/startedlog.h"

#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <algorithm>

using namespace tsl;
using namespace tsl::test;

namespace {

struct CcnPicker : ::testing::Test, StartedLog {
    QStringList statuses;

    // A net QSO of the log to be started: 20 m CW unless said otherwise.
    void netqso(const std::string& call, int band = 8, int mode = 1) {
        qsorecord q = qso(call);
        q.band = static_cast<int16_t>(band);
        q.mode = static_cast<int16_t>(mode);
        q.awards[0] = s->ccnaward;
        q.entries[0] = 12;
        append(q);
    }
    ccnpicker* open() {
        trigger("goccn1");
        ccnpicker* p = window->ccnwindow();
        if (p)
            QObject::connect(window.get(), &logbook::statuswritten,
                             [this](const QString& t) { statuses << t; });
        return p;
    }
    QRadioButton* option(const char* name) const {
        return window->ccnwindow()->findChild<QRadioButton*>(name);
    }
    void click(const char* name) const {
        window->ccnwindow()->findChild<QPushButton*>(name)->click();
    }
    std::vector<std::string> report() const {
        return window->reportwindow() ? window->reportwindow()->lines()
                                      : std::vector<std::string>{};
    }
    bool reports(const std::string& call) const {
        const auto lines = report();
        return std::any_of(lines.begin(), lines.end(),
                           [&call](const std::string& l) { return l.rfind(call, 0) == 0; });
    }
};

} // namespace

TEST_F(CcnPicker, AFreshPickerRunsAllQsosOn160MetresCw) {
    netqso("W1AW", 2);
    netqso("K1SSB", 2, 2);
    netqso("K1TOP", 8);
    start();
    ASSERT_NE(window, nullptr);
    ccnpicker* picker = open();
    ASSERT_NE(picker, nullptr);
    EXPECT_TRUE(picker->isVisible());
    EXPECT_TRUE(option("band160")->isChecked());
    EXPECT_TRUE(option("modecw")->isChecked());
    EXPECT_TRUE(option("report0")->isChecked());
    click("continue");
    ASSERT_FALSE(report().empty());
    EXPECT_EQ(report()[0], "Century Club Net All QSOs 160 Mtrs CW   - N\xd8"
                           "CALL");
    EXPECT_TRUE(reports("W1AW"));
    EXPECT_FALSE(reports("K1SSB"));
    EXPECT_FALSE(reports("K1TOP"));
    EXPECT_EQ(statuses.value(0), "Preparing report");
    EXPECT_EQ(s->reportfontsize, 10);
    EXPECT_EQ(window->ccnwindow(), picker); // the picker stays open
}

TEST_F(CcnPicker, EightyMetresTakesBandThreeAlone) {
    netqso("W3EIGHTY", 3);
    netqso("W4EXTRA", 4);
    start();
    ASSERT_NE(window, nullptr);
    ASSERT_NE(open(), nullptr);
    option("band80")->click();
    click("continue");
    ASSERT_FALSE(report().empty());
    EXPECT_EQ(report()[0], "Century Club Net All QSOs 80 Mtrs  CW   - N\xd8"
                           "CALL");
    EXPECT_TRUE(reports("W3EIGHTY"));
    EXPECT_FALSE(reports("W4EXTRA"));
}

TEST_F(CcnPicker, PokerPlayerMakesThatReportOnly) {
    netqso("W1AW", 8, 2);
    start();
    ASSERT_NE(window, nullptr);
    ASSERT_NE(open(), nullptr);
    option("band20")->click();
    option("modessb")->click();
    option("report14")->click();
    click("continue");
    const auto lines = report();
    ASSERT_EQ(lines.size(), 33u); // title, count and the fixed lines: one report, no hands
    EXPECT_EQ(lines[0], "Century Club Net Poker Player Award 20 Mtrs  SSB  - N\xd8"
                        "CALL");
    EXPECT_EQ(lines[1], "1 QSOs and 1 Calls");
}

TEST_F(CcnPicker, ContinueAgainRunsTheLastChoiceAgain) {
    netqso("K1RTTY", 6, 5);
    start();
    ASSERT_NE(window, nullptr);
    ASSERT_NE(open(), nullptr);
    option("band40")->click();
    option("modertty")->click();
    option("report12")->click();
    click("continue");
    const auto first = report();
    ASSERT_EQ(first.size(), 55u);
    EXPECT_EQ(first[0].substr(0, 46), "Century Club Net Worked All States 40 Mtrs  RT");
    click("continue");
    EXPECT_EQ(report(), first);
    EXPECT_TRUE(option("report12")->isChecked());
    EXPECT_TRUE(option("modertty")->isChecked());
    // The report window was open: the status keeps its text.
    EXPECT_EQ(window->statustext(), "Preparing report");
}

TEST_F(CcnPicker, OnePickerAtATimeAndReturnClosesIt) {
    start();
    ASSERT_NE(window, nullptr);
    ccnpicker* picker = open();
    ASSERT_NE(picker, nullptr);
    option("band20")->click();
    EXPECT_EQ(open(), picker);
    EXPECT_TRUE(option("band20")->isChecked());
    click("goback");
    EXPECT_EQ(window->ccnwindow(), nullptr);
    ccnpicker* again = open();
    ASSERT_NE(again, nullptr);
    EXPECT_NE(again, picker);
    EXPECT_TRUE(option("band160")->isChecked());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(CcnPicker, TheMenuItemIsHiddenWhileTheNetIsNotTracked) {
    start();
    ASSERT_NE(window, nullptr);
    auto* item = window->findChild<QAction*>("goccn1");
    EXPECT_TRUE(item->isVisible());
    EXPECT_TRUE(item->isEnabled());
    window.reset();
    folder.write("awards.dat", smallawards());
    start();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->findChild<QAction*>("goccn1")->isVisible());
}
