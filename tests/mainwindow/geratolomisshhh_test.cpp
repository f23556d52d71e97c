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

const std::string mycall = "N\330CALL";

struct NetReports : ::testing::Test, StartedLog {
    std::vector<std::string> shown() const { return window->reportwindow()->lines(); }
    // A 75 m Extra SSB QSO with the award's number in slot 0.
    void netqso(const std::string& call, int band, int16_t award, int32_t number,
                const char* comments = "") {
        qsorecord q = qso(call);
        q.band = static_cast<int16_t>(band);
        q.mode = 2;
        q.awards[0] = award;
        q.entries[0] = number;
        q.comments = comments;
        append(q);
    }
    // Chooses the options and presses the buttons in turn.
    static void click(QWidget* picker, std::initializer_list<const char*> names) {
        for (const char* name : names)
            if (auto* option = picker->findChild<QRadioButton*>(name))
                option->setChecked(true);
            else
                picker->findChild<QPushButton*>(name)->click();
    }
    static bool chosen(QWidget* picker, const char* name) {
        return picker->findChild<QRadioButton*>(name)->isChecked();
    }
    // Return has closed the picker once its deletion has run.
    static void closedown() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

} // namespace

TEST_F(NetReports, GeratolItemsRunTheirReports) {
    netqso("W1AW", 4, 0, 0);
    start();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(window->findChild<QAction*>("goger35")->isEnabled());
    trigger("goallgeratolqsos");
    ASSERT_NE(window->reportwindow(), nullptr);
    EXPECT_EQ(shown()[0], "Geratol QSOs Sorted by Call - " + mycall);
    EXPECT_EQ(shown()[3], "W1AW       ");
    EXPECT_EQ(s->reportfontsize, 8);
    trigger("goger6");
    EXPECT_EQ(shown()[0], "Geratol Endorsement #5 WAS 2 X 2 Double Letter Suffix - " + mycall);
    EXPECT_EQ(s->reportfontsize, 10);
}

TEST_F(NetReports, OmissPickerRunsOneReportAfterAnother) {
    netqso("W1AW", 2, s->omissaward, 20);
    netqso("K1AB", 4, s->omissaward, 21, "Military");
    netqso("N1XY", 3, s->omissaward, 22);
    netqso("W2AB", 8, s->omissaward, 23, "mil");
    start();
    ASSERT_NE(window, nullptr);
    trigger("goomiss");
    omisspicker* picker = window->omisswindow();
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(picker->windowTitle(), toqt(s->apptitle + " " + mycall));
    click(picker, {"continue"}); // 160 m, All QSOs
    EXPECT_EQ(shown()[0], "OMISS Net All QSOs 160 Mtrs - " + mycall);
    EXPECT_EQ(shown()[2], "Call       Date       Time   OMISS #");
    EXPECT_EQ(shown()[3].substr(0, 4), "W1AW");
    click(picker, {"band80", "continue"}); // band 3 alone, not 75 Extra
    EXPECT_EQ(shown()[3].substr(0, 4), "N1XY");
    EXPECT_EQ(shown().back(), "1 QSOs");
    click(picker, {"allbands", "report1", "continue"});
    EXPECT_EQ(shown()[0], "OMISS Net Worked All States All Bands - " + mycall);
    EXPECT_EQ(shown()[2], "State   Call       Date       Time   Band      OMISS #");
    click(picker, {"report10", "continue"}); // a second run shows only its own QSOs
    EXPECT_EQ(shown().size(), 3u + 2 + 2);
    EXPECT_EQ(shown()[3].substr(0, 4), "K1AB");
    click(picker, {"band20", "report13", "continue"});
    EXPECT_EQ(shown()[0], "OMISS Net Calls Worked by Band - " + mycall);
    EXPECT_TRUE(picker->allbandsflag() && chosen(picker, "allbands"));
    EXPECT_EQ(shown().size(), 3u + 3); // 75 Extra is no column of its own

    trigger("goomiss"); // one picker
    EXPECT_EQ(window->findChildren<omisspicker*>().size(), 1);
    click(picker, {"goback"});
    closedown();
    EXPECT_EQ(window->omisswindow(), nullptr);
    trigger("goomiss"); // a fresh picker starts on 160 m and All QSOs
    ASSERT_NE(window->omisswindow(), nullptr);
    EXPECT_TRUE(chosen(window->omisswindow(), "band160") &&
                chosen(window->omisswindow(), "report0"));
}

TEST_F(NetReports, HhhPickerRunsTheChosenKind) {
    netqso("W1AW", 8, s->hhhaward, 7);
    start();
    ASSERT_NE(window, nullptr);
    trigger("gohhhnet");
    hhhpicker* picker = window->hhhwindow();
    ASSERT_NE(picker, nullptr);
    click(picker, {"continue"}); // All QSOs
    EXPECT_EQ(shown()[0], "HHH Net All QSOs  - " + mycall);
    EXPECT_EQ(shown().back(), "1 QSOs");
    click(picker, {"repno8", "continue"});
    EXPECT_EQ(shown()[0], "HHH Net Continents  - " + mycall);
    EXPECT_EQ(shown().back(), "0 QSOs"); // the QSO has no continent
    click(picker, {"goback"});
    closedown();
    EXPECT_EQ(window->hhhwindow(), nullptr);
}
