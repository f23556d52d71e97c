#pragma once
// Small hand-made logs of the grid squares, WAB and ARLHS reports, and their golden texts.

#include "core/state.h"
#include "platform/fileio.h"

#include <sstream>
#include <string>
#include <vector>

namespace tsl::test {

// The lines of a golden text of tests/testdata, each ended by a line feed.
inline std::vector<std::string> goldenlines(const std::string& name) {
    std::istringstream in(
        readwholefile(std::string(TESSALOG_TESTDATA_DIR) + "/" + name).value_or(""));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// A 20 m CW QSO of 100 W, not confirmed.
inline qsorecord& addqso(AppState& s, const std::string& call, const std::string& date,
                         const std::string& time) {
    qsorecord& q = s.qsos[static_cast<std::size_t>(++s.qsocount)];
    q = qsorecord{};
    q.call = call;
    q.date = date;
    q.time = time;
    q.band = 8;
    q.mode = 1;
    q.prop = 1;
    q.power = 100;
    return q;
}

// One square worked three times (once confirmed, once as a 6-character locator), a square
// in lower case, unusable grids, 75 m, band 0, SSB on 80 m and a deleted QSO.
inline void gridlog(AppState& s) {
    const char* rows[][4] = {
        {"K1AA", "20040101", "10:00", "FN42"},  {"K1BB", "20040102", "11:00", "FN42AB"},
        {"K1CC", "20040103", "12:00", "FN42"},  {"W2AA", "20040104", "10:00", "fn42"},
        {"W3AA", "20040105", "10:00", "EM"},    {"W4AA", "20040106", "10:00", " FN42"},
        {"W5AA", "20040107", "10:00", ""},      {"VE3AA", "20040108", "10:00", "EN82"},
        {"JA1AA", "20040109", "10:00", "PM95"}, {"DL1AA", "20040110", "10:00", "AA00"},
        {"G3AA", "20040111", "10:00", "IO91"},
    };
    for (const auto& r : rows)
        addqso(s, r[0], r[1], r[2]).grid = r[3];
    s.qsos[2].qslr = s.qsos[8].qslr = s.qsos[10].qslr = 1;
    s.qsos[8].band = 4;
    s.qsos[9].band = 0;
    s.qsos[10].deleted = "D";
    s.qsos[11].band = 3;
    s.qsos[11].mode = 2;
}

// Two QSOs in one English square, one square of each other part, 80 m and 75 m, a lower
// case part letter, a QSO without a square and a deleted one.
inline void wablog(AppState& s) {
    const char* rows[][4] = {
        {"G4AA", "20050101", "10:00", "TL27E"},  {"G4BB", "20050102", "11:00", "TL27E"},
        {"GI4CC", "20050103", "12:00", "J33I"},  {"GM4DD", "20050104", "13:00", "NT27S"},
        {"GW4EE", "20050105", "14:00", "SH57W"}, {"GD4FF", "20050106", "15:00", "SC38M"},
        {"GU4GG", "20050107", "16:00", "WV55C"}, {"G4HH", "20050108", "17:00", "TQ38e"},
        {"G4II", "20050109", "18:00", ""},       {"G4JJ", "20050110", "19:00", "SU00E"},
    };
    for (const auto& r : rows)
        addqso(s, r[0], r[1], r[2]).wab = r[3];
    s.qsos[4].band = 4;
    s.qsos[5].band = 3;
    s.qsos[10].deleted = "D";
}

// The ARLHS log of the awards.dat and dxcc.dat of testdata/arlhs: ARLHS is award 3 with
// the lighthouses USA001, USA002, USA003 (twice: entries 2 and 3), CAN001 and ENG001;
// Worked All States is award 2; entities 1 Abu Ail (deleted), 2 USA, 3 Canada, 4 Morocco,
// 5 England.
inline void arlhslog(AppState& s) {
    struct row {
        const char* call;
        int dxcc, continent, qslr;
        int lighthouse; // ARLHS entry of slot 0, -1 for none
        int state;      // Worked All States entry of slot 1, -1 for none
    };
    const row rows[] = {
        {"W1AW", 2, 5, 0, 0, 0},    {"K1ABC", 2, 5, 1, 0, 1},    {"N1XYZ", 2, 5, 0, 0, 2},
        {"W2AA", 2, 5, 0, 1, 3},    {"W3BB", 2, 5, 0, 3, 4},     {"VE1CC", 3, 5, 1, 4, -1},
        {"G3DD", 5, 4, 0, 5, -1},   {"W4EE", 2, 5, 1, 1, 5},     {"W5FF", 2, 5, 1, -1, 6},
        {"W6GG", 2, 5, 1, 99, 7},   {"K\330ABC", 2, 5, 1, 1, 0}, // the slashed zero
        {"W1XX/4", 2, 5, 0, 1, 50}, {"WAXYZ", 2, 9, 1, 1, -1},
    };
    int n = 0;
    for (const row& r : rows) {
        ++n;
        const std::string day = (n < 10 ? "0" : "") + std::to_string(n);
        const std::string hour = std::to_string(9 + n);
        qsorecord& q = addqso(s, r.call, "200601" + day, hour + ":00");
        q.dxcc = static_cast<int16_t>(r.dxcc);
        q.continent = static_cast<int16_t>(r.continent);
        q.qslr = static_cast<int16_t>(r.qslr);
        if (r.lighthouse >= 0) {
            q.awards[0] = s.arlhsaward;
            q.entries[0] = r.lighthouse;
        }
        if (r.state >= 0) {
            q.awards[1] = s.wasaward;
            q.entries[1] = r.state;
        }
    }
    // The award in two slots: the later one, USA003 North Tower, counts.
    s.qsos[4].awards[3] = s.arlhsaward;
    s.qsos[4].entries[3] = 2;
    s.qsos[8].deleted = "D";
}

} // namespace tsl::test
