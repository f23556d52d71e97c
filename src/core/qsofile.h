#pragma once
// The log's file "qsodata.dat": one line per live QSO, table indexes stored as the names
// of their entries. Three layouts are read (31, 29 and 28 items, told apart by the double
// quotes of the first line); the 31-item layout is written. After every successful read
// the file is copied to "qsodata.bak".

#include "qsorecord.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tsl {

struct AppState;
class Dialogs;
class StatusLine;

// What a file's bytes hold: its QSOs, or the first line that cannot be read and why.
struct qsofilecontents {
    int32_t qsos = 0;     // QSOs read into the room given, in file order
    int32_t qsolines = 0; // lines that hold a QSO (blank lines left out)
    int problemline = 0;  // 0 when every line read was a QSO
    std::string problem;  // what is wrong with that line
};

// Reads the QSOs of the bytes of a "qsodata.dat" into `room`, as many as it takes (the
// lines past them are only counted); the tables of `state` turn the names back into
// indexes. Every line read is checked; at the first that cannot be read, the records
// read before it stay in `room`.
qsofilecontents parseqsofile(const AppState& state, std::string_view bytes,
                             std::span<qsorecord> room);

// Replaces the log by the QSOs of "qsodata.dat". Returns true when the file was read (the
// caller then draws the end of the log). A missing or empty file gives an empty log with a
// message. A file that exists but cannot be read is never lost: the message says what is
// wrong and on which line, and the file is kept under a new name that nothing overwrites.
// A file of more than 100000 QSOs is read up to that many and kept the same way.
bool readqsofile(AppState& state, StatusLine& status, Dialogs& dialogs);

// The steps of readqsofile before the copy to "qsodata.bak": the file's bytes when it was
// read, so the copy is made from them.
std::optional<std::string> loadqsofile(AppState& state, StatusLine& status, Dialogs& dialogs);
// Copies the bytes read to "qsodata.bak"; a failure is shown.
void backupqsofile(const AppState& state, const std::string& bytes, Dialogs& dialogs);

enum class writeresult { nothingtowrite, written, failed };

// Writes every live QSO to "qsodata.dat" through a temporary file, so a failed write leaves
// the old file as it was; the failure is shown and returned. A log of 0 QSOs is not written.
writeresult writeqsofile(AppState& state, StatusLine& status, Dialogs& dialogs);

// The bytes writeqsofile writes: one line per live QSO, CR LF after each.
std::string qsofiletext(const AppState& state);

// One line of the file, CR LF included.
std::string qsodataline(const AppState& state, const qsorecord& q);

} // namespace tsl
