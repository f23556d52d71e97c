#include "geratol.h"

#include "core/fixedtext.h"
#include "core/helpers.h"
#include "core/state.h"
#include "core/text.h"
#include "netqso.h"
#include "reports/reportfilter.h"

#include <algorithm>
#include <array>
#include <unordered_map>

namespace tsl {

namespace {

constexpr int16_t geratolband = 4; // "75 Extra"

// The Geratol Net counts SSB QSOs on the 75 m Extra segment only.
bool geratolqso(const AppState& s, const qsorecord& q) {
    return counts(q) && q.band == geratolband && q.mode == s.ssbmodeindex;
}

constexpr std::array<const char*, 36> titles = {
    "Unbelievable Operating Achievement Award ",
    "Geratol Endorsement #1 WAS 1 X 2 K & KH6 & KL7 - ",
    "Geratol Endorsement #2 WAS 1 X 2 N - ",
    "Geratol Endorsement #3 WAS 1 X 2 W - ",
    "Geratol Endorsement #4 WAS Operator's Initials - ",
    "Geratol Endorsement #5 WAS 2 X 2 State Abbreviations - ",
    "Geratol Endorsement #5 WAS 2 X 2 Double Letter Suffix - ",
    "Geratol Endorsement #7 WAS 2 X 1 - ",
    "Geratol Endorsement #8 WAS 2 X 1 With Geratol Number - ",
    "Geratol Endorsement #9 WAS Single Letter Suffix, Twice Plus 2 - ",
    "Geratol Endorsement #10 WAS 1 X 3 & KH6 & KL7 - ",
    "Geratol Endorsement #11 WAS A 2 X 1 - ",
    "Geratol Endorsement #11 WAS K 2 X 1 - ",
    "Geratol Endorsement #13 WAS YL & XYL - ",
    "Geratol Endorsement #14 WAS N 2 X 1 - ",
    "Geratol Endorsement #15 WAS W 2 X 1 - ",
    "Geratol Endorsement #16 48 states WAS Double Letter Prefix - ",
    "Geratol Endorsement #17 WAS 2 X 3 - ",
    "Geratol Endorsement #18 WAS State Capitals 1 X 2, 2 X 1 & 2 X 2 A - ",
    "Geratol Endorsement #19 WAS QCWA Number - ",
    "Geratol Endorsement #20 WAS 1 X 2 and 2 X 2 for HI & AK Geratol Number - ",
    "Geratol Endorsement #21 WAS 2 X 1 and 2 X 2 for HI & AK Geratol Number - ",
    "Geratol Endorsement #22 WAS 1 x 2, 2 X 1 and 2 X 2 five times - ",
    "Geratol Endorsement #23 WAS Century DX - ",
    "Geratol Endorsement #24 WAS 2 X 2 K - ",
    "Geratol Endorsement #25 48 states WAS Mobile Stations - ",
    "Geratol Endorsement #26 13 Canadian Provinces & Operator Initials - ",
    "Geratol Endorsement #27 Ten Districts x 26 Letters - ",
    "Geratol Endorsement #28 WAS 2 X 2 A - ",
    "Geratol Endorsement #29 500 Prefixes - ",
    "Geratol Endorsement #30 500 Prefixes & Geratol # - ",
    "Geratol Endorsement #31 WAS QRP Stations - ",
    "Geratol Endorsement #32 WAS Both Stations QRP - ",
    "Geratol Endorsement #33 48 States While Mobile - ",
    "Geratol Endorsement #34 WAS 2 x 2 A and Geratol # - ",
    "Geratol Endorsement #35 WAS While Operating QRP, 10 watts or less - ",
};

constexpr int alaska = 1;
constexpr int hawaii = 10;

enum class family { states, fivetimes, provinces, districts, prefixes };

family familyof(int e) {
    switch (e) {
    case 5:
    case 6:
    case 9:
    case 22:
        return family::fivetimes;
    case 26:
        return family::provinces;
    case 27:
        return family::districts;
    case 29:
    case 30:
        return family::prefixes;
    default:
        return family::states;
    }
}

// Endorsements that list the number stored with the QSO.
bool listsnumber(int e) {
    return e == 8 || e == 19 || e == 20 || e == 21 || e == 34;
}

struct gerentry {
    FixedText<10> call;
    FixedText<10> date;
    FixedText<5> time;
    int32_t number = 0;
    bool flag = false;
    std::string dxprefix;
    FixedText<3> qsl;
};

// A single-entry report keeps its entry in slot 0 and marks it confirmed in slot 1's flag;
// a five-entry report fills slots 0..4.
struct gerrecord {
    std::array<gerentry, 5> places;
};

struct gerprefix {
    FixedText<4> prefix;
    gerentry entry;
};

// One Geratol QSO as the endorsements test it.
struct gerqso {
    const qsorecord& q;
    netcall call;
    int state = -1;
    int capital = -1;
    int province = -1;
    int32_t qcwa = 0;
    int32_t geratol = 0;

