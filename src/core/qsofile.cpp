#include "qsofile.h"

#include "helpers.h"
#include "listfile.h"
#include "nameindex.h"
#include "numbers.h"
#include "platform/dialogs.h"
#include "platform/fileio.h"
#include "platform/statusline.h"
#include "recordtext.h"
#include "state.h"
#include "text.h"

#include <QDateTime>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <memory>

namespace tsl {

namespace {

const char* const missingmessage =
    "QSO data file, qsodata.dat not found.\r\nThis is normal when you first run the program.";

struct layout {
    int items;
    int awardslots; // slots stored in the line
    bool haswab;
};

std::optional<layout> layoutforquotes(long quotes) {
    if (quotes == 60) return layout{31, 5, true};
    if (quotes == 56) return layout{29, 4, true};
    if (quotes == 54) return layout{28, 4, false};
    return std::nullopt;
}

// The tables' names to their indexes, built once per read.
class TableIndexes {
  public:
    explicit TableIndexes(const AppState& s)
        : s_(s), entries_(static_cast<std::size_t>(s.awardcount) + 1) {
        for (int i = 0; i <= s.bandcount; ++i)
            bands.add(s.bandtable[static_cast<std::size_t>(i)].longname, i);
        for (int i = 0; i <= s.modecount; ++i)
            modes.add(s.modetable[static_cast<std::size_t>(i)].name, i);
        for (int i = 0; i < s.propcount; ++i)
            props.add(s.proptable[static_cast<std::size_t>(i)].name, i);
        for (int i = 0; i < s.continentcount; ++i)
            continents.add(s.continenttable[static_cast<std::size_t>(i)].code.view(), i);
        for (int i = 0; i <= s.dxcccount; ++i)
            countries.add(s.dxcctable[static_cast<std::size_t>(i)].country, i);
        for (int i = 1; i <= s.numberedawards; ++i)
            numberawards.add(s.awardtable[static_cast<std::size_t>(i)].name, i);
        for (int i = s.numberedawards + 1; i <= s.awardcount; ++i)
            listawards.add(s.awardtable[static_cast<std::size_t>(i)].name, i);
    }

    NameIndex bands, modes, props, continents, countries, numberawards, listawards;

    // The position of an entry of a list award, -1 when the award has no such entry.
    int32_t entry(int award, std::string_view name) {
        auto& index = entries_[static_cast<std::size_t>(award)];
        if (!index) {
            index = std::make_unique<NameIndex>();
            const awardrecord& a = s_.awardtable[static_cast<std::size_t>(award)];
            for (int e = a.first; e <= a.last; ++e)
                index->add(s_.awardentries[static_cast<std::size_t>(e)], e - a.first);
        }
        return index->find(name);
    }

  private:
    const AppState& s_;
    std::vector<std::unique_ptr<NameIndex>> entries_; // per award, built on first use
};

// One item looked up by a column: a column mostly repeats its last value.
class Column {
  public:
    explicit Column(const NameIndex& index) : index_(index) {}
    int16_t operator()(std::string_view name) {
        if (!looked_ || name != last_) {
            looked_ = true;
            last_ = name;
            found_ = static_cast<int16_t>(std::max(0, index_.find(name)));
        }
        return found_;
    }

