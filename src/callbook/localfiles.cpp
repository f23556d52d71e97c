#include "localfiles.h"

#include "core/geography.h"
#include "core/helpers.h"
#include "core/memberlists.h"
#include "core/numbers.h"
#include "core/state.h"
#include "core/text.h"
#include "lookup.h"
#include "platform/fileio.h"

#include <QFile>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace tsl {

namespace {

// Characters from position (counted from 1) of the record, control characters as blanks.
std::string field(const std::string& record, std::size_t position, std::size_t width) {
    std::string text = record.substr(position - 1, width);
    for (char& c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7f) c = ' ';
    }
    return text;
}

std::string trimmedright(const std::string& text) {
    const auto last = text.find_last_not_of(' ');
    return last == std::string::npos ? std::string() : text.substr(0, last + 1);
}

// Up to width characters from position (counted from 1), fewer at the end of the text.
std::string charactersat(const std::string& text, std::size_t position, std::size_t width) {
    return position - 1 < text.size() ? text.substr(position - 1, width) : std::string();
}

bool filesopen(const AppState& s) {
    return s.callsfile && s.callsfile->isOpen() && s.zipfile && s.zipfile->isOpen();
}

// The keys of whole records, as their readers take them.
std::string callsrecordkey(const std::string& record) {
    return uppercased(field(record, 2, 6));
}
std::string ziprecordkey(const std::string& record) {
    return field(record, 2, 5);
}

// The search by halving over records first to last; only a hit is read whole. A probe that
// finds no record (one past the last, beyond the end of the file, cut short) is a miss that
// moves upward. The range is not tested: once it is empty the probe stays at its edge
// until the misses run out, and a probe of the record just read compares it again without
// reading it.
template <class Record>
std::optional<Record> searchrecords(const recordreader& readrecordat, std::int64_t first,
                                    std::int64_t last, const std::string& key,
                                    std::string (*keyof)(const std::string&),
                                    Parsed<Record> (*read)(const std::string&)) {
    std::int64_t lo = first;
    std::int64_t hi = last;
    std::int64_t mid = lo + (hi - lo) / 2;
    std::int64_t probed = 0; // records are numbered from 1
    bool below = false;      // the key sorts below the record probed
    for (int misses = 0;;) {
        if (mid != probed) {
            probed = mid;
            const auto bytes = mid <= last ? readrecordat(mid) : std::nullopt;
            const std::string recordkey = bytes ? keyof(*bytes) : std::string();
            if (bytes && recordkey == key)
                if (auto record = read(*bytes)) return std::move(*record);
            below = bytes && key < recordkey;
        }
        if (below)
            hi = mid - 1;
        else
            lo = mid + 1;
        mid = lo + (hi - lo) / 2;
        if (++misses >= searchmisses) return std::nullopt;
    }
}

} // namespace

Parsed<callsrecord> readcallsrecordbytes(const std::string& bytes) {
    if (bytes.size() < callsrecordlength - 2)
        return parseerror{"A call record holds 154 characters."};
    callsrecord r;
    r.key = callsrecordkey(bytes);
    r.licence = field(bytes, 8, 1)[0];
    r.name = field(bytes, 9, 50);
    r.street = field(bytes, 59, 60);
    r.cityline = field(bytes, 119, 35);
    return r;
}

Parsed<ziprecord> readziprecordbytes(const std::string& bytes) {
    if (bytes.size() < ziprecordlength) return parseerror{"A zip code record holds 45 characters."};
    ziprecord r;
    r.key = ziprecordkey(bytes);
    r.county = field(bytes, 7, 25);
    r.latitude = field(bytes, 32, 5);
    r.longitude = field(bytes, 37, 6);
    return r;
}

std::string callskey(const std::string& call) {
    std::string key = normalizecall(call);
    key.resize(6, ' ');
    return key;
}

