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

#include <functional>

using namespace tsl;
using namespace tsl::test;

using MissingFile = ImportTest;

// Each import of a file that is not there says so, names the file and leaves the log alone.
TEST_F(MissingFile, EveryImportSaysSoAndChangesNothing) {
    struct row {
        std::function<bool()> import;
        std::string box;    // the message, the missing file's path at "@"
        std::string status; // the status line, the same
    };
    AppState& st = *s;
    const std::string gone = "\r\nThe file does not exist.";
    const row rows[] = {
        {[&] { return importcabrillo(st, status, dialogs, 2).ok; },
         "Cabrillo file, @, not found or it is corrupted." + gone, "No records imported from @"},
        {[&] { return importdxlog(st, status, dialogs, 1).ok; },
         "DXLog file, @, not found or it is corrupted." + gone, "No records imported from DXLog."},
        {[&] { return importbrisca(st, status, dialogs).ok; },
         "Brisca file, @ not found or it is corrupted." + gone, "No records imported from Brisca."},
        {[&] { return importlogeqf(st, status, dialogs).ok; },
         "LogEQF file, @ not found or it is corrupted." + gone, "No records imported from @."},
        {[&] { return importvaltro(st, status, dialogs).ok; },
         "@ not found or it is corrupted." + gone, "0 No records imported from @."},
        {[&] { return importdigipan(st, status, dialogs).ok; }, "DigiPan file, @, not found" + gone,
         "No Records imported from DigiPan."},
        {[&] { return importwin1010(st, status, dialogs).ok; },
         "WIN 1010 CSV file, @, not found or it is corrupted." + gone,
         "0 No records imported from WIN 1010 CSV file."},
        {[&] {
             return importquarn(st, status, dialogs, {13, 1, 1, 2024}).ok;
         },
         "File, @, not found or it is corrupted." + gone,
         "0 No records imported from CCN / QUARNLOG."},
        {[&] { return importnetlogger(st, status, dialogs).ok; },
         "NetLogger file, @, not found or it is corrupted." + gone,
         "No records imported from NetLogger"},
        // DXtreme reads its station logs from the program folder.
        {[&] { return importdxtreme(st, status, dialogs).ok; },
         "No DXtreme station log, dxsl_1.dat thru dxsl_9.dat, was found in " + s->apppath,
         "No records imported from DXtreme."},
    };
    const auto at = [](std::string text, const std::string& path) {
        if (const auto k = text.find('@'); k != std::string::npos) text.replace(k, 1, path);
        return text;
    };
    s->qsocount = 2;
    s->chosenfile = folder.path() + "nothere.dat";
    for (const row& r : rows) {
        dialogs.shown.clear();
        EXPECT_FALSE(r.import()) << r.box;
        ASSERT_EQ(dialogs.shown.size(), 1u) << r.box;
        EXPECT_EQ(dialogs.shown[0].text, at(r.box, s->chosenfile));
        EXPECT_EQ(status.last(), at(r.status, s->chosenfile));
        EXPECT_EQ(s->qsocount, 2);
    }
}