  private:
    const NameIndex& index_;
    bool looked_ = false;
    std::string_view last_;
    int16_t found_ = 0;
};

// The items of one line, as the list-file rules read them: blanks before an item skipped,
// a quoted text up to the next quote and the rest up to the comma skipped, an unquoted
// item without its trailing blanks.
struct lineitems {
    static constexpr int most = 31;
    std::array<std::string_view, most> text;
    std::array<bool, most> quoted{};
    int count = 0;
    bool unfinished = false;
    long quotes = 0; // the double quotes of the line
};

bool onlyblanksleft(std::string_view rest) {
    for (char c : rest)
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n' && c != '\x1a') return false;
    return true;
}

// Splits the line into its items and counts its double quotes on the way.
void splititems(std::string_view line, lineitems& out) {
    out.count = 0;
    out.unfinished = false;
    out.quotes = 0;
    std::size_t pos = 0;
    const std::size_t n = line.size();
    // Up to the comma or the CR that ends an item, counting the quotes passed.
    auto toend = [&] {
        for (; pos < n && line[pos] != ',' && line[pos] != '\r'; ++pos)
            out.quotes += line[pos] == '"' ? 1 : 0;
    };
    for (;;) {
        while (pos < n && (line[pos] == ' ' || line[pos] == '\t' || line[pos] == '\r'))
            ++pos;
        if (onlyblanksleft(line.substr(pos))) return;
        std::string_view item;
        bool quoted = false;
        if (line[pos] == '"') {
            ++out.quotes;
            // Items are short: a loop finds the closing quote sooner than a call.
            std::size_t close = pos + 1;
            while (close < n && line[close] != '"')
                ++close;
            if (close == n) {
                out.unfinished = true;
                return;
            }
            ++out.quotes;
            item = line.substr(pos + 1, close - pos - 1);
            quoted = true;
            pos = close + 1;
            toend();
        } else {
            const std::size_t start = pos;
            toend();
            std::size_t end = pos;
            while (end > start && (line[end - 1] == ' ' || line[end - 1] == '\t'))
                --end;
            item = line.substr(start, end - start);
        }
        if (out.count < lineitems::most) {
            out.text[static_cast<std::size_t>(out.count)] = item;
            out.quoted[static_cast<std::size_t>(out.count)] = quoted;
        }
        ++out.count;
        if (pos < n) ++pos; // the comma, or a lone CR that ends an item
    }
}

// A number slot's value: the text is all digits.
std::optional<int32_t> digitsvalue(std::string_view digits) {
    int64_t value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
        if (value > INT32_MAX) return std::nullopt;
    }
    return static_cast<int32_t>(value);
}

bool alldigits(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

class QsoFileReader {
  public:
    explicit QsoFileReader(const AppState& s)
        : s_(s), idx_(s), band_(idx_.bands), mode_(idx_.modes), prop_(idx_.props),
          continent_(idx_.continents), country_(idx_.countries) {
        for (int k = 0; k < 5; ++k) {
            numberawards_.emplace_back(idx_.numberawards);
            listawards_.emplace_back(idx_.listawards);
        }
    }

    // Splits a line into its items; returns its double quotes.
    long split(std::string_view line) {
        splititems(line, items_);
        return items_.quotes;
    }
    // Fills q from the items of the line split last; on failure says what is wrong.
    std::optional<std::string> parse(const layout& lay, qsorecord& q);

  private:
    bool setslot(qsorecord& q, int k, std::string_view name, std::string_view entry);

    const AppState& s_;
    TableIndexes idx_;
    Column band_, mode_, prop_, continent_, country_;
    std::vector<Column> numberawards_, listawards_; // the award names of each slot
    lineitems items_;
};

bool QsoFileReader::setslot(qsorecord& q, int k, std::string_view name, std::string_view entry) {
    int award = 0;
    int32_t value = 0;
    if (alldigits(entry)) {
        const auto number = digitsvalue(entry);
        if (!number) return false;
        const int found = numberawards_[static_cast<std::size_t>(k)](name);
        if (found > 0) {
            award = found;
            value = *number;
        }
    } else {
        const int found = listawards_[static_cast<std::size_t>(k)](name);
        if (found > 0) {
            const int32_t position = idx_.entry(found, entry);
            if (position >= 0) {
                award = found;
                value = position;
            }
        }
        // Two entries spelled wrongly in older files are mapped to Louisiana.
        if (s_.wasaward > 0 && entry == "LS Louisiana" &&
            name == s_.awardtable[static_cast<std::size_t>(s_.wasaward)].name) {
            award = s_.wasaward;
            value = 17;
        }
        if (s_.statecapitalsaward > 0 && entry == "LA Baton Rouge" &&
            name == s_.awardtable[static_cast<std::size_t>(s_.statecapitalsaward)].name) {
            award = s_.statecapitalsaward;
            value = 17;
        }
    }
    q.awards[static_cast<std::size_t>(k)] = static_cast<int16_t>(award);
    q.entries[static_cast<std::size_t>(k)] = value;
    return true;
}

std::optional<std::string> QsoFileReader::parse(const layout& lay, qsorecord& q) {
    if (items_.unfinished) return "an unfinished text";
    if (items_.count != lay.items)
        return "holds " + std::to_string(items_.count) + " items where " +
               std::to_string(lay.items) + " are expected";
    auto text = [&](int n) { return items_.text[static_cast<std::size_t>(n - 1)]; };

    q = qsorecord{};
    q.date = text(1);
    q.time = text(2);
    q.band = band_(text(3));
    q.mode = mode_(text(4));
    q.prop = prop_(text(5));
    const auto watts = items_.quoted[5] ? std::nullopt : parsenumber(text(6));
    if (!watts || std::abs(*watts) > 3.4e38)
        return "the power \"" + std::string(text(6)) + "\" is not a number";
    q.power = static_cast<float>(*watts);
    q.rsts = text(7);
    q.rstr = text(8);
    q.qsls = text(9) == "NO" ? 0 : 1;
    q.qslr = text(10) == "NO" ? 0 : 1;
    q.qslvia = text(11);
    q.call = text(12);
    q.ituz = text(13);
    q.cqz = text(14);
    q.grid = text(15);
    q.continent = continent_(text(16));
    q.dxcc = country_(text(17));
    q.comments = text(18);
    q.gender = text(19) == "M" ? 0 : 1;
    for (std::size_t k = 0; k < qthnames.size(); ++k)
        if (text(20) == qthnames[k]) q.qth = static_cast<int16_t>(k);
    for (int k = 0; k < lay.awardslots && k <= s_.awardslots; ++k) {
        const std::string_view entry = text(21 + lay.awardslots + k);
        if (!setslot(q, k, text(21 + k), entry))
            return "the award number \"" + std::string(entry) + "\" is too large";
    }
    if (lay.haswab) q.wab = text(lay.items);
    return std::nullopt;
}

// Keeps a copy of the file under a name no other file has: nothing ever writes that name.
std::string setaside(const AppState& s, const std::string& bytes) {
    const std::string stamp = s.localnow().toString("yyyyMMdd-HHmmss").toStdString();
    for (int n = 1; n < 1000; ++n) {
        const std::string name =
            "qsodata-kept-" + stamp + (n > 1 ? "-" + std::to_string(n) : "") + ".dat";
        if (fileexists(s.apppath + name)) continue;
        if (writefilesafely(s.apppath + name, bytes).empty()) return name;
        break;
    }
    return {};
}

void failread(AppState& s, StatusLine& status, Dialogs& dialogs, const std::string& message) {
    s.qsocount = 0;
    dialogs.msgbox(message, msgbuttons::ok, msgicon::none, s.apptitle);
    status.setstatus("No Records read from qsodata.dat.");
}

std::string keptsentence(const std::string& kept) {
    if (kept.empty())
        return "A copy of the file could not be made: keep qsodata.dat yourself before you save "
               "any QSO.";
    return "The file has been kept as " + kept + ".";
}

} // namespace

qsofilecontents parseqsofile(const AppState& s, std::string_view bytes, std::span<qsorecord> room) {
    qsofilecontents out;
    QsoFileReader reader(s);
    std::optional<layout> lay;
    long firstquotes = 0;
    int number = 0;
    for (std::size_t start = 0; start < bytes.size();) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        start = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.find_first_not_of(" \t\x1a") == std::string_view::npos) continue;
        ++out.qsolines;
        // Past the log's capacity the lines are only counted.
        if (!out.problem.empty() || static_cast<std::size_t>(out.qsos) == room.size()) continue;
        const long quotes = reader.split(line);
        if (out.qsolines == 1) {
            firstquotes = quotes;
            lay = layoutforquotes(quotes);
            if (!lay) {
                out.problemline = number;
                out.problem = "holds " + std::to_string(quotes) +
                              " double quotes where 60, 56 or 54 are expected";
                continue;
            }
        } else if (quotes != firstquotes) {
            out.problemline = number;
            out.problem = "holds " + std::to_string(quotes) + " double quotes where " +
                          std::to_string(firstquotes) + " are expected";
            continue;
        }
        if (auto what = reader.parse(*lay, room[static_cast<std::size_t>(out.qsos)])) {
            out.problemline = number;
            out.problem = std::move(*what);
        } else {
            ++out.qsos;
        }
    }
    return out;
}

