#pragma once
// The HamCall call book, from its CD (through the CD library) or online: both answer with
// one tagged record, a text in which every byte of code 181 or above is a tag that numbers
// the field after it.

#include "core/parsed.h"

#include <array>
#include <string>
#include <string_view>

namespace tsl {

struct AppState;
struct callbooklookup;
struct callbookservices;

// The fields of a tagged record by number, 0 to 256; field 181 is the call, the text before
// the first tag. A field absent is empty, one given twice keeps its later text. Fields are
// texts to show: control characters as blanks, each cut to its first 200 characters.
struct hamcallrecord {
    std::array<std::string, 257> fields;
    const std::string& operator[](int n) const { return fields[static_cast<std::size_t>(n)]; }
};

// Reads a tagged record of any length. The last byte of the record belongs to no field.
// Refused when it holds no tag. Field 202 is kept only when it is a Maidenhead locator
// (blanks around it taken off), else it is empty, as in a record without it.
Parsed<hamcallrecord> readhamcallrecord(std::string_view bytes);

// Reads a reply of the online service as a tagged record: refused also when the text before
// the first tag is not a call (one word of 3 to 12 letters, digits and "/"), so that a page
// of some other server that happens to hold a byte of 181 or above is no record.
Parsed<hamcallrecord> readhamcallreply(std::string_view bytes);

// The path and query of the online lookup of a cleaned call: the log-in of "hamcall.ini"
// and the call, each percent-encoded.
std::string hamcallrequest(const AppState& state, const std::string& call);

// Source 2: the call looked up on the HamCall CD in callbookpath. A call not on the CD is
// a line saying so; a library that is absent or fails finds nothing and says so in a
// message box once in the run.
void lookuphamcallcd(AppState& state, const callbookservices& services, const std::string& call,
                     callbooklookup& result);

// Source 5: the call looked up online. A reply "ERROR..." is shown in a message box, and it
// and "NOT FOUND..." give the line that the call was not found; a failed request or a reply
// that is no tagged record gives the time-out message.
void lookuphamcallonline(AppState& state, const callbookservices& services, const std::string& call,
                         callbooklookup& result);

} // namespace tsl
