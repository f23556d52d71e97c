#include "core/numbers.h"
#include "core/quicksort.h"
#include "core/sorting.h"
#include "core/state.h"
#include "platform/codepage.h"

#include "support/plainscheme.h"

#include <gtest/gtest.h>

#include <pthread.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <random>
#include <utility>
#include <vector>

using namespace tsl;

namespace {

struct Sorting : ::testing::Test {
    std::unique_ptr<AppState> s = std::make_unique<AppState>();

    // QSOs named by their comment, so the order can be read back.
    qsorecord& add(const std::string& name, const std::string& date = "20240101",
                   const std::string& time = "12:00") {
        qsorecord& q = s->qsos[static_cast<std::size_t>(++s->qsocount)];
        q = qsorecord{};
        q.comments = name;
        q.date = date;
        q.time = time;
        return q;
    }
    std::vector<std::string> order() const {
        std::vector<std::string> list;
        for (int i = 1; i <= s->qsocount; ++i)
            list.push_back(s->qsos[static_cast<std::size_t>(i)].comments.trimmedright());
        return list;
    }
    using names = std::vector<std::string>;
};

} // namespace

TEST(SortMidpoint, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(sortmidpoint(1, 3), 2);
    EXPECT_EQ(sortmidpoint(1, 4), 2);
    EXPECT_EQ(sortmidpoint(2, 5), 4);
    EXPECT_EQ(sortmidpoint(1, 8), 4);
    EXPECT_EQ(sortmidpoint(3, 8), 6);
    EXPECT_EQ(sortmidpoint(100000, 100001), 100000);
}

namespace {

using exchanges = std::vector<std::pair<int32_t, int32_t>>;

// The scheme's steps as plainly written, every step comparing, each exchange recorded.
void plainexchanges(std::vector<int>& keys, int32_t lo, int32_t hi, exchanges& made) {
    auto key = [&](int32_t k) { return keys[static_cast<std::size_t>(k)]; };
    test::plainscheme(
        lo, hi, [&](int32_t a, int32_t b) { return key(a) < key(b) ? -1 : (key(a) > key(b)); },
        [&](int32_t a, int32_t b) {
            made.emplace_back(a, b);
            std::swap(keys[static_cast<std::size_t>(a)], keys[static_cast<std::size_t>(b)]);
        });
}

struct countedsort {
    std::vector<int> keys;
    exchanges made;
    long long comparisons = 0;
    void run() {
        auto compare = [this](int32_t a, int32_t b) {
            ++comparisons;
            const int ka = keys[static_cast<std::size_t>(a)];
            const int kb = keys[static_cast<std::size_t>(b)];
            return ka < kb ? -1 : (ka > kb ? 1 : 0);
        };
        auto swap = [this](int32_t a, int32_t b) {
            made.emplace_back(a, b);
            std::swap(keys[static_cast<std::size_t>(a)], keys[static_cast<std::size_t>(b)]);
        };
        quicksortscheme(1, static_cast<int32_t>(keys.size()) - 1, compare, swap);
    }
};

} // namespace

TEST(QuicksortScheme, MakesThePlainSchemesExchangesOnRunsOfEqualKeys) {
    std::mt19937 random(20240825);
    for (int round = 0; round < 400; ++round) {
        const auto n = static_cast<std::size_t>(2 + random() % 150);
        const unsigned distinct = 1 + random() % 5;
        countedsort fast;
        fast.keys.assign(n + 1, 0);
        for (std::size_t k = 1; k <= n; ++k)
            fast.keys[k] = static_cast<int>(random() % distinct);
        std::vector<int> plain = fast.keys;
        exchanges expected;
        plainexchanges(plain, 1, static_cast<int32_t>(n), expected);
        fast.run();
        ASSERT_EQ(fast.made, expected) << "round " << round;
        ASSERT_EQ(fast.keys, plain);
    }
}

