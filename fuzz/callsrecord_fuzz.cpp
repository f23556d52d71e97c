// A "calls.dat" record: its fields have their widths, hold no control character, and laid
// out again they read the same.

#include "callbook/localfiles.h"
#include "check.h"

using namespace tsl;
using namespace tsl::fuzz;

namespace {
bool printable(const std::string& text) {
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7f) return false;
    }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes = bytesof(data, size);
    check(callskey(bytes).size() == 6, "a call key has six characters");
    const auto first = readcallsrecordbytes(bytes);
    if (refused(first)) return 0;
    check(first->key.size() == 6 && first->name.size() == 50 && first->street.size() == 60 &&
              first->cityline.size() == 35,
          "widths");
    check(printable(first->key + first->licence + first->name + first->street + first->cityline),
          "no control characters");
    for (const char c : first->key)
        check(c < 'a' || c > 'z', "the key is upper-cased");
    const auto again = readcallsrecordbytes(" " + first->key + first->licence + first->name +
                                            first->street + first->cityline + " \r\n");
    check(static_cast<bool>(again), "the laid-out record reads");
    check(again->key == first->key && again->licence == first->licence &&
              again->name == first->name && again->street == first->street &&
              again->cityline == first->cityline,
          "fields");
    return 0;
}
