// The first record of "calls.dat": the count comes from the first line alone.

#include "check.h"
#include "core/memberlists.h"
#include "core/numbers.h"

using namespace tsl;
using namespace tsl::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string record = bytesof(data, size);
    const auto count = callsdatcount(record);
    const auto end = record.find('\n');
    if (end != std::string::npos)
        check(callsdatcount(record.substr(0, end + 1) + "\"later records\"") == count,
              "what follows the first line plays no part");
    if (count) check(callsdatcount(inttext(*count) + ",\"calls\"\r\n") == count, "count");
    return 0;
}
