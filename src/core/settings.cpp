#include "settings.h"

#include "listfile.h"
#include "numbers.h"
#include "platform/dialogs.h"
#include "platform/fileio.h"
#include "state.h"
#include "text.h"

#include <cmath>

namespace tsl {

Parsed<settingsfile> readsettingsbytes(const std::string& bytes) {
    ListReader in(bytes);
    auto call = in.text();
    auto lon = in.single();
    auto londir = in.text();
    auto lat = in.single();
    auto latdir = in.text();
    auto offset = in.single();
    auto dateorder = in.int16();
    auto units = in.int16();
    auto message = in.text();
    if (!call || !lon || !londir || !lat || !latdir || !offset || !dateorder || !units || !message)
        return parseerror{"The line does not hold the nine settings."};
    if (!validutcoffset(*offset)) return parseerror{"The UTC offset is not within a day."};
    return settingsfile{*call, *lon, *londir, *lat, *latdir, *offset, *dateorder, *units, *message};
}

std::string settingsbytes(const settingsfile& v) {
    ListWriter out;
    out.text(v.call)
        .single(v.lon)
        .text(v.londir)
        .single(v.lat)
        .text(v.latdir)
        .single(v.offset)
        .integer(v.dateorder)
        .integer(v.units)
        .text(v.message)
        .endline();
    return out.bytes();
}

namespace {

// A value passed through its decimal text of at most seven significant digits.
float throughtext(float value) {
    const auto back = parsenumber(singletext(value));
    return back ? static_cast<float>(*back) : value;
}

} // namespace

std::string storedowncall(const std::string& call) {
    std::string six = FixedText<6>(call).str();
    for (char& c : six)
        if (c == '0') c = slashedzero;
    return six;
}

bool validutcoffset(double hours) {
    return std::isfinite(hours) && hours >= -maxutcoffset && hours <= maxutcoffset;
}

void computeutcnow(AppState& state) {
    const QDateTime local = state.localnow();
    // Plain clock arithmetic, as on a calendar: no time zone rules apply to it.
    const QDateTime wall(local.date(), local.time(), Qt::UTC);
    // The readers refuse any other offset; the check keeps the conversion below defined.
    const double hours = validutcoffset(state.gmtoffset) ? state.gmtoffset : 0.0;
    const double minutes = std::nearbyint(hours * -60.0);
    state.utcnow = wall.addSecs(static_cast<qint64>(minutes) * 60);
}

void applysettings(AppState& state, const settingsfile& v) {
    state.lonsetting = v.lon;
    state.londirsetting = v.londir;
    state.latsetting = v.lat;
    state.latdirsetting = v.latdir;
    state.gmtoffset = v.offset;
    state.dateformatflag = v.dateorder;
    state.unitsflag = v.units;
    state.labelmessage = v.message;
    computeutcnow(state);
    state.mylon = throughtext(state.londirsetting == "W" ? -state.lonsetting : state.lonsetting);
    state.mylat = throughtext(state.latdirsetting == "S" ? -state.latsetting : state.latsetting);
    state.mycall = storedowncall(v.call);
}

bool loadsettings(AppState& state, Dialogs& dialogs) {
    state.mycall = "";
    const auto bytes = readwholefile(state.apppath + "tsl.ini");
    const auto v = readsettingsbytes(bytes.value_or(""));
    if (!bytes || !v) {
        dialogs.msgbox("Your initialization file, tsl.ini, is missing.", msgbuttons::ok,
                       msgicon::critical, state.apptitle);
        return false;
    }
    applysettings(state, *v);
    return true;
}

std::string settingsfiletext(const AppState& state) {
    return settingsbytes({state.mycall.str(), state.lonsetting, state.londirsetting.str(),
                          state.latsetting, state.latdirsetting.str(), state.gmtoffset,
                          state.dateformatflag, state.unitsflag, state.labelmessage});
}

std::string writesettingsfile(const AppState& state) {
    const std::string text = settingsfiletext(state);
    // What is written must start the program again: it is read back before it replaces
    // the old file.
    if (!readsettingsbytes(text)) return "the new settings do not read back";
    return writefilesafely(state.apppath + "tsl.ini", text);
}

std::string utcdatetext(const AppState& state) {
    const QString pattern = state.dateformatflag != 0 ? "dd/MM/yyyy" : "MM/dd/yyyy";
    return state.utcnow.toString(pattern).toStdString();
}

std::string utctimetext(const AppState& state) {
    return state.utcnow.toString("HH:mm").toStdString();
}

std::string distanceunittext(const AppState& state) {
    return state.unitsflag != 0 ? "Kilometers" : "Miles";
}

std::string logbookcaption(const AppState& state) {
    return state.apptitle + " " + trimblanks(state.mycall.view());
}

} // namespace tsl
