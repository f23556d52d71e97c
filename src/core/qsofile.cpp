#include "qsofile.h"

#include "helpers.h"
#include "listfile.h"
#include "numbers.h"
#include "platform/dialogs.h"
#include "platform/fileio.h"
#include "platform/statusline.h"
#include "recordtext.h"
#include "state.h"
#include "text.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>
#include <memory>
#include <unordered_map>
#include <vector>

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

// Name-to-index maps of the tables, built once per read; the last of equal names wins, as
// a search from the first entry to the last that keeps every match would have it.
class NameIndex {
  public:
    void add(const std::string& name, int index) { map_[name] = index; }
    int find(const std::string& name) const {
        const auto it = map_.find(name);
        return it == map_.end() ? -1 : it->second;
    }

  private:
    std::unordered_map<std::string, int> map_;
};

struct TableIndexes {
    NameIndex bands, modes, props, continents, countries, numberawards, listawards;
    std::vector<std::unique_ptr<NameIndex>> entries; // per award, built on first use

    explicit TableIndexes(const AppState& s) : entries(static_cast<std::size_t>(s.awardcount) + 1) {
        for (int i = 0; i <= s.bandcount; ++i)
            bands.add(s.bandtable[static_cast<std::size_t>(i)].longname, i);
        for (int i = 0; i <= s.modecount; ++i)
            modes.add(s.modetable[static_cast<std::size_t>(i)].name, i);
        for (int i = 0; i < s.propcount; ++i)
            props.add(s.proptable[static_cast<std::size_t>(i)].name, i);
        for (int i = 0; i < s.continentcount; ++i)
            continents.add(s.continenttable[static_cast<std::size_t>(i)].code.str(), i);
        for (int i = 0; i <= s.dxcccount; ++i)
            countries.add(s.dxcctable[static_cast<std::size_t>(i)].country, i);
        for (int i = 1; i <= s.numberedawards; ++i)
            numberawards.add(s.awardtable[static_cast<std::size_t>(i)].name, i);
        for (int i = s.numberedawards + 1; i <= s.awardcount; ++i)
            listawards.add(s.awardtable[static_cast<std::size_t>(i)].name, i);
    }

    int entry(const AppState& s, int award, const std::string& name) {
        auto& index = entries[static_cast<std::size_t>(award)];
        if (!index) {
            index = std::make_unique<NameIndex>();
            const awardrecord& a = s.awardtable[static_cast<std::size_t>(award)];
            for (int e = a.first; e <= a.last; ++e)
                index->add(s.awardentries[static_cast<std::size_t>(e)], e - a.first);
        }
        return index->find(name);
    }
};

int16_t indexor0(const NameIndex& index, const std::string& name) {
    return static_cast<int16_t>(std::max(0, index.find(name)));
}

// What went wrong with the file, for the message.
struct readproblem {
    int line = 0;
    std::string what;
};

// Sets one award slot from its award name and entry text; false when a number is too large.
bool setslot(const AppState& s, TableIndexes& idx, qsorecord& q, int k, const std::string& name,
             const std::string& entry) {
    int award = 0;
    int32_t value = 0;
    if (isalldigits(entry)) {
        const auto number = toint32(leadingnumber(entry));
        if (!number) return false;
        const int found = idx.numberawards.find(name);
        if (found > 0) {
            award = found;
            value = *number;
        }
    } else {
        const int found = idx.listawards.find(name);
        if (found > 0) {
            const int position = idx.entry(s, found, entry);
            if (position >= 0) {
                award = found;
                value = position;
            }
        }
        // Two entries spelled wrongly in older files are mapped to Louisiana.
        if (s.wasaward > 0 && name == s.awardtable[static_cast<std::size_t>(s.wasaward)].name &&
            entry == "LS Louisiana") {
            award = s.wasaward;
            value = 17;
        }
        if (s.statecapitalsaward > 0 &&
            name == s.awardtable[static_cast<std::size_t>(s.statecapitalsaward)].name &&
            entry == "LA Baton Rouge") {
            award = s.statecapitalsaward;
            value = 17;
        }
    }
    q.awards[static_cast<std::size_t>(k)] = static_cast<int16_t>(award);
    q.entries[static_cast<std::size_t>(k)] = value;
    return true;
}

