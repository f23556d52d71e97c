#pragma once
// The local call book: "calls.dat", a record of 156 bytes per licensed call in order of
// its call, and "zip.dat", a record of 45 bytes per US zip code in order of an encoded key,
// both kept open for the run and searched by halving, a record at a time.

#include "core/parsed.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace tsl {

struct AppState;
struct callbooklookup;

inline constexpr std::size_t ziprecordlength = 45;
// A search gives up after this many misses: enough for about four million records.
inline constexpr int searchmisses = 22;

// The fields of a "calls.dat" record; control characters read as blanks.
struct callsrecord {
    std::string key;      // the call, 6 characters, upper-cased
    char licence = ' ';   // the licence class letter, as stored
    std::string name;     // 50 characters, blank-padded
    std::string street;   // 60
    std::string cityline; // 35: town, comma, blank, state, blank, zip code
};
// The fields of a "zip.dat" record; control characters read as blanks.
struct ziprecord {
    std::string key;       // the encoded zip code, 5 characters, as stored
    std::string county;    // 25 characters, blank-padded
    std::string latitude;  // 5, degrees north
    std::string longitude; // 6, degrees west
};

// A record from its bytes; refused when it is shorter than its layout.
Parsed<callsrecord> readcallsrecordbytes(const std::string& bytes);
Parsed<ziprecord> readziprecordbytes(const std::string& bytes);

// The search key of a call: cleaned (blanks, slashed zeros), cut or padded to 6 characters,
// not upper-cased.
std::string callskey(const std::string& call);
// The search key of a zip text: the nines' complement of its number, as 5 digits, reversed.
std::string zipkey(const std::string& zip);

// The number a text of the call book begins with, blanks skipped wherever they stand; 0
// when it does not begin with a number or lies beyond a single-precision number.
float callbooknumber(const std::string& text);

// Reads record number n (counted from 1) of a file of fixed-length records: nothing when
// the file holds no whole record there.
using recordreader = std::function<std::optional<std::string>(std::int64_t)>;

// The searches by halving over the records of a whole file, "calls.dat" (records 2 to
// callscount + 1) and "zip.dat" (1 to zipcount), for a search key as callskey and zipkey
// give it: the record that holds the key, or nothing after at most searchmisses reads.
// A probe that finds no whole record is a miss that moves upward; no probe lies before the
// first record or more than one past the last.
std::optional<callsrecord> searchcallsrecords(const recordreader& read, std::int64_t callscount,
                                              const std::string& key);
std::optional<ziprecord> searchziprecords(const recordreader& read, std::int64_t zipcount,
                                          const std::string& key);

// The record of the call in "calls.dat", or nothing. Sets lookuphit on a hit and clears
// it otherwise; finds nothing while the call book's files are not both open.
std::optional<callsrecord> searchcallsdat(AppState& state, const std::string& call);

// Searches "zip.dat" for the zip code; a hit sets the county, the position and the
// locator, adds the county line, and gives the locator for the grid-square box unless a
// stored QSO is being edited. A miss changes nothing.
void lookupzip(AppState& state, const std::string& zip, callbooklookup& result);

// Source 1: the record of the call shown as the name with its class, the street and the
// city line, and the result filled from it (and from its zip code for a US call).
void lookupcallsdat(AppState& state, const std::string& call, callbooklookup& result);

} // namespace tsl
