#include "nets/hhhpicker.h"
#include "nets/omisspicker.h"
#include "platform/codepage.h"
#include "reports/showreports.h"
#include "support/startedlog.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

struct NetReports : ::testing::Test, StartedLog {
    showreports* reports() const { return window->reportwindow(); }
    std::vector<std::string> shown() const { return reports()->lines(); }
    // An OMISS member's SSB QSO on the band.
    void omiss(const std::string& call, int band, int32_t number, const char* comments = "") {
        qsorecord q = qso(call);
        q.band = static_cast<int16_t>(band);
        q.mode = 2;
        q.awards[0] = s->omissaward;
        q.entries[0] = number;
        q.comments = comments;
        append(q);
    }
    template <class Picker> void click(Picker* picker, const char* name) const {
        if (auto* option = picker->template findChild<QRadioButton*>(name))
            option->setChecked(true);
        else
            picker->template findChild<QPushButton*>(name)->click();
    }
    // Return has closed the picker once its deletion has run.
    static void closedown() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

} // namespace

TEST_F(NetReports, GeratolItemsRunTheirReports) {
    qsorecord q = qso("W1AW");
    q.band = 4;
    q.mode = 2;
    append(q);
    start();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(window->findChild<QAction*>("goger35")->isEnabled());
    trigger("goallgeratolqsos");
    ASSERT_NE(reports(), nullptr);
    EXPECT_EQ(shown()[0], "Geratol QSOs Sorted by Call - N\xd8"
                          "CALL");
    EXPECT_EQ(shown()[3], "W1AW       ");
    EXPECT_EQ(s->reportfontsize, 8);
    trigger("goger6");
    EXPECT_EQ(shown()[0], "Geratol Endorsement #5 WAS 2 X 2 Double Letter Suffix - N\xd8"
                          "CALL");
    EXPECT_EQ(s->reportfontsize, 10);
}

TEST_F(NetReports, OmissPickerRunsOneReportAfterAnother) {
    omiss("W1AW", 2, 20);
    omiss("K1AB", 4, 21, "Military");
    omiss("N1XY", 3, 22);
    omiss("W2AB", 8, 23, "mil");
    start();
    ASSERT_NE(window, nullptr);
    trigger("goomiss");
    omisspicker* picker = window->omisswindow();
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(picker->windowTitle(), toqt(s->apptitle + " N\xd8"
                                                        "CALL"));
    click(picker, "continue"); // 160 m, All QSOs
    EXPECT_EQ(shown()[0], "OMISS Net All QSOs 160 Mtrs - N\xd8"
                          "CALL");
    EXPECT_EQ(shown()[2], "Call       Date       Time   OMISS #");
    EXPECT_EQ(shown()[3].substr(0, 4), "W1AW");
    EXPECT_EQ(shown().back(), "1 QSOs");

    click(picker, "band80"); // band 3 alone, not 75 Extra
    click(picker, "continue");
    EXPECT_EQ(shown()[3].substr(0, 4), "N1XY");
    EXPECT_EQ(shown().back(), "1 QSOs");

    click(picker, "allbands");
    click(picker, "report1");
    click(picker, "continue");
    EXPECT_EQ(shown()[0], "OMISS Net Worked All States All Bands - N\xd8"
                          "CALL");
    EXPECT_EQ(shown()[2], "State   Call       Date       Time   Band      OMISS #");

    click(picker, "report10"); // a second run shows only its own QSOs
    click(picker, "continue");
    EXPECT_EQ(shown().size(), 3u + 2 + 2);
    EXPECT_EQ(shown()[3].substr(0, 4), "K1AB");
    EXPECT_EQ(shown()[4].substr(0, 4), "W2AB");

    click(picker, "band20");
    click(picker, "report13");
    click(picker, "continue");
    EXPECT_EQ(shown()[0], "OMISS Net Calls Worked by Band - N\xd8"
                          "CALL");
    EXPECT_TRUE(picker->allbandsflag());
    EXPECT_TRUE(picker->findChild<QRadioButton*>("allbands")->isChecked());
    EXPECT_EQ(shown().size(), 3u + 3); // 75 Extra is no column of its own

    trigger("goomiss"); // one picker
    EXPECT_EQ(window->findChildren<omisspicker*>().size(), 1);
    click(picker, "goback");
    closedown();
    EXPECT_EQ(window->omisswindow(), nullptr);
    trigger("goomiss"); // a fresh picker starts on 160 m and All QSOs
    ASSERT_NE(window->omisswindow(), nullptr);
    EXPECT_TRUE(window->omisswindow()->findChild<QRadioButton*>("band160")->isChecked());
    EXPECT_TRUE(window->omisswindow()->findChild<QRadioButton*>("report0")->isChecked());
    EXPECT_EQ(window->omisswindow()->findChild<QRadioButton*>("report8"), nullptr);
}

TEST_F(NetReports, HhhPickerRunsTheChosenKind) {
    qsorecord q = qso("W1AW");
    q.awards[1] = s->hhhaward;
    q.continent = 5;
    append(q);
    start();
    ASSERT_NE(window, nullptr);
    trigger("gohhhnet");
    hhhpicker* picker = window->hhhwindow();
    ASSERT_NE(picker, nullptr);
    EXPECT_TRUE(picker->findChild<QRadioButton*>("repno0")->isChecked());
    click(picker, "continue");
    EXPECT_EQ(shown()[0], "HHH Net All QSOs  - N\xd8"
                          "CALL");
    EXPECT_EQ(shown().back(), "1 QSOs");
    click(picker, "repno8");
    click(picker, "continue");
    EXPECT_EQ(shown()[0], "HHH Net Continents  - N\xd8"
                          "CALL");
    EXPECT_EQ(shown()[7], "NA          W1AW       08/25/2004 14:30");
    click(picker, "goback");
    closedown();
    EXPECT_EQ(window->hhhwindow(), nullptr);
}
