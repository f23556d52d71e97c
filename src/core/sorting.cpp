#include "sorting.h"

#include "keyedquicksort.h"
#include "numbers.h"
#include "platform/codepage.h"
#include "quicksort.h"
#include "state.h"

#include <cstdio>
#include <functional>
#include <utility>

namespace tsl {

int32_t sortmidpoint(int32_t lo, int32_t hi) {
    const double middle = (static_cast<double>(lo) + static_cast<double>(hi)) / 2.0;
    return static_cast<int32_t>(roundhalfeven(middle));
}

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

// Keys compare by the Unicode values of their characters.
std::u16string collated(const std::string& bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    for (unsigned char c : bytes)
        out.push_back(unicodeof(c));
    return out;
}

template <class Key>
void sortbykeys(AppState& s, int32_t lo, int32_t hi,
                const std::function<Key(const qsorecord&)>& key) {
    if (lo >= hi || lo < 1 || hi > s.qsocount) return;
    std::vector<Key> keys(static_cast<std::size_t>(hi - lo + 1));
    for (int32_t i = lo; i <= hi; ++i)
        keys[static_cast<std::size_t>(i - lo)] = key(s.qsos[static_cast<std::size_t>(i)]);
    auto at = [&](int32_t i) -> Key& { return keys[static_cast<std::size_t>(i - lo)]; };
    auto compare = [&](int32_t a, int32_t b) {
        const Key& ka = at(a);
        const Key& kb = at(b);
        return ka < kb ? -1 : (kb < ka ? 1 : 0);
    };
    // The QSO last clicked for editing is followed to wherever the sort moves it, so that
    // a later update or delete acts on that QSO and not on its old index.
    auto swap = [&](int32_t a, int32_t b) {
        swapqsos(s, a, b);
        std::swap(at(a), at(b));
        if (s.editindex == a)
            s.editindex = b;
        else if (s.editindex == b)
            s.editindex = a;
    };
    quicksortscheme(lo, hi, compare, swap);
}

void sortbytext(AppState& s, int32_t lo, int32_t hi,
                const std::function<std::string(const qsorecord&)>& key) {
    sortbykeys<std::u16string>(s, lo, hi, [&](const qsorecord& q) { return collated(key(q)); });
}

std::string when(const qsorecord& q) {
    return q.date.str() + q.time.str();
}

} // namespace

void sortbydate(AppState& s, int32_t lo, int32_t hi) {
    sortbytext(s, lo, hi, when);
}

void sortbycall(AppState& s, int32_t lo, int32_t hi) {
    sortbytext(s, lo, hi, [](const qsorecord& q) { return q.call.str(); });
}

void sortbydxcc(AppState& s, int32_t lo, int32_t hi) {
    sortbykeys<double>(s, lo, hi, [](const qsorecord& q) {
        return 60.0 * q.dxcc + leadingnumber(q.time.str().substr(3, 2));
    });
}

void sortbyvia(AppState& s, int32_t lo, int32_t hi) {
    sortbytext(s, lo, hi, [](const qsorecord& q) { return q.qslvia.str() + when(q); });
}

void sortbyband(AppState& s, int32_t lo, int32_t hi) {
    sortbytext(s, lo, hi, [](const qsorecord& q) { return sortnumbertext(q.band, 32) + when(q); });
}

void sortbymode(AppState& s, int32_t lo, int32_t hi) {
    sortbytext(s, lo, hi, [](const qsorecord& q) { return sortnumbertext(q.mode, 32) + when(q); });
}

void sortbyprop(AppState& s, int32_t lo, int32_t hi) {
    sortbytext(s, lo, hi, [](const qsorecord& q) { return sortnumbertext(q.prop, 32) + when(q); });
}

void sortbycomment(AppState& s, int32_t lo, int32_t hi) {
    sortbytext(s, lo, hi, [](const qsorecord& q) { return q.comments.str() + when(q); });
}

void sortbyitu(AppState& s, int32_t lo, int32_t hi) {
    sortbytext(s, lo, hi, [](const qsorecord& q) { return q.ituz.str() + q.date.str(); });
}

void sortbycq(AppState& s, int32_t lo, int32_t hi) {
    sortbytext(s, lo, hi, [](const qsorecord& q) { return q.cqz.str() + q.date.str(); });
}

