// The Poker Player award: each distinct call of the net on the band and mode is a card,
// split at its last digit into prefix, digit and suffix, and the hands are groups of cards
// by rules on those parts. Where a rule looks at every later card, an index of the cards by
// the rule's key finds the same cards in the same order without the scan.

#include "ccn.h"
#include "ccnqsos.h"
#include "core/fixedtext.h"
#include "core/state.h"
#include "core/text.h"
#include "netqso.h"
#include "reports/gridsquares.h"

#include <algorithm>
#include <array>
#include <functional>
#include <unordered_map>
#include <vector>

namespace tsl {

namespace {

struct ccncard {
    std::string call; // blanks removed, upper-cased
    std::string prefix;
    char digit = 0; // 0 for a call without a digit
    std::string suffix;
    bool used = false; // joined a group of the Pairs or Full House sections
};

ccncard makecard(const FixedText<10>& text) {
    ccncard c;
    for (char ch : text.view())
        if (ch != ' ') c.call += uppercased(ch);
    for (std::size_t p = c.call.size(); p-- > 0;)
        if (ccndigit(c.call[p])) {
            c.prefix = c.call.substr(0, p);
            c.digit = c.call[p];
            c.suffix = c.call.substr(p + 1);
            break;
        }
    return c;
}

// Every card's position in the list of the cards that share its key, in card order.
struct keyindex {
    std::unordered_map<std::string, std::vector<int32_t>> lists;
    std::vector<std::size_t> place;

