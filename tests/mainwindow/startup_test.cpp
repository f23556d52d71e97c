#include "core/state.h"
#include "mainwindow/flash.h"
#include "mainwindow/logbook.h"
#include "mainwindow/startup.h"
#include "platform/codepage.h"
#include "platform/fileio.h"
#include "support/datafiles.h"
#include "support/localserver.h"
#include "support/scripteddialogs.h"
#include "support/scriptedhamcallcd.h"
#include "support/scriptedqrzcd.h"
#include "support/tempfolder.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <memory>

using namespace tsl;
using namespace tsl::test;

namespace {

struct Startup : ::testing::Test {
    TempFolder folder;
    ScriptedDialogs dialogs;
    LocalInternet internet;
    ScriptedQrzCd qrzcd;
    ScriptedHamCallCd hamcallcd;
    std::unique_ptr<AppState> s = std::make_unique<AppState>();

    Startup() {
        s->localnow = [] { return QDateTime(QDate(2024, 8, 25), QTime(14, 30)); };
        folder.write("tsl.ini", "\"K0ABC\",71.06,\"W\",42.36,\"N\",-5,0,1,\"Tnx\"\r\n");
        folder.write("awards.dat", smallawards());
        folder.write("dxcc.dat", smalldxcc());
        folder.write("qsldata.ini", "1,\"\"\r\n");
    }

    std::unique_ptr<logbook> start() {
        return Main(*s, dialogs, internet, qrzcd, hamcallcd, folder.path());
    }

    void remove(const char* name) { QFile::remove(QString::fromStdString(folder.path() + name)); }

    void expectonlymessage(const std::string& text) {
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].text, text);
        EXPECT_EQ(dialogs.shown[0].title, "Tessalog ");
    }
};

template <class W> W* child(QWidget* window, const char* name) {
    W* w = window->findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
}

} // namespace

TEST_F(Startup, MissingSettingsEndTheProgramWithoutAMainWindow) {
    remove("tsl.ini");
    EXPECT_EQ(start(), nullptr);
    expectonlymessage("Your initialization file, tsl.ini, is missing.");
    EXPECT_EQ(dialogs.shown[0].icon, msgicon::critical);
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_FALSE(w->isVisible());
}

TEST_F(Startup, MissingAwardsEndTheProgramBeforeTheDxccFileIsRead) {
    remove("awards.dat");
    folder.write("dxcc.dat", "not a dxcc file");
    EXPECT_EQ(start(), nullptr);
    // Had dxcc.dat been read, its own message would follow.
    expectonlymessage("No Awards file, awards.dat");
}

TEST_F(Startup, MisorderedAwardsEndTheProgramAndLeaveTheLogAlone) {
    const std::string log = "not even a log, and never rewritten\r\n";
    folder.write("qsodata.dat", log);
    folder.write("awards.dat", smallawards() + "0,\"QCWA #\"\r\n");
    EXPECT_EQ(start(), nullptr);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.shown[0].text.find("\"QCWA #\" stands after a list award"),
              std::string::npos);
    EXPECT_EQ(readwholefile(folder.path() + "qsodata.dat"), log);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(folder.path() + "qsodata.bak")));
}

TEST_F(Startup, OnlyTheFirstRecordOfALargeCallsFileIsRead) {
    std::string calls = "300000,\"calls\"\r\n";
    calls.resize(8 << 20, 'x');
    folder.write("calls.dat", calls);
    folder.write("zip.dat", "");
    std::uint64_t others = 0;
    for (const char* name : {"tsl.ini", "awards.dat", "dxcc.dat", "qsldata.ini"})
        others += readwholefile(folder.path() + name)->size();
    const std::uint64_t before = filebytesread();
    ASSERT_NE(start(), nullptr);
    EXPECT_LE(filebytesread() - before, others + 156);
    EXPECT_EQ(s->callscount, 300000);
    EXPECT_FALSE(s->nocallsdat);
}

TEST_F(Startup, ADxccFileOfTooManyEntitiesEndsTheProgram) {
    std::string file;
    for (int i = 1; i <= 501; ++i)
        file += dxccline("K", {}, " ", "E" + std::to_string(i), i + 1);
    folder.write("dxcc.dat", file);
    EXPECT_EQ(start(), nullptr);
    expectonlymessage("No DXCC data file, dxcc.dat");
}

