#include "mainwindow/windowtest.h"
#include "platform/fileio.h"
#include "reports/prefixes.h"

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

using PrefixesZonesCommands = WindowTest;

const std::string mycall = "N\xd8"
                           "CALL"; // the default settings' call

} // namespace

TEST_F(PrefixesZonesCommands, EachItemRunsItsReportAfterThePowerChoice) {
    append(qso("W1AW"));
    begin();
    const std::pair<const char*, std::string> titles[] = {
        {"godxccdetail", "DXCC Detail report QRP "},
        {"gowap", "Prefixes - QRP "},
        {"gowac", "Worked All Continents - Mixed - QRP "},
        {"gocq", "Worked All CQ Zones - Mixed - QRP "},
        {"goitu", "Worked All ITU Zones - Mixed - QRP "}};
    for (const auto& [item, title] : titles) {
        EXPECT_TRUE(window->findChild<QAction*>(item)->isEnabled()) << item;
        choosepower("QRP");
        trigger(item);
        ASSERT_FALSE(shown().empty()) << item;
        EXPECT_EQ(shown()[0], title + mycall);
        EXPECT_TRUE(s->qrpflag);
        EXPECT_EQ(window->reportwindow()->listfontsize(), s->reportfontsize) << item;
    }
    choosepower("QRO");
    trigger("gocq");
    EXPECT_EQ(shown()[0], "Worked All CQ Zones - Mixed - " + mycall);
}

TEST_F(PrefixesZonesCommands, ThePrefixReportSaysItIsPreparingAndChangesNoCall) {
    append(qso("DL/W1ABC"));
    append(qso("W1XYZ/P"));
    begin();
    choosepower("QRO");
    trigger("gowap");
    const auto lines = shown();
    EXPECT_EQ(lines, prefixreport(*s, 0, false).lines);
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
    begin(0);
    trigger("goprefixes");
    ASSERT_NE(window->reportwindow(), nullptr);
    EXPECT_EQ(shown().front(), "DXCC Countries and Prefixes");
    EXPECT_EQ(shown().back(), std::to_string(s->dxcccount) + " Countries");
    // The report's size reaches the list as the window first loads.
    EXPECT_EQ(window->reportwindow()->listfontsize(), 8);
}