std::optional<std::string> loadqsofile(AppState& s, StatusLine& status, Dialogs& dialogs) {
    status.setstatus("Reading qsodata.dat.");
    auto bytes = readwholefile(s.apppath + "qsodata.dat");
    // The QSOs are read straight into the log: a read that fails leaves it empty.
    const qsofilecontents file =
        parseqsofile(s, bytes ? *bytes : std::string(), std::span(s.qsos).subspan(1, maxqsos));
    if (file.qsolines == 0) {
        // Missing or empty: there is nothing to lose.
        failread(s, status, dialogs, missingmessage);
        return std::nullopt;
    }
    if (!file.problem.empty()) {
        const std::string kept = setaside(s, *bytes);
        failread(s, status, dialogs,
                 "QSO data file, qsodata.dat, cannot be read: line " +
                     std::to_string(file.problemline) + " " + file.problem +
                     ".\r\nNo QSOs were read. " + keptsentence(kept));
        return std::nullopt;
    }

    const int32_t count = file.qsos;
    s.qsocount = count;
    status.setstatus(std::to_string(count) + " records read from qsodata.dat.");
    if (count < file.qsolines) {
        const std::string kept = setaside(s, *bytes);
        dialogs.msgbox("qsodata.dat holds more than " + std::to_string(maxqsos) +
                           " QSOs, the most the log can hold. The first " +
                           std::to_string(maxqsos) + " were read; " +
                           std::to_string(file.qsolines - count) + " more are not in the log.\r\n" +
                           keptsentence(kept),
                       msgbuttons::ok, msgicon::exclamation, s.apptitle);
    }
    return bytes;
}

