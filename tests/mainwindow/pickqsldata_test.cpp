#include "callbook/pickqsldata.h"
#include "platform/codepage.h"
#include "platform/dirlists.h"
#include "platform/fileio.h"
#include "support/readonlyfolder.h"
#include "support/startedlog.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

const char* hamcallcdmessage = "The CD Drive for your HamCall CD is not available.\r\n"
                               "You probably need to put the CD in the drive.";

// The call-book source form, opened from the Setup menu of the started program.
struct PickQslData : ::testing::Test, StartedLog {
    LocalServer server;

    PickQslData() {
        start(0);
        dialogs.shown.clear(); // the first start's word on the missing log
    }
    std::string subfolder(const std::string& name) const {
        QDir().mkpath(toqt(folder.path() + name));
        return folder.path() + name;
    }
    // Opens the form from its menu item and acts on it; the texts of the messages shown.
    std::vector<std::string> use(std::function<void(pickqsldata&)> act) {
        whenmodal([act](QWidget* w) { act(*static_cast<pickqsldata*>(w)); });
        QAction* item = window->findChild<QAction*>("goqsldata");
        EXPECT_TRUE(item->isEnabled());
        item->trigger();
        std::vector<std::string> texts;
        for (const shownbox& box : dialogs.shown) {
            EXPECT_EQ(box.title, "Tessalog ");
            texts.push_back(box.text);
        }
        dialogs.shown.clear();
        return texts;
    }
    static QRadioButton* option(pickqsldata& f, int k) {
        return f.findChild<QRadioButton*>("source" + QString::number(k));
    }
    static DirectoryList* usepath(pickqsldata& f) { return f.findChild<DirectoryList*>("usepath"); }
    static QString ms(pickqsldata& f) { return f.findChild<QLabel*>("ms")->text(); }
    static void returnclick(pickqsldata& f) { f.findChild<QPushButton*>("goback")->click(); }
    std::string file(const char* name) const {
        return readwholefile(s->apppath + name).value_or("<none>");
    }
};

} // namespace

TEST_F(PickQslData, TheSetupMenuOpensItAndReturnStoresTheSourceAndTheFolderShown) {
    const std::string cd = subfolder("cd");
    bool guarded = false;
    QString caption;
    use([&](pickqsldata& f) {
        guarded = window->modalformopen;
        caption = f.windowTitle();
        option(f, 2)->click();
        ASSERT_TRUE(usepath(f)->setpath(cd));
        EXPECT_EQ(ms(f), toqt("Selected path:" + cd));
        returnclick(f);
    });
    EXPECT_EQ(dialogs.formsshown, std::vector<std::string>{"pickqsldata"});
    EXPECT_TRUE(guarded);
    EXPECT_FALSE(window->modalformopen);
    EXPECT_EQ(caption, "Select Source of Call Book Info");
    EXPECT_EQ(file("qsldata.ini"), "2,\"" + cd + "\"\r\n");
    EXPECT_EQ(s->callbooksource, 2);
    EXPECT_EQ(s->callbookpath, cd);
    EXPECT_FALSE(s->nocallbook);

    // The form shows the stored folder again; no source at all is source 0.
    use([&](pickqsldata& f) {
        EXPECT_TRUE(option(f, 2)->isChecked());
        EXPECT_EQ(usepath(f)->path(), cd);
        option(f, 0)->click();
        returnclick(f);
    });
    EXPECT_EQ(file("qsldata.ini"), "0,\"" + cd + "\"\r\n");
    EXPECT_TRUE(s->nocallbook);
}

TEST_F(PickQslData, ReturnWithAnOnlineSourceStillStoresTheFolderShown) {
    const std::string other = subfolder("other");
    dialogs.inputs = {"me", "pw"};
    use([&](pickqsldata& f) {
        option(f, 5)->click();
        usepath(f)->setpath(other);
        returnclick(f);
    });
    EXPECT_EQ(file("qsldata.ini"), "5,\"" + other + "\"\r\n");
    EXPECT_EQ(file("hamcall.ini"), "\"me\",\"pw\"\r\n");
}

TEST_F(PickQslData, AHamCallCdFolderThatIsNotThereMeansNoSource) {
    s->callbooksource = 2;
    s->callbookpath = folder.path() + "gone";
    const auto messages = use([&](pickqsldata& f) {
        EXPECT_TRUE(option(f, 0)->isChecked());
        EXPECT_EQ(s->callbooksource, 0);
        EXPECT_TRUE(s->nocallbook);
        returnclick(f);
    });
    EXPECT_EQ(messages, std::vector<std::string>{hamcallcdmessage});
    EXPECT_EQ(file("qsldata.ini").substr(0, 2), "0,");
}

