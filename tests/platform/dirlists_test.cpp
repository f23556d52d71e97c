#include "platform/dirlists.h"
#include "support/tempfolder.h"

#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {

QStringList items(const DirectoryList& list) {
    QStringList texts;
    const auto* folders = list.findChild<QListWidget*>("folders");
    for (int i = 0; i < folders->count(); ++i)
        texts << folders->item(i)->text();
    return texts;
}

} // namespace

TEST(DirectoryList, ShowsAFolderAndTheFoldersInIt) {
    TempFolder folder;
    QDir().mkpath(QString::fromStdString(folder.path() + "b/inner"));
    QDir().mkpath(QString::fromStdString(folder.path() + "a"));
    folder.write("file.txt", "x");
    DirectoryList list;
    int changes = 0;
    QObject::connect(&list, &DirectoryList::pathchanged, [&] { ++changes; });
    ASSERT_TRUE(list.setpath(folder.path()));
    const std::string shown = folder.path().substr(0, folder.path().size() - 1);
    EXPECT_EQ(list.path(), shown);
    EXPECT_EQ(items(list), (QStringList{"..", "a", "b"}));
    EXPECT_FALSE(list.typed());
    EXPECT_FALSE(list.setpath(folder.path() + "file.txt"));
    EXPECT_FALSE(list.setpath(folder.path() + "gone"));
    EXPECT_FALSE(list.setpath(""));
    EXPECT_EQ(list.path(), shown);
    EXPECT_EQ(changes, 1);
    ASSERT_TRUE(list.setpath("/"));
    EXPECT_FALSE(items(list).contains(".."));
}

TEST(DirectoryList, EnterOnAFolderOpensItAndPressesNoButton) {
    TempFolder folder;
    QDir().mkpath(QString::fromStdString(folder.path() + "b/inner"));
    QDialog form;
    auto* list = new DirectoryList(&form);
    auto* button = new QPushButton("Return", &form);
    button->setDefault(true);
    auto* layout = new QVBoxLayout(&form);
    layout->addWidget(list);
    layout->addWidget(button);
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });
    form.show();
    ASSERT_TRUE(list->setpath(folder.path()));
    auto* folders = list->findChild<QListWidget*>("folders");
    folders->setCurrentRow(1); // "b"
    QTest::keyClick(folders, Qt::Key_Return);
    EXPECT_EQ(list->path(), folder.path() + "b");
    EXPECT_EQ(clicks, 0);
    folders->setCurrentRow(0); // ".."
    QTest::keyClick(folders, Qt::Key_Return);
    EXPECT_EQ(list->path() + "/", folder.path());

    // What is typed in the box stays typed until it is taken or put back.
    list->pathbox()->setText("/elsewhere");
    EXPECT_TRUE(list->typed());
    EXPECT_EQ(list->typedpath(), "/elsewhere");
    list->reverttyped();
    EXPECT_FALSE(list->typed());
}

TEST(DriveList, ChoosesTheVolumeWithTheLongestRootThatHoldsThePath) {
    DriveList drives;
    drives.setvolumes({"/media/cd", "/", "/media"});
    EXPECT_EQ(drives.count(), 3);
    EXPECT_TRUE(drives.setdrive("/media/cd/Ham0"));
    EXPECT_EQ(drives.drive(), "/media/cd/");
    EXPECT_TRUE(drives.setdrive("/media/cdrom"));
    EXPECT_EQ(drives.drive(), "/media/");
    EXPECT_TRUE(drives.setdrive("/home"));
    EXPECT_EQ(drives.drive(), "/");
    EXPECT_FALSE(drives.setdrive("D:\\Ham0"));
    EXPECT_EQ(drives.drive(), "/");
}
