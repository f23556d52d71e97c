// A "zip.dat" record: its fields have their widths, hold no control character, and laid
// out again they read the same; every zip text gives a key of five characters, and every
// position text a finite number.

#include "callbook/localfiles.h"
#include "check.h"

#include <cmath>

using namespace tsl;
using namespace tsl::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes = bytesof(data, size);
    check(zipkey(bytes.substr(0, 5)).size() == 5, "a zip key has five characters");
    check(std::isfinite(callbooknumber(bytes.substr(0, 6))), "a position is a number");
    const auto first = readziprecordbytes(bytes);
    if (refused(first)) return 0;
    check(first->key.size() == 5 && first->county.size() == 25 && first->latitude.size() == 5 &&
              first->longitude.size() == 6,
          "widths");
    for (const char c : first->key + first->county + first->latitude + first->longitude)
        check(static_cast<unsigned char>(c) >= 0x20 && c != 0x7f, "no control characters");
    const auto again = readziprecordbytes(" " + first->key + first->county + first->latitude +
                                          first->longitude + " \r\n");
    check(static_cast<bool>(again), "the laid-out record reads");
    check(again->key == first->key && again->county == first->county &&
              again->latitude == first->latitude && again->longitude == first->longitude,
          "fields");
    return 0;
}
