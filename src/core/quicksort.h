#pragma once
// The one quicksort of the program: the middle element as pivot, exchanges through the
// swap space of element 0, the smaller side sorted first. Every sort of the log and of the
// reports runs it, so they all make the same comparisons and exchanges. The larger side is
// sorted by continuing the loop, which bounds the call depth on long runs of equal keys
// and gives the same result, the two sides being disjoint.
//
// A pivot that is the largest key of its range only moves to the top of the range. Once a
// scan has shown which keys of a range equal that largest key, the following steps whose
// pivot is one of them are made without comparing again: a run of k equal keys costs a few
// passes instead of k x k / 2 comparisons, and the exchanges stay exactly the same.
//
// The log's sorts run the same scheme on ranks (quicksortorder): each element's key is
// replaced by its place among the distinct keys, so a comparison is one of two integers;
// the exchanges are those of the scheme, made on the ranks and on the elements' indexes,
// and the caller then moves each element once. Each range carries bounds of its ranks
// (the pivots that made it), so a range of equal keys, or a pivot at the top or the bottom
// of its range, takes no scan of the range. The larger side waits on a stack of its own
// while the smaller is sorted, as a loop would have it.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace tsl {

// (lo + hi) / 2 to the nearest whole number, halves to the even neighbour.
int32_t sortmidpoint(int32_t lo, int32_t hi);

namespace quicksortdetail {

template <class Compare, class Swap> struct sortjob {
    Compare& compare;
    Swap& swap;
    int32_t first;
    int32_t last;
    std::vector<char> top; // per element: its key equals the largest key of the peeled range

    char& istop(int32_t k) { return top[static_cast<std::size_t>(k - first)]; }

    void sort(int32_t lo, int32_t hi) {
        bool peeling = false; // no key of lo..hi is above the top key, and istop marks it
        while (lo < hi) {
            if (hi - lo == 1) {
                if (compare(lo, hi) > 0) swap(lo, hi);
                return;
            }
            const int32_t mid = sortmidpoint(lo, hi);
            if (peeling && istop(mid)) {
                // The scans would pass every element and leave the pivot where it stands.
                swap(hi, mid);
                std::swap(istop(hi), istop(mid));
                swap(hi, hi);
                --hi;
                continue;
            }
            peeling = false;
            swap(hi, mid);
            int32_t i = lo;
            int32_t j = hi;
            do {
                while (i < j && compare(i, hi) <= 0)
                    ++i;
                while (j > i && compare(j, hi) >= 0)
                    --j;
                if (i < j) swap(i, j);
            } while (i < j);
            swap(i, hi);
            if (i == hi) {
                // The pivot was the largest key: only lo..hi - 1 is left to sort.
                if (top.empty()) top.assign(static_cast<std::size_t>(last - first + 1), 0);
                for (int32_t k = lo; k < hi; ++k)
                    istop(k) = compare(k, hi) == 0;
                peeling = true;
                --hi;
                continue;
            }
            if (i - lo < hi - i) {
                sort(lo, i - 1);
                lo = i + 1;
            } else {
                sort(i + 1, hi);
                hi = i - 1;
            }
        }
    }
};

} // namespace quicksortdetail

// Sorts lo..hi ascending. compare(a, b) tells how the key now at a stands to the key now
// at b (<0, 0, >0); swap(a, b) exchanges the elements at a and b.
template <class Compare, class Swap>
void quicksortscheme(int32_t lo, int32_t hi, Compare& compare, Swap& swap) {
    if (lo >= hi) return;
    quicksortdetail::sortjob<Compare, Swap> job{compare, swap, lo, hi, {}};
    job.sort(lo, hi);
}

struct schemeorder {
    // from[k]: the index the element that ends at lo + k stood at before the sort.
    std::vector<int32_t> from;
    // The index (before the sort) of the element a copy of which is left in element 0 by
    // the last exchange; -1 when the scheme made no exchange.
    int32_t zero = -1;
};

// The order the scheme leaves lo..hi in, for the ranks of elements lo..hi (ranks[k] is
// the rank of element lo + k; equal keys have equal ranks).
schemeorder quicksortorder(std::vector<int32_t> ranks, int32_t lo);

// The ranks of keys: the place of each key among the distinct keys in ascending order.
// less(a, b) orders the keys of a and b, indexes 0..n-1.
template <class Less> std::vector<int32_t> rankkeys(int32_t n, Less less) {
    std::vector<int32_t> byorder(static_cast<std::size_t>(n));
    for (int32_t i = 0; i < n; ++i)
        byorder[static_cast<std::size_t>(i)] = i;
    std::sort(byorder.begin(), byorder.end(), less);
    std::vector<int32_t> ranks(static_cast<std::size_t>(n));
    int32_t rank = 0;
    for (std::size_t k = 0; k < byorder.size(); ++k) {
        if (k > 0 && less(byorder[k - 1], byorder[k])) ++rank;
        ranks[static_cast<std::size_t>(byorder[k])] = rank;
    }
    return ranks;
}

// Moves elements lo..hi of an array into the order given, each element once, and leaves
// in element 0 the copy the exchanges leave there; at(i) is element i.
template <class At> void applyorder(const schemeorder& order, int32_t lo, At at) {
    const auto n = static_cast<int32_t>(order.from.size());
    std::vector<char> placed(order.from.size(), 0);
    int32_t zeroat = -1;
    for (int32_t k = 0; k < n; ++k) {
        if (order.from[static_cast<std::size_t>(k)] == order.zero) zeroat = lo + k;
        if (placed[static_cast<std::size_t>(k)] ||
            order.from[static_cast<std::size_t>(k)] == lo + k)
            continue;
        // One cycle of the permutation, through element 0.
        at(0) = at(lo + k);
        int32_t to = k;
        for (;;) {
            placed[static_cast<std::size_t>(to)] = 1;
            const int32_t source = order.from[static_cast<std::size_t>(to)];
            if (source == lo + k) {
                at(lo + to) = at(0);
                break;
            }
            at(lo + to) = at(source);
            to = source - lo;
        }
    }
    if (zeroat >= 0) at(0) = at(zeroat);
}

} // namespace tsl
