#include "mainwindow/windowtest.h"
#include "reports/bartg.h"

#include <QRadioButton>

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

struct BartgWindow : WindowTest {
    // RTTY and PSK QSOs with Canada and England on 80, 75 and 10 m.
    void startbartg() {
        const auto data = [this](const std::string& call, int mode, int band, const char* entity,
                                 int continent, int qslr) {
            qsorecord q = qso(call);
            q.mode = static_cast<int16_t>(mode);
            q.band = static_cast<int16_t>(band);
            q.dxcc = static_cast<int16_t>(this->entity(entity));
            q.continent = static_cast<int16_t>(continent);
            q.qslr = static_cast<int16_t>(qslr);
            append(q);
        };
        data("VE3AA", 5, 3, "Canada", 5, 0);
        data("VE3BB", 10, 12, "Canada", 5, 1);
        data("G3AA", 5, 4, "England", 4, 1);
        data("G4BB", 10, 3, "England", 4, 0);
        begin();
        trigger("gobartg");
        ASSERT_NE(form("BARTGpicker"), nullptr);
    }
    QRadioButton* option(const std::string& name) const {
        return form("BARTGpicker")->findChild<QRadioButton*>(toqt(name));
    }
    // Clicks the options and then Do Report.
    void doreport(std::initializer_list<const char*> options) const {
        for (const char* name : options)
            option(name)->click();
        click("BARTGpicker", "doreport");
    }
    int enabledbands() const {
        int n = 0;
        for (int k = 0; k < 9; ++k)
            n += option("bands" + std::to_string(k))->isEnabled();
        return n;
    }
    void closereports() const {
        window->reportwindow()->goback_Click();
        closedown();
    }
};

} // namespace

TEST_F(BartgWindow, AContinentAwardEnablesTheBandsAndKeepsTheChoice) {
    startbartg();
    EXPECT_TRUE(window->findChild<QAction*>("gobartg")->isEnabled());
    EXPECT_EQ(form("BARTGpicker")->windowTitle(), toqt("BARTG Award Reports - " + startedcall));
    EXPECT_TRUE(option("award0")->isChecked() && option("bands9")->isChecked());
    EXPECT_EQ(enabledbands(), 0);
    option("award2")->click();
    EXPECT_TRUE(option("bands9")->isChecked());
    EXPECT_EQ(enabledbands(), 9);
    option("bands1")->click();
    option("award3")->click();
    EXPECT_TRUE(option("bands1")->isChecked());
    // Back to an award without bands: All Bands again, the bands disabled.
    option("award1")->click();
    EXPECT_TRUE(option("bands9")->isChecked());
    EXPECT_EQ(enabledbands(), 0);
}

TEST_F(BartgWindow, EachChoiceRunsItsReport) {
    startbartg();
    doreport({"award4"});
    EXPECT_EQ(shown(), bartgreport(*s, 4, 2, 5, true).lines);
    ASSERT_GT(shown().size(), 1u);
    EXPECT_EQ(shown()[1], "North America Award All Bands");
    closereports();
    doreport({"award3", "bands1"});
    EXPECT_EQ(shown(), bartgreport(*s, 3, 3, 4, false).lines);
    ASSERT_GT(shown().size(), 4u);
    EXPECT_EQ(shown()[4], "  RTTY  G3AA         08/25/2004 14:30 Confirmed");
    closereports();
    doreport({"award7", "bands8"});
    EXPECT_EQ(shown(), bartgreport(*s, 7, 12, 0, false).lines);
    EXPECT_EQ(s->reportfontsize, 12);
}

TEST_F(BartgWindow, AOneBandAwardOverAllBandsAsksForABand) {
    startbartg();
    dialogs.shown.clear();
    doreport({"award6"});
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Please select a band");
    EXPECT_EQ(dialogs.shown[0].title, "BARTG Reports");
    EXPECT_EQ(dialogs.shown[0].buttons, msgbuttons::ok);
    EXPECT_EQ(window->reportwindow(), nullptr);
    doreport({"bands1"}); // 80 m takes the 75 m QSO
    EXPECT_EQ(shown(), bartgreport(*s, 6, 3, 0, false).lines);
    ASSERT_GT(shown().size(), 4u);
    EXPECT_EQ(shown()[4].substr(0, 26), "England              G3AA ");
}

TEST_F(BartgWindow, TwoRunsFollowEachOtherUntilReturn) {
    startbartg();
    const auto once = bartgreport(*s, 0, 0, 0, false).lines;
    doreport({});
    doreport({});
    auto twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(shown(), twice);
    closereports();
    doreport({});
    EXPECT_EQ(shown(), once);
}
