#include "sorting.h"

#include "numbers.h"
#include "quicksort.h"
#include "sortkeys.h"
#include "state.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace tsl {

void swapqsos(AppState& s, int32_t a, int32_t b) {
    auto& q = s.qsos;
    q[0] = q[static_cast<std::size_t>(a)];
    q[static_cast<std::size_t>(a)] = q[static_cast<std::size_t>(b)];
    q[static_cast<std::size_t>(b)] = q[0];
}

std::string sortnumbertext(int32_t numerator, int32_t divisor) {
    const bool negative = numerator < 0;
    long long n = negative ? -static_cast<long long>(numerator) : numerator;
    const long long d = divisor > 0 ? divisor : 1;
    const long long whole = n / d;
    long long rest = n % d;
    std::string text(1, negative ? '-' : ' ');
    if (whole > 0 || rest == 0) text += std::to_string(whole);
    if (rest != 0) {
        text += '.';
        // A power-of-two divisor always ends the expansion.
        for (int digits = 0; rest != 0 && digits < 40; ++digits) {
            rest *= 10;
            text += static_cast<char>('0' + rest / d);
            rest %= d;
        }
    }
    return text;
}

namespace {

// The text keys of a range of records, built once, one after the other in one buffer.
class TextKeys {
  public:
    TextKeys(std::size_t count, std::size_t typical) {
        bytes_.reserve(count * typical);
        start_.reserve(count + 1);
        start_.push_back(0);
    }
    TextKeys& add(std::string_view text) {
        const auto& order = characterorder();
        for (char c : text)
            bytes_.push_back(order[static_cast<unsigned char>(c)]);
        return *this;
    }
    void end() { start_.push_back(bytes_.size()); }

    // Byte by byte, a key that is the beginning of a longer one first.
    bool less(int32_t a, int32_t b) const {
        const std::size_t sa = start_[static_cast<std::size_t>(a)];
        const std::size_t na = start_[static_cast<std::size_t>(a) + 1] - sa;
        const std::size_t sb = start_[static_cast<std::size_t>(b)];
        const std::size_t nb = start_[static_cast<std::size_t>(b) + 1] - sb;
        const int c = std::memcmp(bytes_.data() + sa, bytes_.data() + sb, std::min(na, nb));
        return c != 0 ? c < 0 : na < nb;
    }

  private:
    std::vector<unsigned char> bytes_;
    std::vector<std::size_t> start_;
};

// The number texts of the keys, each made once per sort.
class NumberTexts {
  public:
    explicit NumberTexts(int32_t divisor) : divisor_(divisor) {}
    const std::string& operator()(int32_t value) {
        auto [it, made] = texts_.try_emplace(value);
        if (made) it->second = sortnumbertext(value, divisor_);
        return it->second;
    }

  private:
    int32_t divisor_;
    std::unordered_map<int32_t, std::string> texts_;
};

// Sorts lo..hi of the log by the scheme, given the records' keys (or their ranks). The QSO
// last clicked for editing is followed to wherever the sort moves it, so that a later
// update or delete acts on that QSO and not on its old index.
template <class Key> void sortbykeys(AppState& s, int32_t lo, std::vector<Key> keys) {
    const schemeorder order = quicksortorder(std::move(keys), lo);
    const auto n = static_cast<int32_t>(order.from.size());
    const int32_t hi = lo + n - 1;
    if (s.editindex >= lo && s.editindex <= hi)
        for (int32_t k = 0; k < n; ++k)
            if (order.from[static_cast<std::size_t>(k)] == s.editindex) {
                s.editindex = lo + k;
                break;
            }
    applyorder(order, lo,
               [&](int32_t i) -> qsorecord& { return s.qsos[static_cast<std::size_t>(i)]; });
}

bool sortable(const AppState& s, int32_t lo, int32_t hi) {
    return lo < hi && lo >= 1 && hi <= s.qsocount;
}

// Sorts by a text key that key(record, keys) adds to `keys`.
template <class Key>
void sortbytext(AppState& s, int32_t lo, int32_t hi, std::size_t typical, Key key) {
    if (!sortable(s, lo, hi)) return;
    const auto n = static_cast<std::size_t>(hi - lo + 1);
    TextKeys keys(n, typical);
    for (int32_t i = lo; i <= hi; ++i) {
        key(s.qsos[static_cast<std::size_t>(i)], keys);
        keys.end();
    }
    sortbykeys(s, lo, rankkeys(static_cast<int32_t>(n), [&](int32_t a, int32_t b) {
                   return keys.less(a, b);
               }));
}

// A text key made of a field and then the date and time.
template <class Field>
void sortbyfieldthenwhen(AppState& s, int32_t lo, int32_t hi, std::size_t typical, Field field) {
    sortbytext(s, lo, hi, typical, [&](const qsorecord& q, TextKeys& keys) {
        keys.add(field(q)).add(q.date.view()).add(q.time.view());
    });
}

// A key of an index's number text, then the date and time.
template <class Index>
void sortbynumberthenwhen(AppState& s, int32_t lo, int32_t hi, int32_t divisor, Index index) {
    NumberTexts texts(divisor);
    sortbyfieldthenwhen(s, lo, hi, 24,
                        [&](const qsorecord& q) -> std::string_view { return texts(index(q)); });
}

} // namespace

void sortbydate(AppState& s, int32_t lo, int32_t hi) {
    sortbytext(s, lo, hi, 13, [](const qsorecord& q, TextKeys& keys) {
        keys.add(q.date.view()).add(q.time.view());
    });
}

void sortbycall(AppState& s, int32_t lo, int32_t hi) {
    sortbytext(s, lo, hi, 12, [](const qsorecord& q, TextKeys& keys) { keys.add(q.call.view()); });
}