void backupqsofile(const AppState& s, const std::string& bytes, Dialogs& dialogs) {
    const std::string problem = writefilesafely(s.apppath + "qsodata.bak", bytes);
    if (!problem.empty())
        dialogs.msgbox("The log was read, but its copy qsodata.bak could not be written: " +
                           problem,
                       msgbuttons::ok, msgicon::exclamation, s.apptitle);
}

bool readqsofile(AppState& s, StatusLine& status, Dialogs& dialogs) {
    const auto bytes = loadqsofile(s, status, dialogs);
    if (!bytes) return false;
    backupqsofile(s, *bytes, dialogs);
    return true;
}

namespace {

// Appends a text item: in double quotes, the text made quotable (a double quote becomes a
// single quote, CR, LF, TAB and NUL blanks).
void quoteditem(std::string& out, std::string_view text) {
    out.push_back('"');
    ListWriter::appendquotable(out, text);
    out += "\",";
}

// The quoted items of a table, made once per write: entry i, or entry 0 for an index the
// table does not hold.
class QuotedTable {
  public:
    template <class Name> QuotedTable(int count, Name name) {
        for (int i = 0; i < count; ++i) {
            std::string item;
            quoteditem(item, name(i));
            longest_ = std::max(longest_, item.size());
            items_.push_back(std::move(item));
        }
    }
    const std::string& operator[](int index) const {
        return items_[index >= 0 && static_cast<std::size_t>(index) < items_.size()
                          ? static_cast<std::size_t>(index)
                          : 0];
    }
    std::size_t longest() const { return longest_; }

  private:
    std::vector<std::string> items_;
    std::size_t longest_ = 0;
};

// Writes a line's items straight into room made for them: the writer makes room for the
// longest line it can write before it writes one, so no item looks for room.
class LineBytes {
  public:
    explicit LineBytes(char* to) : to_(to), written_(ListWriter::quotablebytes()) {}
    char* end() const { return to_; }

    void plain(std::string_view text) {
        std::memcpy(to_, text.data(), text.size());
        to_ += text.size();
    }
    void quoted(std::string_view text) {
        *to_++ = '"';
        for (char c : text)
            *to_++ = written_[static_cast<unsigned char>(c)];
        *to_++ = '"';
        *to_++ = ',';
    }