TEST(QuicksortScheme, ARunOfOneKeyCostsAFewPasses) {
    countedsort one;
    one.keys.assign(100001, 7);
    one.run();
    EXPECT_LT(one.comparisons, 3 * 100000);
    // One smaller key below the run: still no pass per element.
    countedsort below;
    below.keys.assign(100001, 7);
    below.keys[1] = 3;
    below.run();
    EXPECT_LT(below.comparisons, 3 * 100000);
    EXPECT_EQ(below.keys[1], 3);
}

TEST(SortNumberText, BlankThenTheExactDecimal) {
    EXPECT_EQ(sortnumbertext(5), " 5");
    EXPECT_EQ(sortnumbertext(0), " 0");
    EXPECT_EQ(sortnumbertext(16, 32), " .5");
    EXPECT_EQ(sortnumbertext(1, 32), " .03125");
    EXPECT_EQ(sortnumbertext(1, 512), " .001953125");
    EXPECT_EQ(sortnumbertext(0, 512), " 0");
}

TEST_F(Sorting, ShortRangesAndIncreasingKeysStayAsTheyAre) {
    sortbycall(*s, 1, 0);
    add("a").call = "W1A";
    sortbycall(*s, 1, 1);
    add("b").call = "W1A"; // equal keys are not exchanged
    sortbycall(*s, 1, 2);
    EXPECT_EQ(order(), (names{"a", "b"}));
    s->qsocount = 0;
    for (const char* n : {"a", "b", "c", "d", "e", "f", "g"})
        add(n).call = n;
    sortbycall(*s, 1, s->qsocount);
    EXPECT_EQ(order(), (names{"a", "b", "c", "d", "e", "f", "g"}));
}

TEST_F(Sorting, EqualKeysEndInTheOrderTheSchemeGives) {
    add("b").call = "B";
    add("a1").call = "A";
    add("a2").call = "A";
    add("a3").call = "A";
    sortbycall(*s, 1, 4);
    EXPECT_EQ(order(), (names{"a1", "a3", "a2", "b"}));
}

TEST_F(Sorting, IndexKeysPutIndexZeroWhereTheNumberTextPutsIt) {
    add("none", "20240101").band = 0;
    add("b18", "20200101").band = 18;
    add("b16", "20990101").band = 16;
    add("b3", "20240101").band = 3;
    sortbyband(*s, 1, 4);
    EXPECT_EQ(order(), (names{"b3", "b16", "b18", "none"}));
    for (int i = 1; i <= 4; ++i)
        s->qsos[static_cast<std::size_t>(i)].continent = s->qsos[static_cast<std::size_t>(i)].band;
    sortbycontinent(*s, 1, 4);
    EXPECT_EQ(order().front(), "none");
}

TEST_F(Sorting, FirstAwardKeepsEachAwardTogetherAndNoAwardLast) {
    add("none").awards[0] = 0;
    add("129-old", "20000101").awards[0] = 129;
    add("128-new", "20240101").awards[0] = 128;
    add("384", "20240101").awards[0] = 384;
    add("128-old", "20000101").awards[0] = 128;
    add("7").awards[0] = 7;
    add("256").awards[0] = 256;
    sortbyfirstaward(*s, 1, s->qsocount);
    EXPECT_EQ(order(), (names{"7", "128-old", "128-new", "129-old", "256", "384", "none"}));
}

TEST_F(Sorting, ZonesCompareAsTextAndDxccByEntityThenMinute) {
    add("10").ituz = "10";
    add("3").ituz = "3";
    add("many").ituz = "??";
    add("30").ituz = "30";
    sortbyitu(*s, 1, 4);
    EXPECT_EQ(order(), (names{"10", "3", "30", "many"}));

    s->qsocount = 0;
    qsorecord& late = add("23:05", "20240102", "23:05");
    late.dxcc = 5;
    qsorecord& early = add("00:10", "20200101", "00:10");
    early.dxcc = 5;
    add("none", "20240101", "00:59").dxcc = 0;
    sortbydxcc(*s, 1, 3);
    EXPECT_EQ(order(), (names{"none", "23:05", "00:10"}));
}

