#pragma once
// The program's one quicksort (quicksort.h) for whole-number keys, quick on long runs of
// equal keys. It makes exactly the exchanges of quicksortscheme, in the same order, so every
// row ends where the scheme puts it; but where partitions keep splitting off almost nothing,
// it stops stepping over the rows one by one to find the next row on the wrong side of the
// pivot and asks a tree of the keys' smallest and largest values instead. A run of k equal
// keys so costs about k log k steps instead of k x k / 2 comparisons: the prefix report
// meets such runs, one row for every QSO of a prefix.

#include "quicksort.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

namespace tsl {

namespace keyedsortdetail {

// The smallest and the largest key below each node, over the positions lo..hi. Only the
// positions last refreshed, and changed since through set, are asked about: a node's values
// may count a stale position, which costs a needless step down but never hides a key.
template <class Key> class MinMaxTree {
  public:
    MinMaxTree(int32_t lo, int32_t hi) : lo_(lo) {
        while (size_ < hi - lo + 1)
            size_ *= 2;
        // Unused leaves are neither below nor above any key.
        min_.assign(static_cast<std::size_t>(2 * size_), std::numeric_limits<Key>::max());
        max_.assign(static_cast<std::size_t>(2 * size_), std::numeric_limits<Key>::min());
    }

    // Takes the keys of positions a..b.
    void refresh(const std::vector<Key>& keys, int32_t a, int32_t b) {
        for (int32_t i = a; i <= b; ++i)
            min_[leaf(i)] = max_[leaf(i)] = keys[static_cast<std::size_t>(i)];
        for (std::size_t first = leaf(a) / 2, last = leaf(b) / 2; first >= 1; first /= 2, last /= 2)
            for (std::size_t n = first; n <= last; ++n)
                pull(n);
    }

    void set(int32_t index, Key key) {
        std::size_t n = leaf(index);
        min_[n] = max_[n] = key;
        for (n /= 2; n >= 1; n /= 2)
            pull(n);
    }

    // The first position of a..b whose key is above p; b + 1 when there is none.
    int32_t firstabove(int32_t a, int32_t b, Key p) const {
        const int32_t found = a > b ? -1 : first(1, 0, size_ - 1, a - lo_, b - lo_, p);
        return found < 0 ? b + 1 : found + lo_;
    }

    // The last position of a..b whose key is below p; a - 1 when there is none.
    int32_t lastbelow(int32_t a, int32_t b, Key p) const {
        const int32_t found = a > b ? -1 : last(1, 0, size_ - 1, a - lo_, b - lo_, p);
        return found < 0 ? a - 1 : found + lo_;
    }

  private:
    std::size_t leaf(int32_t index) const { return static_cast<std::size_t>(size_ + index - lo_); }
    void pull(std::size_t n) {
        min_[n] = std::min(min_[2 * n], min_[2 * n + 1]);
        max_[n] = std::max(max_[2 * n], max_[2 * n + 1]);
    }
    int32_t first(std::size_t n, int32_t nl, int32_t nr, int32_t a, int32_t b, Key p) const {
        if (nr < a || nl > b || !(p < max_[n])) return -1;
        if (nl == nr) return nl;
        const int32_t mid = nl + (nr - nl) / 2;
        const int32_t left = first(2 * n, nl, mid, a, b, p);
        return left >= 0 ? left : first(2 * n + 1, mid + 1, nr, a, b, p);
    }
    int32_t last(std::size_t n, int32_t nl, int32_t nr, int32_t a, int32_t b, Key p) const {
        if (nr < a || nl > b || !(min_[n] < p)) return -1;
        if (nl == nr) return nl;
        const int32_t mid = nl + (nr - nl) / 2;
        const int32_t right = last(2 * n + 1, mid + 1, nr, a, b, p);
        return right >= 0 ? right : last(2 * n, nl, mid, a, b, p);
    }

    int32_t lo_;
    int32_t size_ = 1;
    std::vector<Key> min_;
    std::vector<Key> max_;
};

template <class Key, class Swap> class KeyedSorter {
  public:
    // Ranges this short are left to the scheme itself: a run of equal keys in them costs
    // little.
    static constexpr int32_t shortrange = 64;
    // Partitions in a row whose smaller side holds less than a sixteenth of the range: the
    // sign of a long run of equal keys, from which on the tree finds the scans' ends.
    static constexpr int lopsided = 4;

    KeyedSorter(std::vector<Key>& keys, int32_t lo, int32_t hi, Swap& swap)
        : keys_(keys), swap_(swap), lo_(lo), hi_(hi) {}

    // The scheme's steps. A range that the tree follows passes that on to its parts; the
    // tree is asked only inside such a range, so the exchanges elsewhere need not reach it.
    void sort(int32_t lo, int32_t hi, bool bytree) {
        int streak = 0;
        while (lo < hi) {
            if (hi - lo < shortrange) {
                auto cmp = [this](int32_t a, int32_t b) { return compare(a, b); };
                auto swp = [this](int32_t a, int32_t b) { exchange(a, b, false); };
                quicksortscheme(lo, hi, cmp, swp);
                return;
            }
            if (!bytree && streak >= lopsided) {
                if (!tree_) tree_.emplace(lo_, hi_);
                tree_->refresh(keys_, lo, hi);
                bytree = true;
            }
            exchange(hi, sortmidpoint(lo, hi), bytree);
            const Key pivot = keys_[static_cast<std::size_t>(hi)];
            int32_t i = lo;
            int32_t j = hi;
            do {
                if (bytree) {
                    i = tree_->firstabove(i, j - 1, pivot);
                    j = tree_->lastbelow(i + 1, j, pivot);
                } else {
                    while (i < j && !(pivot < keys_[static_cast<std::size_t>(i)]))
                        ++i;
                    while (j > i && !(keys_[static_cast<std::size_t>(j)] < pivot))
                        --j;
                }
                if (i < j) exchange(i, j, bytree);
            } while (i < j);
            exchange(i, hi, bytree);
            streak = std::min(i - lo, hi - i) < (hi - lo) / 16 ? streak + 1 : 0;
            if (i - lo < hi - i) {
                sort(lo, i - 1, bytree);
                lo = i + 1;
            } else {
                sort(i + 1, hi, bytree);
                hi = i - 1;
            }
        }
    }

  private:
    int compare(int32_t a, int32_t b) const {
        const Key& ka = keys_[static_cast<std::size_t>(a)];
        const Key& kb = keys_[static_cast<std::size_t>(b)];
        return ka < kb ? -1 : (kb < ka ? 1 : 0);
    }
    void exchange(int32_t a, int32_t b, bool bytree) {
        std::swap(keys_[static_cast<std::size_t>(a)], keys_[static_cast<std::size_t>(b)]);
        swap_(a, b);
        if (bytree) {
            tree_->set(a, keys_[static_cast<std::size_t>(a)]);
            tree_->set(b, keys_[static_cast<std::size_t>(b)]);
        }
    }

    std::vector<Key>& keys_;
    Swap& swap_;
    int32_t lo_;
    int32_t hi_;
    std::optional<MinMaxTree<Key>> tree_; // made when a range first needs it
};

} // namespace keyedsortdetail

// Sorts lo..hi ascending by keys[lo..hi] as quicksortscheme does: swap(a, b) is called for
// each of its exchanges, in its order, and the keys are exchanged along with the rows.
template <class Key, class Swap>
void quicksortbykey(std::vector<Key>& keys, int32_t lo, int32_t hi, Swap& swap) {
    if (lo >= hi) return;
    keyedsortdetail::KeyedSorter<Key, Swap> sorter(keys, lo, hi, swap);
    sorter.sort(lo, hi, false);
}

} // namespace tsl
