#pragma once
// The log's quicksort scheme as plainly as it can be written, for tests that hold the fast
// sorts to it: recursive, every comparison made afresh, each exchange through the caller.

#include "core/quicksort.h"

#include <cstdint>
#include <functional>

namespace tsl::test {

inline void plainscheme(int32_t lo, int32_t hi, const std::function<int(int32_t, int32_t)>& cmp,
                        const std::function<void(int32_t, int32_t)>& swap) {
    if (lo >= hi) return;
    if (hi - lo == 1) {
        if (cmp(lo, hi) > 0) swap(lo, hi);
        return;
    }
    swap(hi, sortmidpoint(lo, hi));
    int32_t i = lo, j = hi;
    do {
        while (i < j && cmp(i, hi) <= 0)
            ++i;
        while (j > i && cmp(j, hi) >= 0)
            --j;
        if (i < j) swap(i, j);
    } while (i < j);
    swap(i, hi);
    if (i - lo < hi - i) {
        plainscheme(lo, i - 1, cmp, swap);
        plainscheme(i + 1, hi, cmp, swap);
    } else {
        plainscheme(i + 1, hi, cmp, swap);
        plainscheme(lo, i - 1, cmp, swap);
    }
}

} // namespace tsl::test
