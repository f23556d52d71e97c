#include "importframe.h"

#include "core/dxcclookup.h"
#include "core/listfile.h"
#include "core/recordtext.h"
#include "core/state.h"
#include "core/text.h"
#include "platform/codepage.h"
#include "platform/dialogs.h"
#include "platform/fileio.h"
#include "platform/statusline.h"

#include <algorithm>
#include <array>

namespace tsl {

std::string safetext(std::string text) {
    for (char& c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || u < 32 || u == 127) c = ' ';
    }
    return text;
}

std::string importedtext(const std::string& value) {
    return safetext(fromutf8ifvalid(value));
}

std::string importedcall(const std::string& value) {
    return uppercased(importedtext(value));
}

void showimportfailure(const AppState& s, Dialogs& dialogs, const std::string& text) {
    dialogs.msgbox(text, msgbuttons::ok, msgicon::none, s.apptitle + " " + s.mycall.str());
}

importoutcome importfailed(const AppState& s, Dialogs& dialogs, StatusLine& status,
                           const std::string& message, const std::string& statustext) {
    showimportfailure(s, dialogs, message);
    status.setstatus(statustext);
    return importoutcome{};
}

std::string unreadablereason(const std::string& path) {
    return fileexists(path) ? "The file cannot be read." : "The file does not exist.";
}

std::optional<std::string> readimportfile(const std::string& path, std::string& reason) {
    auto bytes = readwholefile(path);
    if (!bytes) {
        reason = unreadablereason(path);
        return std::nullopt;
    }
    if (const auto line = overlongline(*bytes)) {
        reason = overlongreason(*line);
        return std::nullopt;
    }
    return bytes;
}

void putcall(const AppState& s, const std::string& call, qsorecord& q, bool lookup) {
    if (call.empty()) {
        q.call = "NoCall";
        return;
    }
    q.call = call;
    if (lookup) putdxcc(s, q.call.str(), q);
}

int32_t roomleft(const AppState& s) {
    return std::max(0, maxqsos - s.qsocount);
}

namespace {

bool isdigit(char c) {
    return c >= '0' && c <= '9';
}

int digitsat(std::string_view text, std::size_t from, std::size_t count) {
    int value = 0;
    for (std::size_t k = from; k < from + count; ++k)
        value = value * 10 + (text[k] - '0');
    return value;
}

bool alldigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), isdigit);
}

bool calendarday(std::string_view date) {
    if (date.size() != 8 || !alldigits(date)) return false;
    const int year = digitsat(date, 0, 4);
    const int month = digitsat(date, 4, 2);
    const int day = digitsat(date, 6, 2);
    if (year < 1 || month < 1 || month > 12 || day < 1) return false;
    static constexpr std::array<int, 12> days = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= days[static_cast<std::size_t>(month - 1)] + (month == 2 && leap ? 1 : 0);
}

bool timeofday(std::string_view time) {
    // A file without times leaves the colon, and blanks where the digits would be.
    if (std::none_of(time.begin(), time.end(), isdigit))
        return std::all_of(time.begin(), time.end(), [](char c) { return c == ' ' || c == ':'; });
    return time.size() == 5 && alldigits(time.substr(0, 2)) && time[2] == ':' &&
           alldigits(time.substr(3, 2)) && digitsat(time, 0, 2) < 24 && digitsat(time, 3, 2) < 60;
}

// A value as a result text may show it: blanks for control characters and quotes.
std::string shown(std::string_view text) {
    return "\"" + safetext(trimblanks(text)) + "\"";
}

} // namespace

std::string importcheck(const qsorecord& q) {
    if (!calendarday(q.date.view()))
        return trimmedview(q.date.view()).empty()
                   ? "no date"
                   : "the date " + shown(q.date.view()) + " is no day of the calendar";
    if (!timeofday(q.time.view())) return "the time " + shown(q.time.view()) + " is no time of day";
    const std::string_view call = trimmedview(q.call.view());
    if (call.empty()) return "no call";
    for (const char c : call) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 32 || u == 127) return "the call holds a control character";
        if (c == ' ' || c == '"') return "the call " + shown(call) + " is not one word";
    }
    return "";
}

