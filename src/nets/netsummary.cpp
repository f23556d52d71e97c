#include "netsummary.h"

#include "core/helpers.h"
#include "core/numbers.h"
#include "core/recordtext.h"
#include "core/settings.h"
#include "core/state.h"
#include "core/text.h"
#include "platform/fileio.h"

#include <algorithm>

namespace tsl {

const std::array<netdescription, netcount>& nettable() {
    static const std::array<netdescription, netcount> nets = {{
        {"Century Club Net, ", 0, 0},
        {"Geratol Net, ", 4, 2},
        {"OMISS Net, ", 0, 0},
        {"Worked All Britain Net, ", 0, 0},
        {"General Net, ", 0, 0},
        {"Ten Ten Net, ", 12, 2},
        {"QCWA Club Net, ", 0, 0},
        {"DOKs, ", 0, 0},
        {"HHH Net, ", 6, 2},
    }};
    return nets;
}

int chosennet(const AppState& state) {
    const auto it = std::find(state.netflags.begin(), state.netflags.end(), true);
    return it == state.netflags.end() ? centuryclubnet
                                      : static_cast<int>(it - state.netflags.begin());
}

std::string netcaption(const AppState& state) {
    return std::string(nettable()[static_cast<std::size_t>(chosennet(state))].title) +
           bandname(state, state.netband).value_or("") + ", " +
           modename(state, state.netmode).value_or("");
}

namespace {

// The items one QSO adds to the summary of the net.
class SummaryItems {
  public:
    SummaryItems(const AppState& state, int net) : s_(state), net_(net) {}

    void add(const qsorecord& q, std::string& out) const {
        if (net_ == workedallbritainnet && q.wab[0] != ' ') out += q.wab.str() + ", ";
        if (net_ == generalnet || net_ == hhhnet) {
            out += trimblanks(q.comments.view());
            out += ' ';
        }
        for (int k = 0; k <= s_.awardslots && k < static_cast<int>(q.awards.size()); ++k)
            slot(q.awards[static_cast<std::size_t>(k)], q.entries[static_cast<std::size_t>(k)],
                 out);
    }

  private:
    // The slot holds the award when the award is tracked (an untracked award is index 0).
    static bool holds(int16_t slotaward, int16_t award) { return award >= 1 && slotaward == award; }

    void number(int16_t slotaward, int16_t award, const char* mark, int32_t n,
                std::string& out) const {
        if (holds(slotaward, award)) out += mark + inttext(n) + ", ";
    }

    void places(int16_t a, int32_t n, std::string& out) const {
        const bool instates = n >= 0 && n < static_cast<int32_t>(s_.statetable.size());
        const bool inprovinces = n >= 0 && n < static_cast<int32_t>(s_.provincecodes.size());
        const auto i = static_cast<std::size_t>(n);
        if (holds(a, s_.provincesaward) && inprovinces)
            out += s_.provincecodes[i].code.str() + ", ";
        if (holds(a, s_.statecapitalsaward) && instates)
            out += s_.statetable[i].code.str() + " CAP, ";
        if (holds(a, s_.wasaward) && instates) out += s_.statetable[i].code.str() + ", ";
    }

    void slot(int16_t a, int32_t n, std::string& out) const {
        // The member-number award of each net that lists numbers, and the nets that list
        // states and provinces too.
        static constexpr std::array<int16_t AppState::*, netcount> memberawards = {
            &AppState::ccnaward,
            &AppState::geratolaward,
            &AppState::omissaward,
            &AppState::wabbookaward,
            nullptr,
            &AppState::tentenaward,
            &AppState::qcwaaward,
            nullptr,
            nullptr};
        static constexpr std::array<bool, netcount> listsplaces = {true, true, true,  false, false,
                                                                   true, true, false, false};
        const auto net = static_cast<std::size_t>(net_);
        if (net_ == geratolnet) number(a, s_.geratoldirectoraward, "D#", n, out);
        if (memberawards[net] != nullptr) number(a, s_.*memberawards[net], "#", n, out);
        if (listsplaces[net]) places(a, n, out);
        if (net_ == doksnet && holds(a, s_.doksaward))
            if (const auto name = entryname(s_, a, n)) out += *name + ", ";
    }

    const AppState& s_;
    int net_;
};

} // namespace

std::string priorqsosummary(const AppState& state, const std::string& call) {
    const std::string typed = trimblanks(call);
    const std::string cleaned = normalizecall(call);
    const SummaryItems items(state, chosennet(state));
    std::string summary;
    bool onbandmode = false;
    // Every QSO counts, a log of one QSO included: an empty log gives "New Call ".
    for (int32_t i = 1; i <= state.qsocount; ++i) {
        const qsorecord& q = state.qsos[static_cast<std::size_t>(i)];
        if (q.deleted == "D") continue;
        const std::string_view stored = trimmedview(q.call.view());
        if (stored != typed && stored != cleaned) continue;
        if (q.band == state.netband && q.mode == state.netmode) onbandmode = true;
        items.add(q, summary);
    }
    return onbandmode ? summary : "New Call " + summary;
}

namespace {

// Control characters become blanks, so that every row stays one line of the file.
std::string oneline(std::string text) {
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 32 || c == 127) c = ' ';
    return text;
}

std::string padded(std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
}

} // namespace

std::string netlisttext(const std::string& caption, const std::string& date,
                        const std::vector<netrow>& rows) {
    std::size_t last = 0;
    for (std::size_t r = 0; r < rows.size(); ++r)
        if (!trimblanks(oneline(rows[r].call)).empty()) last = r + 1;
    std::string out = caption + " " + date + "\r\n \r\n";
    for (std::size_t r = 0; r < last; ++r) {
        out += padded(inttext(static_cast<long long>(r + 1)), 3) + "  ";
        out += padded(trimblanks(oneline(rows[r].call)), 12) + "  ";
        out += trimblanks(oneline(rows[r].notes)) + "\r\n";
    }
    return out;
}

std::string writenetlist(AppState& state, const std::string& caption,
                         const std::vector<netrow>& rows) {
    computeutcnow(state);
    const std::string reason = writefilesafely(state.apppath + "netlist.dat",
                                               netlisttext(caption, utcdatetext(state), rows));
    if (!reason.empty()) return "netlist.dat was not written: " + reason;
    return "Net info written to netlist.dat";
}

} // namespace tsl
