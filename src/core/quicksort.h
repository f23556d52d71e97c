#pragma once
// The one quicksort of the program: the middle element as pivot, exchanges through the
// swap space of element 0, the smaller side sorted first. Every sort of the log and of the
// reports runs the one body below, so they all make the same exchanges. The larger side
// waits on a stack of its own while the smaller is sorted, which bounds the call depth on
// long runs of equal keys and gives the same result, the two sides being disjoint.
//
// The body runs on the elements' keys, read once into an array of values ordered by < and
// moved along with the elements: a number, a text's key of fixed size, or the key's rank
// among the distinct keys. Each range carries bounds of its keys (the pivots that made
// it), so a range of equal keys, or a pivot at the top or the bottom of its range, takes
// no scan: a run of k equal keys costs a pass instead of k x k / 2 comparisons, and the
// exchanges stay exactly the scheme's.
//
// Two ways to use it: quicksortorder gives the order the scheme leaves, for a caller that
// then moves each element once (applyorder); quicksortexchanges makes the scheme's
// exchanges one by one through the caller's own exchange.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace tsl {

// (lo + hi) / 2 to the nearest whole number, halves to the even neighbour.
int32_t sortmidpoint(int32_t lo, int32_t hi);

namespace quicksortdetail {

// The scheme's steps on keys; key(i) is the key of the element now at i. Every exchange
// moves the keys and is then made by exchange(a, b).
template <class Key, class Exchange> class keyscheme {
  public:
    keyscheme(std::vector<Key>& keys, int32_t lo, Exchange& exchange)
        : key_(keys), base_(lo), exchange_(exchange) {}

    void run() {
        const auto hi = base_ + static_cast<int32_t>(key_.size()) - 1;
        if (base_ >= hi) return;
        const auto [least, most] = std::minmax_element(key_.begin(), key_.end());
        std::vector<range> later;
        later.push_back({base_, hi, *least, *most});
        while (!later.empty()) {
            range p = std::move(later.back());
            later.pop_back();
            sortrange(std::move(p), later);
        }
    }

  private:
    // A range still to sort, with bounds of its keys (the pivots that made it): no key of
    // the range lies below least or above most.
    struct range {
        int32_t lo, hi;
        Key least, most;
    };

    Key& k(int32_t i) { return key_[static_cast<std::size_t>(i - base_)]; }

    void swap(int32_t a, int32_t b) {
        std::swap(k(a), k(b));
        exchange_(a, b);
    }

    // Sorts one range as the scheme's procedure does; the larger side of each partition
    // goes on `later` while the loop goes on with the smaller.
    void sortrange(range p, std::vector<range>& later) {
        while (p.lo < p.hi) {
            int32_t lo = p.lo, hi = p.hi;
            if (hi - lo == 1) {
                if (k(hi) < k(lo)) swap(lo, hi);
                return;
            }
            if (p.least == p.most) {
                // All keys equal: each pass leaves the pivot at the top and the range one
                // shorter, with no exchange but the pivot's two.
                for (; hi - lo >= 2; --hi) {
                    swap(hi, sortmidpoint(lo, hi));
                    swap(hi, hi);
                }
                return;
            }
            swap(hi, sortmidpoint(lo, hi));
            const Key pivot = k(hi);
            int32_t i = lo;
            if (pivot == p.most) {
                // No key above the pivot: the scan runs to the top.
                i = hi;
            } else if (pivot == p.least) {
                // No key below the pivot: the scan from the top meets the one from the
                // bottom where that one stops.
                while (i < hi && !(pivot < k(i)))
                    ++i;
            } else {
                int32_t j = hi;
                do {
                    while (i < j && !(pivot < k(i)))
                        ++i;
                    while (j > i && !(k(j) < pivot))
                        --j;
                    if (i < j) swap(i, j);
                } while (i < j);
            }
            swap(i, hi);
            range left{lo, i - 1, std::move(p.least), pivot};
            range right{i + 1, hi, pivot, std::move(p.most)};
            if (i - lo < hi - i) {
                later.push_back(std::move(right));
                p = std::move(left);
            } else {
                later.push_back(std::move(left));
                p = std::move(right);
            }
        }
    }

    std::vector<Key>& key_;
    int32_t base_;
    Exchange& exchange_;
};

} // namespace quicksortdetail

