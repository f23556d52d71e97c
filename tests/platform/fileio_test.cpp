#include "platform/fileio.h"
#include "support/tempfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <csignal>
#include <limits>
#include <string>
#include <sys/resource.h>

using namespace tsl;
using tsl::test::TempFolder;

namespace {

QStringList entries(const std::string& folder) {
    return QDir(QString::fromStdString(folder))
        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

} // namespace

TEST(FileIo, WrittenBytesReadBackUnchanged) {
    TempFolder folder;
    const std::string path = folder.path() + "log.dat";
    static constexpr char raw[] = "\"K0ABC\",1\r\n\0\xd8\x1a";
    const std::string bytes(raw, sizeof raw - 1); // the NUL inside included
    ASSERT_EQ(bytes.size(), 14u);
    EXPECT_EQ(writefilesafely(path, bytes), "");
    EXPECT_TRUE(fileexists(path));
    EXPECT_EQ(readwholefile(path), bytes);
}

TEST(FileIo, SuccessfulWriteReplacesTheWholeFile) {
    TempFolder folder;
    const std::string path = folder.path() + "log.dat";
    folder.write("log.dat", std::string(5000, 'x'));
    EXPECT_EQ(writefilesafely(path, "short"), "");
    EXPECT_EQ(readwholefile(path), "short");
    EXPECT_EQ(writefilesafely(path, ""), "");
    EXPECT_EQ(readwholefile(path), "");
    EXPECT_EQ(entries(folder.path()), QStringList{"log.dat"}); // no temporary file left
}

TEST(FileIo, WriteIntoAMissingFolderFailsWithAReason) {
    TempFolder folder;
    folder.write("log.dat", "old");
    const std::string path = folder.path() + "missing/log.dat";
    EXPECT_NE(writefilesafely(path, "new"), "");
    EXPECT_FALSE(fileexists(path));
    EXPECT_EQ(readwholefile(folder.path() + "log.dat"), "old");
    EXPECT_EQ(entries(folder.path()), QStringList{"log.dat"});
}

TEST(FileIo, WriteOverAFolderFailsAndLeavesItAlone) {
    TempFolder folder;
    ASSERT_TRUE(QDir(QString::fromStdString(folder.path())).mkdir("log.dat"));
    folder.write("log.dat/inside", "old");
    EXPECT_NE(writefilesafely(folder.path() + "log.dat", "new"), "");
    EXPECT_EQ(readwholefile(folder.path() + "log.dat/inside"), "old");
    EXPECT_EQ(entries(folder.path()), QStringList{"log.dat"});
}

TEST(FileIo, WriteThatBreaksOffKeepsTheOldFile) {
    // A file size limit makes the write itself fail halfway, whoever runs the test.
    TempFolder folder;
    folder.write("log.dat", "old contents");
    const std::string path = folder.path() + "log.dat";
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldhandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string reason = writefilesafely(path, std::string(100000, 'n'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldhandler);
    EXPECT_NE(reason, "");
    EXPECT_EQ(readwholefile(path), "old contents");
    EXPECT_EQ(entries(folder.path()), QStringList{"log.dat"});
}

TEST(FileIo, ReadingAndExistenceOfMissingThings) {
    TempFolder folder;
    EXPECT_EQ(readwholefile(folder.path() + "none.dat"), std::nullopt);
    EXPECT_FALSE(fileexists(folder.path() + "none.dat"));
    EXPECT_FALSE(fileexists(folder.path())); // a folder is not a file
    folder.write("empty.dat", "");
    EXPECT_EQ(readwholefile(folder.path() + "empty.dat"), "");
    EXPECT_TRUE(fileexists(folder.path() + "empty.dat"));
}

TEST(FileIo, CopyReplacesTheDestinationOrReportsWhy) {
    TempFolder folder;
    folder.write("a.dat", "first");
    folder.write("b.dat", "a much longer old text");
    EXPECT_EQ(copyfile(folder.path() + "a.dat", folder.path() + "b.dat"), "");
    EXPECT_EQ(readwholefile(folder.path() + "b.dat"), "first");
    EXPECT_EQ(readwholefile(folder.path() + "a.dat"), "first");
    EXPECT_NE(copyfile(folder.path() + "none.dat", folder.path() + "b.dat"), "");
    EXPECT_EQ(readwholefile(folder.path() + "b.dat"), "first");
}

TEST(FileIo, RemovingAFileOrNothingIsQuietAndAFailureSaysWhy) {
    TempFolder folder;
    folder.write("old.ini", "x");
    EXPECT_EQ(removefile(folder.path() + "old.ini"), "");
    EXPECT_FALSE(fileexists(folder.path() + "old.ini"));
    EXPECT_EQ(removefile(folder.path() + "old.ini"), "");
    ASSERT_TRUE(QDir(QString::fromStdString(folder.path())).mkdir("sub"));
    folder.write("sub/inside", "x");
    EXPECT_NE(removefile(folder.path() + "sub"), "");
    EXPECT_EQ(readwholefile(folder.path() + "sub/inside"), "x");
}

TEST(FileIo, RecordsAreReadWholeByNumberAndCounted) {
    TempFolder folder;
    folder.write("records.dat", "aaaa\r\nbbbb\r\ncc");
    QFile file(QString::fromStdString(folder.path() + "records.dat"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
    const auto before = filerecordsread();
    EXPECT_EQ(readrecord(file, 2, 6), "bbbb\r\n");
    // Cut short, past the end, or no record number at all.
    for (const std::int64_t n : {std::int64_t{3}, std::int64_t{4}, std::int64_t{0},
                                 std::numeric_limits<std::int64_t>::max()})
        EXPECT_EQ(readrecord(file, n, 6), std::nullopt) << n;
    EXPECT_EQ(filerecordsread() - before, 1u);
}

TEST(FileIo, OnlyTheWritersTemporaryFilesAreTakenForLeftovers) {
    TempFolder folder;
    for (int i = 0; i < 50; ++i) {
        const std::string name =
            QFileInfo(QString::fromStdString(temporarypath(folder.path() + "qsodata.dat")))
                .fileName()
                .toStdString();
        EXPECT_TRUE(iswriteleftover(name, "qsodata.dat")) << name;
        EXPECT_FALSE(iswriteleftover(name, "qsodata.da")) << name;
    }
    EXPECT_TRUE(iswriteleftover("qsodata.dat.tessalog-partial-0a9Zz1", "qsodata.dat"));
    // Everything else is the user's: names of the earlier writer's shape among them, since
    // nothing tells them from a copy of the user's.
    for (const char* name :
         {"qsodata.dat", "qsodata.bak", "qsodata.dat.backup", "qsodata.dat.Backup",
          "qsodata.dat.Copy01", "qsodata.dat.YkTxbU", "qsodata.dat.BACKUP", "qsodata.dat.123456",
          "qsodata.dat.Ab1Cd", "qsodata.datXYkTxbU", "old.qsodata.dat.YkTxbU",
          "qsodata.dat.tessalog-partial-0a9Z", "qsodata.dat.tessalog-partial-0a9Zz12",
          "qsodata.dat.tessalog-partial-0a9-z1", "qsodata.dattessalog-partial-0a9Zz1",
          "qsodata.dat.bak.YkTxbU"})
        EXPECT_FALSE(iswriteleftover(name, "qsodata.dat")) << name;
}

TEST(FileIo, RemovingLeftoversLeavesEveryOtherFile) {
    TempFolder folder;
    for (const char* name : {"netlist.dat.YkTxbU", "eqsl.ini.iqWpVK", "qsodata.dat", "qsodata.bak",
                             "qsodata.dat.backup", "netlist.dat.before", "other.dat.YkTxbU"})
        folder.write(name, "x");
    folder.write(QFileInfo(QString::fromStdString(temporarypath(folder.path() + "tsl.ini")))
                     .fileName()
                     .toStdString(),
                 "x");
    QDir dir(QString::fromStdString(folder.path()));
    ASSERT_TRUE(dir.mkdir("qsodata.dat.tessalog-partial-QwErTy"));
    ASSERT_TRUE(
        QFile::link(dir.filePath("qsodata.bak"), dir.filePath("eqsl.ini.tessalog-partial-AbCdEf")));
    removewriteleftovers(folder.path(), {"qsodata.dat", "netlist.dat", "eqsl.ini", "tsl.ini"});
    QStringList left = entries(folder.path());
    left.sort();
    EXPECT_EQ(left, (QStringList{"eqsl.ini.iqWpVK", "eqsl.ini.tessalog-partial-AbCdEf",
                                 "netlist.dat.YkTxbU", "netlist.dat.before", "other.dat.YkTxbU",
                                 "qsodata.bak", "qsodata.dat", "qsodata.dat.backup",
                                 "qsodata.dat.tessalog-partial-QwErTy"}));
}

TEST(FileIo, APrivateFileIsTheOwnersAndARewriteKeepsAFilesPermissions) {
    TempFolder folder;
    const auto permissions = [&](const char* name) {
        return QFile::permissions(QString::fromStdString(folder.path() + name)) &
               QFileDevice::Permissions(0x7077);
    };
    EXPECT_EQ(writeprivatefile(folder.path() + "eqsl.ini", "\"me\",\"pw\"\r\n"), "");
    EXPECT_EQ(permissions("eqsl.ini"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    folder.write("tsl.ini", "old");
    const auto chosen = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    QFile::setPermissions(QString::fromStdString(folder.path() + "tsl.ini"), chosen);
    EXPECT_EQ(writefilesafely(folder.path() + "tsl.ini", "new"), "");
    EXPECT_EQ(permissions("tsl.ini"), chosen);
    EXPECT_EQ(readwholefile(folder.path() + "tsl.ini"), "new");
    EXPECT_EQ(entries(folder.path()), (QStringList{"eqsl.ini", "tsl.ini"}));
}
