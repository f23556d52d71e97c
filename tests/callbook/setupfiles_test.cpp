#include "callbook/qrzcd.h"
#include "callbook/setupfiles.h"
#include "core/state.h"
#include "platform/fileio.h"
#include "support/localserver.h"
#include "support/scripteddialogs.h"
#include "support/scriptedqrzcd.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

#include <memory>

using namespace tsl;
using namespace tsl::test;

namespace {

const char* nosource = "No source for Call Book Info specified.\r\n"
                       "You will not be able to print address labels.\r\n"
                       "Click on Setup / Select Source of Call Book Info";

struct SetupFiles : ::testing::Test {
    TempFolder folder;
    ScriptedDialogs dialogs;
    ScriptedQrzCd qrzcd;
    LocalInternet internet;
    std::unique_ptr<AppState> s = std::make_unique<AppState>();
    SetupFiles() {
        setstartvalues(*s, folder.path(), 1000);
        s->apptitle = "Tessalog ";
    }
};

} // namespace

TEST_F(SetupFiles, NoQslDataFileMeansNoSourceWithTheThreeLineMessage) {
    loadqsldata(*s, dialogs, qrzcd);
    EXPECT_EQ(s->callbooksource, 0);
    EXPECT_TRUE(s->nocallbook);
    EXPECT_EQ(s->callbookpath, folder.path());
    EXPECT_EQ(s->callbookroot, folder.path().substr(0, 3));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, nosource);
    EXPECT_EQ(dialogs.shown[0].buttons, msgbuttons::ok);
    EXPECT_EQ(dialogs.shown[0].title, "Tessalog ");
}

TEST_F(SetupFiles, SourceZeroKeepsItsPathAndStillSaysSo) {
    folder.write("qsldata.ini", "0,\"D:\\Ham0\"\r\n");
    loadqsldata(*s, dialogs, qrzcd);
    EXPECT_EQ(s->callbooksource, 0);
    EXPECT_TRUE(s->nocallbook);
    EXPECT_EQ(s->callbookpath, "D:\\Ham0");
    EXPECT_EQ(s->callbookroot, "D:\\");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, nosource);
}