  private:
    char* to_;
    const std::array<char, 256>& written_;
};

class QsoFileWriter {
  public:
    explicit QsoFileWriter(const AppState& s)
        : s_(s), bands_(s.bandcount + 1,
                        [&](int i) -> std::string_view {
                            return s.bandtable[static_cast<std::size_t>(i)].longname;
                        }),
          modes_(s.modecount + 1,
                 [&](int i) -> std::string_view {
                     return s.modetable[static_cast<std::size_t>(i)].name;
                 }),
          props_(s.propcount,
                 [&](int i) -> std::string_view {
                     return s.proptable[static_cast<std::size_t>(i)].name;
                 }),
          continents_(
              s.continentcount,
              [&](int i) { return s.continenttable[static_cast<std::size_t>(i)].code.view(); }),
          countries_(s.dxcccount + 1,
                     [&](int i) -> std::string_view {
                         return s.dxcctable[static_cast<std::size_t>(i)].country;
                     }),
          awards_(s.awardcount + 1, [&](int i) -> std::string_view {
              return s.awardtable[static_cast<std::size_t>(i)].name;
          }) {
        // The longest slot value: an entry name, or a number of up to 11 characters.
        std::size_t entry = 11;
        for (const std::string& name : s.awardentries)
            entry = std::max(entry, name.size());
        std::size_t qth = 0;
        for (const char* name : qthnames)
            qth = std::max(qth, std::strlen(name));
        // Every item but the power, a text with its quotes and comma, and CR LF.
        using r = qsorecord;
        const std::size_t texts =
            decltype(r::date)::width() + decltype(r::time)::width() + decltype(r::rsts)::width() +
            decltype(r::rstr)::width() + decltype(r::qslvia)::width() + decltype(r::call)::width() +
            decltype(r::ituz)::width() + decltype(r::cqz)::width() + decltype(r::grid)::width() +
            decltype(r::comments)::width() + qth + 5 * entry + decltype(r::wab)::width();
        longest_ = texts + 3 * 17 + bands_.longest() + modes_.longest() + props_.longest() +
                   2 * std::strlen("\"YES\",") + continents_.longest() + countries_.longest() +
                   std::strlen("\"M\",") + 5 * awards_.longest() + 2;
    }

    // Writes the QSO's line at out[used], making room for it first; used moves past it.
    void line(std::string& out, std::size_t& used, const qsorecord& q);

  private:
    const std::string& power(float watts) {
        if (!haspower_ || std::memcmp(&watts, &lastwatts_, sizeof watts) != 0) {
            haspower_ = true;
            lastwatts_ = watts;
            powertext_ = singletext(watts) + ",";
        }
        return powertext_;
    }

    // The text of a slot's value (the entry name, or the number written into `number`);
    // nothing for a slot outside the tables, which is written as an empty slot.
    std::optional<std::string_view> slotvalue(int award, int32_t value, char* number) const {
        if (award < 0 || award > s_.awardcount) return std::nullopt;
        if (islistaward(s_, award)) {
            const awardrecord& a = s_.awardtable[static_cast<std::size_t>(award)];
            if (value < 0 || value > a.last - a.first) return std::nullopt;
            const int index = a.first + value;
            if (index < 1 || static_cast<std::size_t>(index) >= s_.awardentries.size())
                return std::nullopt;
            return s_.awardentries[static_cast<std::size_t>(index)];
        }
        const auto end = std::to_chars(number, number + 12, value).ptr;
        return std::string_view(number, static_cast<std::size_t>(end - number));
    }

