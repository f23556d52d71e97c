#include "quicksort.h"

#include "numbers.h"

#include <utility>

namespace tsl {

int32_t sortmidpoint(int32_t lo, int32_t hi) {
    const double middle = (static_cast<double>(lo) + static_cast<double>(hi)) / 2.0;
    return static_cast<int32_t>(roundhalfeven(middle));
}

namespace {

// A range still to sort, with bounds of the ranks it holds.
struct pending {
    int32_t lo, hi;
    int32_t least, most;
};

class Scheme {
  public:
    Scheme(std::vector<int32_t> ranks, int32_t lo) : rank_(std::move(ranks)), base_(lo) {
        order_.from.resize(rank_.size());
        for (std::size_t k = 0; k < rank_.size(); ++k)
            order_.from[k] = lo + static_cast<int32_t>(k);
    }

    schemeorder run(int32_t lo, int32_t hi) {
        int32_t least = 0, most = 0;
        for (int32_t r : rank_)
            most = std::max(most, r);
        std::vector<pending> later;
        later.push_back({lo, hi, least, most});
        while (!later.empty()) {
            const pending p = later.back();
            later.pop_back();
            sortrange(p, later);
        }
        return std::move(order_);
    }

  private:
    int32_t& r(int32_t i) { return rank_[static_cast<std::size_t>(i - base_)]; }

    void swap(int32_t a, int32_t b) {
        std::swap(r(a), r(b));
        auto& from = order_.from;
        std::swap(from[static_cast<std::size_t>(a - base_)],
                  from[static_cast<std::size_t>(b - base_)]);
        // Element 0 now holds what stood at a, which is now at b.
        order_.zero = from[static_cast<std::size_t>(b - base_)];
    }

    // Sorts one range as the scheme's procedure does; the larger side of each partition
    // goes on `later` while the loop goes on with the smaller.
    void sortrange(pending p, std::vector<pending>& later) {
        int32_t lo = p.lo, hi = p.hi, least = p.least, most = p.most;
        while (lo < hi) {
            if (hi - lo == 1) {
                if (r(lo) > r(hi)) swap(lo, hi);
                return;
            }
            if (least == most) {
                // All keys equal: each pass leaves the pivot at the top and the range one
                // shorter, with no exchange but the pivot's two.
                for (; hi - lo >= 2; --hi) {
                    swap(hi, sortmidpoint(lo, hi));
                    swap(hi, hi);
                }
                return;
            }
            swap(hi, sortmidpoint(lo, hi));
            const int32_t pivot = r(hi);
            int32_t i = lo;
            if (pivot == most) {
                // No key above the pivot: the scan runs to the top.
                i = hi;
            } else if (pivot == least) {
                // No key below the pivot: the scan from the top meets the one from the
                // bottom where that one stops.
                while (i < hi && r(i) <= pivot)
                    ++i;
            } else {
                int32_t j = hi;
                do {
                    while (i < j && r(i) <= pivot)
                        ++i;
                    while (j > i && r(j) >= pivot)
                        --j;
                    if (i < j) swap(i, j);
                } while (i < j);
            }
            swap(i, hi);
            const pending left{lo, i - 1, least, pivot};
            const pending right{i + 1, hi, pivot, most};
            const bool leftfirst = i - lo < hi - i;
            later.push_back(leftfirst ? right : left);
            p = leftfirst ? left : right;
            lo = p.lo;
            hi = p.hi;
            least = p.least;
            most = p.most;
        }
    }

    std::vector<int32_t> rank_;
    int32_t base_;
    schemeorder order_;
};

} // namespace

schemeorder quicksortorder(std::vector<int32_t> ranks, int32_t lo) {
    const auto hi = lo + static_cast<int32_t>(ranks.size()) - 1;
    Scheme scheme(std::move(ranks), lo);
    return scheme.run(lo, hi);
}

} // namespace tsl
