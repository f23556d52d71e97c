#include "omiss.h"

#include "core/fixedtext.h"
#include "core/helpers.h"
#include "core/recordtext.h"
#include "core/state.h"
#include "core/text.h"
#include "netqso.h"
#include "reports/reportfilter.h"

#include <array>
#include <map>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace tsl {

namespace {

struct omissentry {
    FixedText<10> call;
    FixedText<10> date;
    FixedText<5> time;
    FixedText<5> member;
    int16_t filled = 0;
    FixedText<4> grid;
    int16_t dxcc = 0;
    FixedText<4> prefix;
    int16_t band = 0;
};

struct kindtext {
    const char* title;
    const char* header; // without the Band column
    const char* total;  // nullptr: no total line
};

constexpr const char* listheader = "Call       Date       Time   OMISS #";
constexpr const char* stateheader = "State   Call       Date       Time   OMISS #";

constexpr std::array<kindtext, 15> kinds = {{
    {"OMISS Net All QSOs ", listheader, " QSOs"},
    {"OMISS Net Worked All States ", stateheader, " QSOs"},
    {"OMISS Net 1 x 3 Worked All States ", stateheader, " QSOs"},
    {"OMISS Net QRP Worked All States ", stateheader, " QSOs"},
    {"OMISS Net Worked States, Mobile Stations ", stateheader, " QSOs"},
    {"OMISS Net Worked ALL States While Mobile ", stateheader, " QSOs"},
    {"OMISS Net Canadian Provinces ",
     "Province                        Call       Date       Time   OMISS #", " QSOs"},
    {"OMISS Net Prefixes ", "Prefix    Call       Date       Time   OMISS #", " Prefixes"},
    {nullptr, nullptr, nullptr},
    {"OMISS Net Grid Squares ", "Grid Square        Call       Date       Time   OMISS #",
     " Grid Squares"},
    {"OMISS Net Military ", listheader, " QSOs"},
    {"OMISS Net Spelling Bee ", "Letter   Call       Date     Time   OMISS #", nullptr},
    {"OMISS Net DX ", "DXCC Country              Call       Date       Time   OMISS #", " DXCC"},
    {"OMISS Net Calls Worked by Band - ",
     "Call       #    160   80    40    20    17    15    10   OMISS #", nullptr},
    {"OMISS Postal Award - ", stateheader, " QSOs"},
}};

constexpr int allqsos = 0, provinces = 6, prefixes = 7, grids = 9, military = 10, spellingbee = 11,
              dx = 12, callsbyband = 13, postal = 14;

constexpr std::string_view spelling = "OMINTERNATIONALSIDEBANDSOCIETYINCORPORATED";
constexpr std::size_t spellinglength = spelling.size(); // 42

// The bands Calls Worked by Band shows: 160, 80, 40, 20, 17, 15 and 10 m.
constexpr std::array<int, 7> shownbands = {2, 3, 6, 8, 9, 10, 12};

bool ismilitary(const qsorecord& q) {
    const std::string comments = uppercased(q.comments.str());
    return comments.starts_with("MIL") || comments.find("(MIL)") != std::string::npos;
}

// Spelling Bee: the character after the last digit of the base call, in capitals; none
// when the call has no digit or ends with one.
char firstletter(const std::string& base) {
    const auto digit = base.find_last_of("0123456789");
    if (digit == std::string::npos || digit + 1 >= base.size()) return '\0';
    return uppercased(base[digit + 1]);
}

class omissrun {
  public:
    omissrun(const AppState& s, int band, int kind, bool allbands)
        : s_(s), band_(band), kind_(kind), allbands_(allbands), list_(1) {}

    void collect() {
        for (int32_t i = 1; i <= s_.qsocount; ++i) {
            const qsorecord& q = s_.qsos[static_cast<std::size_t>(i)];
            if (!counts(q)) continue;
            if (q.band != band_ && !allbands_) continue;
            const auto member = slotvalue(s_, q, s_.omissaward);
            if (!member) continue;
            collect(i, q, *member);
        }
    }

