#include "core/keyedquicksort.h"
#include "core/sorting.h"

#include <gtest/gtest.h>

#include <random>

using namespace tsl;

namespace {

using exchanges = std::vector<std::pair<int32_t, int32_t>>;

// The exchanges the plain scheme makes on the keys lo..hi, in order.
exchanges plain(std::vector<uint64_t> keys, int32_t lo, int32_t hi) {
    exchanges made;
    auto compare = [&](int32_t a, int32_t b) {
        const auto ka = keys[static_cast<std::size_t>(a)];
        const auto kb = keys[static_cast<std::size_t>(b)];
        return ka < kb ? -1 : (kb < ka ? 1 : 0);
    };
    auto swap = [&](int32_t a, int32_t b) {
        std::swap(keys[static_cast<std::size_t>(a)], keys[static_cast<std::size_t>(b)]);
        made.emplace_back(a, b);
    };
    quicksortscheme(lo, hi, compare, swap);
    return made;
}

exchanges keyed(std::vector<uint64_t> keys, int32_t lo, int32_t hi) {
    exchanges made;
    auto swap = [&](int32_t a, int32_t b) { made.emplace_back(a, b); };
    quicksortbykey(keys, lo, hi, swap);
    for (int32_t i = lo; i < hi; ++i)
        EXPECT_LE(keys[static_cast<std::size_t>(i)], keys[static_cast<std::size_t>(i + 1)]);
    return made;
}

// Keys 1..n drawn by the rule; element 0 is swap space.
template <class Draw> std::vector<uint64_t> keysof(int n, Draw draw) {
    std::vector<uint64_t> keys(static_cast<std::size_t>(n) + 1, 0);
    for (int i = 1; i <= n; ++i)
        keys[static_cast<std::size_t>(i)] = draw(i);
    return keys;
}

} // namespace

TEST(KeyedQuicksort, MakesTheSchemesExchangesInItsOrder) {
    std::mt19937 random(24);
    auto among = [&](uint64_t values) {
        return [&random, values](int) { return random() % values; };
    };
    // Mostly one key: the largest, the smallest or one in the middle of the others.
    auto mostly = [&](uint64_t key) {
        return [&random, key](int) { return random() % 10 < 9 ? key : uint64_t{random() % 7}; };
    };
    for (int n : {1, 2, 3, 64, 65, 66, 130, 1000, 3001}) {
        const std::vector<std::vector<uint64_t>> cases = {
            keysof(n, [](int) { return uint64_t{7}; }),
            keysof(n, among(2)),
            keysof(n, among(5)),
            keysof(n, among(1u << 30)),
            keysof(n, mostly(6)),
            keysof(n, mostly(0)),
            keysof(n, mostly(3)),
            keysof(n, [](int i) { return uint64_t(i); }),
            keysof(n, [n](int i) { return uint64_t(n - i); }),
            keysof(n, [](int i) { return uint64_t(i % 3 == 0 ? 1 : 2); }),
        };
        for (std::size_t c = 0; c < cases.size(); ++c)
            EXPECT_EQ(keyed(cases[c], 1, n), plain(cases[c], 1, n)) << n << " case " << c;
    }
}

TEST(KeyedQuicksort, SortsOnlyItsRange) {
    std::mt19937 random(7);
    auto keys = keysof(500, [&](int) { return uint64_t{random() % 3}; });
    const exchanges made = keyed(keys, 100, 400);
    EXPECT_EQ(made, plain(keys, 100, 400));
    for (const auto& [a, b] : made) {
        EXPECT_TRUE(a >= 100 && a <= 400 && b >= 100 && b <= 400);
    }
    EXPECT_TRUE(keyed(keys, 5, 5).empty());
    EXPECT_TRUE(keyed(keys, 9, 3).empty());
}

TEST(KeyedQuicksort, PrefixRowsFollowTheCodePageOrder) {
    // The euro sign (byte 0x80) stands after the slashed zero (0xD8) by its code point.
    std::vector<prefixrow> rows(200);
    for (std::size_t i = 1; i < rows.size(); ++i) {
        rows[i].prefix = i % 3 == 0 ? "W\x80" : (i % 3 == 1 ? "W\xd8" : "W1");
        rows[i].call = "C" + std::to_string(i);
    }
    prefixsort(rows, 1, 199);
    // 66 rows of "W1", 67 of the slashed zero, 66 of the euro sign.
    EXPECT_EQ(rows[66].prefix, "W1  ");
    EXPECT_EQ(rows[67].prefix, "W\xd8  ");
    EXPECT_EQ(rows[133].prefix, "W\xd8  ");
    EXPECT_EQ(rows[134].prefix, "W\x80  ");
}