std::string zipkey(const std::string& zip) {
    // A number beyond any zip code still gives a key, written out in full (one that no
    // record holds); one beyond any double counts as the largest.
    constexpr double largest = std::numeric_limits<double>::max();
    const double v = std::clamp(roundhalfeven(numberoftext(zip)), -largest, largest);
    char digits[400];
    const auto written =
        std::to_chars(digits, digits + sizeof digits, 99999.0 - v, std::chars_format::fixed, 0);
    std::string d(digits, written.ptr);
    if (d.size() < 5) d.insert(0, 5 - d.size(), '0');
    d.resize(5);
    return {d.rbegin(), d.rend()};
}

float callbooknumber(const std::string& text) {
    const double v = numberoftext(text);
    if (!(std::fabs(v) <= static_cast<double>(std::numeric_limits<float>::max()))) return 0;
    return static_cast<float>(v);
}

std::optional<callsrecord> searchcallsrecords(const recordreader& read, std::int64_t callscount,
                                              const std::string& key) {
    if (callscount < 1) return std::nullopt;
    return searchrecords<callsrecord>(read, 2, callscount + 1, key, callsrecordkey,
                                      readcallsrecordbytes);
}

std::optional<ziprecord> searchziprecords(const recordreader& read, std::int64_t zipcount,
                                          const std::string& key) {
    if (zipcount < 1) return std::nullopt;
    return searchrecords<ziprecord>(read, 1, zipcount, key, ziprecordkey, readziprecordbytes);
}

std::optional<callsrecord> searchcallsdat(AppState& s, const std::string& call) {
    s.lookuphit = false;
    if (!filesopen(s)) return std::nullopt;
    auto found = searchcallsrecords(
        [&](std::int64_t n) { return readrecord(*s.callsfile, n, callsrecordlength); },
        s.callscount, callskey(call));
    s.lookuphit = found.has_value();
    return found;
}

void lookupzip(AppState& s, const std::string& zip, callbooklookup& result) {
    if (!filesopen(s)) return;
    const auto found =
        searchziprecords([&](std::int64_t n) { return readrecord(*s.zipfile, n, ziprecordlength); },
                         s.zipcount, zipkey(zip));
    if (!found) return;
    makegridsquare(s, found->longitude, found->latitude);
    s.dxlon = -callbooknumber(found->longitude);
    s.dxlat = callbooknumber(found->latitude);
    s.usecountryposition = false;
    s.callbookresult.county = trimblanks(found->county);
    result.lines.push_back(s.callbookresult.county + ",  " + s.gridsquare.str() + ",  " +
                           singletext(s.dxlonwest) + "W  " + singletext(s.dxlatnorth) + "N");
    if (!s.editingqso) result.gs = s.gridsquare.str();
}

void lookupcallsdat(AppState& s, const std::string& call, callbooklookup& result) {
    const auto record = searchcallsdat(s, call);
    if (!record) return;
    s.callbookfound = true;
    s.lookuphit = true;
    callbookaddress& a = s.callbookresult;
    a.name = trimmedright(record->name);
    result.lines.push_back(a.name + ", " + licenceclass(uppercased(record->licence)));
    a.street = trimmedright(record->street);
    result.lines.push_back(a.street);
    a.cityline = trimmedright(record->cityline);
    result.lines.push_back(a.cityline);
    const char first = record->key[0];
    s.callbookusa = first == 'W' || first == 'K' || first == 'N' || first == 'A';
    // The zip code stands four characters after the comma, the state two before it.
    const auto comma = a.cityline.find(',');
    const std::size_t p = (comma == std::string::npos ? 0 : comma + 1) + 5;
    if (s.callbookusa) lookupzip(s, charactersat(a.cityline, p, 5), result);
    a.state = FixedText<2>(uppercased(charactersat(a.cityline, p - 3, 2))).str();
    a.country = s.callbookusa ? "USA" : "Canada";
}

} // namespace tsl
