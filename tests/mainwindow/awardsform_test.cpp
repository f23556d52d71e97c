#include "mainwindow/awardsform.h"
#include "platform/codepage.h"
#include "platform/fileio.h"
#include "support/keyboard.h"
#include "support/startedlog.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

struct AwardsForm : ::testing::Test, StartedLog {
    std::unique_ptr<awardsform> form;

    // A log of n QSOs, every one with a Ten-Ten number in slot 1 and a state in slot 2.
    void open(int n) {
        for (int i = 1; i <= n; ++i) {
            qsorecord q = qso("Q" + std::to_string(i));
            q.awards[0] = s->tentenaward;
            q.entries[0] = 1000 + i;
            q.awards[1] = s->wasaward;
            q.entries[1] = 4;
            append(q);
        }
        start();
        ASSERT_NE(window, nullptr);
        dialogs.shown.clear();
        form = std::make_unique<awardsform>(*s, dialogs, *window);
    }
    QListWidget* list() const { return form->findChild<QListWidget*>("showem"); }
    std::string status() const { return fromqt(form->findChild<QLabel*>("ms")->text()); }
    void check(const std::string& name, bool on) {
        const auto found = list()->findItems(toqt(name), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        found[0]->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    }
    std::string file(const char* name) const {
        return readwholefile(folder.path() + name).value_or("<none>");
    }
};

} // namespace

TEST_F(AwardsForm, OpensWithEveryAwardCheckedAndCountsTheChoice) {
    open(1);
    ASSERT_EQ(list()->count(), 70);
    for (int k = 0; k < list()->count(); ++k)
        EXPECT_EQ(list()->item(k)->checkState(), Qt::Checked) << k;
    EXPECT_EQ(status(), "70 Awards and 70 Selected");

    check("QCWA #", false);
    EXPECT_EQ(status(), "70 Awards and 69 Selected");
    check("US Texas Counties", false);
    EXPECT_EQ(status(), "70 Awards and 19 Selected");
    EXPECT_EQ(list()->item(s->uscountiesaward - 1)->checkState(), Qt::Unchecked);
    EXPECT_EQ(list()->item(s->uscountiesaward + 48)->checkState(), Qt::Unchecked);
    EXPECT_EQ(list()->item(s->uscountiesaward + 49)->checkState(), Qt::Checked);
    check("US Alabama Counties", true);
    EXPECT_EQ(status(), "70 Awards and 69 Selected");
    EXPECT_EQ(list()->item(s->uscountiesaward + 48)->checkState(), Qt::Checked);
}

TEST_F(AwardsForm, DroppingAnAwardAsksThenLosesItsSlotsInEveryQso) {
    open(3);
    const std::string oldfile = file("awards.dat");
    s->tentenready = true;
    s->qsos[2].deleted = "D";
    s->editingqso = true;
    s->editindex = 3;
    check("Ten-Ten #", false);
    form->awardsform_quit_Click();

    ASSERT_FALSE(dialogs.shown.empty());
    EXPECT_EQ(dialogs.shown[0].text, "2 QSO award slots hold awards you are no longer "
                                     "tracking. They will be lost.\r\nImplement the changes?");
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_FALSE(form->programmustend());
    EXPECT_EQ(s->tentenaward, 0);
    EXPECT_FALSE(s->tentenready);
    EXPECT_EQ(s->awardcount, 69);
    EXPECT_EQ(file("awards.bak"), oldfile);
    EXPECT_EQ(file("awards.dat").find("Ten-Ten #\""), std::string::npos);
    ASSERT_EQ(s->qsocount, 2);
    for (int i = 1; i <= 2; ++i) {
        EXPECT_EQ(s->qsos[i].awards[0], 0);
        EXPECT_EQ(s->qsos[i].awards[1], s->wasaward); // a kept award keeps its entry
        EXPECT_EQ(s->qsos[i].entries[1], 4);
    }
    // The edited QSO Q3 is now the second record.
    EXPECT_EQ(s->editindex, 2);
    EXPECT_TRUE(s->editingqso);
    EXPECT_EQ(s->qsos[2].call.trimmedright(), "Q3");
    EXPECT_EQ(window->findChild<QComboBox*>("pickaward0")->count(), 70);
}

TEST_F(AwardsForm, AnsweringNoOrIgnoringChangesNothing) {
    open(2);
    const std::string oldfile = file("awards.dat");
    const std::string oldlog = file("qsodata.dat");
    check("Ten-Ten #", false);
    dialogs.answers = {msganswer::no};
    form->awardsform_quit_Click();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(form->result(), 0);
    EXPECT_GT(s->tentenaward, 0);
    EXPECT_EQ(s->qsos[1].awards[0], s->tentenaward);
    EXPECT_EQ(file("awards.dat"), oldfile);
    EXPECT_EQ(file("awards.bak"), "<none>");

    form->awardsform_ignore_Click();
    EXPECT_EQ(form->result(), QDialog::Rejected);
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(s->awardcount, 70);
    EXPECT_EQ(file("awards.dat"), oldfile);
    EXPECT_EQ(file("qsodata.dat"), oldlog);
}

TEST_F(AwardsForm, AFailedWriteKeepsTheOldFileAndTable) {
    open(2);
    // A folder of the awards file's name can be neither copied nor replaced.
    const QString path = QString::fromStdString(folder.path() + "awards.dat");
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir().mkdir(path));
    check("QCWA #", false);
    form->awardsform_quit_Click();

    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].icon, msgicon::critical);
    EXPECT_NE(dialogs.shown[0].text.find("awards.dat, was not changed"), std::string::npos);
    EXPECT_EQ(form->result(), 0);
    EXPECT_EQ(s->awardcount, 70);
    EXPECT_GT(s->qcwaaward, 0);
    EXPECT_EQ(s->qsos[1].awards[0], s->tentenaward);
    EXPECT_TRUE(QFileInfo(path).isDir());
}

TEST_F(AwardsForm, TheMenuItemOpensTheFormUnderTheModalGuard) {
    start(1);
    ASSERT_NE(window, nullptr);
    bool guarded = false;
    whenmodal([&](QWidget* w) {
        guarded = window->modalformopen;
        w->findChild<QPushButton*>("ignore")->click();
    });
    trigger("goawardstotrack");
    EXPECT_TRUE(guarded);
    EXPECT_FALSE(window->modalformopen);
}

TEST_F(AwardsForm, EnterImplementsNothingUnlessOnTheImplementButton) {
    open(2);
    const std::string oldfile = file("awards.dat");
    form->show();
    // Enter in the list after unticking an award with Space: the form stays, nothing written.
    const auto tenten = list()->findItems("Ten-Ten #", Qt::MatchExactly);
    ASSERT_EQ(tenten.size(), 1);
    list()->setCurrentItem(tenten[0]);
    focuson(list());
    typekey(Qt::Key_Space);
    ASSERT_EQ(tenten[0]->checkState(), Qt::Unchecked);
    typekey(Qt::Key_Return);
    typekey(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(file("awards.dat"), oldfile);
    EXPECT_GT(s->tentenaward, 0);

    // Enter on a button presses that button, and only it.
    focuson(form->findChild<QPushButton*>("ignore"));
    typekey(Qt::Key_Return);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->result(), QDialog::Rejected);
    EXPECT_EQ(file("awards.dat"), oldfile);

    form->show();
    focuson(form->findChild<QPushButton*>("quit"));
    typekey(Qt::Key_Return);
    ASSERT_EQ(dialogs.shown.size(), 1u); // the question before the data is dropped
    EXPECT_EQ(s->tentenaward, 0);
    EXPECT_NE(file("awards.dat"), oldfile);
}
