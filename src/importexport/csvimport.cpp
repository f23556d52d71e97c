#include "csvimport.h"

#include "core/dxcclookup.h"
#include "core/fieldchecks.h"
#include "core/numbers.h"
#include "core/state.h"
#include "core/text.h"
#include "importframe.h"
#include "platform/fileio.h"
#include "platform/statusline.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace tsl {

namespace {

std::optional<float> single(double x) {
    if (!std::isfinite(x) || std::fabs(x) > std::numeric_limits<float>::max()) return std::nullopt;
    return static_cast<float>(x);
}

std::string digitsof(const std::string& v) {
    std::string d;
    for (char c : v)
        if (c >= '0' && c <= '9') d.push_back(c);
    return d;
}

// The file as a stream of items, read as sequential list input reads them: blanks before an
// item are skipped; a quoted item runs to the next double quote and whatever follows it up
// to the next comma or line end is dropped; any other item runs to the next comma or line
// end, without its trailing blanks. Records are not lines: line ends between items are
// passed over, but a line end right after a comma ends an empty item.
class CsvItems {
  public:
    explicit CsvItems(std::string bytes) : bytes_(std::move(bytes)) {}

    // True when nothing but blanks and line ends is left.
    bool atend() const {
        return bytes_.find_first_not_of(" \t\r\n\x1a", pos_) == std::string::npos;
    }

    // The next item; nothing at the end of the file or inside an unterminated quote.
    std::optional<std::string> next() {
        skip(aftercomma_ ? " \t" : " \t\r\n");
        if (pos_ >= bytes_.size()) {
            if (!aftercomma_) return std::nullopt;
            aftercomma_ = false;
            return std::string();
        }
        std::string item;
        if (bytes_[pos_] == '"') {
            const std::size_t close = bytes_.find('"', pos_ + 1);
            if (close == std::string::npos) return std::nullopt;
            item = bytes_.substr(pos_ + 1, close - pos_ - 1);
            pos_ = std::min(bytes_.find_first_of(",\r\n", close), bytes_.size());
        } else {
            const std::size_t end = std::min(bytes_.find_first_of(",\r\n", pos_), bytes_.size());
            item = bytes_.substr(pos_, end - pos_);
            item.erase(item.find_last_not_of(" \t") + 1);
            pos_ = end;
        }
        aftercomma_ = pos_ < bytes_.size() && bytes_[pos_] == ',';
        if (aftercomma_) {
            ++pos_;
        } else if (pos_ < bytes_.size()) {
            pos_ += bytes_.compare(pos_, 2, "\r\n") == 0 ? 2 : 1;
        }
        return item;
    }

  private:
    void skip(const char* chars) {
        pos_ = std::min(bytes_.find_first_not_of(chars, pos_), bytes_.size());
    }
    std::string bytes_;
    std::size_t pos_ = 0;
    bool aftercomma_ = false;
};

// The record being built from its items.
class CsvRecord {
  public:
    CsvRecord(const AppState& s, const csvlayout& layout, EntryIndex& entries)
        : s_(s), layout_(layout), entries_(entries) {
        q_.qth = layout.qth;
        q_.prop = layout.prop;
        q_.mode = layout.mode;
        defaultpower_ = single(numberoftext(layout.defaultpower));
        if (defaultpower_)
            q_.power = *defaultpower_;
        else
            toolarge_ = 0;
    }

    void apply(int field, const std::string& v, int32_t item);

    // The finished record; nothing when an item held a number too large for its field.
    std::optional<qsorecord> finish() {
        // Each part of the comment came with a blank before it; the log file keeps no
        // leading blanks, so the first one is not stored either.
        q_.comments = trimblanks(comment_);
        if (toolarge_) return std::nullopt;
        return q_;
    }
    std::optional<int32_t> toolargeitem() const { return toolarge_; }
    int32_t awardsleftout() const { return leftout_; }

  private:
    void putslot(int16_t award, int32_t entry) {
        if (slot_ > s_.awardslots || slot_ >= static_cast<int>(q_.awards.size())) {
            ++leftout_;
            return;
        }
        q_.awards[static_cast<std::size_t>(slot_)] = award;
        q_.entries[static_cast<std::size_t>(slot_)] = entry;
        ++slot_;
    }
    void toolarge(int32_t item) {
        if (!toolarge_) toolarge_ = item;
    }