// Runs the scheme over elements lo..lo + keys.size() - 1, keys[k] being the key of element
// lo + k, a value ordered by < and ==: exchange(a, b) is called for each of the scheme's
// exchanges, in order. The keys end in ascending order.
template <class Key, class Exchange>
void quicksortexchanges(std::vector<Key>& keys, int32_t lo, Exchange& exchange) {
    quicksortdetail::keyscheme<Key, Exchange>(keys, lo, exchange).run();
}

struct schemeorder {
    // from[k]: the index the element that ends at lo + k stood at before the sort.
    std::vector<int32_t> from;
    // The index (before the sort) of the element a copy of which is left in element 0 by
    // the last exchange; -1 when the scheme made no exchange.
    int32_t zero = -1;
};

// The order the scheme leaves elements lo..lo + keys.size() - 1 in, keys[k] being the key
// of element lo + k.
template <class Key> schemeorder quicksortorder(std::vector<Key> keys, int32_t lo) {
    schemeorder order;
    order.from.resize(keys.size());
    for (std::size_t k = 0; k < keys.size(); ++k)
        order.from[k] = lo + static_cast<int32_t>(k);
    // The elements' indexes follow the exchanges; element 0 then holds what stood at a,
    // which is now at b.
    auto exchange = [&order, lo](int32_t a, int32_t b) {
        auto& from = order.from;
        std::swap(from[static_cast<std::size_t>(a - lo)], from[static_cast<std::size_t>(b - lo)]);
        order.zero = from[static_cast<std::size_t>(b - lo)];
    };
    quicksortexchanges(keys, lo, exchange);
    return order;
}

// The ranks of keys: the place of each key among the distinct keys in ascending order.
// less(a, b) orders the keys of a and b, indexes 0..n-1. Keys already in order, as a log
// sorted before often is, are ranked in one pass.
template <class Less> std::vector<int32_t> rankkeys(int32_t n, Less less) {
    std::vector<int32_t> ranks(static_cast<std::size_t>(std::max(n, 0)));
    int32_t rank = 0;
    int32_t i = 1;
    for (; i < n && !less(i, i - 1); ++i) {
        if (less(i - 1, i)) ++rank;
        ranks[static_cast<std::size_t>(i)] = rank;
    }
    if (i >= n) return ranks;
    std::vector<int32_t> byorder(static_cast<std::size_t>(n));
    for (int32_t k = 0; k < n; ++k)
        byorder[static_cast<std::size_t>(k)] = k;
    std::sort(byorder.begin(), byorder.end(), less);
    rank = 0;
    for (std::size_t k = 0; k < byorder.size(); ++k) {
        if (k > 0 && less(byorder[k - 1], byorder[k])) ++rank;
        ranks[static_cast<std::size_t>(byorder[k])] = rank;
    }
    return ranks;
}

// Sorts lo..hi ascending. compare(a, b) tells how the key now at a stands to the key now
// at b (<0, 0, >0); it is asked about the elements as they stand before the first
// exchange, to rank their keys. swap(a, b) exchanges the elements at a and b.
template <class Compare, class Swap>
void quicksortscheme(int32_t lo, int32_t hi, Compare& compare, Swap& swap) {
    if (lo >= hi) return;
    std::vector<int32_t> ranks =
        rankkeys(hi - lo + 1, [&](int32_t a, int32_t b) { return compare(lo + a, lo + b) < 0; });
    quicksortexchanges(ranks, lo, swap);
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