TEST_F(Sorting, TheSlashedZeroSortsAfterLettersAndDigits) {
    add("slashed").call = "K\xd8"
                          "A";
    add("letter").call = "KZA";
    add("digit").call = "K9A";
    add("euro").call = "K\x80"
                       "A"; // U+20AC, after U+00D8
    sortbycall(*s, 1, 4);
    EXPECT_EQ(order(), (names{"digit", "letter", "slashed", "euro"}));
}

TEST_F(Sorting, TheEditedQsoIsFollowedToItsNewPlace) {
    add("c", "20240103");
    add("a", "20240101");
    add("b", "20240102");
    s->editindex = 1; // "c"
    sortbydate(*s, 1, 3);
    EXPECT_EQ(order(), (names{"a", "b", "c"}));
    EXPECT_EQ(s->editindex, 3);
}

namespace {
struct DeepSort {
    Sorting* fixture;
    static void* run(void* arg) {
        auto* self = static_cast<DeepSort*>(arg);
        sortbycall(*self->fixture->s, 1, self->fixture->s->qsocount);
        return nullptr;
    }
};
} // namespace

TEST_F(Sorting, ALongRunOfEqualKeysNeedsLittleStack) {
    // One call on every QSO: each partition peels off one record. On a 128 KiB stack a
    // recursion as deep as the run would overflow.
    for (int i = 0; i < 3000; ++i)
        add("x").call = "W1AW";
    DeepSort job{this};
    pthread_attr_t attr;
    pthread_attr_init(&attr);
    pthread_attr_setstacksize(&attr, 128 * 1024);
    pthread_t thread;
    ASSERT_EQ(pthread_create(&thread, &attr, &DeepSort::run, &job), 0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attr);
    EXPECT_EQ(s->qsocount, 3000);
    EXPECT_EQ(s->qsos[3000].call.trimmedright(), "W1AW");
}

TEST(WorkTableSorts, EachTableByItsFirstField) {
    std::vector<prefixrow> prefixes(5);
    prefixes[1].prefix = "W1";
    prefixes[2].prefix = "9A";
    prefixes[3].prefix = "W10";
    prefixes[4].prefix = "K";
    prefixsort(prefixes, 1, 4);
    EXPECT_EQ(prefixes[1].prefix, "9A  ");
    EXPECT_EQ(prefixes[2].prefix, "K   ");
    EXPECT_EQ(prefixes[3].prefix, "W1  ");
    EXPECT_EQ(prefixes[4].prefix, "W10 ");

    std::vector<numberrow> numbers(4);
    numbers[1].number = 10;
    numbers[2].number = -3;
    numbers[3].number = 2;
    numbers[3].call = "TWO";
    numbersort(numbers, 1, 3);
    EXPECT_EQ(numbers[1].number, -3);
    EXPECT_EQ(numbers[2].number, 2);
    EXPECT_EQ(numbers[2].call.trimmedright(), "TWO"); // whole rows move
    EXPECT_EQ(numbers[3].number, 10);

    std::vector<dxccdetailrecord> detail(3);
    detail[1].prefix = "ZS";
    detail[2].prefix = "3B6";
    dxccdetailsort(detail, 1, 2);
    EXPECT_EQ(detail[1].prefix, "3B6 ");
    dxccdetailsort(detail, 1, 99); // a range past the table is refused
    EXPECT_EQ(detail[1].prefix, "3B6 ");
}

using tsl::test::plainscheme;