void sortbydxcc(AppState& s, int32_t lo, int32_t hi) {
    if (!sortable(s, lo, hi)) return;
    std::vector<double> keys;
    keys.reserve(static_cast<std::size_t>(hi - lo + 1));
    for (int32_t i = lo; i <= hi; ++i) {
        const qsorecord& q = s.qsos[static_cast<std::size_t>(i)];
        keys.push_back(60.0 * q.dxcc + leadingnumber(q.time.view().substr(3, 2)));
    }
    sortbykeys(s, lo, std::move(keys));
}

void sortbyvia(AppState& s, int32_t lo, int32_t hi) {
    sortbyfieldthenwhen(s, lo, hi, 23, [](const qsorecord& q) { return q.qslvia.view(); });
}

void sortbyband(AppState& s, int32_t lo, int32_t hi) {
    sortbynumberthenwhen(s, lo, hi, 32, [](const qsorecord& q) { return q.band; });
}

void sortbymode(AppState& s, int32_t lo, int32_t hi) {
    sortbynumberthenwhen(s, lo, hi, 32, [](const qsorecord& q) { return q.mode; });
}

void sortbyprop(AppState& s, int32_t lo, int32_t hi) {
    sortbynumberthenwhen(s, lo, hi, 32, [](const qsorecord& q) { return q.prop; });
}

void sortbycomment(AppState& s, int32_t lo, int32_t hi) {
    sortbyfieldthenwhen(s, lo, hi, 73, [](const qsorecord& q) { return q.comments.view(); });
}

void sortbyitu(AppState& s, int32_t lo, int32_t hi) {
    sortbytext(s, lo, hi, 10, [](const qsorecord& q, TextKeys& keys) {
        keys.add(q.ituz.view()).add(q.date.view());
    });
}

void sortbycq(AppState& s, int32_t lo, int32_t hi) {
    sortbytext(s, lo, hi, 10, [](const qsorecord& q, TextKeys& keys) {
        keys.add(q.cqz.view()).add(q.date.view());
    });
}

void sortbygrid(AppState& s, int32_t lo, int32_t hi) {
    sortbyfieldthenwhen(s, lo, hi, 19, [](const qsorecord& q) { return q.grid.view(); });
}

void sortbywab(AppState& s, int32_t lo, int32_t hi) {
    sortbyfieldthenwhen(s, lo, hi, 23, [](const qsorecord& q) { return q.wab.view(); });
}

void sortbycontinent(AppState& s, int32_t lo, int32_t hi) {
    sortbynumberthenwhen(s, lo, hi, 1, [](const qsorecord& q) { return q.continent; });
}

void sortbyfirstaward(AppState& s, int32_t lo, int32_t hi) {
    // Award indexes in numeric order, written at one width so the date after them cannot
    // split an award's QSOs; QSOs without an award last.
    std::unordered_map<int16_t, std::string> texts;
    sortbyfieldthenwhen(s, lo, hi, 19, [&](const qsorecord& q) -> std::string_view {
        const int award = q.awards[0];
        auto [it, made] = texts.try_emplace(q.awards[0]);
        if (made) {
            char number[16];
            if (award == 0)
                std::snprintf(number, sizeof number, "~");
            else if (award > 0)
                std::snprintf(number, sizeof number, "%05d", award);
            else
                std::snprintf(number, sizeof number, "-%05d", -award);
            it->second = number;
        }
        return it->second;
    });
}

void sortbyqth(AppState& s, int32_t lo, int32_t hi) {
    sortbynumberthenwhen(s, lo, hi, 1, [](const qsorecord& q) { return q.qth; });
}

void sortbygender(AppState& s, int32_t lo, int32_t hi) {
    sortbynumberthenwhen(s, lo, hi, 1, [](const qsorecord& q) { return q.gender; });
}

namespace {

// The work tables' sorts: each row's key is a number, built once; rows move whole, and
// row 0 keeps what the exchanges leave there.
template <class Row, class Key>
void sorttable(std::vector<Row>& table, int32_t lo, int32_t hi, Key rowkey) {
    if (lo >= hi || lo < 1 || static_cast<std::size_t>(hi) >= table.size()) return;
    std::vector<int64_t> keys;
    keys.reserve(static_cast<std::size_t>(hi - lo + 1));
    for (int32_t i = lo; i <= hi; ++i)
        keys.push_back(rowkey(table[static_cast<std::size_t>(i)]));
    const schemeorder order = quicksortorder(std::move(keys), lo);
    applyorder(order, lo, [&](int32_t i) -> Row& { return table[static_cast<std::size_t>(i)]; });
}

// A prefix of four characters as one number that orders prefixes as their characters do.
int64_t prefixkey(const FixedText<4>& prefix) {
    const auto& order = characterorder();
    int64_t key = 0;
    for (char c : prefix.view())
        key = key << 8 | order[static_cast<unsigned char>(c)];
    return key;
}

} // namespace

void prefixsort(std::vector<prefixrow>& prefixwork, int32_t lo, int32_t hi) {
    sorttable(prefixwork, lo, hi, [](const prefixrow& r) { return prefixkey(r.prefix); });
}

void numbersort(std::vector<numberrow>& numberwork, int32_t lo, int32_t hi) {
    sorttable(numberwork, lo, hi, [](const numberrow& r) { return int64_t{r.number}; });
}

void dxccdetailsort(std::vector<dxccdetailrecord>& dxccdetailtable, int32_t lo, int32_t hi) {
    sorttable(dxccdetailtable, lo, hi,
              [](const dxccdetailrecord& r) { return prefixkey(r.prefix); });
}

} // namespace tsl
