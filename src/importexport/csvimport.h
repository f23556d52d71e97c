#pragma once
// Importing a comma-separated file laid out as the user describes it on the import form:
// how many items make one QSO, and what each of the first 21 items holds.

#include "core/qsorecord.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tsl {

struct AppState;
class StatusLine;

// What an item holds: the positions of the form's field lists.
enum csvfield {
    csvignore,
    csvcall,
    csvdate,
    csvtime,
    csvband,
    csvmode,
    csvpower,
    csvqslvia,
    csvqslsent,
    csvqslreceived,
    csvrstsent,
    csvrstreceived,
    csvituzone,
    csvcqzone,
    csvcontinent,
    csvgridsquare,
    csviota,
    csvtenten,
    csvwab,
    csvstate,
    csvcomment,
};

// The date layouts, in the order of the form's list.
enum csvdateformat {
    csvyyyymmdd,
    csvmmddyyyy,
    csvmm_dd_yyyy,
    csvdd_mm_yyyy,
    csvmmm_dd_yyyy,
    csvdd_mmm_yyyy,
    csvdd_mmm_yy,
    csvmm_dd_yy
};

struct csvlayout {
    int32_t fieldcount = 0;       // items per record
    std::array<int, 21> fields{}; // what items 1..21 hold (csvfield); later items are dropped
    int dateformat = csvyyyymmdd;
    bool hhmm = false;   // times written "HHMM", else "HH:MM"
    bool metres = false; // bands written in metres (MHz from 220 MHz up), else as a frequency
    int16_t qth = 0;
    int16_t prop = 1;
    int16_t mode = 1;
    std::string defaultpower = "100";
    int currentyear = 2000; // two-digit years up to its last two digits are 20yy, later 19yy
};

struct csvskip {
    int32_t record = 0; // 1 for the file's first record
    int32_t item = 0;   // position in the record; 0 for the default power
    std::string reason;
};

struct csvread {
    std::vector<qsorecord> records; // every complete record read, in file order
    std::vector<int32_t> numbers;   // the number of each, 1 for the file's first
    std::vector<csvskip> skipped;   // records holding a number too large for its field
    int32_t awardsleftout = 0;      // award values past the slots a QSO keeps
    // Where the file ended inside a record: its number and the first item missing.
    int32_t brokenrecord = 0;
    int32_t brokenitem = 0;
};

// The records of a file's bytes: each the next fieldcount items, whatever lines they lie on.
csvread readcsv(const AppState& state, std::string bytes, const csvlayout& layout);

// One conversion of the table, apart for tests: a date item by the layout's date format
// ("00000000" for a value of the wrong length).
std::string csvdatevalue(const AppState& state, const std::string& value, int format,
                         int currentyear);
std::string csvtimevalue(const std::string& value, bool hhmm);
int16_t csvbandvalue(const AppState& state, const std::string& value, bool metres);

struct csvresult {
    bool opened = false; // the file was read and its complete records appended
    int32_t imported = 0;
    int32_t leftout = 0; // records the full log could not take
    std::string error;   // the form's error text; empty when the whole file was read
};

// Appends the records of the file `chosenfile` to the log; the count goes to the status line.
csvresult importcsv(AppState& state, StatusLine& status, const csvlayout& layout);

} // namespace tsl
