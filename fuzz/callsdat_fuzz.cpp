// The first record of "calls.dat": the count is its first item, read from its 156 bytes.

#include "check.h"
#include "core/memberlists.h"
#include "core/numbers.h"

using namespace tsl;
using namespace tsl::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string record = bytesof(data, size);
    const auto count = callsdatcount(record);
    if (record.size() >= callsrecordlength)
        check(callsdatcount(record.substr(0, callsrecordlength) + "\"later records\"") == count,
              "what follows the first record plays no part");
    if (!count) return 0;
    check(*count >= 0, "a count is never negative");
    const std::string written = inttext(*count);
    check(callsdatcount(written + std::string(154 - written.size(), ' ') + "\r\n") == count,
          "the count and blanks");
    check(callsdatcount(written + ",\"calls\"\r\n") == count, "the count and a text");
    return 0;
}