checkedread checkread(const importread& read, int32_t room) {
    checkedread out;
    out.skipped = read.skipped;
    out.kept.reserve(std::min(read.records.size(), static_cast<std::size_t>(std::max(room, 0))));
    for (std::size_t k = 0; k < read.records.size(); ++k) {
        const qsorecord& q = read.records[k];
        if (std::string why = importcheck(q); !why.empty()) {
            std::string where =
                k < read.where.size() ? read.where[k] : "QSO " + std::to_string(k + 1);
            const std::string call = q.call.trimmedright();
            if (!call.empty()) where += " (" + safetext(call) + ")";
            out.skipped.push_back(where + ": " + why);
        } else if (static_cast<int32_t>(out.kept.size()) < room) {
            out.kept.push_back(k);
        } else {
            ++out.leftout;
        }
    }
    return out;
}

importoutcome finishimport(AppState& s, StatusLine& status, const importread& read,
                           const importending& ending) {
    const checkedread checked = checkread(read, roomleft(s));
    std::string lognotwritten;
    if (!ending.logname.empty()) {
        ImportLog log(ending.logtitle);
        log.reserve(checked.kept.size());
        for (const std::size_t k : checked.kept)
            log.add(s, read.records[k], ending.logtail ? ending.logtail(k) : std::string());
        for (const std::string& skip : checked.skipped)
            log.note("Skipped " + skip);
        lognotwritten = log.writeandtell(s, ending.logname);
    }
    for (const std::size_t k : checked.kept)
        s.qsos[static_cast<std::size_t>(++s.qsocount)] = read.records[k];
    importoutcome outcome;
    outcome.ok = true;
    outcome.imported = static_cast<int32_t>(checked.kept.size());
    outcome.leftout = checked.leftout;
    outcome.skipped = static_cast<int32_t>(checked.skipped.size());
    const std::string skips =
        ending.skippedtext ? ending.skippedtext(checked.skipped) : skippedsentence(checked.skipped);
    const std::string more =
        ending.before + skips + ending.after + leftouttext(checked.leftout) + lognotwritten;
    status.setstatus(ending.text(outcome.imported, more));
    return outcome;
}

std::string leftouttext(int32_t leftout) {
    if (leftout <= 0) return "";
    return " The log is full at " + std::to_string(maxqsos) + " QSOs: " + std::to_string(leftout) +
           " QSOs were left out.";
}

std::string namedskips(const std::vector<std::string>& skips) {
    constexpr std::size_t shown = 10;
    std::string text;
    for (std::size_t k = 0; k < skips.size() && k < shown; ++k)
        text += (k == 0 ? "" : "; ") + skips[k];
    if (skips.size() > shown) text += "; ...";
    return text.empty() ? text : text + ".";
}

std::string skippedsentence(const std::vector<std::string>& skips) {
    if (skips.empty()) return "";
    return " " + std::to_string(skips.size()) + " skipped: " + namedskips(skips);
}

int16_t bandoffrequency(const AppState& s, double mhz) {
    const auto f = static_cast<float>(std::clamp(mhz, -1.0e30, 1.0e30));
    int16_t band = 0;
    for (int b = 1; b <= s.bandcount; ++b) {
        const bandrecord& r = s.bandtable[static_cast<std::size_t>(b)];
        if (r.lower <= f && f <= r.upper) band = static_cast<int16_t>(b);
    }
    return band;
}

int16_t modebyname(const AppState& s, std::string_view text) {
    const std::string name = uppercased(trimblanks(text));
    int16_t mode = 0;
    for (int m = 0; m <= s.modecount; ++m)
        if (uppercased(trimblanks(s.modetable[static_cast<std::size_t>(m)].name)) == name)
            mode = static_cast<int16_t>(m);
    return mode;
}

int16_t iotaaward(const AppState& s, std::string_view reference) {
    const std::string code = uppercased(std::string(reference.substr(0, 2)));
    const int16_t award = code == "AF"   ? s.iotaafricaaward
                          : code == "AN" ? s.iotaantarcticaaward
                          : code == "AS" ? s.iotaasiaaward
                          : code == "EU" ? s.iotaeuropeaward
                          : code == "NA" ? s.iotanorthamericaaward
                          : code == "OC" ? s.iotaoceaniaaward
                          : code == "SA" ? s.iotasouthamericaaward
                                         : int16_t{0};
    return award >= 1 && award <= s.awardcount ? award : int16_t{0};
}

EntryIndex::EntryIndex(const AppState& s, std::size_t keylength) : s_(s), keylength_(keylength) {}