    Report report() {
        Report r;
        r.fontsize = 10;
        const kindtext& text = kinds[static_cast<std::size_t>(kind_)];
        const std::string bandtext = band_ == 0 ? "All Bands" : bandname(s_, band_).value_or("");
        const bool plaintitle = kind_ == callsbyband || kind_ == postal;
        auto& out = r.lines;
        out.push_back(text.title + (plaintitle ? "" : bandtext + " - ") + s_.mycall.str());
        out.push_back(" ");
        if (kind_ == spellingbee) out.push_back("Using last letter of suffix");
        out.push_back(kind_ == callsbyband ? std::string(text.header) : header(text.header));
        int32_t count = 0;
        if (kind_ == spellingbee) {
            spellingbody(out);
        } else if (kind_ == callsbyband) {
            bandbody(out);
        } else if (kind_ == provinces) {
            for (std::size_t k = 0; k < s_.provincetable.size(); ++k) {
                const omissentry& x = table_[k];
                out.push_back(s_.provincetable[k].str() + " " + columns(x, "    "));
                count += x.filled;
            }
        } else if ((kind_ >= 1 && kind_ <= 5) || kind_ == postal) {
            for (std::size_t k = 0; k < s_.statetable.size(); ++k) {
                const omissentry& x = table_[k];
                out.push_back(s_.statetable[k].code.str() + "      " + columns(x));
                count += x.filled;
            }
        } else {
            count = listbody(out);
        }
        if (text.total) {
            out.push_back(" ");
            out.push_back(std::to_string(count) + text.total);
        }
        return r;
    }

  private:
    void put(omissentry& x, int32_t i, const qsorecord& q, int32_t member) const {
        x.call = q.call.view();
        x.date = qsodatetext(s_, i);
        x.time = q.time.view();
        x.member = std::to_string(member);
        x.band = q.band;
    }
    void fill(omissentry& x, int32_t i, const qsorecord& q, int32_t member) const {
        put(x, i, q, member);
        x.filled = 1;
    }
    omissentry& append(int32_t i, const qsorecord& q, int32_t member) {
        put(list_.emplace_back(), i, q, member);
        return list_.back();
    }

    void collect(int32_t i, const qsorecord& q, int32_t member) {
        const netcall call = splitcall(q);
        const int state = tableindex(slotvalue(s_, q, s_.wasaward), 0, 49);
        const int province = tableindex(slotvalue(s_, q, s_.provincesaward), 0, 12);
        // The table kinds: the state's entry takes the last qualifying QSO.
        bool tostate = false;
        switch (kind_) {
        case allqsos:
            append(i, q, member);
            return;
        case 1:
            tostate = true;
            break;
        case 2:
            tostate = call.base.size() == 5 && call.base[1] >= '0' && call.base[1] <= '9';
            break;
        case 3:
            tostate = q.power < 10.0f;
            break;
        case 4:
            tostate = uppercased(call.suffix) == "M";
            break;
        case 5:
            tostate = q.qth == 1;
            break;
        case provinces:
            if (province >= 0) fill(table_[static_cast<std::size_t>(province)], i, q, member);
            return;
        case prefixes:
            if (member > 0) {
                std::string base = call.base;
                append(i, q, member).prefix = callprefix(base);
            }
            return;
        case grids:
            if (member > 0 && !(q.grid == "      "))
                append(i, q, member).grid = uppercased(q.grid.str().substr(0, 4));
            return;
        case military:
            if (member > 0 && ismilitary(q)) append(i, q, member);
            return;
        case spellingbee:
            if (member > 0) placespelling(i, q, member, call.base);
            return;
        case dx:
            // A country index outside the entity table names no country.
            if (q.dxcc != s_.usacountryindex && countryname(s_, q.dxcc))
                append(i, q, member).dxcc = q.dxcc;
            return;
        case callsbyband:
            if (member > 0) markband(q, member, call.base);
            return;
        case postal:
            if (member > 0) placepostal(i, q, member, call.base);
            return;
        default:
            return;
        }
        if (tostate && state >= 0) fill(table_[static_cast<std::size_t>(state)], i, q, member);
    }

    void placespelling(int32_t i, const qsorecord& q, int32_t member, const std::string& base) {
        const std::string stored = q.call.str();
        if (spellingcalls_.contains(stored)) return;
        const char last = base.empty() ? '\0' : uppercased(base.back());
        const char first = firstletter(base);
        for (int pass = 0; pass < 2; ++pass) {
            const char letter = pass == 0 ? last : first;
            auto& taken = pass == 0 ? takenbylast_ : takenbyfirst_;
            for (std::size_t p = 0; p < spellinglength && letter != '\0'; ++p) {
                if (spelling[p] != letter || taken[p]) continue;
                taken[p] = true;
                put(spellingentries_[p + pass * spellinglength], i, q, member);
                spellingcalls_.insert(stored);
                return;
            }
        }
    }

    void markband(const qsorecord& q, int32_t member, const std::string& base) {
        bandrow& row = byband_[member];
        row.call = base;
        if (q.band >= 0 && q.band < static_cast<int>(row.marks.size()))
            row.marks[static_cast<std::size_t>(q.band)] = true;
    }

