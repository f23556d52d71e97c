#include "importexport/brisca.h"
#include "importexport/cabrillo.h"
#include "importexport/digipan.h"
#include "importexport/dxlog.h"
#include "importexport/dxtreme.h"
#include "importexport/logeqf.h"
#include "importexport/netlogger.h"
#include "importexport/quarnlog.h"
#include "importexport/valtro.h"
#include "importexport/win1010.h"

#include "importfixture.h"
#include "support/readonlyfolder.h"

#include <sys/stat.h>

#include <functional>

using namespace tsl;
using namespace tsl::test;

using MissingFile = ImportTest;

namespace {

struct importrow {
    std::function<bool()> import;
    std::string box;    // the message: the file's path at "@", the reason at "#"
    std::string status; // the status line, the path at "@"
    bool lines = false; // reads the file as text lines, none longer than a log file holds
};

// The file imports, each with its failure message and status text.
std::vector<importrow> fileimports(AppState& st, ScriptedDialogs& dialogs, RecordedStatus& status) {
    return {
        {[&] { return importcabrillo(st, status, dialogs, 2).ok; },
         "Cabrillo file, @, not found or it is corrupted.\r\n#", "No records imported from @"},
        {[&] { return importdxlog(st, status, dialogs, 1).ok; },
         "DXLog file, @, not found or it is corrupted.\r\n#", "No records imported from DXLog."},
        {[&] { return importbrisca(st, status, dialogs).ok; },
         "Brisca file, @ not found or it is corrupted.\r\n#", "No records imported from Brisca."},
        {[&] { return importlogeqf(st, status, dialogs).ok; },
         "LogEQF file, @ not found or it is corrupted.\r\n#", "No records imported from @."},
        {[&] { return importvaltro(st, status, dialogs).ok; },
         "@ not found or it is corrupted.\r\n#", "0 No records imported from @."},
        {[&] { return importdigipan(st, status, dialogs).ok; }, "DigiPan file, @, not found\r\n#",
         "No Records imported from DigiPan.", true},
        {[&] { return importwin1010(st, status, dialogs).ok; },
         "WIN 1010 CSV file, @, not found or it is corrupted.\r\n#",
         "0 No records imported from WIN 1010 CSV file.", true},
        {[&] {
             return importquarn(st, status, dialogs, {13, 1, 1, 2024}).ok;
         },
         "File, @, not found or it is corrupted.\r\n#",
         "0 No records imported from CCN / QUARNLOG.", true},
        {[&] { return importnetlogger(st, status, dialogs).ok; },
         "NetLogger file, @, not found or it is corrupted.\r\n#",
         "No records imported from NetLogger"},
    };
}

std::string filledin(std::string text, const std::string& path, const std::string& reason) {
    if (const auto k = text.find('@'); k != std::string::npos) text.replace(k, 1, path);
    if (const auto k = text.find('#'); k != std::string::npos) text.replace(k, 1, reason);
    return text;
}

} // namespace

// Each import of a file that is not there, or cannot be read, says so, names the file and
// the reason, and leaves the log alone.
TEST_F(MissingFile, EveryImportSaysSoAndChangesNothing) {
    s->qsocount = 2;
    const auto expectrefused = [&](const std::string& reason) {
        for (const importrow& r : fileimports(*s, dialogs, status)) {
            dialogs.shown.clear();
            EXPECT_FALSE(r.import()) << r.box;
            ASSERT_EQ(dialogs.shown.size(), 1u) << r.box;
            EXPECT_EQ(dialogs.shown[0].text, filledin(r.box, s->chosenfile, reason));
            EXPECT_EQ(status.last(), filledin(r.status, s->chosenfile, reason));
            EXPECT_EQ(s->qsocount, 2);
        }
    };
    s->chosenfile = folder.path() + "nothere.dat";
    expectrefused("The file does not exist.");

    folder.write("locked.dat", "QSO: 7005 CW 2009-05-30 0002 AA1ZZZ 599 1 S50A 599 4\r\n");
    s->chosenfile = folder.path() + "locked.dat";
    ::chmod(s->chosenfile.c_str(), 0);
    {
        const ReadOnlyFolder locked(folder.path());
        if (QFile(QString::fromStdString(s->chosenfile)).open(QIODevice::ReadOnly))
            GTEST_SKIP() << "no file can be made unreadable here";
        expectrefused("The file cannot be read.");
    }

    // DXtreme reads its station logs from the program folder.
    dialogs.shown.clear();
    EXPECT_FALSE(importdxtreme(*s, status, dialogs).ok);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text,
              "No DXtreme station log, dxsl_1.dat thru dxsl_9.dat, was found in " + s->apppath);
    EXPECT_EQ(status.last(), "No records imported from DXtreme.");
    EXPECT_EQ(s->qsocount, 2);
}

// A line longer than any log file holds refuses the file with its number, as the imports of
// text lines read it; Cabrillo reads such a line and skips it.
TEST_F(MissingFile, AnOverlongLineRefusesTheFile) {
    s->qsocount = 2;
    const std::string bytes = "first line\r\n" + std::string(10001, 'x') + "\r\nlast\r\n";
    const std::string reason = "Line 2 is longer than 10000 characters.";
    choose(bytes, "long.txt");
    for (const importrow& r : fileimports(*s, dialogs, status)) {
        if (!r.lines) continue;
        dialogs.shown.clear();
        EXPECT_FALSE(r.import()) << r.box;
        ASSERT_EQ(dialogs.shown.size(), 1u) << r.box;
        EXPECT_EQ(dialogs.shown[0].text, filledin(r.box, s->chosenfile, reason));
        EXPECT_EQ(s->qsocount, 2);
    }
    folder.write("dxsl_1.dat", bytes);
    dialogs.shown.clear();
    EXPECT_TRUE(importdxtreme(*s, status, dialogs).ok);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_NE(status.last().find(" dxsl_1.dat was left out: " + reason), std::string::npos);
    EXPECT_EQ(importcabrillo(*s, status, dialogs, 2).imported, 0);
    EXPECT_EQ(status.last(), "0 records imported from Cabrillo file.");
    EXPECT_EQ(s->qsocount, 2);
}
