#include "callbook/eqslform.h"
#include "callbook/setupfiles.h"
#include "platform/codepage.h"
#include "platform/fileio.h"
#include "support/readonlyfolder.h"
#include "support/startedlog.h"

#include <QAction>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

struct EqslForm : ::testing::Test, StartedLog {
    std::unique_ptr<eQSLform> form;

    void open(const char* login) {
        if (login) folder.write("eqsl.ini", login);
        start(0);
        ASSERT_NE(window, nullptr);
        dialogs.shown.clear(); // the first start's word on the missing log
        form = std::make_unique<eQSLform>(*s, dialogs, window.get());
    }
    QString box(const char* name) const { return form->findChild<QLineEdit*>(name)->text(); }
    bool yes() const { return form->findChild<QRadioButton*>("Option1")->isChecked(); }
    std::optional<std::string> ini() const { return readwholefile(s->apppath + "eqsl.ini"); }
    void choose(bool on, const char* user, const char* password) {
        form->findChild<QRadioButton*>(on ? "Option1" : "Option2")->setChecked(true);
        form->findChild<QLineEdit*>("un")->setText(toqt(user));
        form->findChild<QLineEdit*>("pw")->setText(toqt(password));
        form->eQSLform_goback_Click();
    }
    // The upload as a new start of the program reads it.
    bool onatnextstart() const {
        AppState fresh;
        fresh.apppath = s->apppath;
        loadeqsllogin(fresh);
        return fresh.eqslenabled;
    }
};

} // namespace

TEST_F(EqslForm, TheSetupMenuOpensItModallyShowingTheLoginOnlyWhileTheUploadIsOn) {
    open("\"me\",\"secret\"\r\n");
    QAction* item = window->findChild<QAction*>("gosetupeQSL");
    ASSERT_TRUE(item->isEnabled());
    QString shown;
    QString caption;
    bool guarded = false;
    whenmodal([&](QWidget* w) {
        shown = w->objectName();
        caption = w->windowTitle();
        guarded = window->modalformopen;
        w->findChild<QPushButton*>("goback")->click();
    });
    trigger("gosetupeQSL");
    EXPECT_EQ(shown, "eQSLform");
    EXPECT_EQ(caption, "Setup eQSL");
    EXPECT_TRUE(guarded);
    EXPECT_FALSE(window->modalformopen);

    EXPECT_TRUE(yes());
    EXPECT_EQ(box("un"), "me");
    EXPECT_EQ(box("pw"), "secret");
    s->eqslenabled = false;
    form = std::make_unique<eQSLform>(*s, dialogs, window.get());
    EXPECT_FALSE(yes());
    EXPECT_EQ(box("un"), "");
    EXPECT_EQ(box("pw"), "");
}

TEST_F(EqslForm, YesStoresTheTrimmedLoginForTheOwnerOnly) {
    open(nullptr);
    choose(true, "  k0abc  ", " p&ss, w;rd ");
    EXPECT_TRUE(s->eqslenabled);
    EXPECT_EQ(s->eqsluser, "k0abc");
    EXPECT_EQ(ini(), "\"k0abc\",\"p&ss, w;rd\"\r\n");
    // Owner, group and others: the owner alone reads and writes.
    EXPECT_EQ(QFile::permissions(toqt(s->apppath + "eqsl.ini")) & QFileDevice::Permissions(0x7077),
              QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    choose(true, "", "   ");
    EXPECT_EQ(ini(), "\"\",\"\"\r\n");
    EXPECT_TRUE(onatnextstart());
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(EqslForm, NoRemovesTheFileSoTheUploadStaysOffAtTheNextStart) {
    open("\"me\",\"secret\"\r\n");
    choose(false, "me", "secret");
    EXPECT_FALSE(s->eqslenabled);
    EXPECT_FALSE(onatnextstart());
    choose(false, "", ""); // with no file left to remove, just as quietly
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(EqslForm, AQuoteOrAControlCharacterIsRefusedNamingTheBox) {
    open("\"me\",\"secret\"\r\n");
    choose(true, "new\"name", "pw");
    choose(true, "newname", "p\tw");
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_NE(dialogs.shown[0].text.find("eQSL User Name"), std::string::npos);
    EXPECT_NE(dialogs.shown[1].text.find("eQSL Password"), std::string::npos);
    // Nothing stored, and the form still open for a correction.
    EXPECT_EQ(ini(), "\"me\",\"secret\"\r\n");
    EXPECT_EQ(s->eqsluser, "me");
    EXPECT_NE(form->result(), QDialog::Accepted);
}

TEST_F(EqslForm, InAReadOnlyFolderTheOldFileStaysAndTheFormSaysSo) {
    open("\"me\",\"secret\"\r\n");
    {
        ReadOnlyFolder locked(folder.path());
        choose(true, "other", "pw2");
        EXPECT_EQ(s->eqsluser, "other"); // the choice holds for this run
        choose(false, "", "");
    }
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].text.rfind("The eQSL log-in could not be stored in eqsl.ini: ", 0),
              0u);
    EXPECT_EQ(dialogs.shown[1].text.rfind("eqsl.ini could not be removed: ", 0), 0u);
    EXPECT_EQ(ini(), "\"me\",\"secret\"\r\n");
    EXPECT_FALSE(s->eqslenabled);
}

TEST_F(EqslForm, ThePasswordShowsAsDotsAndEscapeOrTheFrameLeaveAsReturnDoes) {
    open("\"me\",\"secret\"\r\n");
    EXPECT_EQ(form->findChild<QLineEdit*>("pw")->echoMode(), QLineEdit::Password);
    form->show();
    form->findChild<QLineEdit*>("un")->setText("  other ");
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(s->eqsluser, "other");
    EXPECT_EQ(ini(), "\"other\",\"secret\"\r\n");

    // Values Return refuses keep the form open, by Escape or by the frame.
    form = std::make_unique<eQSLform>(*s, dialogs, window.get());
    form->show();
    form->findChild<QLineEdit*>("pw")->setText("se\"cret");
    QTest::keyClick(form.get(), Qt::Key_Escape);
    form->close();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(ini(), "\"other\",\"secret\"\r\n");
    form->findChild<QRadioButton*>("Option2")->setChecked(true);
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(s->eqslenabled);
    EXPECT_FALSE(onatnextstart());
}
