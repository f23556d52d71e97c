#include "platform/fileio.h"
#include "reports/showreports.h"
#include "support/startedlog.h"

#include <QComboBox>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

struct PrefixesZonesCommands : ::testing::Test, StartedLog {
    const std::string mycall = "N\xd8"
                               "CALL"; // the default settings' call
    QStringList statuses;
    void startwith(const std::vector<std::string>& calls) {
        for (const std::string& c : calls)
            append(qso(c));
        start();
        ASSERT_NE(window, nullptr);
        QObject::connect(window.get(), &logbook::statuswritten,
                         [this](const QString& t) { statuses << t; });
    }
    // Runs the menu item, choosing the power in the form it shows first.
    std::vector<std::string> run(const char* item, const char* power = "QRO") {
        whenmodal([power](QWidget* w) {
            auto* box = w->findChild<QComboBox*>("powercombo");
            box->setCurrentIndex(box->findText(power));
            w->findChild<QPushButton*>("doit")->click();
        });
        trigger(item);
        return window->reportwindow() ? window->reportwindow()->lines()
                                      : std::vector<std::string>{};
    }
};

} // namespace

TEST_F(PrefixesZonesCommands, EachItemRunsItsReportAfterThePowerChoice) {
    startwith({"W1AW"});
    const std::pair<const char*, std::string> titles[] = {
        {"godxccdetail", "DXCC Detail report QRP "},
        {"gowap", "Prefixes - QRP "},
        {"gowac", "Worked All Continents - Mixed - QRP "},
        {"gocq", "Worked All CQ Zones - Mixed - QRP "},
        {"goitu", "Worked All ITU Zones - Mixed - QRP "}};
    for (const auto& [item, title] : titles) {
        const auto lines = run(item, "QRP");
        ASSERT_FALSE(lines.empty()) << item;
        EXPECT_EQ(lines[0], title + mycall);
        EXPECT_TRUE(s->qrpflag);
        EXPECT_EQ(window->reportwindow()->listfontsize(), s->reportfontsize) << item;
    }
    EXPECT_EQ(run("gocq", "QRO")[0], "Worked All CQ Zones - Mixed - " + mycall);
}

TEST_F(PrefixesZonesCommands, ThePrefixReportSaysItIsPreparingAndChangesNoCall) {
    startwith({"DL/W1ABC", "W1XYZ/P"});
    const auto lines = run("gowap");
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[3], "DL  -DL/W1ABC     W1  -W1XYZ/P      ");
    // The text stood until the report window took the report.
    EXPECT_EQ(statuses, (QStringList{"Preparing Prefixes Report", ""}));
    EXPECT_EQ(s->qsos[1].call.trimmedright(), "DL/W1ABC");
    window->logbook_gowritedescfile_Click();
    const std::string file = readwholefile(folder.path() + "qsodata.dat").value_or("");
    EXPECT_NE(file.find("\"DL/W1ABC    \""), std::string::npos);
    EXPECT_NE(file.find("\"W1XYZ/P     \""), std::string::npos);
}

TEST_F(PrefixesZonesCommands, TheCountryPrefixListNeedsNoPowerChoice) {
    startwith({});
    trigger("goprefixes");
    ASSERT_NE(window->reportwindow(), nullptr);
    const auto lines = window->reportwindow()->lines();
    EXPECT_EQ(lines[0], "DXCC Countries and Prefixes");
    EXPECT_EQ(lines.back(), std::to_string(s->dxcccount) + " Countries");
    // The report's size reaches the list as the window first loads.
    EXPECT_EQ(window->reportwindow()->listfontsize(), 8);
}