TEST_F(Startup, SettingsShowInTheMainWindow) {
    auto window = start();
    ASSERT_NE(window, nullptr);
    // A first start: only the QSO file is missing.
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text.substr(0, 38), "QSO data file, qsodata.dat not found.\r");
    EXPECT_EQ(window->statustext(), "No Records read from qsodata.dat.");
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(fromqt(window->windowTitle()), "Tessalog  K\xd8"
                                             "ABC");
    EXPECT_EQ(child<QLabel>(window.get(), "Distancemeasure")->text(), "Kilometers");
    // Five hours after the local 14:30.
    EXPECT_EQ(child<QLineEdit>(window.get(), "showtime")->text(), "19:30");
    EXPECT_EQ(child<QLineEdit>(window.get(), "showdate")->text(), "08/25/2024");
    EXPECT_EQ(s->pagerows, 1000);
    EXPECT_EQ(s->awardslots, 4);
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_NE(w->objectName(), "flash") << "the splash window outlives start-up";
}

TEST_F(Startup, ListsHoldTheirTablesFromIndexZero) {
    auto window = start();
    ASSERT_NE(window, nullptr);
    QWidget* w = window.get();
    // A list's position is the table index the QSO stores.
    EXPECT_EQ(child<QComboBox>(w, "modesel")->count(), s->modecount + 1);
    EXPECT_EQ(child<QComboBox>(w, "bandsel")->count(), s->bandcount + 1);
    EXPECT_EQ(child<QComboBox>(w, "propsel")->count(), s->propcount);
    EXPECT_EQ(fromqt(child<QComboBox>(w, "bandsel")->itemText(s->metrebandlimit)),
              s->bandtable[static_cast<std::size_t>(s->metrebandlimit)].longname);
    auto* continent = child<QComboBox>(w, "continent");
    EXPECT_EQ(continent->itemText(0), "  ");
    EXPECT_EQ(continent->itemText(5), "NA");
    auto* dxcc = child<QComboBox>(w, "dxcccombo");
    ASSERT_EQ(dxcc->count(), 4);
    EXPECT_EQ(dxcc->itemText(0), "None");
    EXPECT_EQ(dxcc->itemText(2), "United States of America");
    for (const char* name : {"pickaward0", "pickaward4"}) {
        auto* box = child<QComboBox>(w, name);
        ASSERT_EQ(box->count(), 4) << name;
        EXPECT_EQ(box->itemText(0), "None");
        EXPECT_EQ(box->itemText(3), "Worked All States");
        EXPECT_EQ(box->currentIndex(), -1) << name;
    }
    // No award is chosen, so each slot shows its entry list, not its number box.
    for (int i = 0; i < 5; ++i) {
        EXPECT_FALSE(child<QLineEdit>(w, qPrintable(QString("awardnumber%1").arg(i)))->isVisible());
        EXPECT_TRUE(child<QComboBox>(w, qPrintable(QString("awardentry%1").arg(i)))->isVisible());
    }
}

TEST_F(Startup, WithoutACallBookSourceStartUpSaysSoAndGoesOn) {
    remove("qsldata.ini");
    auto window = start();
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(dialogs.shown.size(), 2u); // then the missing QSO file's
    EXPECT_EQ(dialogs.shown[0].text.substr(0, 39), "No source for Call Book Info specified.");
    EXPECT_TRUE(s->nocallbook);
}

TEST_F(Startup, OnlineLoginsAreReadOnlyForAnOnlineSource) {
    folder.write("hamcall.ini", "\"user\",\"pass\"\r\n");
    folder.write("qsldata.ini", "2,\"D:\\Ham0\"\r\n");
    ASSERT_NE(start(), nullptr);
    EXPECT_EQ(s->hamcalluser, "");

    auto again = std::make_unique<AppState>();
    s.swap(again);
    folder.write("qsldata.ini", "5,\"\"\r\n");
    ASSERT_NE(start(), nullptr);
    EXPECT_EQ(s->hamcalluser, "user");
}

TEST_F(Startup, ALogOfOlderDxccLayoutLoadsWithNumberZero) {
    folder.write("dxcc.dat", dxccline("A", {"ZZ"}, " ", "Abu Ail Is.", -1) +
                                 dxccline("K", {"K"}, "X", "United States of America", -1));
    ASSERT_NE(start(), nullptr);
    EXPECT_FALSE(s->dxccnumbersinfile);
    EXPECT_EQ(s->dxcctable[2].dxccnum, 0);
}

TEST_F(Startup, AServicesFileReplacesTheBaseUrls) {
    folder.write(
        "services.ini",
        "\"http://127.0.0.1:7001\",\"http://127.0.0.1:7002\",\"http://127.0.0.1:7003\"\r\n");
    ASSERT_NE(start(), nullptr);
    EXPECT_EQ(internet.urls.hamcall, "http://127.0.0.1:7001");
    EXPECT_EQ(internet.urls.qrz, "http://127.0.0.1:7002");
    EXPECT_EQ(internet.urls.eqsl, "http://127.0.0.1:7003");
}

