#include "cabrillo.h"

#include "core/dxcclookup.h"
#include "core/numbers.h"
#include "core/state.h"
#include "core/text.h"
#include "importframe.h"
#include "platform/dialogs.h"
#include "platform/fileio.h"
#include "platform/statusline.h"

#include <QDate>

#include <array>
#include <optional>

namespace tsl {

namespace {

// ARRL sections that lie inside one state, and that state's place in the state table.
struct sectiongroup {
    std::array<const char*, 7> sections;
    int state;
};
constexpr std::array<sectiongroup, 8> sectiongroups = {{
    {{"WTX", "STX", "NTX"}, 42},
    {{"EPA", "WPA"}, 37},
    {{"EWA", "WWA"}, 46},
    {{"EMA", "WMA"}, 20},
    {{"ENY", "ELI", "NNY", "WNY"}, 31},
    {{"LAX", "SV", "SDG", "SF", "SJ", "SB", "SCV"}, 4},
    {{"NFL", "SFL", "WCF"}, 8},
    {{"NNJ", "SNJ"}, 29},
}};

// The shortest "QSO:" line each kind reads by columns.
constexpr std::array<std::size_t, 7> minimumlength = {78, 77, 76, 76, 90, 82, 79};
constexpr std::size_t qtclength = 92;

// What one QSO line says, wherever it stood on the line.
struct qsofields {
    std::string frequency;
    std::string mode;
    std::string date; // yyyymmdd
    std::string time; // HH:MM
    std::string call;
    std::string rsts;
    std::string rstr;
    std::string section;
    std::string precedence;
    std::string grid;
    std::string iota;
    std::string comment;
};

// Columns are 1-based; reading past the end of the line gives what is there.
std::string col(std::string_view line, std::size_t first, std::size_t width = std::string::npos) {
    if (first > line.size()) return {};
    return std::string(line.substr(first - 1, width));
}

bool digits(std::string_view t) {
    if (t.empty()) return false;
    for (char c : t)
        if (c < '0' || c > '9') return false;
    return true;
}

int number(std::string_view t) {
    int n = 0;
    for (char c : t)
        n = n * 10 + (c - '0');
    return n;
}

// "yyyy-mm-dd" holding a calendar date, as "yyyymmdd".
std::optional<std::string> realdate(std::string_view t) {
    if (t.size() != 10 || t[4] != '-' || t[7] != '-') return std::nullopt;
    const auto y = t.substr(0, 4), m = t.substr(5, 2), d = t.substr(8, 2);
    if (!digits(y) || !digits(m) || !digits(d)) return std::nullopt;
    if (!QDate::isValid(number(y), number(m), number(d))) return std::nullopt;
    return std::string(y) + std::string(m) + std::string(d);
}

// "hhmm" from 0000 to 2359, as "HH:MM".
std::optional<std::string> realtime(std::string_view t) {
    if (t.size() != 4 || !digits(t) || number(t.substr(0, 2)) > 23 || number(t.substr(2)) > 59)
        return std::nullopt;
    return std::string(t.substr(0, 2)) + ":" + std::string(t.substr(2));
}

bool incolumns(std::string_view line, std::size_t minimum) {
    return line.size() >= minimum && realdate(col(line, 15, 10)) && realtime(col(line, 26, 4));
}

// Letters, digits and "/", with a digit among them.
bool iscall(std::string_view t) {
    bool digit = false;
    for (char c : t) {
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        digit = digit || (c >= '0' && c <= '9');
        if (!letter && !(c >= '0' && c <= '9') && c != '/') return false;
    }
    return digit;
}

// Where each kind's QSO lines hold the received call: its first column and its width.
constexpr std::array<std::pair<std::size_t, std::size_t>, 7> callcolumns = {
    {{56, 10}, {56, 10}, {56, 13}, {56, 13}, {62, 10}, {61, 13}, {56, 10}}};

// A QSO line laid out in the kind's columns: long enough, a date and a time in theirs, a
// blank just before the call column, and in it a call or nothing. A line whose fields stand
// elsewhere would give a piece of another field as its call.
bool qsoincolumns(std::string_view line, int kind) {
    const auto k = static_cast<std::size_t>(kind);
    if (!incolumns(line, minimumlength[k])) return false;
    const auto [first, width] = callcolumns[k];
    if (line[first - 2] != ' ') return false;
    const std::string call = trimblanks(col(line, first, width));
    return call.empty() || iscall(call);
}

// An IOTA reference "XX-nnn".
bool isiota(std::string_view t) {
    auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    return t.size() == 6 && letter(t[0]) && letter(t[1]) && t[2] == '-' && digits(t.substr(3));
}

std::string joined(const std::vector<std::string_view>& words, std::size_t from = 0) {
    std::string text;
    for (std::size_t k = from; k < words.size(); ++k)
        text += (k == from ? "" : " ") + std::string(words[k]);
    return text;
}

std::vector<std::string_view> words(std::string_view text) {
    std::vector<std::string_view> out;
    std::size_t k = 0;
    while (k < text.size()) {
        while (k < text.size() && (text[k] == ' ' || text[k] == '\t'))
            ++k;
        const std::size_t start = k;
        while (k < text.size() && text[k] != ' ' && text[k] != '\t')
            ++k;
        if (k > start) out.push_back(text.substr(start, k - start));
    }
    return out;
}

qsofields qsocolumns(std::string_view line, int kind) {
    qsofields f;
    f.frequency = col(line, 6, 5);
    f.mode = col(line, 12, 2);
    f.date = *realdate(col(line, 15, 10));
    f.time = *realtime(col(line, 26, 4));
    const std::size_t n = line.size();
    switch (kind) {
    case 0:
        f.call = col(line, 56, 10);
        f.section = col(line, 77, n == 78 ? 2 : 3);
        f.precedence = col(line, 47, 1);
        f.comment = "Info Rcvd: " + col(line, 67, 13);
        break;
    case 1:
        f.call = col(line, 56, 10);
        f.grid = col(line, 74);
        break;
    case 2:
    case 3:
        f.call = col(line, 56, 13);
        f.rsts = trimblanks(col(line, 45, 3));
        f.rstr = trimblanks(col(line, 70, 3));
        if (kind == 2) f.section = col(line, 74, std::min<std::size_t>(n - 73, 6));
        f.comment = "Info Rcvd: " + col(line, 70);
        break;
    case 4:
        f.call = col(line, 62, 10);
        f.section = col(line, 89, n == 90 ? 2 : 3);
        f.comment = "Info Rcvd: " + col(line, 62, 32);
        break;
    case 5:
        f.call = col(line, 61, 13);
        f.rsts = trimblanks(col(line, 45, 3));
        f.rstr = trimblanks(col(line, 75, 3));
        if (n >= 89) f.iota = col(line, 84, 6);
        f.comment = "Info Rcvd: " + col(line, 61, 29);
        break;
    default:
        f.call = col(line, 56, 10);
        f.rsts = trimblanks(col(line, 42, 3));
        f.rstr = trimblanks(col(line, 67, 3));
        f.comment = "Info Rcvd: " + col(line, 56, 24);
        break;
    }
    return f;
}

qsofields qtccolumns(std::string_view line) {
    qsofields f;
    f.frequency = col(line, 6, 5);
    f.mode = col(line, 12, 2);
    f.date = *realdate(col(line, 15, 10));
    f.time = *realtime(col(line, 26, 4));
    f.call = col(line, 75, 13);
    f.comment = "QTC Info: " + col(line, 45, 48);
    return f;
}

// The exchanges of a kind-5 line, where either side may lack its IOTA reference:
// call, RST, serial, [reference], call, RST, serial, [reference], [transmitter].
bool splitiota(const std::vector<std::string_view>& w, std::vector<std::string_view>& sent,
               std::string_view& call, std::vector<std::string_view>& received) {
    std::size_t i = 1;
    auto exchange = [&](std::vector<std::string_view>& into) {
        for (int k = 0; k < 2 && i < w.size(); ++k)
            into.push_back(w[i++]);
        if (i < w.size() && isiota(w[i])) into.push_back(w[i++]);
    };
    exchange(sent);
    if (i >= w.size()) return false;
    call = w[i++];
    exchange(received);
    if (i + 1 == w.size() && w[i].size() == 1 && digits(w[i])) ++i;
    return i == w.size();
}

// Equal exchanges on both sides, and perhaps a one-digit transmitter at the end.
bool splitequal(std::vector<std::string_view> w, std::vector<std::string_view>& sent,
                std::string_view& call, std::vector<std::string_view>& received) {
    if (w.size() % 2 == 1 && w.back().size() == 1 && digits(w.back())) w.pop_back();
    if (w.size() < 2 || w.size() % 2 == 1) return false;
    const std::size_t e = (w.size() - 2) / 2;
    sent.assign(w.begin() + 1, w.begin() + 1 + static_cast<std::ptrdiff_t>(e));
    call = w[e + 1];
    received.assign(w.begin() + static_cast<std::ptrdiff_t>(e) + 2, w.end());
    return true;
}

// The words of each kind's exchange after a call, where the kind fixes them (0 where not):
// serial, precedence, check and section; grid; RST and one more; RST, serial and time.
constexpr std::array<std::size_t, 7> exchangewords = {4, 1, 2, 2, 0, 0, 3};

// Exchanges of the kind's own size on both sides; words after the received one are not
// read.
bool splitfixed(const std::vector<std::string_view>& w, std::size_t size,
                std::vector<std::string_view>& sent, std::string_view& call,
                std::vector<std::string_view>& received) {
    if (size == 0 || w.size() < 2 * size + 2) return false;
    sent.assign(w.begin() + 1, w.begin() + 1 + static_cast<std::ptrdiff_t>(size));
    call = w[size + 1];
    received.assign(w.begin() + static_cast<std::ptrdiff_t>(size) + 2,
                    w.begin() + static_cast<std::ptrdiff_t>(2 * size) + 2);
    return true;
}

// A QSO line not in the kind's columns, read field by field; nothing, with the reason in
// why, when it holds no readable QSO.
std::optional<qsofields> qsowords(std::string_view line, int kind, std::string& why) {
    const auto w = words(line.substr(4));
    qsofields f;
    const auto date = w.size() > 2 ? realdate(w[2]) : std::nullopt;
    const auto time = w.size() > 3 ? realtime(w[3]) : std::nullopt;
    if (!date) why = "no date yyyy-mm-dd";
    if (date && !time) why = "no time 0000-2359";
    if (!date || !time) return std::nullopt;
    f.frequency = std::string(w[0]);
    f.mode = std::string(w[1].substr(0, 2));
    f.date = *date;
    f.time = *time;
    const std::vector<std::string_view> rest(w.begin() + 4, w.end());
    std::vector<std::string_view> sent, received;
    std::string_view call;
    bool split =
        kind == 5 ? splitiota(rest, sent, call, received) : splitequal(rest, sent, call, received);
    if (!(split && iscall(call)) && kind != 5) {
        sent.clear();
        received.clear();
        split =
            splitfixed(rest, exchangewords[static_cast<std::size_t>(kind)], sent, call, received);
    }
    if (!split || !iscall(call)) {
        why = "no received call";
        return std::nullopt;
    }
    f.call = std::string(call);
    auto field = [](const std::vector<std::string_view>& v, std::size_t k) {
        return k < v.size() ? std::string(v[k]) : std::string();
    };
    std::vector<std::string_view> withcall{call};
    withcall.insert(withcall.end(), received.begin(), received.end());
    switch (kind) {
    case 0:
        f.precedence = field(sent, 1);
        f.section = received.empty() ? "" : std::string(received.back());
        f.comment = "Info Rcvd: " + joined(received);
        break;
    case 1:
        f.grid = field(received, 0);
        break;
    case 2:
    case 3:
        f.rsts = field(sent, 0);
        f.rstr = field(received, 0);
        if (kind == 2) f.section = field(received, 1);
        f.comment = "Info Rcvd: " + joined(received);
        break;
    case 4:
        f.section = received.empty() ? "" : std::string(received.back());
        f.comment = "Info Rcvd: " + joined(withcall);
        break;
    case 5:
        f.rsts = field(sent, 0);
        f.rstr = field(received, 0);
        if (received.size() == 3) f.iota = field(received, 2);
        f.comment = "Info Rcvd: " + joined(withcall);
        break;
    default:
        f.rsts = field(sent, 0);
        f.rstr = field(received, 0);
        f.comment = "Info Rcvd: " + joined(withcall);
        break;
    }
    return f;
}

int16_t contestmode(const AppState& s, const std::string& mode) {
    const std::string m = uppercased(mode);
    if (m == "CW") return s.cwmodeindex;
    if (m == "PH") return s.ssbmodeindex;
    if (m == "FM") return s.fmmodeindex;
    if (m == "RY") return s.rttymodeindex;
    return 0;
}

int16_t contestband(const AppState& s, const std::string& frequency, int kind) {
    double v = numberoftext(frequency);
    // A VHF log may write the microwave bands in GHz: "24G" is 24 GHz, not 24 MHz.
    const std::string t = uppercased(trimblanks(frequency));
    const bool ghz = kind == 1 && !t.empty() && t.back() == 'G';
    if (ghz) v *= 1000;
    if (kind != 1) v /= 1000;
    int16_t band = bandoffrequency(s, v);
    if (kind == 1 && band == 0 && !ghz) band = bandoffrequency(s, v * 1000);
    // A 75 m frequency lies inside the 80 m edges too and counts as 80 m.
    return band == 4 ? int16_t{3} : band;
}

qsorecord contestqso(const AppState& s, const qsofields& f, int kind, EntryIndex& entries) {
    qsorecord q;
    q.band = contestband(s, f.frequency, kind);
    q.mode = contestmode(s, f.mode);
    q.date = f.date;
    q.time = f.time;
    const std::string call = importedcall(trimblanks(f.call));
    if (call.empty()) {
        q.call = "NOCALL";
    } else {
        q.call = call;
        putdxcc(s, q.call.str(), q);
    }
    q.rsts = importedtext(f.rsts);
    q.rstr = importedtext(f.rstr);
    if (kind == 1) q.grid = importedtext(f.grid);
    if (kind == 0 || kind == 2 || kind == 4) {
        const sectionmatch m = sectiontoaward(s, importedtext(f.section));
        if (m.award >= 1 && (m.award == s.wasaward || m.award == s.provincesaward)) {
            q.awards[0] = m.award;
            q.entries[0] = m.entry;
        }
    }
    if (kind == 5 && !f.iota.empty()) {
        const std::string reference = uppercased(importedtext(f.iota));
        const int16_t award = iotaaward(s, reference);
        // Of several entries with the reference, the last one stands.
        if (const auto* found = entries.find(award, reference)) {
            q.awards[0] = award;
            q.entries[0] = found->back();
        }
    }
    q.prop = s.defaultprop;
    q.power = 100.0f;
    q.comments = importedtext(f.comment);
    if (kind == 0) {
        const std::string p = uppercased(f.precedence);
        if (p == "Q") q.power = 5.0f;
        if (p == "B") q.power = 1500.0f;
    }
    return q;
}

std::string skippedlines(const std::vector<std::string>& named) {
    if (named.empty()) return "";
    return " " + std::to_string(named.size()) +
           (named.size() == 1 ? " QSO line was skipped" : " QSO lines were skipped") +
           ": not readable as QSOs of this contest kind. Skipped " + namedskips(named);
}

} // namespace

sectionmatch sectiontoaward(const AppState& s, const std::string& section) {
    sectionmatch m;
    const std::string code = uppercased(trimblanks(section));
    for (int i = 0; i < 50; ++i)
        if (s.wasaward > 0 && code == s.statetable[static_cast<std::size_t>(i)].code.view())
            m = {s.wasaward, i};
    for (int p = 0; p < 13; ++p)
        if (s.provincesaward > 0 &&
            code == s.provincecodes[static_cast<std::size_t>(p)].code.view())
            m = {s.provincesaward, p};
    if (m.award != 0) return m;
    for (const sectiongroup& g : sectiongroups)
        for (const char* name : g.sections)
            if (name != nullptr && code == name) return {s.wasaward, g.state};
    return m;
}

cabrilloread readcabrillo(const AppState& s, std::string_view bytes, int kind) {
    cabrilloread out;
    if (kind < 0 || kind > 6) return out;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    EntryIndex entries(s, 6);
    int32_t number = 0;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        // A line ends at CR LF, LF or CR.
        const std::size_t end = std::min(bytes.find_first_of("\r\n", pos), bytes.size());
        const std::string_view line = bytes.substr(pos, end - pos);
        pos = end + (bytes.substr(end, 2) == "\r\n" ? 2 : 1);
        ++number;
        const std::string head = uppercased(std::string(line.substr(0, 4)));
        std::optional<qsofields> f;
        std::string why;
        if (head == "QSO:") {
            if (qsoincolumns(line, kind))
                f = qsocolumns(line, kind);
            else
                f = qsowords(line, kind, why);
        } else if (head == "QTC:" && kind == 3) {
            if (incolumns(line, qtclength))
                f = qtccolumns(line);
            else
                why = "a QTC line not in its columns";
        } else {
            continue;
        }
        if (!f) {
            out.skipped.push_back({number, why});
        } else {
            out.records.push_back(contestqso(s, *f, kind, entries));
            out.lines.push_back(number);
        }
    }
    return out;
}