const std::vector<int32_t>* EntryIndex::find(int16_t award, const std::string& key) {
    if (award < 1 || award > s_.awardcount) return nullptr;
    auto [it, added] = awards_.try_emplace(award);
    if (added) {
        const awardrecord& a = s_.awardtable[static_cast<std::size_t>(award)];
        for (int e = a.first; e <= a.last && e < static_cast<int>(s_.awardentries.size()); ++e)
            it->second[s_.awardentries[static_cast<std::size_t>(e)].substr(0, keylength_)]
                .push_back(e - a.first);
    }
    const auto found = it->second.find(key);
    return found == it->second.end() ? nullptr : &found->second;
}

void SlotFiller::put(int16_t award, int32_t entry) {
    if (award < 1) return;
    if (!room()) {
        ++leftout_;
        return;
    }
    q_.awards[static_cast<std::size_t>(next_)] = award;
    q_.entries[static_cast<std::size_t>(next_)] = entry;
    ++next_;
}

std::vector<std::string_view> textlines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t k = 0; k < bytes.size(); ++k) {
        if (bytes[k] != '\r' && bytes[k] != '\n') continue;
        lines.push_back(bytes.substr(start, k - start));
        if (bytes[k] == '\r' && k + 1 < bytes.size() && bytes[k + 1] == '\n') ++k;
        start = k + 1;
    }
    if (start < bytes.size()) lines.push_back(bytes.substr(start));
    return lines;
}

bool blanklinesfrom(const std::vector<std::string_view>& lines, std::size_t first) {
    for (std::size_t k = first; k < lines.size(); ++k)
        if (!trimblanks(lines[k]).empty()) return false;
    return true;
}

std::optional<int32_t> overlongline(std::string_view bytes) {
    int32_t line = 1;
    std::size_t length = 0;
    for (std::size_t k = 0; k < bytes.size(); ++k) {
        const char c = bytes[k];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && k + 1 < bytes.size() && bytes[k + 1] == '\n') ++k;
            ++line;
            length = 0;
        } else if (++length > longestimportline) {
            return line;
        }
    }
    return std::nullopt;
}

std::string overlongreason(int32_t line) {
    return "Line " + std::to_string(line) + " is longer than " + std::to_string(longestimportline) +
           " characters.";
}

ImportLog::ImportLog(const std::string& title) {
    line(title);
    line("Date     Time  Call       DXCC");
}

void ImportLog::reserve(std::size_t qsos) {
    bytes_.reserve(bytes_.size() + qsos * 64);
}

void ImportLog::line(std::string_view text) {
    bytes_ += '"';
    ListWriter::appendquotable(bytes_, text);
    bytes_ += "\"\r\n";
}

void ImportLog::add(const AppState& s, const qsorecord& q, std::string_view tail) {
    std::array<char, 8 + 1 + 5 + 1 + 12 + 1> fixed{};
    auto at = std::copy(q.date.view().begin(), q.date.view().end(), fixed.begin());
    *at++ = ' ';
    at = std::copy(q.time.view().begin(), q.time.view().end(), at);
    *at++ = ' ';
    at = std::copy(q.call.view().begin(), q.call.view().end(), at);
    *at = ' ';
    bytes_ += '"';
    ListWriter::appendquotable(bytes_, std::string_view(fixed.data(), fixed.size()));
    const int16_t dxcc = q.dxcc >= 0 && q.dxcc <= s.dxcccount ? q.dxcc : int16_t{0};
    if (tail.empty()) {
        bytes_ += countryend(s, dxcc);
        return;
    }
    ListWriter::appendquotable(bytes_, s.dxcctable[static_cast<std::size_t>(dxcc)].country);
    ListWriter::appendquotable(bytes_, tail);
    bytes_ += "\"\r\n";
}

// The end of a line for the QSOs of an entity: its name made quotable once, the closing
// quote and the line end.
const std::string& ImportLog::countryend(const AppState& s, int16_t dxcc) {
    if (countries_.size() <= static_cast<std::size_t>(dxcc))
        countries_.resize(static_cast<std::size_t>(dxcc) + 1);
    std::string& end = countries_[static_cast<std::size_t>(dxcc)];
    if (end.empty()) {
        ListWriter::appendquotable(end, s.dxcctable[static_cast<std::size_t>(dxcc)].country);
        end += "\"\r\n";
    }
    return end;
}

void ImportLog::note(const std::string& text) {
    line(text);
}

std::string ImportLog::write(const AppState& s, const std::string& name) const {
    return writefilesafely(s.apppath + name, bytes_);
}

std::string ImportLog::writeandtell(const AppState& s, const std::string& name) const {
    const std::string reason = write(s, name);
    return reason.empty() ? "" : " The import log " + name + " was not written: " + reason;
}

} // namespace tsl
