#include "callbook/qrzcd.h"
#include "callbook/setupfiles.h"
#include "core/state.h"
#include "support/scripteddialogs.h"
#include "support/scriptedqrzcd.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

#include <memory>

using namespace tsl;
using namespace tsl::test;

namespace {

struct QrzCd : ::testing::Test {
    TempFolder folder;
    ScriptedDialogs dialogs;
    ScriptedQrzCd qrzcd;
    std::unique_ptr<AppState> s = std::make_unique<AppState>();
    QrzCd() {
        setstartvalues(*s, folder.path(), 1000);
        s->apptitle = "Tessalog ";
        folder.write("qsldata.ini", "3,\"D:\\\"\r\n");
    }
    void expectonlymessage(const std::string& text) {
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].text, text);
        EXPECT_EQ(dialogs.shown[0].buttons, msgbuttons::ok);
        EXPECT_EQ(dialogs.shown[0].title, "Tessalog ");
    }
};

} // namespace

TEST_F(QrzCd, ADriveLetterMakesTheCdReadyAndNamesTheDrive) {
    qrzcd.drive = 69;
    loadqsldata(*s, dialogs, qrzcd);
    EXPECT_EQ(qrzcd.inits, 1);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(s->qrzdrive, 69);
    EXPECT_TRUE(s->qrzcdready);
    EXPECT_EQ(s->callbooksourcestatus, "Using QRZ Databases in drive E:");
    EXPECT_EQ(s->callbooksource, 3);
    EXPECT_FALSE(s->nocallbook);
}

TEST_F(QrzCd, ACdInUseOrNotFoundIsToldAndTheSourceKept) {
    qrzcd.drive = -1;
    loadqsldata(*s, dialogs, qrzcd);
    expectonlymessage("QRZ is in use by another application.");
    EXPECT_EQ(s->qrzdrive, -1);
    EXPECT_FALSE(s->qrzcdready);
    EXPECT_EQ(s->callbooksource, 3);
    EXPECT_EQ(s->callbookpath, "D:\\");

    dialogs.shown.clear();
    s->qrzcdready = true;
    qrzcd.drive = 0;
    loadqsldata(*s, dialogs, qrzcd);
    expectonlymessage("The QRZ Databases could not be found.");
    EXPECT_EQ(s->qrzdrive, 0);
    EXPECT_FALSE(s->qrzcdready);
    EXPECT_EQ(s->callbooksource, 3);
    EXPECT_EQ(s->callbooksourcestatus, "");
}

TEST_F(QrzCd, AnAbsentOrFailingLibraryMeansNoSource) {
    for (const std::optional<int16_t> answer :
         {std::optional<int16_t>(), std::optional<int16_t>(5), std::optional<int16_t>(-2)}) {
        dialogs.shown.clear();
        qrzcd.drive = answer;
        loadqsldata(*s, dialogs, qrzcd);
        expectonlymessage("No source for Call Book Info specified.\r\n"
                          "You will not be able to print address labels.\r\n"
                          "Click on Setup / Select Source of Call Book Info");
        EXPECT_EQ(s->callbooksource, 0);
        EXPECT_TRUE(s->nocallbook);
        EXPECT_FALSE(s->qrzcdready);
        EXPECT_EQ(s->callbookpath, folder.path());
    }
}

TEST_F(QrzCd, OnlySourceThreeAsksTheLibrary) {
    qrzcd.drive = 68;
    for (const char* file : {"1,\"\"\r\n", "2,\"D:\\\"\r\n", "4,\"\"\r\n", "0,\"\"\r\n"}) {
        folder.write("qsldata.ini", file);
        loadqsldata(*s, dialogs, qrzcd);
    }
    EXPECT_EQ(qrzcd.inits, 0);
    EXPECT_FALSE(s->qrzcdready);
    // The check alone, as the call-book source form runs it.
    EXPECT_TRUE(qrzcdcheck(*s, dialogs, qrzcd));
    EXPECT_EQ(s->callbooksourcestatus, "Using QRZ Databases in drive D:");
}