cabrilloresult importcabrillo(AppState& s, StatusLine& status, Dialogs& dialogs, int kind) {
    cabrilloresult result;
    const auto file = readwholefile(s.chosenfile);
    if (!file) {
        dialogs.msgbox("Cabrillo file, " + s.chosenfile + ", not found or it is corrupted.\r\n" +
                           unreadablereason(s.chosenfile),
                       msgbuttons::ok, msgicon::none, s.apptitle + " " + s.mycall.str());
        status.setstatus("No records imported from " + s.chosenfile);
        return result;
    }
    cabrilloread read = readcabrillo(s, *file, kind);
    importread named;
    named.records = std::move(read.records);
    for (const int32_t line : read.lines)
        named.where.push_back("line " + std::to_string(line));
    for (const cabrilloskip& k : read.skipped)
        named.skipped.push_back("line " + std::to_string(k.line) + ": " + k.reason);
    importending ending;
    ending.text = [](int32_t imported, const std::string& more) {
        return std::to_string(imported) + " records imported from Cabrillo file." + more;
    };
    ending.skippedtext = skippedlines;
    const importoutcome outcome = finishimport(s, status, named, ending);
    result.ok = true;
    result.imported = outcome.imported;
    result.leftout = outcome.leftout;
    result.skipped = outcome.skipped;
    return result;
}

} // namespace tsl
