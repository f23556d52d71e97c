#include "quicksort.h"

#include "numbers.h"

namespace tsl {

int32_t sortmidpoint(int32_t lo, int32_t hi) {
    const double middle = (static_cast<double>(lo) + static_cast<double>(hi)) / 2.0;
    return static_cast<int32_t>(roundhalfeven(middle));
}

} // namespace tsl