void sortbygrid(AppState& s, int32_t lo, int32_t hi) {
    sortbytext(s, lo, hi, [](const qsorecord& q) { return q.grid.str() + when(q); });
}

void sortbywab(AppState& s, int32_t lo, int32_t hi) {
    sortbytext(s, lo, hi, [](const qsorecord& q) { return q.wab.str() + when(q); });
}

void sortbycontinent(AppState& s, int32_t lo, int32_t hi) {
    sortbytext(s, lo, hi, [](const qsorecord& q) { return sortnumbertext(q.continent) + when(q); });
}

void sortbyfirstaward(AppState& s, int32_t lo, int32_t hi) {
    // Award indexes in numeric order, written at one width so the date after them cannot
    // split an award's QSOs; QSOs without an award last.
    sortbytext(s, lo, hi, [](const qsorecord& q) {
        const int award = q.awards[0];
        char number[16];
        if (award == 0)
            std::snprintf(number, sizeof number, "~");
        else if (award > 0)
            std::snprintf(number, sizeof number, "%05d", award);
        else
            std::snprintf(number, sizeof number, "-%05d", -award);
        return number + when(q);
    });
}

void sortbyqth(AppState& s, int32_t lo, int32_t hi) {
    sortbytext(s, lo, hi, [](const qsorecord& q) { return sortnumbertext(q.qth) + when(q); });
}

void sortbygender(AppState& s, int32_t lo, int32_t hi) {
    sortbytext(s, lo, hi, [](const qsorecord& q) { return sortnumbertext(q.gender) + when(q); });
}

namespace {

// The rows of a work table move whole, through row 0.
template <class Row> void swaprows(std::vector<Row>& table, int32_t a, int32_t b) {
    table[0] = table[static_cast<std::size_t>(a)];
    table[static_cast<std::size_t>(a)] = table[static_cast<std::size_t>(b)];
    table[static_cast<std::size_t>(b)] = table[0];
}

// The work tables' sorts, by the rows' first field.
template <class Row, class Compare>
void sorttable(std::vector<Row>& table, int32_t lo, int32_t hi, Compare rowcompare) {
    if (lo >= hi || lo < 1 || static_cast<std::size_t>(hi) >= table.size()) return;
    auto compare = [&](int32_t a, int32_t b) {
        return rowcompare(table[static_cast<std::size_t>(a)], table[static_cast<std::size_t>(b)]);
    };
    auto swap = [&](int32_t a, int32_t b) { swaprows(table, a, b); };
    quicksortscheme(lo, hi, compare, swap);
}

int comparetext(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const char16_t ua = unicodeof(static_cast<unsigned char>(a[i]));
        const char16_t ub = unicodeof(static_cast<unsigned char>(b[i]));
        if (ua != ub) return ua < ub ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

} // namespace

void prefixsort(std::vector<prefixrow>& prefixwork, int32_t lo, int32_t hi) {
    if (lo >= hi || lo < 1 || static_cast<std::size_t>(hi) >= prefixwork.size()) return;
    // The four characters' code points in one number order the prefixes as the text
    // comparison does; the keyed sort then passes over long runs of one prefix quickly.
    std::vector<uint64_t> keys(static_cast<std::size_t>(hi) + 1);
    for (int32_t i = lo; i <= hi; ++i) {
        uint64_t key = 0;
        for (char c : prefixwork[static_cast<std::size_t>(i)].prefix.view())
            key = key << 16 | unicodeof(static_cast<unsigned char>(c));
        keys[static_cast<std::size_t>(i)] = key;
    }
    auto swap = [&](int32_t a, int32_t b) { swaprows(prefixwork, a, b); };
    quicksortbykey(keys, lo, hi, swap);
}

void numbersort(std::vector<numberrow>& numberwork, int32_t lo, int32_t hi) {
    sorttable(numberwork, lo, hi, [](const numberrow& a, const numberrow& b) {
        return a.number < b.number ? -1 : (a.number > b.number ? 1 : 0);
    });
}

void dxccdetailsort(std::vector<dxccdetailrecord>& dxccdetailtable, int32_t lo, int32_t hi) {
    sorttable(dxccdetailtable, lo, hi, [](const dxccdetailrecord& a, const dxccdetailrecord& b) {
        return comparetext(a.prefix.view(), b.prefix.view());
    });
}

} // namespace tsl
