// "qsldata.ini": the source and path read write back to the same.

#include "callbook/setupfiles.h"
#include "check.h"

using namespace tsl;
using namespace tsl::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto first = readqsldatabytes(bytesof(data, size));
    if (refused(first)) return 0;
    ListWriter out;
    out.integer(first->source).text(first->path).endline();
    const auto again = readqsldatabytes(out.bytes());
    check(static_cast<bool>(again), "the written file reads");
    check(again->source == first->source, "source");
    check(again->path == aswritten(first->path), "path");
    return 0;
}
