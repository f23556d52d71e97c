#pragma once
// The start-up sequence: splash, program title, start values, then the settings, the
// tables and the data files in their fixed order, and finally the main window.

#include <memory>
#include <string>

namespace tsl {

struct AppState;
class Dialogs;
class HamCallCdLibrary;
class InternetAccess;
class QrzCdLibrary;
class logbook;

inline constexpr const char* programtitle = "Tessalog ";

// Runs start-up for the program folder apppath (ending in "/"). Returns the main window,
// shown, or nothing when a file the program cannot run without is missing or unreadable
// (its message has then been shown). A usable "services.ini" in the folder replaces the
// base URLs of the internet requests. Leftovers of cut-off writes of the program's own files
// are removed from the folder first. The QRZ CD library is asked for its CD when that is the
// call-book source; the window's call-book lookups use both CD libraries. Before any window
// is built, the forms' desktop habits (Enter on a focused button, windows known as windows to
// assistive tools) are installed for the application.
std::unique_ptr<logbook> Main(AppState& state, Dialogs& dialogs, InternetAccess& internet,
                              QrzCdLibrary& qrzcd, HamCallCdLibrary& hamcallcd,
                              const std::string& apppath);

} // namespace tsl