namespace {

// The scheme as plainly as it can be written: keys formed afresh at every comparison,
// compared character by character by Unicode value, whole records exchanged through
// element 0, the edited QSO followed through every exchange.

void slowsort(AppState& s, int32_t lo, int32_t hi,
              const std::function<int(const qsorecord&, const qsorecord&)>& compare) {
    plainscheme(
        lo, hi,
        [&](int32_t a, int32_t b) {
            return compare(s.qsos[static_cast<std::size_t>(a)],
                           s.qsos[static_cast<std::size_t>(b)]);
        },
        [&](int32_t a, int32_t b) {
            swapqsos(s, a, b);
            if (s.editindex == a)
                s.editindex = b;
            else if (s.editindex == b)
                s.editindex = a;
        });
}

std::u16string unicode(const std::string& bytes) {
    std::u16string out;
    for (unsigned char c : bytes)
        out.push_back(unicodeof(c));
    return out;
}

std::function<int(const qsorecord&, const qsorecord&)>
bytext(std::function<std::string(const qsorecord&)> key) {
    return [key](const qsorecord& a, const qsorecord& b) {
        const std::u16string ka = unicode(key(a)), kb = unicode(key(b));
        return ka < kb ? -1 : (kb < ka ? 1 : 0);
    };
}

std::string when(const qsorecord& q) {
    return q.date.str() + q.time.str();
}

std::string awardtext(const qsorecord& q) {
    char number[16];
    if (q.awards[0] == 0)
        std::snprintf(number, sizeof number, "~");
    else
        std::snprintf(number, sizeof number, "%05d", q.awards[0]);
    return number;
}

using Sort = void (*)(AppState&, int32_t, int32_t);
struct keyed {
    const char* name;
    Sort fast;
    std::function<int(const qsorecord&, const qsorecord&)> slow;
};

std::vector<keyed> sixteenkeys() {
    auto number = [](auto field, int32_t divisor) {
        return bytext(
            [=](const qsorecord& q) { return sortnumbertext(field(q), divisor) + when(q); });
    };
    return {
        {"date", sortbydate, bytext(when)},
        {"call", sortbycall, bytext([](const qsorecord& q) { return q.call.str(); })},
        {"dxcc", sortbydxcc,
         [](const qsorecord& a, const qsorecord& b) {
             auto key = [](const qsorecord& q) {
                 return 60.0 * q.dxcc + leadingnumber(q.time.str().substr(3, 2));
             };
             return key(a) < key(b) ? -1 : (key(b) < key(a) ? 1 : 0);
         }},
        {"via", sortbyvia, bytext([](const qsorecord& q) { return q.qslvia.str() + when(q); })},
        {"band", sortbyband, number([](const qsorecord& q) { return q.band; }, 32)},
        {"mode", sortbymode, number([](const qsorecord& q) { return q.mode; }, 32)},
        {"prop", sortbyprop, number([](const qsorecord& q) { return q.prop; }, 32)},
        {"comment", sortbycomment,
         bytext([](const qsorecord& q) { return q.comments.str() + when(q); })},
        {"itu", sortbyitu, bytext([](const qsorecord& q) { return q.ituz.str() + q.date.str(); })},
        {"cq", sortbycq, bytext([](const qsorecord& q) { return q.cqz.str() + q.date.str(); })},
        {"grid", sortbygrid, bytext([](const qsorecord& q) { return q.grid.str() + when(q); })},
        {"wab", sortbywab, bytext([](const qsorecord& q) { return q.wab.str() + when(q); })},
        {"continent", sortbycontinent, number([](const qsorecord& q) { return q.continent; }, 1)},
        {"firstaward", sortbyfirstaward,
         bytext([](const qsorecord& q) { return awardtext(q) + when(q); })},
        {"qth", sortbyqth, number([](const qsorecord& q) { return q.qth; }, 1)},
        {"gender", sortbygender, number([](const qsorecord& q) { return q.gender; }, 1)},
    };
}

// A log full of ties: few distinct values in every field, many of them empty, no times
// in most QSOs. Slot 5, which nothing reads, tells each record apart.
void fillwithties(AppState& s, int n, unsigned seed) {
    std::mt19937 random(seed);
    auto pick = [&](std::initializer_list<const char*> values) {
        return std::data(values)[random() % values.size()];
    };
    s.qsocount = n;
    for (int i = 1; i <= n; ++i) {
        qsorecord& q = s.qsos[static_cast<std::size_t>(i)];
        q = qsorecord{};
        q.date = pick({"20240101", "20240101", "20231231", "20240102"});
        q.time = pick({"", "", "", "12:05", "00:10", "23:05"});
        q.call = pick({"W1AW", "W1AW", "W1AW",
                       "K\xd8"
                       "A",
                       "K\x80"
                       "A",
                       "KZA", "K9A", ""});
        q.qslvia = pick({"", "", "", "", "W1AW"});
        q.comments = pick({"", "", "", "", "", "", "", "", "", "note"});
        q.ituz = pick({"", "3", "10", "??", "30"});
        q.cqz = pick({"", "3", "10", "??"});
        q.grid = pick({"", "FN42", "FN42ab"});
        q.wab = pick({"", "", "SU12"});
        q.band = static_cast<int16_t>(std::vector<int>{0, 3, 8, 16, 17, 18}[random() % 6]);
        q.mode = static_cast<int16_t>(random() % 3);
        q.prop = static_cast<int16_t>(random() % 2);
        q.continent = static_cast<int16_t>(random() % 3);
        q.qth = static_cast<int16_t>(random() % 2);
        q.gender = static_cast<int16_t>(random() % 2);
        q.dxcc = static_cast<int16_t>(std::vector<int>{0, 5, 5, 5, 291}[random() % 5]);
        q.awards[0] = static_cast<int16_t>(std::vector<int>{0, 7, 128, 129, 256}[random() % 5]);
        q.entries[5] = i;
    }
}

std::vector<int32_t> identities(const AppState& s) {
    std::vector<int32_t> out;
    for (int i = 0; i <= s.qsocount; ++i)
        out.push_back(s.qsos[static_cast<std::size_t>(i)].entries[5]);
    return out;
}

} // namespace

