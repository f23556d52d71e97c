#pragma once
// The QRZ CD: the check that finds it, run at start-up for source 3 and by the call-book
// source form.

namespace tsl {

struct AppState;
class Dialogs;
class QrzCdLibrary;

// Asks the library for the CD: qrzdrive takes its answer and qrzcdready is set when it
// names a drive, whose "Using QRZ Databases in drive X:" becomes the call-book source
// form's status text; a CD in use or not found is told in a message box. False when the
// library failed (it cannot be loaded, or its answer is no drive letter): the caller's
// recovery follows.
bool qrzcdcheck(AppState& state, Dialogs& dialogs, QrzCdLibrary& qrzcd);

} // namespace tsl
