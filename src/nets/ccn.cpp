#include "ccn.h"

#include "ccnareas.h"
#include "ccnqsos.h"
#include "core/fixedtext.h"
#include "core/helpers.h"
#include "core/state.h"
#include "core/text.h"
#include "netqso.h"
#include "reports/gridsquares.h"

#include <array>
#include <string_view>
#include <vector>

namespace tsl {

namespace {

constexpr int statecount = 50;
constexpr int provincecount = 13;
constexpr int lettercount = 26;
constexpr int nomadcalls = 9; // the award counts nine mobile calls per state

// One line-to-be of a report: a QSO's call, date and time, and for some kinds a state.
struct ccnreportrow {
    FixedText<10> call;
    FixedText<10> date;
    FixedText<5> time;
    bool worked = false;
    FixedText<2> state;

    std::string text() const { return call.str() + " " + date.str() + " " + time.str(); }
};

struct ccnnomadstate {
    std::array<FixedText<10>, 10> calls;
    int count = 0;
};

// The kinds' title literals, by kind.
constexpr std::array<std::string_view, 14> titles = {
    "Century Club Net All QSOs ",
    "Century Club Net State Capitals ",
    "Century Club Net Combos ",
    "Century Club Net Two Letter Calls ",
    "Century Club Net DX ",
    "Century Club Net YLs ",
    "Century Club Net Alphabet ",
    "Century Club Net Mobiles ",
    "Century Club Net NOMAD ",
    "Century Club Net Nite Owl ",
    "Century Club Net Canadian Provinces ",
    "Century Club Net Call Areas ",
    "Century Club Net Worked All States ",
    "Century Club Net Worked All States YL ",
};

// True when the five characters at p, upper-cased, are the word.
bool wordat(const std::string& text, std::size_t p, std::string_view word) {
    if (p + word.size() > text.size()) return false;
    for (std::size_t k = 0; k < word.size(); ++k)
        if (uppercased(text[p + k]) != word[k]) return false;
    return true;
}

// "COMBO" anywhere in the comments, in any letter case, blanks before it or not.
int combos(const std::string& comments) {
    int found = 0;
    for (std::size_t p = 0; p < comments.size(); ++p)
        found += wordat(comments, p, "COMBO");
    return found;
}

bool niteowl(const std::string& comments) {
    for (std::size_t p = 0; p < comments.size(); ++p)
        if (wordat(comments, p, "(NO)") || wordat(comments, p, "/NO/")) return true;
    return false;
}

// Three or four characters, or five with a digit third: one or two letters of suffix.
bool twoletter(const std::string& base) {
    return base.size() == 3 || base.size() == 4 || (base.size() == 5 && ccndigit(base[2]));
}

// The letter row of the base call's second character; -1 when it is no letter A to Z.
int letterindex(const std::string& base) {
    if (base.size() < 2) return -1;
    const char c = uppercased(base[1]);
    return c >= 'A' && c <= 'Z' ? c - 'A' : -1;
}

bool mobile(const std::string& suffix) {
    return suffix.size() == 1 && uppercased(suffix[0]) == 'M';
}

std::string statecode(const AppState& s, int state) {
    return state >= 0 ? s.statetable[static_cast<std::size_t>(state)].code.str() : "  ";
}

// Sorts the rows by call; the rows of one call stay in the order the exchanges leave them.
void ccnlinesort(std::vector<ccnreportrow>& rows) {
    sortpickertable(
        rows, 1, static_cast<int32_t>(rows.size()) - 1,
        [](const ccnreportrow& row) { return row.call.view(); }, swapthroughrowzero<ccnreportrow>);
}

// One line per call: the first row of each run of one call. Returns the lines printed.
int32_t calllines(const std::vector<ccnreportrow>& rows, bool withstate,
                  std::vector<std::string>& out) {
    int32_t printed = 0;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        if (r > 1 && rows[r].call == rows[r - 1].call) continue;
        out.push_back(rows[r].text() + (withstate ? "     " + rows[r].state.str() : ""));
        ++printed;
    }
    return printed;
}

// One line per table entry: its label, the gap, and the row (blank when not worked).
template <std::size_t N, class Label>
int32_t tablelines(const std::array<ccnreportrow, N>& rows, int count, const std::string& gap,
                   Label label, std::vector<std::string>& out) {
    int32_t worked = 0;
    for (int k = 0; k < count; ++k) {
        const ccnreportrow& row = rows[static_cast<std::size_t>(k)];
        out.push_back(label(k) + gap + row.text());
        worked += row.worked;
    }
    return worked;
}

} // namespace

