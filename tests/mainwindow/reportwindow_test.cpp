#include "platform/fileio.h"
#include "reports/showreports.h"
#include "support/keyboard.h"
#include "support/startedlog.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

struct ReportWindow : ::testing::Test, StartedLog {
    showreports* reports() const { return window->reportwindow(); }
    void runsummary(const char* power) {
        whenmodal([power](QWidget* w) {
            auto* box = w->findChild<QComboBox*>("powercombo");
            box->setCurrentIndex(box->findText(power));
            w->findChild<QPushButton*>("doit")->click();
        });
        trigger("godxccsummary");
    }
    std::string file(const std::string& name) const {
        return readwholefile(folder.path() + name).value_or("<none>");
    }
};

Report listing(std::vector<std::string> lines, bool clears) {
    Report r;
    r.lines = std::move(lines);
    r.clearsfirst = clears;
    r.fontsize = 8;
    return r;
}

} // namespace

TEST_F(ReportWindow, TheMenuRunsTheSummaryAfterThePowerChoice) {
    start(3);
    ASSERT_NE(window, nullptr);
    s->qsos[1].power = 5;
    runsummary("QRP");
    ASSERT_NE(reports(), nullptr);
    EXPECT_TRUE(s->qrpflag);
    EXPECT_EQ(reports()->lines()[0], "DXCC Summary Report QRP N\xd8"
                                     "CALL");
    EXPECT_EQ(window->statustext(), "");
    const std::size_t once = reports()->lines().size();
    runsummary("QRO"); // the summary follows the report already shown
    EXPECT_EQ(reports()->lines().size(), 2 * once);
    EXPECT_EQ(reports()->lines()[once], "DXCC Summary Report N\xd8"
                                        "CALL");
}

TEST_F(ReportWindow, AClearingReportReplacesTheListAndSetsTheFont) {
    start(0);
    ASSERT_NE(window, nullptr);
    window->showreport(listing({"one", "two"}, false));
    window->showreport(listing({"three"}, true));
    EXPECT_EQ(reports()->lines(), (std::vector<std::string>{"three"}));
    EXPECT_EQ(reports()->listfontsize(), 8);
    EXPECT_EQ(s->reportfontsize, 8);
}

TEST_F(ReportWindow, WriteToDiskLeavesExactlyTheReport) {
    start(0);
    ASSERT_NE(window, nullptr);
    folder.write("out.doc", std::string(5000, 'x'));
    window->showreport(listing({"title", " ", "", "last"}, true));
    dialogs.files = {folder.path() + "out.doc"};
    reports()->findChild<QPushButton*>("todisk")->click();
    EXPECT_EQ(file("out.doc"), "title\r\n \r\n\r\nlast\r\n");
    EXPECT_EQ(s->chosenfile, folder.path() + "out.doc");

    dialogs.files = {std::nullopt}; // cancelled: nothing written, nothing said
    dialogs.shown.clear();
    reports()->todisk_Click();
    EXPECT_TRUE(dialogs.shown.empty());

    dialogs.files = {folder.path() + "missing/out.doc"};
    reports()->todisk_Click();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.shown[0].text.find("could not be written"), std::string::npos);
}

TEST_F(ReportWindow, LongReportsAreKeptWhole) {
    start(0);
    ASSERT_NE(window, nullptr);
    std::vector<std::string> many(40000, "line");
    many.back() = "the end";
    window->showreport(listing(many, true));
    dialogs.files = {folder.path() + "long.doc"};
    reports()->todisk_Click();
    EXPECT_EQ(file("long.doc").size(), 39999 * 6 + 9);
    reports()->printit_Click();
    ASSERT_EQ(dialogs.printed.size(), 1u);
    EXPECT_EQ(dialogs.printed[0].size(), 40000u);
}

TEST_F(ReportWindow, APrinterFailureSaysNoPrinterAndACancelSaysNothing) {
    start(0);
    ASSERT_NE(window, nullptr);
    window->showreport(listing({"x"}, true));
    dialogs.shown.clear();
    dialogs.printanswer = printresult::cancelled;
    reports()->printit_Click();
    EXPECT_TRUE(dialogs.shown.empty());
    dialogs.printanswer = printresult::failed;
    reports()->printit_Click();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "No Printer");
    reports()->findChild<QPushButton*>("goback")->click();
    QApplication::processEvents();
    EXPECT_EQ(window->reportwindow(), nullptr);
}

TEST_F(ReportWindow, AFreshWindowTakesTheSizeTheReportSet) {
    start(3);
    ASSERT_NE(window, nullptr);
    window->showreport(listing({"small"}, true));
    ASSERT_EQ(reports()->listfontsize(), 8);
    reports()->goback_Click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(reports(), nullptr);
    // The summary sets the size 12 but not the list's font: the window it opens loads at 12.
    runsummary("QRO");
    ASSERT_NE(reports(), nullptr);
    EXPECT_EQ(s->reportfontsize, 12);
    EXPECT_EQ(reports()->listfontsize(), 12);
}

TEST_F(ReportWindow, ANewReportBringsTheOpenWindowForwardAndActive) {
    start(2);
    ASSERT_NE(window, nullptr);
    trigger("goallqsos");
    ASSERT_NE(reports(), nullptr);
    QCoreApplication::processEvents();
    // The operator goes back to the main window and asks for another report.
    focuson(edit("incall"));
    ASSERT_EQ(QApplication::activeWindow(), window.get());
    runsummary("QRO");
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), reports());
    EXPECT_TRUE(reports()->isVisible());

    // Minimized by the operator, it comes back as well.
    reports()->showMinimized();
    focuson(edit("incall"));
    ASSERT_EQ(QApplication::activeWindow(), window.get());
    trigger("goallqsos");
    QCoreApplication::processEvents();
    EXPECT_FALSE(reports()->isMinimized());
    EXPECT_EQ(QApplication::activeWindow(), reports());
}

TEST_F(ReportWindow, EveryModelessFormAskedForAgainComesForwardFromTheTaskbar) {
    start(2);
    ASSERT_NE(window, nullptr);
    for (const char* item :
         {"gogrids", "gowab", "gobartg", "gonets", "gonumawards", "gocounties"}) {
        focuson(edit("incall"));
        trigger(item);
        QCoreApplication::processEvents();
        QWidget* form = QApplication::activeWindow();
        ASSERT_NE(form, nullptr) << item;
        ASSERT_NE(form, window.get()) << item;
        form->showMinimized();
        focuson(edit("incall"));
        ASSERT_EQ(QApplication::activeWindow(), window.get()) << item;
        trigger(item);
        QCoreApplication::processEvents();
        EXPECT_FALSE(form->isMinimized()) << item;
        EXPECT_EQ(QApplication::activeWindow(), form) << item;
        form->close();
    }
}