TEST(FastSorts, EndInTheOrderOfThePlainSchemeOnLogsFullOfTies) {
    auto fast = std::make_unique<AppState>();
    auto slow = std::make_unique<AppState>();
    int compared = 0;
    for (const keyed& k : sixteenkeys()) {
        for (unsigned seed = 1; seed <= 12; ++seed) {
            const int n = seed == 12 ? 700 : static_cast<int>(seed * seed * 7 % 300);
            fillwithties(*fast, n, seed);
            fillwithties(*slow, n, seed);
            fast->editindex = slow->editindex = n / 3 + 1;
            k.fast(*fast, 1, n);
            slowsort(*slow, 1, n, k.slow);
            ASSERT_EQ(identities(*fast), identities(*slow)) << k.name << " seed " << seed;
            ASSERT_EQ(fast->editindex, slow->editindex) << k.name << " seed " << seed;
            ++compared;
        }
    }
    EXPECT_EQ(compared, 16 * 12);
}

TEST(FastSorts, WorkTablesEndInTheOrderOfThePlainScheme) {
    std::mt19937 random(7);
    std::vector<numberrow> fast(400), slow;
    for (std::size_t k = 1; k < fast.size(); ++k) {
        fast[k].number = static_cast<int32_t>(random() % 5) - 2;
        fast[k].call = std::to_string(k);
    }
    slow = fast;
    numbersort(fast, 1, 399);
    plainscheme(
        1, 399,
        [&](int32_t a, int32_t b) {
            const int32_t x = slow[static_cast<std::size_t>(a)].number;
            const int32_t y = slow[static_cast<std::size_t>(b)].number;
            return x < y ? -1 : (x > y ? 1 : 0);
        },
        [&](int32_t a, int32_t b) {
            slow[0] = slow[static_cast<std::size_t>(a)];
            slow[static_cast<std::size_t>(a)] = slow[static_cast<std::size_t>(b)];
            slow[static_cast<std::size_t>(b)] = slow[0];
        });
    for (std::size_t k = 0; k < fast.size(); ++k)
        ASSERT_EQ(fast[k].call, slow[k].call) << k;
}
