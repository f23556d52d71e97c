// The items of "Import Data" for the record files of DXLog, Log-EQF, Brisca and Valtro.

#include "core/state.h"
#include "importexport/brisca.h"
#include "importexport/dxlog.h"
#include "importexport/logeqf.h"
#include "importexport/valtro.h"
#include "logbook.h"

namespace tsl {

void logbook::pubdodxlog_Click(int index) {
    importcommand(
        "DXLog",
        "The file you want to import is the file with the suffix of your call and qso.dbf.\r\n"
        "\r\n"
        "It appears that there is more than 1 format for the DXLog file.\r\n"
        "If the import for format 1 does not work, try the import for format 2.\r\n"
        "Before you try importing again, delete the QSOs of the failed import; do not delete "
        "qsodata.dat, which holds your whole log.\r\n"
        "Please let me know if you have problems importing your DXLog file.\r\n"
        "If all else fails you may attach your data file to an email to me and I will import it.",
        [this, index] { importdxlog(state_, *this, dialogs_, index); });
}

void logbook::publogeqf_Click() {
    importcommand("Log-EQF", "", [this] { importlogeqf(state_, *this, dialogs_); });
}

void logbook::gobrisca_Click() {
    importcommand("Brisca", "", [this] { importbrisca(state_, *this, dialogs_); });
}

void logbook::govaltro_Click() {
    importcommand("Valtro", "", [this] { importvaltro(state_, *this, dialogs_); });
}

} // namespace tsl