// Parses one line into a record; on failure says what is wrong.
std::optional<std::string> parseline(const AppState& s, TableIndexes& idx, const layout& lay,
                                     const std::string& line, qsorecord& q) {
    ListReader in(line);
    std::vector<ListItem> items;
    items.reserve(static_cast<std::size_t>(lay.items));
    while (!in.atend()) {
        auto it = in.item();
        if (!it) return "an unfinished text";
        items.push_back(std::move(*it));
    }
    if (static_cast<int>(items.size()) != lay.items)
        return "holds " + std::to_string(items.size()) + " items where " +
               std::to_string(lay.items) + " are expected";
    auto text = [&](int n) -> const std::string& {
        return items[static_cast<std::size_t>(n - 1)].text;
    };

    q = qsorecord{};
    q.date = text(1);
    q.time = text(2);
    q.band = indexor0(idx.bands, text(3));
    q.mode = indexor0(idx.modes, text(4));
    q.prop = indexor0(idx.props, text(5));
    const ListItem& power = items[5];
    const auto watts = power.quoted ? std::nullopt : parsenumber(power.text);
    if (!watts || std::abs(*watts) > 3.4e38)
        return "the power \"" + power.text + "\" is not a number";
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
    q.continent = indexor0(idx.continents, text(16));
    q.dxcc = indexor0(idx.countries, text(17));
    q.comments = text(18);
    q.gender = text(19) == "M" ? 0 : 1;
    const std::string& qth = text(20);
    q.qth = 0;
    for (std::size_t k = 0; k < qthnames.size(); ++k)
        if (qth == qthnames[k]) q.qth = static_cast<int16_t>(k);
    for (int k = 0; k < lay.awardslots && k <= s.awardslots; ++k) {
        const std::string& entry = text(21 + lay.awardslots + k);
        if (!setslot(s, idx, q, k, text(21 + k), entry))
            return "the award number \"" + entry + "\" is too large";
    }
    if (lay.haswab) q.wab = text(lay.items);
    return std::nullopt;
}

// The lines of the file with their numbers, blank lines left out.
std::vector<std::pair<int, std::string>> splitlines(const std::string& bytes) {
    std::vector<std::pair<int, std::string>> lines;
    std::size_t start = 0;
    int number = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find_first_not_of(" \t\x1a") != std::string::npos)
            lines.emplace_back(number, std::move(line));
        start = end + 1;
    }
    return lines;
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