    int length() const { return static_cast<int>(call.base.size()); }
    // The character at position p (from 1) of the base call; none past its end.
    char at(int p) const {
        return p >= 1 && p <= length() ? call.base[static_cast<std::size_t>(p - 1)] : '\0';
    }
    bool digitat(int p) const { return at(p) >= '0' && at(p) <= '9'; }
    std::string chars(int from, int count) const {
        if (from > length()) return {};
        return call.base.substr(static_cast<std::size_t>(from - 1),
                                static_cast<std::size_t>(count));
    }
    bool initials() const { return uppercased(q.comments.str().substr(0, 2)) == "IC"; }
    bool qrpsuffix() const { return uppercased(call.suffix) == "QRP"; }
};

bool qualifies(int e, const gerqso& g) {
    const int length = g.length();
    const char first = g.at(1);
    const bool alaskahawaii = g.state == alaska || g.state == hawaii;
    switch (e) {
    case 0:
        return length == 4 || (length == 5 && first == 'A' && g.digitat(3));
    case 1:
        return (length == 4 && first == 'K' && g.digitat(2)) ||
               (length == 5 && g.state == hawaii && g.chars(1, 3) == "KH6") ||
               (length == 5 && g.state == alaska && g.chars(1, 3) == "KL7");
    case 2:
        return length == 4 && first == 'N' && g.digitat(2);
    case 3:
        return length == 4 && first == 'W' && g.digitat(2);
    case 4:
        return g.initials();
    case 5:
        return (length == 4 && g.digitat(2)) || (length == 5 && g.digitat(3));
    case 6:
        return (length == 4 && g.at(3) == g.at(4) && g.digitat(2)) ||
               (length == 5 && g.at(4) == g.at(5) && g.digitat(3));
    case 7:
    case 9:
        return length == 4 && g.digitat(3);
    case 8:
        return g.geratol >= 1;
    case 10:
        return length == 5 && (g.digitat(2) || g.chars(1, 3) == "KH6" || g.chars(1, 3) == "KL7");
    case 11:
        return length == 4 && first == 'A' && g.digitat(3);
    case 12:
        return length == 4 && first == 'K' && g.digitat(3);
    case 13:
        return g.q.gender == 1;
    case 14:
        return length == 4 && first == 'N' && g.digitat(3);
    case 15:
        return length == 4 && first == 'W' && g.digitat(3);
    case 16:
        return (length == 4 || length == 5) && first == g.at(2) && g.digitat(3);
    case 17:
        return length == 6;
    case 18:
        return length == 4 || (length == 5 && first == 'A');
    case 19:
        return g.qcwa != 0;
    case 20:
        return (length == 4 && g.digitat(2)) || (length == 5 && g.digitat(3) && alaskahawaii);
    case 21:
        return (length == 4 && g.digitat(3)) || (length == 5 && g.digitat(3) && alaskahawaii);
    case 22:
    case 23:
        return length == 4 || (length == 5 && g.digitat(3));
    case 24:
        return length == 5 && uppercased(first) == 'K' && g.digitat(3);
    case 25:
        return uppercased(g.call.suffix) == "M";
    case 26:
        return g.province >= 0 && g.initials();
    case 28:
        return length == 5 && first == 'A' && g.digitat(3);
    case 30:
        return g.geratol != 0;
    case 31:
        return g.qrpsuffix();
    case 32:
        return g.qrpsuffix() && g.q.power <= 10.0f;
    case 33:
        return g.q.qth == 1;
    case 34:
        return length == 5 && first == 'A' && g.digitat(3) && g.geratol >= 1;
    case 35:
        return g.q.power <= 10.0f;
    default: // 27 and 29 take every Geratol QSO
        return true;
    }
}

// Endorsement 5: the state whose postal code the call's suffix spells; -1 for none.
int postalstate(const AppState& s, const gerqso& g) {
    const std::string suffix = g.length() == 4 ? g.chars(3, 2) : g.chars(4, 2);
    int found = -1;
    for (int k = 0; k < 50; ++k)
        if (s.statetable[static_cast<std::size_t>(k)].code == suffix) found = k;
    return found;
}

// The state, capital or province record a QSO goes to; -1 for none.
int recordindex(const AppState& s, int e, const gerqso& g) {
    switch (e) {
    case 5:
        return postalstate(s, g);
    case 18:
        return g.capital;
    case 26:
        return g.province;
    default:
        return g.state;
    }
}

// The DXCC prefixes endorsement 23 may still use: each entry of an entity's prefix list
// serves one QSO.
class dxprefixpool {
  public:
    explicit dxprefixpool(const AppState& s) {
        const int last = std::min<int>(s.dxcccount, static_cast<int>(s.dxcctable.size()) - 1);
        for (int e = 1; e <= last; ++e)
            for (int k = 0; k < filledprefixslots; ++k) {
                const std::string p =
                    trimblanks(s.dxcctable[static_cast<std::size_t>(e)].prefix[k].view());
                if (!p.empty()) ++left_[p];
            }
    }
    bool take(const std::string& prefix) {
        const auto it = left_.find(prefix);
        if (it == left_.end() || it->second == 0) return false;
        --it->second;
        return true;
    }