    void placepostal(int32_t i, const qsorecord& q, int32_t member, const std::string& base) {
        // A base call serves one state only.
        if (postalcalls_.contains(base)) return;
        for (std::size_t p = 0; p + 1 < base.size(); ++p)
            for (std::size_t k = 0; k < s_.statetable.size(); ++k)
                if (!table_[k].filled && s_.statetable[k].code == base.substr(p, 2)) {
                    postalcalls_.insert(base);
                    fill(table_[k], i, q, member);
                    return;
                }
    }

    std::string header(const char* plain) const {
        std::string h = plain;
        if (allbands_) h.insert(h.find("OMISS #"), "Band      ");
        return h;
    }

    // C " " D " " T, the gap, the band column when shown, and the member number.
    std::string columns(const omissentry& x, const char* gap = "  ") const {
        std::string t = x.call.str() + " " + x.date.str() + " " + x.time.str() + gap;
        if (allbands_) t += padded(bandname(s_, x.band).value_or(""), 8) + "  ";
        return t + x.member.str();
    }

    int32_t listbody(std::vector<std::string>& out) {
        const auto n = static_cast<int32_t>(list_.size() - 1);
        auto sortby = [&](auto key) { sortworklist(list_, 1, n, key); };
        auto unique = [&](const omissentry& a, const omissentry& b) {
            switch (kind_) {
            case prefixes:
                return a.prefix == b.prefix;
            case grids:
                return a.grid == b.grid;
            case dx:
                return a.dxcc == b.dxcc;
            default:
                return a.call == b.call;
            }
        };
        switch (kind_) {
        case prefixes:
            sortby([](const omissentry& x) { return x.prefix.view(); });
            break;
        case grids:
            sortby([](const omissentry& x) { return x.grid.view(); });
            break;
        case dx:
            sortby([](const omissentry& x) { return x.dxcc; });
            break;
        default:
            sortby([](const omissentry& x) { return x.member.view(); });
            break;
        }
        int32_t printed = 0;
        for (int32_t k = 1; k <= n; ++k) {
            const omissentry& x = list_[static_cast<std::size_t>(k)];
            if (k > 1 && unique(x, list_[static_cast<std::size_t>(k - 1)])) continue;
            std::string lead;
            if (kind_ == prefixes) lead = x.prefix.str() + "      ";
            if (kind_ == grids) lead = x.grid.str() + " ";
            if (kind_ == dx) {
                if (x.dxcc == 0) continue;
                lead = padded(countryname(s_, x.dxcc).value_or(""), 25) + " ";
            }
            out.push_back(lead + columns(x));
            ++printed;
        }
        return printed;
    }

    void spellingbody(std::vector<std::string>& out) const {
        for (int pass = 0; pass < 2; ++pass) {
            if (pass == 1) {
                out.push_back(" ");
                out.push_back("Using first letter of suffix");
            }
            const auto& taken = pass == 0 ? takenbylast_ : takenbyfirst_;
            for (std::size_t p = 0; p < spellinglength; ++p) {
                std::string line(1, spelling[p]);
                if (taken[p])
                    line +=
                        std::string(9, ' ') +
                        columns(
                            spellingentries_[p + static_cast<std::size_t>(pass) * spellinglength]);
                out.push_back(line);
            }
        }
    }

    void bandbody(std::vector<std::string>& out) const {
        for (const auto& [member, row] : byband_) {
            int marked = 0;
            std::string marks;
            for (int b : shownbands) {
                const bool x = row.marks[static_cast<std::size_t>(b)];
                marked += x;
                marks += std::string(5, ' ') + (x ? "X" : " ");
            }
            if (marked > 0)
                out.push_back(row.call.str() + " " + std::to_string(marked) + marks + "   " +
                              std::to_string(member));
        }
    }

    struct bandrow {
        FixedText<10> call;
        std::array<bool, 14> marks{};
    };

    const AppState& s_;
    int band_;
    int kind_;
    bool allbands_;
    std::vector<omissentry> list_; // entry 0 is the sorts' swap space
    std::array<omissentry, 50> table_{};
    std::array<bool, spellinglength> takenbylast_{};
    std::array<bool, spellinglength> takenbyfirst_{};
    std::array<omissentry, 2 * spellinglength> spellingentries_{};
    std::unordered_set<std::string> spellingcalls_;
    std::map<int32_t, bandrow> byband_; // only the members worked, in ascending order
    std::unordered_set<std::string> postalcalls_;
};

} // namespace

Report buildomissreport(const AppState& s, int band, int kind, bool allbands) {
    if (kind < 0 || kind >= static_cast<int>(kinds.size()) || kinds[kind].title == nullptr) {
        Report none;
        none.fontsize = 10;
        return none;
    }
    omissrun run(s, band, kind, allbands);
    run.collect();
    return run.report();
}

} // namespace tsl
