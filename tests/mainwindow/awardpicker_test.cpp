#include "mainwindow/windowtest.h"
#include "reports/awardpicker.h"
#include "reports/entryaward.h"
#include "reports/haveneed.h"
#include "reports/numberaward.h"

#include <QLabel>
#include <QListWidget>

#include <gtest/gtest.h>

#include <set>

using namespace tsl;
using namespace tsl::test;

namespace {

struct AwardPicker : WindowTest {
    awardpicker* picker() const { return window->awardpickerwindow(); }
    QListWidget* list() const { return picker()->findChild<QListWidget*>("showem"); }
    QComboBox* pickercombo(const char* name) const { return picker()->findChild<QComboBox*>(name); }
    std::string blurb() const { return fromqt(picker()->findChild<QLabel*>("blurb")->text()); }
    std::string item(int row) const { return fromqt(list()->item(row)->text()); }
    std::vector<std::string> report(int row) const {
        list()->setCurrentRow(row);
        picker()->findChild<QPushButton*>("doreport")->click();
        return shown();
    }
    std::string call() const { return s->mycall.str(); }
};

} // namespace

TEST_F(AwardPicker, EachMenuItemListsItsKindAndRefillsAnOpenPicker) {
    begin(0);
    trigger("godxccneed");
    ASSERT_NE(picker(), nullptr);
    EXPECT_EQ(list()->count(), s->dxcccount + 1);
    EXPECT_EQ(item(0), "ALL");
    EXPECT_EQ(item(1), s->dxcctable[1].country);
    EXPECT_EQ(blurb(), "Click on a DXCC Country for the DXCC Have / Need Report");
    EXPECT_EQ(pickercombo("bandcombo")->count(), s->bandcount + 1);
    EXPECT_EQ(pickercombo("bandcombo")->itemText(2), "160 Mtrs");
    EXPECT_EQ(pickercombo("modecombo")->itemText(1), "CW  ");
    EXPECT_EQ(pickercombo("propcombo")->count(), s->propcount);

    awardpicker* first = picker();
    trigger("goqsosbydxcc");
    EXPECT_EQ(picker(), first); // the same window, refilled
    EXPECT_EQ(list()->count(), s->dxcccount);
    EXPECT_EQ(item(0), s->dxcctable[1].country);
    EXPECT_EQ(blurb(), "Click on a DXCC Country for all QSOs with that DXCC Report");

    trigger("gonumawards");
    EXPECT_EQ(list()->count(), s->numberedawards);
    EXPECT_EQ(item(0), "Century Club Net #");
    EXPECT_EQ(blurb(), "Click on a Number Award for report.");
    trigger("goentawards");
    EXPECT_EQ(list()->count(), s->listawards);
    EXPECT_EQ(item(0), "Worked All States");
    EXPECT_EQ(blurb(), "Click on a Entry Award for report.");
    EXPECT_FALSE(s->qsosbydxccflag || s->numberawardflag || s->dxccneedflag);
    EXPECT_TRUE(s->entryawardflag);
}

TEST_F(AwardPicker, AllWithEveryComboAtZeroIsTheUnfilteredReport) {
    append(qso("W1AW"));
    s->qsos[1].dxcc = 1;
    s->qsos[1].power = 500;
    begin();
    trigger("godxccneed");
    const auto lines = report(0);
    EXPECT_EQ(lines, dxcchaveneedall(*s, 0, 0, 0, false).lines);
    ASSERT_GT(lines.size(), 2u);
    EXPECT_EQ(lines[2], "Band=All Mode=ALL Propagation=All");

    // A country, with the QRP choice.
    pickercombo("powercombo")->setCurrentIndex(1);
    const auto one = report(1);
    EXPECT_EQ(one, dxcchaveneedone(*s, 1, true)->lines);
    ASSERT_FALSE(one.empty());
    EXPECT_EQ(one[0], "DXCC Have / Need for " + s->dxcctable[1].country + " " +
                          s->dxcctable[1].prefix[0].str() + " QRP");
    EXPECT_EQ(s->reportfontsize, 12);
}