    const AppState& s_;
    const csvlayout& layout_;
    EntryIndex& entries_;
    qsorecord q_;
    std::optional<float> defaultpower_;
    std::string comment_;
    int slot_ = 0;
    int32_t leftout_ = 0;
    std::optional<int32_t> toolarge_;
};

void CsvRecord::apply(int field, const std::string& v, int32_t item) {
    switch (field) {
    case csvcall: {
        const std::string call = importedcall(trimblanks(v));
        if (call.empty()) {
            // No lookup: a blank call belongs to no entity.
            q_.call = "NoCall";
        } else {
            q_.call = call;
            putdxcc(s_, q_.call.str(), q_);
        }
        break;
    }
    case csvdate:
        q_.date = csvdatevalue(s_, v, layout_.dateformat, layout_.currentyear);
        break;
    case csvtime:
        q_.time = csvtimevalue(v, layout_.hhmm);
        break;
    case csvband:
        q_.band = csvbandvalue(s_, v, layout_.metres);
        break;
    case csvmode:
        q_.mode = 0;
        for (int m = 1; m <= s_.modecount; ++m)
            if (trimblanks(s_.modetable[static_cast<std::size_t>(m)].name) == v)
                q_.mode = static_cast<int16_t>(m);
        break;
    case csvpower: {
        const double x = numberoftext(v);
        if (x == 0) {
            if (defaultpower_) q_.power = *defaultpower_;
        } else if (const auto p = single(x)) {
            q_.power = *p;
        } else {
            toolarge(item);
        }
        break;
    }
    case csvqslvia:
        q_.qslvia = v;
        break;
    case csvqslsent:
    case csvqslreceived: {
        const std::string u = uppercased(v);
        (field == csvqslsent ? q_.qsls : q_.qslr) = u == "T" || u == "Y" ? 1 : 0;
        break;
    }
    case csvrstsent:
        q_.rsts = digitsof(v);
        break;
    case csvrstreceived:
        q_.rstr = digitsof(v);
        break;
    case csvituzone:
        q_.ituz = v;
        break;
    case csvcqzone:
        q_.cqz = v;
        break;
    case csvcontinent:
        q_.continent = 0;
        for (int c = 1; c <= 7; ++c)
            if (s_.continenttable[static_cast<std::size_t>(c)].code == v)
                q_.continent = static_cast<int16_t>(c);
        break;
    case csvgridsquare:
        q_.grid = v;
        break;
    case csviota: {
        const std::string reference = v.substr(0, 6);
        comment_ += " " + reference;
        const int16_t award = iotaaward(s_, reference);
        // Every entry that begins with the reference takes a slot.
        if (const auto* found = entries_.find(award, uppercased(reference)))
            for (int32_t e : *found)
                putslot(award, e);
        break;
    }
    case csvtenten:
        if (s_.tentenaward >= 1) {
            if (const auto n = toint32(numberoftext(v)))
                putslot(s_.tentenaward, *n);
            else
                toolarge(item);
        }
        break;
    case csvwab:
        q_.wab = v;
        break;
    case csvstate: {
        const std::string code = uppercased(v.substr(0, 2));
        for (int i = 0; i < 50; ++i) {
            const staterecord& st = s_.statetable[static_cast<std::size_t>(i)];
            if (s_.wasaward >= 1 && code == st.code.view()) {
                putslot(s_.wasaward, i);
                q_.cqz = st.zone;
                comment_ += " " + trimblanks(v);
            }
        }
        break;
    }
    case csvcomment:
        comment_ += " " + trimblanks(v);
        break;
    default:
        break;
    }
}

} // namespace

std::string csvdatevalue(const AppState& s, const std::string& v, int format, int currentyear) {
    // Characters from..from+n-1 (1-based) of the value, whose length was checked.
    auto c = [&v](std::size_t from, std::size_t n) { return v.substr(from - 1, n); };
    auto month = [&s](const std::string& name) {
        for (int m = 1; m <= 12; ++m)
            if (uppercased(name) == uppercased(s.monthtable[static_cast<std::size_t>(m)].name))
                return s.monthtable[static_cast<std::size_t>(m)].number.str();
        return std::string();
    };
    auto century = [currentyear](const std::string& yy) {
        const int twodigits = static_cast<int>(std::clamp(numberoftext(yy), 0.0, 99.0));
        return fourdigityear(twodigits, currentyear) / 100 == 20 ? "20" : "19";
    };
    static constexpr std::array<std::size_t, 8> lengths = {8, 8, 10, 10, 11, 11, 9, 8};
    if (format < 0 || format > 7 || v.size() != lengths[static_cast<std::size_t>(format)])
        return "00000000";
    switch (format) {
    case csvyyyymmdd:
        return v;
    case csvmmddyyyy:
        return c(5, 4) + c(1, 4);
    case csvmm_dd_yyyy:
        return c(7, 4) + c(1, 2) + c(4, 2);
    case csvdd_mm_yyyy:
        return c(7, 4) + c(4, 2) + c(1, 2);
    case csvmmm_dd_yyyy:
        return c(8, 4) + month(c(1, 3)) + c(5, 2);
    case csvdd_mmm_yyyy:
        return c(8, 4) + month(c(4, 3)) + c(1, 2);
    case csvdd_mmm_yy:
        return century(c(8, 2)) + c(8, 2) + month(c(4, 3)) + c(1, 2);
    default:
        return century(c(7, 2)) + c(7, 2) + c(1, 2) + c(4, 2);
    }
}