TEST_F(Startup, TheQrzCdSourceAsksTheLibraryForItsDrive) {
    folder.write("qsldata.ini", "3,\"\"\r\n");
    struct answer {
        std::optional<int16_t> drive;
        std::string message; // before the missing QSO file's
        int16_t source;
    };
    const answer answers[] = {{69, "", 3},
                              {-1, "QRZ is in use by another application.", 3},
                              {0, "The QRZ Databases could not be found.", 3},
                              {std::nullopt, "No source for Call Book Info specified.", 0}};
    for (const answer& a : answers) {
        s = std::make_unique<AppState>();
        dialogs.shown.clear();
        qrzcd.drive = a.drive;
        ASSERT_NE(start(), nullptr);
        ASSERT_EQ(dialogs.shown.size(), a.message.empty() ? 1u : 2u);
        EXPECT_EQ(dialogs.shown[0].text.substr(0, a.message.size()), a.message);
        EXPECT_EQ(dialogs.shown[0].title, "Tessalog ");
        EXPECT_EQ(s->callbooksource, a.source);
        EXPECT_EQ(s->qrzcdready, a.message.empty());
        EXPECT_EQ(s->callbooksourcestatus,
                  a.message.empty() ? "Using QRZ Databases in drive E:" : "");
    }
}

TEST_F(Startup, LeftoversOfCutOffWritesGoAndEveryOtherFileStays) {
    const char* leftovers[] = {"qsodata.dat.tessalog-partial-Ab12Cd",
                               "tsl.ini.tessalog-partial-x9Y8z7"};
    // The user's copies, names of the earlier writer's shape among them.
    const char* kept[] = {"qsodata.dat.Backup", "qsodata.dat.Copy01", "tsl.ini.MyCopy",
                          "awards.dat.Xmas24",  "qsldata.ini.Old123", "netlist.dat.YkTxbU",
                          "qsodata.dat.backup", "dxcc.dat.YkTxbU",    "qsodata-kept.dat.YkTxbU"};
    for (const char* name : leftovers)
        folder.write(name, "x");
    for (const char* name : kept)
        folder.write(name, std::string("the user's ") + name + "\r\n\x01\xff");
    ASSERT_NE(start(), nullptr);
    for (const char* name : leftovers)
        EXPECT_FALSE(fileexists(folder.path() + name)) << name;
    for (const char* name : kept)
        EXPECT_EQ(readwholefile(folder.path() + name),
                  std::string("the user's ") + name + "\r\n\x01\xff")
            << name;
}

TEST_F(Startup, QrzOnlineLogsInOnceAtStartUpAndNotWithoutItsFile) {
    LocalServer server;
    server.answer("<QRZDatabase><Session><Key>startkey</Key></Session></QRZDatabase>");
    folder.write("services.ini",
                 "\"" + server.url() + "\",\"" + server.url() + "\",\"" + server.url() + "\"\r\n");
    folder.write("qsldata.ini", "4,\"\"\r\n");
    ASSERT_NE(start(), nullptr);
    EXPECT_TRUE(server.requests.empty());
    EXPECT_FALSE(s->qrzkeyvalid);

    folder.write("qrz.ini", "\"me\",\"pw\"\r\n");
    s = std::make_unique<AppState>();
    ASSERT_NE(start(), nullptr);
    ASSERT_EQ(server.requests.size(), 1u);
    EXPECT_EQ(server.requests[0].path, "/bin/xml");
    EXPECT_EQ(server.requests[0].query, "username=me;password=pw");
    EXPECT_EQ(s->qrzkey, "startkey");
    EXPECT_TRUE(s->qrzkeyvalid);
}

TEST_F(Startup, TheSplashIsATitledWindowThatLeavesTheFocusToTheMainWindow) {
    {
        flash splash(toqt(programtitle));
        EXPECT_EQ(splash.windowType(), Qt::Window);
        EXPECT_EQ(splash.windowTitle(), "Tessalog ");
        EXPECT_EQ(child<QLabel>(&splash, "Label1")->text(), "Tessalog ");
        EXPECT_EQ(child<QLabel>(&splash, "Label4")->text(), "Program loading ...");
        // Shown, it does not take the focus (which a headless test cannot watch: every
        // window shown there is made active).
        EXPECT_TRUE(splash.testAttribute(Qt::WA_ShowWithoutActivating));
    }
    auto window = start();
    ASSERT_NE(window, nullptr);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), window.get());
}