TEST_F(AwardPicker, EachKindRunsTheReportOfTheChosenPosition) {
    begin(2);
    trigger("goentawards");
    const int s3 = 3;
    const auto entries = report(s3);
    EXPECT_EQ(entries, entryawardreport(*s, s->numberedawards + 4, 0, 0, 0, 0, false)->lines);
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(entries[0], s->awardtable[static_cast<std::size_t>(s->numberedawards + s3 + 1)].name +
                              "   " + call());

    trigger("gonumawards");
    pickercombo("bandcombo")->setCurrentIndex(3);
    const auto numbers = report(1);
    EXPECT_EQ(numbers, numberedawardreport(*s, 2, 0, 3, 0, 0, false)->lines);
    ASSERT_GT(numbers.size(), 1u);
    EXPECT_EQ(numbers[0], "QCWA # Numbers");
    EXPECT_EQ(numbers[1], "Band=80 Mtrs Mode=ALL Propagation=All");

    trigger("goqsosbydxcc");
    auto both = numbers; // the QSO list follows the number report in the window
    const int band = pickercombo("bandcombo")->currentIndex();
    const auto entitylist = countryqsolist(*s, 1, 0, band, 0, 0, false)->lines;
    both.insert(both.end(), entitylist.begin(), entitylist.end());
    const auto byentity = report(0);
    EXPECT_EQ(byentity, both);
    ASSERT_GT(byentity.size(), numbers.size());
    EXPECT_EQ(byentity[numbers.size()],
              "All QSOs with " + s->dxcctable[1].country + "   " + call());
    EXPECT_EQ(byentity.back(), "Total QSOs    0");
}

TEST_F(AwardPicker, NeededCountriesEndTheHaveNeedModeAndReturnClearsTheFlags) {
    begin(1);
    trigger("godxccneed");
    whenmodal([](QWidget* w) { w->findChild<QPushButton*>("doit")->click(); });
    trigger("godxccneededcountries");
    ASSERT_NE(window->reportwindow(), nullptr);
    const auto needed = shown();
    EXPECT_EQ(needed, dxccneeded(*s, false).lines);
    ASSERT_FALSE(needed.empty());
    EXPECT_EQ(needed[0], "DXCC Needed Countries " + call());
    EXPECT_FALSE(s->dxccneedflag);
    EXPECT_EQ(report(0), needed); // Report now does nothing

    trigger("gonumawards");
    picker()->findChild<QPushButton*>("goback")->click();
    EXPECT_FALSE(s->dxccneedflag || s->qsosbydxccflag || s->numberawardflag || s->entryawardflag);
    QApplication::processEvents();
    EXPECT_EQ(picker(), nullptr);
}

TEST_F(AwardPicker, WithNothingToListReportDoesNothing) {
    folder.write("awards.dat", "1,\"Only lists\"\r\n1,\"Worked All States\"\r\n\"AL Alabama\"\r\n");
    begin(1);
    trigger("gonumawards");
    EXPECT_EQ(list()->count(), 0);
    EXPECT_EQ(blurb(), "");
    EXPECT_TRUE(report(-1).empty());
    EXPECT_EQ(window->reportwindow(), nullptr);
}

TEST_F(AwardPicker, APositionThatNoLongerNamesItsKindLeavesTheReportWindowAlone) {
    begin(1);
    trigger("goprefixes");
    const auto before = shown();
    ASSERT_FALSE(before.empty());
    // The tables shrink under an open picker (awards or entities loaded again): its last
    // position now names nothing of its kind.
    trigger("goentawards");
    const int lastaward = list()->count() - 1;
    s->awardcount = static_cast<int16_t>(s->awardcount - 1);
    EXPECT_EQ(report(lastaward), before);
    trigger("gonumawards");
    const int lastnumber = list()->count() - 1;
    s->numberedawards = static_cast<int16_t>(s->numberedawards - 1);
    EXPECT_EQ(report(lastnumber), before);
    trigger("godxccneed");
    const int lastcountry = list()->count() - 1;
    s->dxcccount = static_cast<int16_t>(s->dxcccount - 1);
    EXPECT_EQ(report(lastcountry), before);
    trigger("goqsosbydxcc");
    const int lastentity = list()->count() - 1;
    s->dxcccount = static_cast<int16_t>(s->dxcccount - 1);
    EXPECT_EQ(report(lastentity), before);
}

TEST_F(AwardPicker, TheLotwReportsIotaReferencesShowAsConfirmed) {
    begin(0);
    dialogs.files = {testdata("adif/lotwreport.adi")};
    trigger("goadif");
    ASSERT_EQ(s->qsocount, 438);
    trigger("goentawards");
    const auto found = list()->findItems("IOTA North America", Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    const auto lines = report(list()->row(found[0]));
    // The file's North American IOTA values, counted by hand: NA-026, NA-065, NA-099
    // (three QSOs) and NA-106, each confirmed.
    std::set<std::string> confirmed;
    for (const std::string& line : lines)
        if (line.size() > 36 && line.substr(27, 9) == "Confirmed")
            confirmed.insert(line.substr(0, 6));
    EXPECT_EQ(confirmed, (std::set<std::string>{"NA-026", "NA-065", "NA-099", "NA-106"}));
    EXPECT_EQ(lines.back(), "Confirmed 4");
}
