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

} // namespace tsl
