#include "platform/codepage.h"
#include "platform/flexgrid.h"
#include "support/startedlog.h"

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {
struct ImportCommands : ::testing::Test, StartedLog {
    QStringList statuses;
    void watch() {
        QObject::connect(window.get(), &logbook::statuswritten,
                         [this](const QString& t) { statuses << t; });
    }
};
} // namespace

TEST_F(ImportCommands, TheAdifItemImportsTheChosenFileAndShowsTheEndOfTheLog) {
    start(2);
    ASSERT_NE(window, nullptr);
    watch();
    const std::string sample = std::string(TESSALOG_TESTDATA_DIR) + "/adif/skcc-logger.adi";
    dialogs.files = {sample};
    trigger("goadif");
    EXPECT_EQ(statuses.first(),
              "Importing ADIF file skcc-logger.adi. This may take a while, please be patient.");
    EXPECT_EQ(statuses.last(), "15 records imported from ADIF file.");
    EXPECT_EQ(s->chosenfile, sample);
    EXPECT_EQ(s->qsocount, 17);
    auto* grid = window->findChild<FlexGrid*>("showem");
    EXPECT_EQ(fromqt(grid->text(17, 5)).substr(0, 5),
              fromqt(toqt(s->qsos[17].call.str())).substr(0, 5));
    EXPECT_EQ(grid->text(18, 5), "");

    statuses.clear();
    dialogs.files = {std::nullopt}; // cancelled
    trigger("goadif");
    EXPECT_TRUE(statuses.isEmpty());
    EXPECT_EQ(s->qsocount, 17);
}

TEST_F(ImportCommands, AHintComesFirstAndCancelStopsTheImport) {
    start(0);
    ASSERT_NE(window, nullptr);
    dialogs.shown.clear();
    int imports = 0;
    dialogs.answers = {msganswer::cancel};
    dialogs.files = {folder.path() + "x.adi"};
    window->importcommand("NetLogger ADIF", "Export first.", [&] { ++imports; });
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, "Import Files");
    EXPECT_EQ(dialogs.shown[0].buttons, msgbuttons::okcancel);
    EXPECT_EQ(imports, 0);
    dialogs.answers = {msganswer::ok};
    window->importcommand("NetLogger ADIF", "Export first.", [&] { ++imports; });
    EXPECT_EQ(imports, 1);
    EXPECT_EQ(window->statustext(),
              "Importing NetLogger ADIF file x.adi. This may take a while, please be patient.");
}
