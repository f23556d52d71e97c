#pragma once
// The one quicksort of the program: the middle element as pivot, exchanges through the
// swap space of element 0, the smaller side sorted first. Every sort of the log and of the
// reports runs it, so they all make the same comparisons and exchanges. The larger side is
// sorted by continuing the loop, which bounds the call depth on long runs of equal keys
// and gives the same result, the two sides being disjoint.

#include <cstdint>

namespace tsl {

// (lo + hi) / 2 to the nearest whole number, halves to the even neighbour.
int32_t sortmidpoint(int32_t lo, int32_t hi);

// Sorts lo..hi ascending. compare(a, b) tells how the key now at a stands to the key now
// at b (<0, 0, >0); swap(a, b) exchanges the elements at a and b.
template <class Compare, class Swap>
void quicksortscheme(int32_t lo, int32_t hi, Compare& compare, Swap& swap) {
    while (lo < hi) {
        if (hi - lo == 1) {
            if (compare(lo, hi) > 0) swap(lo, hi);
            return;
        }
        swap(hi, sortmidpoint(lo, hi));
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
        if (i - lo < hi - i) {
            quicksortscheme(lo, i - 1, compare, swap);
            lo = i + 1;
        } else {
            quicksortscheme(i + 1, hi, compare, swap);
            hi = i - 1;
        }
    }
}

} // namespace tsl