Report ccnreport(const AppState& s, int16_t mode, int16_t band, int16_t kind) {
    Report r;
    r.fontsize = 10;
    if (kind < 0 || kind >= static_cast<int16_t>(titles.size())) return r;

    std::vector<ccnreportrow> rows(1); // row 0 is the sort's swap space
    std::array<ccnreportrow, statecount> staterows{};
    std::array<ccnreportrow, lettercount> letterrows{};
    std::array<ccnnomadstate, statecount> nomad{};
    ccnareas areas;

    for (int32_t i = 1; i <= s.qsocount; ++i) {
        const qsorecord& q = s.qsos[static_cast<std::size_t>(i)];
        if (!isccnqso(s, q, band, mode)) continue;
        const netcall call = splitcall(q);
        // Slot values outside their table count as none.
        const int was = tableindex(slotvalue(s, q, s.wasaward), 0, statecount - 1);
        const int capitalnumber =
            tableindex(slotvalue(s, q, s.statecapitalsaward), 0, statecount - 1);
        const int province = tableindex(slotvalue(s, q, s.provincesaward), 0, provincecount - 1);
        ccnreportrow row;
        row.call = q.call.view();
        row.date = qsodatetext(s, i);
        row.time = q.time.view();
        row.worked = true;
        ccnreportrow withstate = row;
        withstate.state = statecode(s, was);
        switch (kind) {
        case ccnallqsos:
            rows.push_back(row);
            break;
        case ccncapitals:
            if (capitalnumber >= 0) staterows[static_cast<std::size_t>(capitalnumber)] = row;
            break;
        case ccncombos:
            for (int n = combos(q.comments.str()); n > 0; --n)
                rows.push_back(withstate);
            break;
        case ccntwoletter:
            if (twoletter(call.base)) rows.push_back(row);
            break;
        case ccndx:
            if (q.dxcc != s.usacountryindex) rows.push_back(row);
            break;
        case ccnyls:
            if (q.gender == 1) rows.push_back(withstate);
            break;
        case ccnalphabet:
            if (const int k = letterindex(call.base); k >= 0)
                letterrows[static_cast<std::size_t>(k)] = row;
            break;
        case ccnmobiles:
            if (mobile(call.suffix)) rows.push_back(row);
            break;
        case ccnnomad:
            if (q.qth == s.mobileqthindex && was >= 0) {
                ccnnomadstate& list = nomad[static_cast<std::size_t>(was)];
                if (list.count < nomadcalls)
                    list.calls[static_cast<std::size_t>(list.count++)] = q.call.view();
            }
            break;
        case ccniteowl:
            if (niteowl(q.comments.str())) rows.push_back(row);
            break;
        case ccncanada:
            if (province >= 0) staterows[static_cast<std::size_t>(province)] = row;
            break;
        case ccncallareas:
            if (was >= 0 || province >= 0)
                areas.add(call.base,
                          province >= 0
                              ? s.provincecodes[static_cast<std::size_t>(province)].code.str()
                              : statecode(s, was));
            break;
        case ccnwas:
            if (was >= 0) staterows[static_cast<std::size_t>(was)] = row;
            break;
        case ccnwasyl:
            if (was >= 0 && q.gender == 1) staterows[static_cast<std::size_t>(was)] = row;
            break;
        default:
            break;
        }
    }

    auto& out = r.lines;
    out.push_back(ccntitle(s, std::string(titles[static_cast<std::size_t>(kind)]), band, mode));
    if (kind == ccncombos)
        out.push_back("You should sort the QSOs by date / time before you run this report.");
    out.push_back(" ");
    int32_t count = 0;
    switch (kind) {
    case ccncombos:
        // In log order: only a call's consecutive rows are one line.
        out.push_back("Call       Date       Time  State");
        count = calllines(rows, true, out);
        break;
    case ccncapitals:
    case ccnwas:
    case ccnwasyl:
        out.push_back("State   Call       Date       Time");
        count = tablelines(
            staterows, statecount, "   ",
            [&s](int k) { return s.statetable[static_cast<std::size_t>(k)].code.str(); }, out);
        break;
    case ccncanada:
        out.push_back("Province   Call       Date       Time");
        count = tablelines(
            staterows, provincecount, "      ",
            [&s](int k) { return s.provincecodes[static_cast<std::size_t>(k)].code.str(); }, out);
        break;
    case ccnalphabet:
        out.push_back("Letter    Call       Date       Time");
        count = tablelines(
            letterrows, lettercount, "         ",
            [](int k) { return std::string(1, static_cast<char>('A' + k)); }, out);
        break;
    case ccnnomad:
        out.push_back("State   Call      Call      Call      Call      Call      Call      Call"
                      "      Call      Call     Call");
        for (int k = 0; k < statecount; ++k) {
            const ccnnomadstate& list = nomad[static_cast<std::size_t>(k)];
            std::string line = statecode(s, k) + "   ";
            for (const auto& c : list.calls)
                line += c.str();
            out.push_back(line);
            count += list.count;
        }
        break;
    case ccncallareas:
        count = areas.lines(out);
        break;
    default:
        out.push_back(kind == ccnyls ? "Call       Date       Time  State"
                                     : "Call       Date       Time");
        ccnlinesort(rows);
        count = calllines(rows, kind == ccnyls, out);
        break;
    }
    out.push_back(" ");
    out.push_back(std::to_string(count) + " QSOs");
    return r;
}

} // namespace tsl
