// "tenten.dat": fields of six characters. The calls read, written back as fields, read
// again to the same calls.

#include "check.h"
#include "core/fixedtext.h"
#include "core/memberlists.h"

using namespace tsl;
using namespace tsl::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto first = readtentenbytes(bytesof(data, size));
    if (refused(first)) return 0;
    std::string fields;
    for (const std::string& call : *first) {
        check(call.size() <= 6, "a call fits its field");
        fields += FixedText<6>(call).str();
    }
    const auto again = readtentenbytes(fields);
    check(static_cast<bool>(again), "the written fields read");
    check(*again == *first, "the same calls");
    return 0;
}