    const AppState& s_;
    QuotedTable bands_, modes_, props_, continents_, countries_, awards_;
    std::size_t longest_ = 0;
    bool haspower_ = false;
    float lastwatts_ = 0;
    std::string powertext_;
};

void QsoFileWriter::line(std::string& out, std::size_t& used, const qsorecord& q) {
    const std::string& powertext = power(q.power);
    const std::size_t room = longest_ + powertext.size();
    // Room grows by half what there is, so a whole file grows in a few steps and a
    // single line takes only its own.
    if (out.size() - used < room) out.resize(used + std::max(room, out.size() / 2));
    LineBytes line(out.data() + used);
    line.quoted(q.date.view());
    line.quoted(q.time.view());
    line.plain(bands_[q.band]);
    line.plain(modes_[q.mode]);
    line.plain(props_[q.prop]);
    line.plain(powertext);
    line.quoted(q.rsts.view());
    line.quoted(q.rstr.view());
    line.plain(q.qsls != 0 ? "\"YES\"," : "\"NO\",");
    line.plain(q.qslr != 0 ? "\"YES\"," : "\"NO\",");
    line.quoted(q.qslvia.view());
    line.quoted(q.call.view());
    line.quoted(q.ituz.view());
    line.quoted(q.cqz.view());
    line.quoted(q.grid.view());
    line.plain(continents_[q.continent]);
    line.plain(countries_[q.dxcc]);
    // The comment loses the blanks at its ends as it is written, line ends and tabs turned
    // into blanks first, so it reads back as it was written.
    std::string_view comments = q.comments.view();
    char madequotable[sizeof q.comments];
    // One test per character: find_first_of would search the five characters for each.
    const auto unquotable = [](char c) {
        return c == '"' || c == '\r' || c == '\n' || c == '\t' || c == '\0';
    };
    if (std::any_of(comments.begin(), comments.end(), unquotable)) {
        const auto& written = ListWriter::quotablebytes();
        for (std::size_t i = 0; i < comments.size(); ++i)
            madequotable[i] = written[static_cast<unsigned char>(comments[i])];
        comments = std::string_view(madequotable, comments.size());
    }
    line.quoted(trimmedview(comments));
    line.plain(q.gender != 0 ? "\"F\"," : "\"M\",");
    line.quoted(qthnames[q.qth >= 0 && static_cast<std::size_t>(q.qth) < qthnames.size()
                             ? static_cast<std::size_t>(q.qth)
                             : 0]);
    // A slot whose award or entry lies outside its table is written as an empty slot.
    std::array<std::optional<std::string_view>, 5> values;
    std::array<char, 5 * 12> numbers{};
    for (std::size_t k = 0; k < 5; ++k)
        if (static_cast<int>(k) <= s_.awardslots)
            values[k] = slotvalue(q.awards[k], q.entries[k], &numbers[k * 12]);
    for (std::size_t k = 0; k < 5; ++k)
        line.plain(awards_[values[k] ? q.awards[k] : 0]);
    for (std::size_t k = 0; k < 5; ++k)
        line.quoted(values[k].value_or("0"));
    line.quoted(q.wab.view());
    char* end = line.end();
    end[-1] = '\r'; // the last item's comma
    *end++ = '\n';
    used = static_cast<std::size_t>(end - out.data());
}

} // namespace

std::string qsodataline(const AppState& s, const qsorecord& q) {
    std::string line;
    std::size_t used = 0;
    QsoFileWriter(s).line(line, used, q);
    line.resize(used);
    return line;
}

std::string qsofiletext(const AppState& s) {
    QsoFileWriter writer(s);
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(std::max(s.qsocount, 0)) * 260);
    std::size_t used = 0;
    for (int32_t i = 1; i <= s.qsocount; ++i) {
        const qsorecord& q = s.qsos[static_cast<std::size_t>(i)];
        if (q.deleted == "D") continue;
        writer.line(bytes, used, q);
    }
    bytes.resize(used);
    return bytes;
}

writeresult writeqsofile(AppState& s, StatusLine& status, Dialogs& dialogs) {
    if (s.qsocount < 1) return writeresult::nothingtowrite;
    status.setstatus("Writing " + std::to_string(s.qsocount) + " QSOs to qsodata.dat.");
    const std::string problem = writefilesafely(s.apppath + "qsodata.dat", qsofiletext(s));
    if (!problem.empty()) {
        status.setstatus("qsodata.dat was not written.");
        dialogs.msgbox("The log could not be written to qsodata.dat: " + problem +
                           "\r\nThe file on disk is unchanged, and the QSOs are still in memory.",
                       msgbuttons::ok, msgicon::critical, s.apptitle);
        return writeresult::failed;
    }
    status.setstatus(std::to_string(s.qsocount) + " records written to qsodata.dat");
    return writeresult::written;
}

} // namespace tsl
