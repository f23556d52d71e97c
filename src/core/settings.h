#pragma once
// The station settings and their file "tsl.ini": one line of nine items (own call,
// longitude and its hemisphere, latitude and its hemisphere, UTC offset, date order,
// distance unit, QSO-label message).

#include "parsed.h"

#include <QDateTime>

#include <cstdint>
#include <string>

namespace tsl {

struct AppState;
class Dialogs;

// The nine items of "tsl.ini", as the file holds them.
struct settingsfile {
    std::string call;
    float lon = 0;
    std::string londir;
    float lat = 0;
    std::string latdir;
    float offset = 0;
    int16_t dateorder = 0;
    int16_t units = 0;
    std::string message;
};

// The bytes as a settings file, or why not: an item missing or not of its type, or a UTC
// offset outside -24..+24 hours.
Parsed<settingsfile> readsettingsbytes(const std::string& bytes);
// The file's one line for the settings, CR LF.
std::string settingsbytes(const settingsfile& settings);

// Puts settings read from bytes into the settings globals and sets utcnow.
void applysettings(AppState& state, const settingsfile& settings);

// Reads "tsl.ini" into the settings globals and sets utcnow. On any failure shows "Your
// initialization file, tsl.ini, is missing." and returns false: there are no default
// settings, so the program cannot start.
bool loadsettings(AppState& state, Dialogs& dialogs);

// The contents of "tsl.ini" for the settings of the state: one line, CR LF.
std::string settingsfiletext(const AppState& state);

// Rewrites "tsl.ini" from the settings, through a temporary file, after checking that the
// new contents read back; empty on success, else the reason (the old file then stays).
std::string writesettingsfile(const AppState& state);

// UTC offsets are whole or decimal hours from -24 to +24; any other value, or one that is
// not a finite number, is refused by the settings file's reader and by the settings form.
inline constexpr double maxutcoffset = 24.0;
bool validutcoffset(double hours);

// Sets utcnow: the local time now minus the UTC offset, in whole minutes.
void computeutcnow(AppState& state);

// utcnow as the date box shows it ("mm/dd/yyyy", or "dd/mm/yyyy" in the day-first order)
// and as the time box shows it ("HH:MM").
std::string utcdatetext(const AppState& state);
std::string utctimetext(const AppState& state);

// "Miles" or "Kilometers" by the distance unit.
std::string distanceunittext(const AppState& state);

// The main window's caption: the program title, a blank and the own call trimmed.
std::string logbookcaption(const AppState& state);

// The own call as held: its first six characters, blank-padded, every 0 a slashed zero.
std::string storedowncall(const std::string& call);

} // namespace tsl
