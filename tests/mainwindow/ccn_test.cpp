#include "mainwindow/windowtest.h"
#include "nets/ccn.h"
#include "nets/ccnpicker.h"
#include "support/datafiles.h"

#include <QRadioButton>

#include <gtest/gtest.h>

#include <algorithm>

using namespace tsl;
using namespace tsl::test;

namespace {

constexpr int16_t poker = 14; // the picker's last report button

struct CcnPicker : WindowTest {
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
        return window->ccnwindow();
    }
    QRadioButton* option(const char* name) const {
        return window->ccnwindow()->findChild<QRadioButton*>(name);
    }
    void click(const char* name) const {
        window->ccnwindow()->findChild<QPushButton*>(name)->click();
    }
    // Whether a line of the report shown starts with the call.
    bool reports(const std::string& call) const {
        const auto lines = shown();
        return std::any_of(lines.begin(), lines.end(),
                           [&call](const std::string& l) { return l.rfind(call, 0) == 0; });
    }
};

} // namespace

TEST_F(CcnPicker, AFreshPickerRunsAllQsosOn160MetresCw) {
    netqso("W1AW", 2);
    netqso("K1SSB", 2, 2);
    netqso("K1TOP", 8);
    begin();
    ccnpicker* picker = open();
    ASSERT_NE(picker, nullptr);
    EXPECT_TRUE(picker->isVisible());
    EXPECT_TRUE(option("band160")->isChecked());
    EXPECT_TRUE(option("modecw")->isChecked());
    EXPECT_TRUE(option("report0")->isChecked());
    click("continue");
    ASSERT_FALSE(shown().empty());
    EXPECT_EQ(shown()[0], "Century Club Net All QSOs 160 Mtrs CW   - N\xd8"
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
    begin();
    ASSERT_NE(open(), nullptr);
    option("band80")->click();
    click("continue");
    ASSERT_FALSE(shown().empty());
    EXPECT_EQ(shown()[0], "Century Club Net All QSOs 80 Mtrs  CW   - N\xd8"
                          "CALL");
    EXPECT_TRUE(reports("W3EIGHTY"));
    EXPECT_FALSE(reports("W4EXTRA"));
}

TEST_F(CcnPicker, PokerPlayerMakesThatReportOnly) {
    netqso("W1AW", 8, 2);
    begin();
    ASSERT_NE(open(), nullptr);
    option("band20")->click();
    option("modessb")->click();
    option("report14")->click();
    click("continue");
    const auto lines = shown();
    ASSERT_EQ(lines.size(), 33u); // title, count and the fixed lines: one report, no hands
    EXPECT_EQ(lines[0], "Century Club Net Poker Player Award 20 Mtrs  SSB  - N\xd8"
                        "CALL");
    EXPECT_EQ(lines[1], "1 QSOs and 1 Calls");
}

TEST_F(CcnPicker, ContinueAgainRunsTheLastChoiceAgain) {
    netqso("K1RTTY", 6, 5);
    begin();
    ASSERT_NE(open(), nullptr);
    option("band40")->click();
    option("modertty")->click();
    option("report12")->click();
    click("continue");
    const auto first = shown();
    ASSERT_EQ(first.size(), 55u);
    EXPECT_EQ(first[0].substr(0, 46), "Century Club Net Worked All States 40 Mtrs  RT");
    click("continue");
    EXPECT_EQ(shown(), first);
    EXPECT_TRUE(option("report12")->isChecked());
    EXPECT_TRUE(option("modertty")->isChecked());
}

TEST_F(CcnPicker, EachChoiceRunsItsReportInPlaceOfTheLast) {
    netqso("W1AW", 2, 1);
    netqso("K1SSB", 2, 2);
    netqso("W3EIGHTY", 3, 1);
    netqso("W4EXTRA", 4, 1);
    netqso("K1RTTY", 6, 5);
    netqso("W1AW", 8, 2);
    begin();
    ccnpicker* picker = open();
    ASSERT_NE(picker, nullptr);
    // A fresh picker: all QSOs on 160 m CW.
    click("continue");
    EXPECT_EQ(shown(), ccnreport(*s, 1, 2, ccnallqsos).lines);
    ASSERT_EQ(shown().size(), 6u); // W1AW alone
    EXPECT_EQ(shown()[0].substr(0, 42), "Century Club Net All QSOs 160 Mtrs CW   - ");
    EXPECT_EQ(shown()[3].substr(0, 10), "W1AW      ");
    EXPECT_EQ(statuses.value(0), "Preparing report");
    EXPECT_EQ(window->ccnwindow(), picker); // the picker stays open

    struct choice {
        std::vector<const char*> options;
        int16_t mode, band, kind;
        std::string title;   // the title line up to the own call
        std::size_t countat; // the line of the count, from the end (0) or the start (1)
        std::string count;
    };
    const choice choices[] = {
        {{"band80"}, 1, 3, ccnallqsos, "Century Club Net All QSOs 80 Mtrs  CW   - ", 0, "1 QSOs"},
        {{"band40", "modertty", "report12"},
         5,
         6,
         ccnwas,
         "Century Club Net Worked All States 40 Mtrs  RTTY - ",
         0,
         "0 QSOs"},
        {{"band20", "modessb", "report14"},
         2,
         8,
         poker,
         "Century Club Net Poker Player Award 20 Mtrs  SSB  - ",
         1,
         "1 QSOs and 1 Calls"}};
    for (const choice& c : choices) {
        for (const char* name : c.options)
            option(name)->click();
        click("continue");
        const auto lines = shown();
        EXPECT_EQ(lines, c.kind == poker ? ccnpokerreport(*s, c.mode, c.band).lines
                                         : ccnreport(*s, c.mode, c.band, c.kind).lines)
            << c.options[0];
        ASSERT_GE(lines.size(), 2u);
        EXPECT_EQ(lines[0].substr(0, c.title.size()), c.title);
        EXPECT_EQ(c.countat == 0 ? lines.back() : lines[1], c.count) << c.options[0];
        if (c.band == 3) {
            EXPECT_EQ(lines[3].substr(0, 10), "W3EIGHTY  "); // not W4EXTRA
        }
    }
    // Continue again runs the last choice again, in place of the report shown.
    const auto last = shown();
    click("continue");
    EXPECT_EQ(shown(), last);
    EXPECT_TRUE(option("report14")->isChecked() && option("modessb")->isChecked());
}

TEST_F(CcnPicker, OnePickerAtATimeAndReturnClosesIt) {
    begin(0);
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
    EXPECT_TRUE(option("band160")->isChecked() && option("modecw")->isChecked() &&
                option("report0")->isChecked());
    closedown();
}

// The menu items of the awards and nets a log may not track.
TEST_F(CcnPicker, TheItemsOfUntrackedAwardsAreHidden) {
    const char* items[] = {"gototenten", "dummygeratol", "goccn1",   "goomiss",
                           "gocounties", "gowasi",       "gohhhnet", "goarlhs"};
    const auto visible = [this](const char* name) {
        return window->findChild<QAction*>(name)->isVisible();
    };
    start();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->findChild<QAction*>("goccn1")->isEnabled());
    // The default awards have neither ARLHS lighthouses nor US islands.
    for (const char* name : items)
        EXPECT_EQ(visible(name), std::string(name) != "goarlhs" && std::string(name) != "gowasi")
            << name;
    window.reset();
    folder.write("awards.dat", smallawards()); // Ten-Ten # alone
    start();
    ASSERT_NE(window, nullptr);
    for (const char* name : items)
        EXPECT_EQ(visible(name), std::string(name) == "gototenten") << name;
}
