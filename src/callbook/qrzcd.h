#pragma once
// The QRZ CD: the check that finds it, run at start-up for source 3 and by the call-book
// source form, and the lookup of a call on it.

#include <string>
#include <string_view>
#include <vector>

namespace tsl {

struct AppState;
struct callbooklookup;
struct callbookservices;
class Dialogs;
class QrzCdLibrary;

// Asks the library for the CD: qrzdrive takes its answer and qrzcdready is set when it
// names a drive, whose "Using QRZ Databases in drive X:" becomes the call-book source
// form's status text; a CD in use or not found is told in a message box. False when the
// library failed (it cannot be loaded, or its answer is no drive letter): the caller's
// recovery follows.
bool qrzcdcheck(AppState& state, Dialogs& dialogs, QrzCdLibrary& qrzcd);

// The fields of a QRZ CD record: quoted texts separated by quote, comma, quote, read from
// its second character. Only the fields the separator ends count, and at most the first
// twelve; control characters read as blanks. Nothing is read past the record's 256
// characters.
std::vector<std::string> readqrzcdrecord(std::string_view record);

// Source 3: the record of the call shown as its name line, street and city line, which
// also become the address of the result. Another call's record, or none, is a line saying
// that the call was not found; a CD in use or missing is told in a message box, and a
// library that is absent or fails is told once in the run.
void lookupqrzcd(AppState& state, const callbookservices& services, const std::string& call,
                 callbooklookup& result);

} // namespace tsl
