#include "core/settings.h"
#include "core/state.h"
#include "support/scripteddialogs.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

#include <memory>

using namespace tsl;
using tsl::test::ScriptedDialogs;
using tsl::test::TempFolder;

namespace {

const QDateTime localnoon(QDate(2024, 8, 25), QTime(12, 0, 0));

struct Settings : ::testing::Test {
    TempFolder folder;
    ScriptedDialogs dialogs;
    std::unique_ptr<AppState> s = std::make_unique<AppState>();
    QDateTime now = localnoon;

    Settings() {
        setstartvalues(*s, folder.path(), 1000);
        s->apptitle = "Tessalog ";
        s->localnow = [this] { return now; };
    }

    // The reader from bytes, its settings put into the state.
    bool load(const std::string& ini) {
        const auto read = readsettingsbytes(ini);
        if (read) applysettings(*s, *read);
        return static_cast<bool>(read);
    }
};

} // namespace

TEST_F(Settings, ReadsTheNineItems) {
    ASSERT_TRUE(load("\"K0ABC\",71.06,\"W\",42.36,\"N\",-5,0,1,\"Tnx\"\r\n"));
    EXPECT_EQ(s->mycall.str(), "K\xd8"
                               "ABC ");
    EXPECT_EQ(logbookcaption(*s), "Tessalog  K\xd8"
                                  "ABC");
    EXPECT_FLOAT_EQ(s->mylon, -71.06f);
    EXPECT_FLOAT_EQ(s->mylat, 42.36f);
    EXPECT_FLOAT_EQ(s->lonsetting, 71.06f);
    EXPECT_EQ(s->londirsetting, "W");
    EXPECT_EQ(s->dateformatflag, 0);
    EXPECT_EQ(distanceunittext(*s), "Kilometers");
    EXPECT_EQ(s->labelmessage, "Tnx");
}

TEST_F(Settings, UtcIsLocalTimeMinusTheOffset) {
    ASSERT_TRUE(load("\"K0ABC\",71.06,\"W\",42.36,\"N\",-5,0,0,\"\"\r\n"));
    EXPECT_EQ(utctimetext(*s), "17:00");
    EXPECT_EQ(utcdatetext(*s), "08/25/2024");
    EXPECT_EQ(distanceunittext(*s), "Miles");

    ASSERT_TRUE(load("\"K0ABC\",71.06,\"W\",42.36,\"N\",5.5,0,0,\"\"\r\n"));
    EXPECT_EQ(utctimetext(*s), "06:30");

    // Crossing midnight moves the date, in the day-first order for any non-zero flag.
    now = QDateTime(QDate(2024, 12, 30), QTime(22, 15));
    ASSERT_TRUE(load("\"K0ABC\",0,\"E\",0,\"N\",-3,2,0,\"\"\r\n"));
    EXPECT_EQ(s->dateformatflag, 2);
    EXPECT_EQ(utcdatetext(*s), "31/12/2024");
    EXPECT_EQ(utctimetext(*s), "01:15");
}

TEST_F(Settings, HemispheresAreExactUpperCaseLetters) {
    ASSERT_TRUE(load("\"G4ABC\",1.5,\"w\",50.25,\"s\",0,0,0,\"\"\r\n"));
    EXPECT_FLOAT_EQ(s->mylon, 1.5f);
    EXPECT_FLOAT_EQ(s->mylat, 50.25f);
    ASSERT_TRUE(load("\"G4ABC\",1.5,\"W\",50.25,\"S\",0,0,0,\"\"\r\n"));
    EXPECT_FLOAT_EQ(s->mylon, -1.5f);
    EXPECT_FLOAT_EQ(s->mylat, -50.25f);
}

TEST_F(Settings, OwnCallIsCutToSixAndEveryZeroSlashed) {
    ASSERT_TRUE(load("\"VK0ABCDE\",0,\"E\",0,\"N\",0,0,0,\"\"\r\n"));
    EXPECT_EQ(s->mycall.str(), "VK\xd8"
                               "ABC");
    ASSERT_TRUE(load("\"\",0,\"E\",0,\"N\",0,0,0,\"\"\r\n"));
    EXPECT_EQ(s->mycall.str(), "      ");
    EXPECT_EQ(logbookcaption(*s), "Tessalog  ");
}

TEST_F(Settings, AnUnreadableLineIsRefused) {
    const char* bad[] = {
        "\"K0ABC\",71.06,\"W\",42.36,\"N\",-5,0,1\r\n",             // eight items
        "\"K0ABC\",\"x\",\"W\",42.36,\"N\",-5,0,1,\"Tnx\"\r\n",     // text for a number
        "\"K0ABC\",71.06,\"W\",42.36,\"N\",-5,99999,1,\"Tnx\"\r\n", // 16-bit overflow
        "\"K0ABC\",71.06,\"W\",42.36,\"N\",-5,0,1,\"Tnx\r\n",       // unterminated text
        "\x01\x02\xff\xfe,,,\r\n",                                  // junk
    };
    for (const char* ini : bad) {
        const auto read = readsettingsbytes(ini);
        EXPECT_FALSE(read) << ini;
        EXPECT_FALSE(read.error().empty());
    }
}

TEST_F(Settings, AMissingOrUnreadableFileEndsTheProgramWithItsMessage) {
    for (const char* ini : {"", "\"K0ABC\",0,\"E\",0,\"N\",25,0,0,\"\"\r\n"}) {
        dialogs.shown.clear();
        if (*ini) folder.write("tsl.ini", ini);
        EXPECT_FALSE(loadsettings(*s, dialogs));
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].text, "Your initialization file, tsl.ini, is missing.");
        EXPECT_EQ(dialogs.shown[0].icon, msgicon::critical);
        EXPECT_EQ(dialogs.shown[0].buttons, msgbuttons::ok);
        EXPECT_EQ(dialogs.shown[0].title, "Tessalog ");
    }
    folder.write("tsl.ini", "\"K0ABC\",0,\"E\",0,\"N\",-24,0,0,\"\"\r\n");
    EXPECT_TRUE(loadsettings(*s, dialogs));
    EXPECT_EQ(s->gmtoffset, -24.0f);
}

TEST_F(Settings, UtcOffsetsBeyondADayAreRefused) {
    const auto ini = [](const std::string& offset) {
        return "\"K0ABC\",0,\"E\",0,\"N\"," + offset + ",0,0,\"\"\r\n";
    };
    ASSERT_TRUE(load(ini("24")));
    EXPECT_EQ(utctimetext(*s), "12:00");
    EXPECT_EQ(utcdatetext(*s), "08/24/2024");
    ASSERT_TRUE(load(ini("-24")));
    EXPECT_EQ(utcdatetext(*s), "08/26/2024");
    for (const char* offset : {"24.5", "-24.01", "1e20", "-1e20", "1e39", "\"abc\""})
        EXPECT_FALSE(load(ini(offset))) << offset;
}