TEST_F(PickQslData, WithoutCallsDatTheLocalFilesOptionIsHiddenYetStillChosen) {
    s->nocallsdat = true;
    s->callbooksource = 1;
    use([&](pickqsldata& f) {
        EXPECT_TRUE(option(f, 1)->isHidden());
        EXPECT_TRUE(option(f, 1)->isChecked());
        EXPECT_FALSE(option(f, 0)->isHidden());
        returnclick(f);
    });
    EXPECT_EQ(s->callbooksource, 1);
}

TEST_F(PickQslData, QrzOnlineClickedTwiceAsksStoresAndLogsInTwice) {
    internet.pointat(server);
    server.answer("<QRZDatabase><Session><Key>k3y</Key></Session></QRZDatabase>");
    s->qrzuser = "old";
    s->qrzpassword = "oldpw";
    dialogs.inputs = {"me", "p&ss", "me2", "pw2"};
    std::string between;
    use([&](pickqsldata& f) {
        option(f, 4)->click();
        between = file("qrz.ini");
        option(f, 4)->click();
        returnclick(f);
    });
    ASSERT_EQ(dialogs.prompts.size(), 4u);
    const std::pair<const char*, const char*> asked[] = {{"Enter user name for QRZ Online", "old"},
                                                         {"Enter password for QRZ Online", "oldpw"},
                                                         {"Enter user name for QRZ Online", "me"},
                                                         {"Enter password for QRZ Online", "p&ss"}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(dialogs.prompts[i].prompt, asked[i].first);
        EXPECT_EQ(dialogs.prompts[i].defaultanswer, asked[i].second);
        EXPECT_EQ(dialogs.prompts[i].title, "Tessalog ");
        // The password box shows dots.
        EXPECT_EQ(dialogs.prompts[i].echo, i % 2 ? inputecho::password : inputecho::normal);
    }
    EXPECT_EQ(between, "\"me\",\"p&ss\"\r\n");
    EXPECT_EQ(file("qrz.ini"), "\"me2\",\"pw2\"\r\n");
    EXPECT_EQ(QFile::permissions(toqt(s->apppath + "qrz.ini")) & QFileDevice::Permissions(0x7077),
              QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    ASSERT_EQ(server.requests.size(), 2u);
    EXPECT_EQ(server.requests[0].query, "username=me;password=p%26ss");
    EXPECT_EQ(server.requests[1].query, "username=me2;password=pw2");
    EXPECT_EQ(s->qrzkey, "k3y");
    EXPECT_TRUE(s->qrzkeyvalid);
    EXPECT_EQ(s->callbooksource, 4);
}

TEST_F(PickQslData, CancelKeepsALoginValueAndOneTheFileCannotHoldIsRefused) {
    s->hamcalluser = "old";
    s->hamcallpassword = "oldpw";
    dialogs.inputs = {std::nullopt, "new\"pw"};
    auto messages = use([&](pickqsldata& f) {
        option(f, 5)->click();
        returnclick(f);
    });
    EXPECT_EQ(messages, std::vector<std::string>{"The password for Buckmaster Online cannot hold a "
                                                 "double quote or a control character. Nothing "
                                                 "was stored."});
    EXPECT_EQ(file("hamcall.ini"), "<none>");
    EXPECT_EQ(s->hamcallpassword, "oldpw");

    dialogs.inputs = {std::nullopt, std::nullopt};
    messages = use([&](pickqsldata& f) {
        option(f, 5)->click();
        returnclick(f);
    });
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(file("hamcall.ini"), "\"old\",\"oldpw\"\r\n");
    EXPECT_EQ(dialogs.prompts[2].prompt, "Enter user name for Buckmaster Online");
    EXPECT_EQ(dialogs.prompts[3].prompt, "Enter password for Buckmaster Online");
    EXPECT_TRUE(server.requests.empty());
}

TEST_F(PickQslData, AFailedQrzLoginShowsTheTimeOutMessageAndTheLoginIsStored) {
    dialogs.inputs = {"me", "pw"};
    const auto messages = use([&](pickqsldata& f) {
        option(f, 4)->click();
        returnclick(f);
    });
    EXPECT_EQ(messages, std::vector<std::string>{"QRZ Internet access timed out.\r\nYou may not be "
                                                 "connected to the internet\r\nor the QRZ Server "
                                                 "is busy."});
    EXPECT_EQ(file("qrz.ini"), "\"me\",\"pw\"\r\n");
    EXPECT_FALSE(s->qrzkeyvalid);
}

TEST_F(PickQslData, TheQrzCdOptionLooksForTheCd) {
    struct answer {
        std::optional<int16_t> drive;
        std::vector<std::string> messages;
        bool ready;
    };
    const answer answers[] = {
        {std::nullopt, {"The QRZ Databases could not be found."}, false},
        {0, {"The QRZ Databases could not be found."}, false},
        {-1, {"QRZ is in use by another application."}, false},
        {69, {}, true},
    };
    for (const answer& a : answers) {
        s->callbooksource = 1; // the form opens on another source
        qrzcd.drive = a.drive;
        QString shown;
        const auto messages = use([&](pickqsldata& f) {
            option(f, 3)->click();
            shown = ms(f);
            returnclick(f);
        });
        EXPECT_EQ(messages, a.messages);
        EXPECT_EQ(s->qrzcdready, a.ready);
        if (a.ready) {
            EXPECT_EQ(shown, "Using QRZ Databases in drive E:");
        }
    }
    // Opened with the QRZ CD as the source, the form looks again and shows its drive.
    const int inits = qrzcd.inits;
    QString shown;
    use([&](pickqsldata& f) {
        shown = ms(f);
        returnclick(f);
    });
    EXPECT_EQ(qrzcd.inits, inits + 1);
    EXPECT_EQ(shown, "Using QRZ Databases in drive E:");
}

TEST_F(PickQslData, EnterInTheFolderBoxStoresTheFolderTyped) {
    const std::string typed = subfolder("typed");
    use([&](pickqsldata& f) {
        option(f, 1)->click();
        QLineEdit* box = usepath(f)->pathbox();
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, toqt(typed));
        QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_EQ(file("qsldata.ini"), "1,\"" + typed + "\"\r\n");
    EXPECT_EQ(s->callbookpath, typed);

    // A folder that is not there is refused, and the form stays open.
    const std::string kept = s->callbookpath;
    bool stayed = false;
    const auto messages = use([&](pickqsldata& f) {
        QLineEdit* box = usepath(f)->pathbox();
        box->setFocus();
        box->setText(toqt(folder.path() + "nowhere"));
        QTest::keyClick(box, Qt::Key_Return);
        stayed = f.isVisible();
        EXPECT_EQ(box->text(), toqt(kept));
        returnclick(f);
    });
    EXPECT_TRUE(stayed);
    EXPECT_EQ(messages, std::vector<std::string>{"The folder " + folder.path() + "nowhere" +
                                                 " is not there or cannot be read."});
    EXPECT_EQ(s->callbookpath, kept);
}

TEST_F(PickQslData, EscapeAndTheFrameStoreTheChoiceAsReturnDoes) {
    use([&](pickqsldata& f) {
        option(f, 1)->click();
        QTest::keyClick(&f, Qt::Key_Escape);
    });
    EXPECT_EQ(file("qsldata.ini").substr(0, 2), "1,");
    use([&](pickqsldata& f) {
        option(f, 0)->click();
        f.close();
    });
    EXPECT_EQ(file("qsldata.ini").substr(0, 2), "0,");
}

TEST_F(PickQslData, AFolderNameTheFileCannotHoldIsRefused) {
    const std::string quoted = subfolder("a\"b");
    const auto messages = use([&](pickqsldata& f) {
        usepath(f)->setpath(quoted);
        returnclick(f);
        EXPECT_TRUE(f.isVisible());
        usepath(f)->setpath(folder.path());
        returnclick(f);
    });
    EXPECT_EQ(messages, std::vector<std::string>{"The name of the folder " + quoted +
                                                 " cannot hold a double quote or a control "
                                                 "character. Choose another folder."});
}

TEST_F(PickQslData, ADriveThatCannotBeReadIsRefused) {
    const auto messages = use([&](pickqsldata& f) {
        auto* drives = f.findChild<DriveList*>("usedrive");
        drives->setvolumes({"/", folder.path() + "gone/"});
        const std::string shown = usepath(f)->path();
        drives->setCurrentIndex(1);
        f.pickqsldata_usedrive_Change();
        EXPECT_EQ(usepath(f)->path(), shown);
        EXPECT_EQ(drives->drive(), "/");
        drives->setCurrentIndex(0);
        f.pickqsldata_usedrive_Change();
        EXPECT_EQ(usepath(f)->path(), "/");
        EXPECT_EQ(ms(f), "Selected path:/");
        returnclick(f);
    });
    EXPECT_EQ(messages, std::vector<std::string>{"Drive not ready or not available."});
    EXPECT_EQ(s->callbookpath, "/");
}

TEST_F(PickQslData, InAReadOnlyFolderTheOldFileStaysAndTheChoiceHolds) {
    const std::string before = file("qsldata.ini");
    dialogs.inputs = {"me", "pw"};
    std::vector<std::string> messages;
    {
        ReadOnlyFolder locked(folder.path());
        messages = use([&](pickqsldata& f) {
            option(f, 5)->click();
            returnclick(f);
        });
    }
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].rfind("The log-in could not be stored in hamcall.ini: ", 0), 0u);
    EXPECT_EQ(messages[1].rfind("The call-book source could not be stored in qsldata.ini: ", 0),
              0u);
    for (const std::string& message : messages)
        EXPECT_TRUE(message.ends_with("\r\nIt is used until the program ends.")) << message;
    EXPECT_EQ(s->callbooksource, 5);
    EXPECT_EQ(s->hamcalluser, "me");
    EXPECT_EQ(file("qsldata.ini"), before);
    EXPECT_EQ(file("hamcall.ini"), "<none>");
}
