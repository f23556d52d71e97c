#pragma once
// The log's file "qsodata.dat": one line per live QSO, table indexes stored as the names
// of their entries. Three layouts are read (31, 29 and 28 items, told apart by the double
// quotes of the first line); the 31-item layout is written. After every successful read
// the file is copied to "qsodata.bak".

#include <cstdint>
#include <string>

namespace tsl {

struct AppState;
struct qsorecord;
class Dialogs;
class StatusLine;

// Replaces the log by the QSOs of "qsodata.dat". Returns true when the file was read (the
// caller then draws the end of the log). A missing or empty file gives an empty log with a
// message. A file that exists but cannot be read is never lost: the message says what is
// wrong and on which line, and the file is kept under a new name that nothing overwrites.
// A file of more than 100000 QSOs is read up to that many and kept the same way.
bool readqsofile(AppState& state, StatusLine& status, Dialogs& dialogs);

enum class writeresult { nothingtowrite, written, failed };

// Writes every live QSO to "qsodata.dat" through a temporary file, so a failed write leaves
// the old file as it was; the failure is shown and returned. A log of 0 QSOs is not written.
writeresult writeqsofile(AppState& state, StatusLine& status, Dialogs& dialogs);

// One line of the file, CR LF included.
std::string qsodataline(const AppState& state, const qsorecord& q);

} // namespace tsl