  private:
    std::unordered_map<std::string, int> left_;
};

// Endorsement 23: the call's suffix that names a DXCC prefix still free, which it takes.
std::optional<std::string> takedxsuffix(const gerqso& g, dxprefixpool& pool) {
    std::vector<std::string> tries;
    if (g.length() == 4 && !g.digitat(3)) {
        tries = {g.chars(3, 2)};
    } else if (g.length() == 4) {
        tries = {g.chars(4, 1), g.chars(3, 2)};
    } else if (g.length() == 5 && g.chars(1, 2) == "AA") {
        tries = {g.chars(4, 2)};
    }
    for (const std::string& t : tries)
        if (pool.take(t)) return t;
    return std::nullopt;
}

// Endorsement 27: the call district and letter, from the first digit at position 2 or
// later whose next character, in capitals, has code 65 or more. A character there other
// than A..Z gives no cell.
std::optional<std::pair<int, int>> districtcell(const gerqso& g) {
    for (int p = 2; p < g.length(); ++p) {
        if (!g.digitat(p)) continue;
        const auto next = static_cast<unsigned char>(uppercased(g.at(p + 1)));
        if (next < 'A') continue;
        if (next > 'Z') return std::nullopt;
        return std::pair{g.at(p) - '0', next - 'A'};
    }
    return std::nullopt;
}

void entersingle(int e, gerrecord& record, const gerentry& entry, bool confirmed) {
    // The award keeps a confirmed QSO; everything else takes the latest one.
    if (e == 0 && record.places[1].flag) return;
    record.places[0] = entry;
    if (e == 0 && confirmed) record.places[1].flag = true;
}

void enterfive(gerrecord& record, const gerentry& entry) {
    for (const gerentry& held : record.places)
        if (held.flag && held.call == entry.call) return;
    for (gerentry& slot : record.places)
        if (!slot.flag) {
            slot = entry;
            return;
        }
}

std::string columns(const gerentry& x) {
    return x.call.str() + " " + x.date.str() + " " + x.time.str() + " ";
}

} // namespace

Report allgeratolqsos(const AppState& s) {
    std::vector<FixedText<8>> calls(1);
    for (int32_t i = 1; i <= s.qsocount; ++i) {
        const qsorecord& q = s.qsos[static_cast<std::size_t>(i)];
        if (geratolqso(s, q)) calls.emplace_back(q.call.view());
    }
    const auto n = static_cast<int32_t>(calls.size() - 1);
    sortworklist(calls, 1, n, [](const FixedText<8>& c) { return c.view(); });

    Report r;
    r.fontsize = 8;
    r.lines = {"Geratol QSOs Sorted by Call - " + s.mycall.str(),
               "All SSB QSOs in 75 Meter Extra portion of the band", " "};
    std::string line;
    int placed = 0;
    for (int32_t i = 1; i <= n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (i > 1 && calls[k] == calls[k - 1]) continue;
        line += calls[k].str() + "   ";
        if (++placed == 8) {
            r.lines.push_back(line);
            line.clear();
            placed = 0;
        }
    }
    if (placed != 0) r.lines.push_back(line);
    r.lines.push_back(std::to_string(n) + " Geratol QSOs");
    return r;
}

Report geratolendorsement(const AppState& s, int e) {
    Report r;
    r.fontsize = 10;
    if (e < 0 || e >= static_cast<int>(titles.size())) return r;
    const family kind = familyof(e);
    std::array<gerrecord, 50> records{};
    std::array<std::array<gerentry, 26>, 10> districts{};
    std::vector<gerprefix> prefixes;
    std::optional<dxprefixpool> pool;
    if (e == 23) pool.emplace(s);

    for (int32_t i = 1; i <= s.qsocount; ++i) {
        const qsorecord& q = s.qsos[static_cast<std::size_t>(i)];
        if (!geratolqso(s, q)) continue;
        const gerqso g{q,
                       splitcall(q),
                       tableindex(slotvalue(s, q, s.wasaward), 0, 49),
                       tableindex(slotvalue(s, q, s.statecapitalsaward), 0, 49),
                       tableindex(slotvalue(s, q, s.provincesaward), 0, 12),
                       slotvalue(s, q, s.qcwaaward).value_or(0),
                       slotvalue(s, q, s.geratolaward).value_or(0)};
        if (!qualifies(e, g)) continue;
        gerentry x;
        x.call = q.call.view();
        x.date = qsodatetext(s, i);
        x.time = q.time.view();
        x.qsl = qslword(q);
        x.flag = true;
        if (e == 19) x.number = g.qcwa;
        if (e == 8 || e == 20 || e == 21 || e == 28 || e == 30 || e == 34) x.number = g.geratol;

        if (kind == family::prefixes) {
            std::string base = g.call.base;
            prefixes.push_back({callprefix(base), x});
        } else if (kind == family::districts) {
            if (const auto cell = districtcell(g))
                districts[static_cast<std::size_t>(cell->first)]
                         [static_cast<std::size_t>(cell->second)] = x;
        } else {
            const int k = recordindex(s, e, g);
            if (k < 0) continue;
            if (pool) {
                const auto prefix = takedxsuffix(g, *pool);
                if (!prefix) continue;
                x.dxprefix = *prefix;
            }
            gerrecord& record = records[static_cast<std::size_t>(k)];
            if (kind == family::fivetimes)
                enterfive(record, x);
            else
                entersingle(e, record, x, q.qslr == 1);
        }
    }

    auto& out = r.lines;
    out.push_back(titles[static_cast<std::size_t>(e)] + s.mycall.str());
    out.push_back(" ");
    int32_t count = 0;
    std::string countlabel = " States worked";
    switch (kind) {
    case family::prefixes: {
        out.push_back(e == 29 ? "Prefix Call       Date       Time"
                              : "Prefix Call       Date       Time   Geratol #");
        // Equal prefixes keep their log order, so the earliest QSO of each is listed.
        std::stable_sort(
            prefixes.begin(), prefixes.end(),
            [](const gerprefix& a, const gerprefix& b) { return a.prefix < b.prefix; });
        FixedText<4> before;
        for (const gerprefix& p : prefixes) {
            if (p.prefix == before) continue;
            before = p.prefix;
            std::string line = p.prefix.str() + "   " + columns(p.entry);
            if (e == 30) line += std::to_string(p.entry.number) + " ";
            out.push_back(line + p.entry.qsl.str());
            ++count;
        }
        countlabel = " Prefixes Worked";
        break;
    }
    case family::districts:
        out.push_back("District Letter Call       Date     Time");
        for (int d = 0; d < 10; ++d)
            for (int l = 0; l < 26; ++l) {
                const gerentry& x =
                    districts[static_cast<std::size_t>(d)][static_cast<std::size_t>(l)];
                out.push_back(std::string(1, static_cast<char>('0' + d)) + std::string(9, ' ') +
                              static_cast<char>('A' + l) + std::string(6, ' ') + columns(x) +
                              x.qsl.str());
                count += x.flag;
            }
        countlabel = " Districts & Letters";
        break;
    case family::provinces:
        out.push_back("Province                     Call       Date     Time");
        for (std::size_t k = 0; k < s.provincetable.size(); ++k) {
            const gerentry& x = records[k].places[0];
            out.push_back(s.provincetable[k].str() + " " + x.call.str() + " " + x.date.str() + " " +
                          x.time.str() + "  " + x.qsl.str());
            count += x.flag;
        }
        countlabel = " Provincess worked";
        break;
    case family::fivetimes:
        out.push_back("State  Call       Date       Time");
        for (std::size_t k = 0; k < records.size(); ++k)
            for (std::size_t slot = 0; slot < 5; ++slot) {
                const gerentry& x = records[k].places[slot];
                if (slot > 0 && !x.flag) continue;
                out.push_back(s.statetable[k].code.str() + "    " + columns(x) + x.qsl.str());
                count += x.flag;
            }
        break;
    case family::states:
        out.push_back("State  Call       Date       Time");
        for (std::size_t k = 0; k < records.size(); ++k) {
            const gerentry& x = records[k].places[0];
            std::string line = s.statetable[k].code.str() + "     " + columns(x);
            if (listsnumber(e) && x.number != 0) line += std::to_string(x.number) + " ";
            if (e == 23) line += x.dxprefix + " ";
            out.push_back(line + x.qsl.str());
            count += x.flag;
        }
        break;
    }
    out.push_back(" ");
    out.push_back(std::to_string(count) + countlabel);
    if (e == 0) {
        const auto confirmed = std::count_if(records.begin(), records.end(),
                                             [](const gerrecord& x) { return x.places[1].flag; });
        out.push_back(std::to_string(confirmed) + " States confirmed");
    }
    out.push_back("YES - QSL Received, NO - Not Received");
    return r;
}

} // namespace tsl
