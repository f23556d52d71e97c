#pragma once
// The nets the net logger keeps a check-in list for, the summary of the earlier QSOs with a
// station that checks in, and the check-in list file "netlist.dat".

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tsl {

struct AppState;

inline constexpr int netcount = 9;

// The nets by index (the index of each net's flag in netflags).
enum netindex : int {
    centuryclubnet = 0,
    geratolnet = 1,
    omissnet = 2,
    workedallbritainnet = 3,
    generalnet = 4,
    tentennet = 5,
    qcwanet = 6,
    doksnet = 7,
    hhhnet = 8,
};

struct netdescription {
    const char* title; // the start of the logger's caption
    int16_t band;      // the band and mode choosing the net presets; 0 for none
    int16_t mode;
};

const std::array<netdescription, netcount>& nettable();

// The net whose flag is set; the Century Club Net when none is.
int chosennet(const AppState& state);

// The net's title, the long name of its band, ", " and the name of its mode, both names
// with their padding blanks.
std::string netcaption(const AppState& state);

// What the log holds from the call for the chosen net: "New Call " first unless a QSO was
// on the net's band and mode, then each matching QSO's items in log order. Deleted QSOs
// do not count; a slot value outside its table adds nothing.
std::string priorqsosummary(const AppState& state, const std::string& call);

// One row of the check-in list: the texts of its call and notes cells.
struct netrow {
    std::string call;
    std::string notes;
};

// The file's bytes: the caption and date, a line holding one blank, then the rows from 1
// up to the last one with a call, CR LF after each line.
std::string netlisttext(const std::string& caption, const std::string& date,
                        const std::vector<netrow>& rows);

// Writes "netlist.dat" for the rows with the UTC date of now; returns the text for the
// logger's message line.
std::string writenetlist(AppState& state, const std::string& caption,
                         const std::vector<netrow>& rows);

} // namespace tsl