bool readqsofile(AppState& s, StatusLine& status, Dialogs& dialogs) {
    status.setstatus("Reading qsodata.dat.");
    const std::string path = s.apppath + "qsodata.dat";
    const auto bytes = readwholefile(path);
    const auto lines = bytes ? splitlines(*bytes) : std::vector<std::pair<int, std::string>>{};
    if (lines.empty()) {
        // Missing or empty: there is nothing to lose.
        failread(s, status, dialogs, missingmessage);
        return false;
    }

    const long firstquotes = std::count(lines[0].second.begin(), lines[0].second.end(), '"');
    const auto lay = layoutforquotes(firstquotes);
    readproblem problem;
    if (!lay) {
        problem = {lines[0].first, "holds " + std::to_string(firstquotes) +
                                       " double quotes where 60, 56 or 54 are expected"};
    }
    TableIndexes idx(s);
    int32_t count = 0;
    for (std::size_t i = 0; lay && i < lines.size() && problem.what.empty(); ++i) {
        if (count == maxqsos) break;
        const auto& [number, line] = lines[i];
        const long quotes = std::count(line.begin(), line.end(), '"');
        if (quotes != firstquotes) {
            problem = {number, "holds " + std::to_string(quotes) + " double quotes where " +
                                   std::to_string(firstquotes) + " are expected"};
            break;
        }
        qsorecord& q = s.qsos[static_cast<std::size_t>(count + 1)];
        if (auto what = parseline(s, idx, *lay, line, q)) {
            problem = {number, *what};
            break;
        }
        ++count;
    }

    if (!problem.what.empty()) {
        const std::string kept = setaside(s, *bytes);
        failread(s, status, dialogs,
                 "QSO data file, qsodata.dat, cannot be read: line " +
                     std::to_string(problem.line) + " " + problem.what +
                     ".\r\nNo QSOs were read. " + keptsentence(kept));
        return false;
    }

    s.qsocount = count;
    status.setstatus(std::to_string(count) + " records read from qsodata.dat.");
    if (static_cast<std::size_t>(count) < lines.size()) {
        const std::string kept = setaside(s, *bytes);
        dialogs.msgbox("qsodata.dat holds more than " + std::to_string(maxqsos) +
                           " QSOs, the most the log can hold. The first " +
                           std::to_string(maxqsos) + " were read; " +
                           std::to_string(lines.size() - static_cast<std::size_t>(count)) +
                           " more are not in the log.\r\n" + keptsentence(kept),
                       msgbuttons::ok, msgicon::exclamation, s.apptitle);
    }
    const std::string copyproblem = copyfile(path, s.apppath + "qsodata.bak");
    if (!copyproblem.empty())
        dialogs.msgbox("The log was read, but its copy qsodata.bak could not be written: " +
                           copyproblem,
                       msgbuttons::ok, msgicon::exclamation, s.apptitle);
    return true;
}

std::string qsodataline(const AppState& s, const qsorecord& q) {
    ListWriter out;
    out.text(q.date.str()).text(q.time.str());
    out.text(bandname(s, q.band).value_or(s.bandtable[0].longname));
    out.text(modename(s, q.mode).value_or(s.modetable[0].name));
    out.text(propname(s, q.prop).value_or(s.proptable[0].name));
    out.single(q.power);
    out.text(q.rsts.str()).text(q.rstr.str());
    out.text(q.qsls != 0 ? "YES" : "NO").text(q.qslr != 0 ? "YES" : "NO");
    out.text(q.qslvia.str()).text(q.call.str()).text(q.ituz.str()).text(q.cqz.str());
    out.text(q.grid.str());
    out.text(continentcode(s, q.continent).value_or(s.continenttable[0].code.str()));
    out.text(countryname(s, q.dxcc).value_or(s.dxcctable[0].country));
    out.text(trimblanks(q.comments.view()));
    out.text(q.gender != 0 ? "F" : "M");
    out.text(q.qth >= 0 && q.qth < static_cast<int>(qthnames.size())
                 ? qthnames[static_cast<std::size_t>(q.qth)]
                 : qthnames[0]);
    // A slot whose award or entry lies outside its table is written as an empty slot.
    std::array<bool, 5> valid{};
    for (std::size_t k = 0; k < 5; ++k)
        valid[k] = static_cast<int>(k) <= s.awardslots && awardname(s, q.awards[k]) &&
                   slotvaluetext(s, q.awards[k], q.entries[k]);
    for (std::size_t k = 0; k < 5; ++k)
        out.text(valid[k] ? *awardname(s, q.awards[k]) : s.awardtable[0].name);
    for (std::size_t k = 0; k < 5; ++k)
        out.text(valid[k] ? *slotvaluetext(s, q.awards[k], q.entries[k]) : std::string("0"));
    out.text(q.wab.str());
    out.endline();
    return out.bytes();
}

writeresult writeqsofile(AppState& s, StatusLine& status, Dialogs& dialogs) {
    if (s.qsocount < 1) return writeresult::nothingtowrite;
    status.setstatus("Writing " + std::to_string(s.qsocount) + " QSOs to qsodata.dat.");
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(s.qsocount) * 260);
    for (int32_t i = 1; i <= s.qsocount; ++i) {
        const qsorecord& q = s.qsos[static_cast<std::size_t>(i)];
        if (q.deleted == "D") continue;
        bytes += qsodataline(s, q);
    }
    const std::string problem = writefilesafely(s.apppath + "qsodata.dat", bytes);
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
