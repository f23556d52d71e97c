// Every table the program sorts, sorted by its own sort and by the scheme written as
// plainly as it can be, on random tables with long runs of equal keys: the rows, row 0
// included, end in the same order.

#include "core/quicksort.h"
#include "core/sorting.h"
#include "core/sortkeys.h"
#include "nets/netqso.h"
#include "platform/codepage.h"
#include "reports/arlhs.h"
#include "reports/gridsquares.h"
#include "reports/wab.h"

#include "support/plainscheme.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

using namespace tsl;

namespace {

// Keys compared as the program's design says: texts character by character by Unicode
// value, numbers by value.
int plaincompare(const std::string& a, const std::string& b) {
    std::u16string ua, ub;
    for (unsigned char c : a)
        ua.push_back(unicodeof(c));
    for (unsigned char c : b)
        ub.push_back(unicodeof(c));
    return ua < ub ? -1 : (ub < ua ? 1 : 0);
}
int plaincompare(int32_t a, int32_t b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

// The scheme's steps, recursive, every comparison made afresh, whole rows exchanged
// through row 0.
template <class Row, class Key>
void plainsort(std::vector<Row>& t, int32_t lo, int32_t hi, const Key& key) {
    auto row = [&](int32_t k) -> Row& { return t[static_cast<std::size_t>(k)]; };
    test::plainscheme(
        lo, hi, [&](int32_t a, int32_t b) { return plaincompare(key(row(a)), key(row(b))); },
        [&](int32_t a, int32_t b) {
            t[0] = row(a);
            row(a) = row(b);
            row(b) = t[0];
        });
}

// Keys of one table: a few distinct texts of characters whose byte order and character
// order differ (the slashed zero, the code page's typographic characters, small letters),
// some of them beginnings of others; half the tables laid out in long runs of one key,
// half scattered.
class Keys {
  public:
    explicit Keys(unsigned seed) : random_(seed) {}

    std::vector<std::string> table(std::size_t rows, std::size_t width) {
        static const std::string characters = "  0159AKWZaz?.\xd8\x80\x8a\x9f\xff\xe9";
        std::vector<std::string> distinct(1 + random_() % 6);
        for (std::string& k : distinct) {
            const std::size_t length = random_() % (width + 1);
            for (std::size_t c = 0; c < length; ++c)
                k.push_back(characters[random_() % characters.size()]);
        }
        distinct.push_back(distinct[0].substr(0, distinct[0].size() / 2));
        std::vector<std::string> keys;
        const bool runs = random_() % 2 == 0;
        while (keys.size() < rows) {
            const std::string& k = distinct[random_() % distinct.size()];
            const std::size_t run = runs ? 1 + random_() % 80 : 1;
            for (std::size_t r = 0; r < run && keys.size() < rows; ++r)
                keys.push_back(k);
        }
        return keys;
    }
    std::size_t rows() { return 2 + random_() % 300; }
    int32_t number() { return static_cast<int32_t>(random_() % 5) - 2; }

  private:
    std::mt19937 random_;
};

// Fills a table of `rows` rows (and row 0) through fill(row, key, id), sorts one copy with
// the program's sort and one with the plain scheme, and compares the rows' ids in order.
template <class Row, class Fill, class Id, class Key, class Sort>
void samesort(const char* user, std::size_t width, Fill fill, Id id, Key key, Sort sort) {
    for (unsigned seed = 1; seed <= 50; ++seed) {
        Keys random(seed);
        const std::size_t rows = random.rows();
        const std::vector<std::string> keys = random.table(rows, width);
        std::vector<Row> table(rows + 1);
        for (std::size_t k = 0; k <= rows; ++k)
            fill(table[k], k == 0 ? std::string("row 0") : keys[k - 1], static_cast<int32_t>(k));
        std::vector<Row> plain = table;
        sort(table, 1, static_cast<int32_t>(rows));
        plainsort(plain, 1, static_cast<int32_t>(rows), key);
        for (std::size_t k = 0; k <= rows; ++k)
            ASSERT_EQ(id(table[k]), id(plain[k])) << user << " seed " << seed << " row " << k;
    }
}

struct callcode {
    FixedText<10> call;
    FixedText<2> code;
    int32_t id = 0;
};

struct worklistentry {
    FixedText<10> call;
    FixedText<4> prefix;
    int16_t dxcc = 0;
    int32_t id = 0;
};

} // namespace

TEST(TableSorts, TheReportWorkTablesGetTheSchemesOrder) {
    samesort<prefixrow>(
        "prefixsort", 4,
        [](prefixrow& r, const std::string& k, int32_t id) {
            r.prefix = k;
            r.call = std::to_string(id);
        },
        [](const prefixrow& r) { return r.call.str(); },
        [](const prefixrow& r) { return r.prefix.str(); }, prefixsort);
    samesort<dxccdetailrecord>(
        "dxccdetailsort", 4,
        [](dxccdetailrecord& r, const std::string& k, int32_t id) {
            r.prefix = k;
            r.name = std::to_string(id);
        },
        [](const dxccdetailrecord& r) { return r.name.str(); },
        [](const dxccdetailrecord& r) { return r.prefix.str(); }, dxccdetailsort);
    samesort<numberrow>(
        "numbersort", 1,
        [](numberrow& r, const std::string& k, int32_t id) {
            r.number = k.empty() ? -1 : static_cast<unsigned char>(k[0]) % 5 - 2;
            r.call = std::to_string(id);
        },
        [](const numberrow& r) { return r.call.str(); },
        [](const numberrow& r) { return r.number; }, numbersort);
}

TEST(TableSorts, ThePickersTablesGetTheSchemesOrder) {
    samesort<gridrow>(
        "gridsort", 5,
        [](gridrow& r, const std::string& k, int32_t id) {
            r.key = k;
            r.call = std::to_string(id);
        },
        [](const gridrow& r) { return r.call.str(); }, [](const gridrow& r) { return r.key.str(); },
        gridsort);
    samesort<wabrow>(
        "wabsort", 10,
        [](wabrow& r, const std::string& k, int32_t id) {
            r.wab = k;
            r.call = std::to_string(id);
        },
        [](const wabrow& r) { return r.call.str(); }, [](const wabrow& r) { return r.wab.str(); },
        wabsort);
    samesort<arlhsrow>(
        "sortreporttable", 7,
        [](arlhsrow& r, const std::string& k, int32_t id) {
            r.rowkey = k;
            r.rowentry = id;
        },
        [](const arlhsrow& r) { return r.rowentry; },
        [](const arlhsrow& r) { return r.rowkey.str(); }, sortreporttable);
    // The Century Club Net's tables: calls, and calls followed by their area code.
    samesort<callcode>(
        "sortpickertable", 12,
        [](callcode& r, const std::string& k, int32_t id) {
            r.call = k.substr(0, std::min<std::size_t>(k.size(), 10));
            r.code = k.size() > 10 ? k.substr(10) : "";
            r.id = id;
        },
        [](const callcode& r) { return r.id; },
        [](const callcode& r) { return r.call.str() + r.code.str(); },
        [](std::vector<callcode>& t, int32_t lo, int32_t hi) {
            sortpickertable(
                t, lo, hi, [](const callcode& r) { return r.call.str() + r.code.str(); },
                swapthroughrowzero<callcode>);
        });
}

TEST(TableSorts, TheNetWorkListsGetTheSchemesOrder) {
    auto fill = [](worklistentry& r, const std::string& k, int32_t id) {
        r.call = k;
        r.prefix = k.substr(0, std::min<std::size_t>(k.size(), 4));
        r.dxcc = static_cast<int16_t>(k.size() % 3);
        r.id = id;
    };
    auto id = [](const worklistentry& r) { return r.id; };
    samesort<worklistentry>(
        "sortworklist by call", 10, fill, id, [](const worklistentry& r) { return r.call.str(); },
        [](std::vector<worklistentry>& t, int32_t lo, int32_t hi) {
            sortworklist(t, lo, hi, [](const worklistentry& r) { return r.call.view(); });
        });
    samesort<worklistentry>(
        "sortworklist by prefix", 10, fill, id,
        [](const worklistentry& r) { return r.prefix.str(); },
        [](std::vector<worklistentry>& t, int32_t lo, int32_t hi) {
            sortworklist(t, lo, hi, [](const worklistentry& r) { return r.prefix.view(); });
        });
    samesort<worklistentry>(
        "sortworklist by entity", 10, fill, id,
        [](const worklistentry& r) { return int32_t{r.dxcc}; },
        [](std::vector<worklistentry>& t, int32_t lo, int32_t hi) {
            sortworklist(t, lo, hi, [](const worklistentry& r) { return r.dxcc; });
        });
}

TEST(TableSorts, TextKeysOrderAsTheirCharacters) {
    const std::vector<std::string> ascending = {"",
                                                "K9A",
                                                "KZA",
                                                "K\xd8"
                                                "A",
                                                "K\x80"
                                                "A", // U+20AC, after U+00D8
                                                "W1",
                                                "W1 ",
                                                "a"};
    for (std::size_t i = 0; i + 1 < ascending.size(); ++i) {
        EXPECT_LT(characterkey(ascending[i]), characterkey(ascending[i + 1])) << i;
        EXPECT_LT(textkeyof(ascending[i]), textkeyof(ascending[i + 1])) << i;
    }
    EXPECT_EQ(textkeyof("W1AW"), textkeyof("W1AW"));
}

namespace {
struct longrow {
    std::string key;
    int32_t id = 0;
};
} // namespace

TEST(TableSorts, KeysPastSixteenCharactersOrHoldingTheCharacterZeroSortWhole) {
    samesort<longrow>(
        "sorttablerows, keys of 20", 20,
        [](longrow& r, const std::string& k, int32_t id) {
            r.key = k + std::string(20 - std::min<std::size_t>(k.size(), 20), ' ');
            r.id = id;
        },
        [](const longrow& r) { return r.id; }, [](const longrow& r) { return r.key; },
        [](std::vector<longrow>& t, int32_t lo, int32_t hi) {
            sorttablerows(
                t, lo, hi, [](const longrow& r) -> std::string_view { return r.key; },
                swapthroughrowzero<longrow>);
        });
    std::vector<longrow> t = {{"row 0", 0},
                              {"ABCDEFGHIJKLMNOPQ", 1},
                              {std::string("A\0B", 3), 2},
                              {"A", 3},
                              {"ABCDEFGHIJKLMNOPP", 4}};
    sorttablerows(
        t, 1, 4, [](const longrow& r) { return r.key; }, swapthroughrowzero<longrow>);
    std::vector<int32_t> ids;
    for (const longrow& r : t)
        ids.push_back(r.id);
    EXPECT_EQ(ids, (std::vector<int32_t>{1, 3, 2, 4, 1}));
}