    keyindex(const std::vector<ccncard>& cards, const std::function<bool(const ccncard&)>& takes,
             const std::function<std::string(const ccncard&)>& key)
        : place(cards.size()) {
        for (std::size_t c = 0; c < cards.size(); ++c) {
            if (!takes(cards[c])) continue;
            auto& list = lists[key(cards[c])];
            place[c] = list.size();
            list.push_back(static_cast<int32_t>(c));
        }
    }
    // The first card after card `after` under the key, or -1.
    int32_t next(const std::string& key, int32_t after) const {
        const auto found = lists.find(key);
        if (found == lists.end()) return -1;
        const auto at = std::upper_bound(found->second.begin(), found->second.end(), after);
        return at == found->second.end() ? -1 : *at;
    }
};

// Each unused card that the section takes leads a group of every later card of its key;
// the members are marked used. Eight calls to a line, three blanks between them.
void grouplines(std::vector<ccncard>& cards, const std::function<bool(const ccncard&)>& takes,
                const std::function<std::string(const ccncard&)>& key,
                std::vector<std::string>& out) {
    const keyindex index(cards, takes, key);
    for (std::size_t c = 0; c < cards.size(); ++c) {
        if (!takes(cards[c]) || cards[c].used) continue;
        const auto& list = index.lists.at(key(cards[c]));
        std::string line;
        int onthisline = 0;
        for (std::size_t m = index.place[c] + 1; m < list.size(); ++m) {
            ccncard& member = cards[static_cast<std::size_t>(list[m])];
            member.used = true;
            if (m == index.place[c] + 1) {
                line = cards[c].call + "   " + member.call;
                onthisline = 2;
            } else {
                line += "   " + member.call;
                ++onthisline;
            }
            if (onthisline == 8) {
                out.push_back(line);
                line.clear();
                onthisline = 0;
            }
        }
        if (onthisline > 0) out.push_back(line);
    }
}

// The cards the test takes, seven to a line, each followed by three blanks.
void singlelines(const std::vector<ccncard>& cards,
                 const std::function<bool(const ccncard&)>& takes, std::vector<std::string>& out) {
    std::string line;
    int onthisline = 0;
    for (const ccncard& c : cards) {
        if (!takes(c)) continue;
        line += c.call + "   ";
        if (++onthisline == 7) {
            out.push_back(line);
            line.clear();
            onthisline = 0;
        }
    }
    if (onthisline > 0) out.push_back(line);
}

// The character's code in the code page.
int code(char c) {
    return static_cast<unsigned char>(c);
}

bool isletter(char c) {
    return c >= 'A' && c <= 'Z';
}

// For each two-letter key AA to ZZ, one line of the cards whose two-letter suffix is the key
// or whose three-letter suffix begins or ends with it, when there are four or more.
void flushlines(const std::vector<ccncard>& cards, std::vector<std::string>& out) {
    std::array<std::vector<int32_t>, 26 * 26> lists;
    auto add = [&lists](char x, char y, int32_t c) {
        if (isletter(x) && isletter(y))
            lists[static_cast<std::size_t>((x - 'A') * 26 + (y - 'A'))].push_back(c);
    };
    for (std::size_t c = 0; c < cards.size(); ++c) {
        const std::string& s = cards[c].suffix;
        const auto card = static_cast<int32_t>(c);
        if (s.size() == 2) add(s[0], s[1], card);
        if (s.size() == 3) {
            add(s[0], s[1], card);
            if (s[1] != s[0] || s[2] != s[1]) add(s[1], s[2], card);
        }
    }
    for (const auto& list : lists) {
        if (list.size() <= 3) continue;
        std::string line;
        for (int32_t c : list)
            line += cards[static_cast<std::size_t>(c)].call + "   ";
        out.push_back(line);
    }
}

// For each card the test takes, the run of later cards whose stepping character (at
// position `step` of the key) is one, two, three ... above the leader's, the rest of the key
// equal; a line when the run holds a second card.
void runlines(const std::vector<ccncard>& cards, const std::function<bool(const ccncard&)>& takes,
              const std::function<std::string(const ccncard&)>& key, std::size_t step,
              std::vector<std::string>& out) {
    const keyindex index(cards, takes, key);
    for (std::size_t c = 0; c < cards.size(); ++c) {
        if (!takes(cards[c])) continue;
        std::string wanted = key(cards[c]);
        std::string line = cards[c].call + "   ";
        auto after = static_cast<int32_t>(c);
        bool run = false;
        while (code(wanted[step]) < 255) {
            wanted[step] = static_cast<char>(code(wanted[step]) + 1);
            after = index.next(wanted, after);
            if (after < 0) break;
            line += cards[static_cast<std::size_t>(after)].call + "   ";
            run = true;
        }
        if (run) out.push_back(line);
    }
}

void ccncallsort(std::vector<FixedText<10>>& calls) {
    sortpickertable(
        calls, 1, static_cast<int32_t>(calls.size()) - 1,
        [](const FixedText<10>& call) { return call.view(); }, swapthroughrowzero<FixedText<10>>);
}

bool twobytwo(const ccncard& c) {
    return c.call.size() == 5 && c.prefix.size() == 2 && c.suffix.size() == 2;
}

} // namespace

Report ccnpokerreport(const AppState& s, int16_t mode, int16_t band) {
    std::vector<FixedText<10>> calls(1); // element 0 is the sort's swap space
    for (int32_t i = 1; i <= s.qsocount; ++i) {
        const qsorecord& q = s.qsos[static_cast<std::size_t>(i)];
        if (isccnqso(s, q, band, mode)) calls.push_back(splitcall(q).base);
    }
    ccncallsort(calls);
    calls[0] = FixedText<10>();
    std::vector<ccncard> cards;
    for (std::size_t i = 1; i < calls.size(); ++i)
        if (!(calls[i] == calls[i - 1])) cards.push_back(makecard(calls[i]));

    Report r;
    r.fontsize = 10;
    auto& out = r.lines;
    out.push_back(ccntitle(s, "Century Club Net Poker Player Award ", band, mode));
    out.push_back(std::to_string(calls.size() - 1) + " QSOs and " + std::to_string(cards.size()) +
                  " Calls");
    auto heading = [&out](std::initializer_list<const char*> texts) {
        for (const char* t : texts)
            out.push_back(t);
    };
    auto suffixkey = [](const ccncard& c) { return c.suffix; };
    auto suffixof = [](std::size_t n) {
        return [n](const ccncard& c) { return c.suffix.size() == n; };
    };

    heading({"", "Pairs", ""});
    grouplines(
        cards, twobytwo, [](const ccncard& c) { return c.prefix + c.suffix; }, out);
    heading({"", "Use Combos Report for Two Pairs", "", "Three of a Kind", ""});
    singlelines(
        cards,
        [](const ccncard& c) {
            return c.suffix.size() == 3 && c.suffix[0] == c.suffix[1] && c.suffix[1] == c.suffix[2];
        },
        out);
    heading({"", "Straight", ""});
    singlelines(
        cards,
        [](const ccncard& c) {
            const std::string& x = c.suffix;
            return x.size() == 3 && code(x[1]) == code(x[0]) + 1 && code(x[2]) == code(x[1]) + 1;
        },
        out);
    heading({"", "Flush", ""});
    flushlines(cards, out);
    heading({"", "Full House", "", "Pairs for Full House"});
    grouplines(cards, suffixof(2), suffixkey, out);
    heading({"", "Three of a Kind for Full House", ""});
    grouplines(cards, suffixof(3), suffixkey, out);
    heading({"", "Use State Capitals, YLS, Mobiles and DX Reports for Four of a Kind", "",
             "Straight Flush", ""});
    // Two prefix letters, a digit and one suffix letter; the second prefix letter steps.
    runlines(
        cards, [](const ccncard& c) { return c.prefix.size() == 2 && c.call.size() == 4; },
        [](const ccncard& c) {
            return std::string{c.prefix[0], c.digit, c.prefix[1]};
        },
        2, out);
    heading({"", "Royal Flush", ""});
    // Three suffix letters and a digit; the third suffix letter steps.
    runlines(
        cards, suffixof(3),
        [](const ccncard& c) {
            return std::string{c.digit, c.suffix[0], c.suffix[1], c.suffix[2]};
        },
        3, out);
    heading({"", "Use Reports / Number Awards / CCN #s for Dealer's Choice"});
    return r;
}

} // namespace tsl