std::string csvtimevalue(const std::string& value, bool hhmm) {
    if (hhmm) {
        std::string t = value.substr(0, 4);
        t.insert(0, 4 - t.size(), '0');
        return t.substr(0, 2) + ":" + t.substr(2, 2);
    }
    const std::string t = value.empty() ? "00:00" : value.substr(0, 5);
    const auto colon = t.rfind(':');
    const std::size_t p = colon == std::string::npos ? 0 : colon + 1;
    switch (p) {
    case 0:
        return t.substr(0, 2) + ":" + t.substr(std::min<std::size_t>(2, t.size()), 2);
    case 1:
        return "00:" + t.substr(1, 2);
    case 2:
        return "0" + t.substr(0, 4);
    case 3:
        return t;
    default:
        return "00:00";
    }
}

int16_t csvbandvalue(const AppState& s, const std::string& value, bool metres) {
    const double x = numberoftext(value);
    if (!metres) return bandoffrequency(s, x);
    // No metres stand for no band, not for a band without metres.
    if (x == 0) return 0;
    const auto f = static_cast<float>(std::clamp(x, -1.0e30, 1.0e30));
    for (int b = 1; b <= s.bandcount - 1; ++b) {
        const bandrecord& r = s.bandtable[static_cast<std::size_t>(b)];
        const bool match = b < s.metrebandlimit ? x == r.metres : r.lower <= f && f <= r.upper;
        if (match) return static_cast<int16_t>(b);
    }
    return 0;
}

csvread readcsv(const AppState& s, std::string bytes, const csvlayout& layout) {
    csvread out;
    CsvItems in(std::move(bytes));
    EntryIndex entries(s, 6);
    int32_t r = 0;
    while (!in.atend()) {
        ++r;
        CsvRecord record(s, layout, entries);
        for (int32_t k = 1; k <= layout.fieldcount; ++k) {
            const auto item = in.next();
            if (!item) {
                out.brokenrecord = r;
                out.brokenitem = k;
                return out;
            }
            if (k > 21) continue;
            const int field = layout.fields[static_cast<std::size_t>(k - 1)];
            if (field != csvignore) record.apply(field, importedtext(*item), k);
        }
        const auto q = record.finish();
        if (!q) {
            out.skipped.push_back(
                {r, *record.toolargeitem(), "the number is too large for its field"});
        } else {
            out.records.push_back(*q);
            out.numbers.push_back(r);
            out.awardsleftout += record.awardsleftout();
        }
    }
    return out;
}

csvresult importcsv(AppState& s, StatusLine& status, const csvlayout& layout) {
    csvresult result;
    const auto file = readwholefile(s.chosenfile);
    if (!file) {
        result.error = "Error processing Record: 0, Field: 0. " + unreadablereason(s.chosenfile);
        return result;
    }
    csvread read = readcsv(s, *file, layout);
    importread named;
    named.records = std::move(read.records);
    for (const int32_t r : read.numbers)
        named.where.push_back("record " + std::to_string(r));
    for (const csvskip& k : read.skipped)
        named.skipped.push_back("record " + std::to_string(k.record) + ", " +
                                (k.item > 0 ? "item " + std::to_string(k.item) : "default power") +
                                ": " + k.reason);
    importending ending;
    ending.text = [](int32_t imported, const std::string& more) {
        return std::to_string(imported) + " records imported from CSV file." + more;
    };
    if (read.brokenrecord > 0)
        ending.before = " The file ends inside record " + std::to_string(read.brokenrecord) +
                        ", which was left out.";
    ending.skippedtext = [](const std::vector<std::string>& skips) -> std::string {
        if (skips.empty()) return "";
        return " " + std::to_string(skips.size()) + " records were skipped. Skipped " +
               namedskips(skips);
    };
    if (read.awardsleftout > 0)
        ending.after = " " + std::to_string(read.awardsleftout) +
                       " award values past the five a QSO keeps were left out.";
    const importoutcome outcome = finishimport(s, status, named, ending);
    result.opened = true;
    result.imported = outcome.imported;
    result.leftout = outcome.leftout;
    if (read.brokenrecord > 0)
        result.error = "Error processing Record: " + std::to_string(read.brokenrecord) +
                       ", Field: " + std::to_string(read.brokenitem);
    return result;
}

} // namespace tsl