TEST_F(SetupFiles, AChosenSourceIsTakenSilently) {
    folder.write("qsldata.ini", "2,\"D:\\Ham0\"\r\n");
    loadqsldata(*s, dialogs, qrzcd);
    EXPECT_EQ(s->callbooksource, 2);
    EXPECT_FALSE(s->nocallbook);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST(SetupFileReaders, SourceAndPathThenUserAndPassword) {
    const auto qsldata = readqsldatabytes("2,\"D:\\Ham0\"\r\n");
    ASSERT_TRUE(qsldata);
    EXPECT_EQ(qsldata->source, 2);
    EXPECT_EQ(qsldata->path, "D:\\Ham0");
    for (const char* bad : {"\"two\",\"D:\\\"\r\n", "2\r\n", "99999,\"x\"\r\n", ""})
        EXPECT_FALSE(readqsldatabytes(bad)) << bad;

    const auto login = readloginbytes("\"me\",\"secret\"\r\n");
    ASSERT_TRUE(login);
    EXPECT_EQ(login->user, "me");
    EXPECT_EQ(login->password, "secret");
    EXPECT_TRUE(readloginbytes("\"\",\"\"\r\n"));
    EXPECT_FALSE(readloginbytes("\"only one\"\r\n"));
}

TEST_F(SetupFiles, AnUnreadableQslDataFileMeansNoSource) {
    s->callbooksource = 5;
    s->nocallbook = false;
    folder.write("qsldata.ini", "2\r\n");
    loadqsldata(*s, dialogs, qrzcd);
    EXPECT_EQ(s->callbooksource, 0);
    EXPECT_TRUE(s->nocallbook);
    EXPECT_EQ(s->callbookpath, folder.path());
    EXPECT_EQ(dialogs.shown.size(), 1u);
}

TEST_F(SetupFiles, OnlineLoginsAreReadForTheirOwnSourceOnly) {
    folder.write("hamcall.ini", "\"hcuser\",\"hcpass\"\r\n");
    folder.write("qrz.ini", "\"qrzuser\",\"qrzpass\"\r\n");
    s->callbooksource = callbookhamcallcd;
    loadcallbooklogin(*s, internet);
    EXPECT_EQ(s->hamcalluser, "");
    EXPECT_EQ(s->qrzuser, "");

    s->callbooksource = callbookhamcallonline;
    loadcallbooklogin(*s, internet);
    EXPECT_EQ(s->hamcalluser, "hcuser");
    EXPECT_EQ(s->hamcallpassword, "hcpass");
    EXPECT_EQ(s->qrzuser, "");

    s->callbooksource = callbookqrzonline;
    loadcallbooklogin(*s, internet);
    EXPECT_EQ(s->qrzuser, "qrzuser");
    EXPECT_EQ(s->qrzpassword, "qrzpass");
}

TEST_F(SetupFiles, AMissingLoginFileLeavesTheLoginEmpty) {
    s->callbooksource = callbookhamcallonline;
    s->hamcalluser = "stale";
    loadcallbooklogin(*s, internet);
    EXPECT_EQ(s->hamcalluser, "");
    EXPECT_EQ(s->hamcallpassword, "");
}

TEST_F(SetupFiles, TheEqslFileTurnsTheUploadOn) {
    loadeqsllogin(*s);
    EXPECT_FALSE(s->eqslenabled);
    EXPECT_EQ(s->eqsluser, "");

    folder.write("eqsl.ini", "\"\",\"\"\r\n");
    loadeqsllogin(*s);
    EXPECT_TRUE(s->eqslenabled);
    EXPECT_EQ(s->eqsluser, "");

    s->eqslenabled = false;
    folder.write("eqsl.ini", "\"me\",\"secret\"\r\n");
    loadeqsllogin(*s);
    EXPECT_TRUE(s->eqslenabled);
    EXPECT_EQ(s->eqsluser, "me");
    EXPECT_EQ(s->eqslpassword, "secret");

    s->eqslenabled = false;
    folder.write("eqsl.ini", "\"only one\"\r\n");
    loadeqsllogin(*s);
    EXPECT_FALSE(s->eqslenabled);
    EXPECT_EQ(s->eqsluser, "");
}

TEST(Services, ThreeQuotedHttpAddressesReplaceTheDefaults) {
    const auto urls = parseservices("\"http://127.0.0.1:8080/\",\"https://qrz.example\","
                                    "\"HTTP://localhost:1/eqsl\"\r\n");
    ASSERT_TRUE(urls);
    EXPECT_EQ(urls->hamcall, "http://127.0.0.1:8080");
    EXPECT_EQ(urls->qrz, "https://qrz.example");
    EXPECT_EQ(urls->eqsl, "HTTP://localhost:1/eqsl");
}

TEST(Services, AnythingElseKeepsTheDefaults) {
    for (const char* bad :
         {"", "\"http://a\",\"http://b\"\r\n",
          "\"http://a\",\"http://b\",\"http://c\",\"http://d\"\r\n",
          "\"http://a\",\"ftp://b\",\"http://c\"\r\n",
          "\"http://a\",\"b.example\",\"http://c\"\r\n",
          "\"http://a\",\"http://\",\"http://c\"\r\n",
          "\"http://a\",\"http://b?x=1\",\"http://c\"\r\n",
          "http://a,\"http://b\",\"http://c\"\r\n", "\"http://a\",\"http://b\",\"http://c\r\n",
          "\"http://a b\",\"http://b\",\"http://c\"\r\n", "\x01\xff\"\x00"})
        EXPECT_FALSE(parseservices(bad)) << bad;
}

TEST(LoginFiles, AreTwoQuotedItemsThatTheReaderReadsBack) {
    TempFolder folder;
    EXPECT_EQ(writelogin(folder.path() + "eqsl.ini", "me, myself", "p&ss;w#rd \xd8"), "");
    EXPECT_EQ(readwholefile(folder.path() + "eqsl.ini"), "\"me, myself\",\"p&ss;w#rd \xd8\"\r\n");
    auto s = std::make_unique<AppState>();
    setstartvalues(*s, folder.path(), 1000);
    loadeqsllogin(*s);
    EXPECT_EQ(s->eqsluser, "me, myself");
    EXPECT_EQ(s->eqslpassword, "p&ss;w#rd \xd8");
}

TEST_F(SetupFiles, OnlySourceThreeAsksTheQrzCdLibraryAndAnAnswerNamingNoDriveIsNoSource) {
    qrzcd.drive = 68;
    for (const char* file : {"1,\"\"\r\n", "2,\"D:\\\"\r\n", "4,\"\"\r\n"}) {
        folder.write("qsldata.ini", file);
        loadqsldata(*s, dialogs, qrzcd);
    }
    EXPECT_EQ(qrzcd.inits, 0);
    folder.write("qsldata.ini", "3,\"D:\\\"\r\n");
    for (const int16_t answer : {5, -2}) {
        qrzcd.drive = answer;
        loadqsldata(*s, dialogs, qrzcd);
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].text, nosource);
        EXPECT_EQ(s->callbooksource, 0);
        EXPECT_FALSE(s->qrzcdready);
        dialogs.shown.clear();
    }
    // The check alone, as the call-book source form runs it.
    qrzcd.drive = 68;
    EXPECT_TRUE(qrzcdcheck(*s, dialogs, qrzcd));
    EXPECT_EQ(s->callbooksourcestatus, "Using QRZ Databases in drive D:");
}
