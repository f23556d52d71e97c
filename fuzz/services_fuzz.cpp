// "services.ini": the three base URLs read write back, as three quoted items, to the same.

#include "callbook/setupfiles.h"
#include "check.h"

using namespace tsl;
using namespace tsl::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto first = parseservices(bytesof(data, size));
    if (!first) return 0;
    for (const std::string* url : {&first->hamcall, &first->qrz, &first->eqsl})
        check(!url->empty() && url->back() != '/', "a base URL without a trailing slash");
    ListWriter out;
    out.text(first->hamcall).text(first->qrz).text(first->eqsl).endline();
    const auto again = parseservices(out.bytes());
    check(again.has_value(), "the written file reads");
    check(again->hamcall == aswritten(first->hamcall) && again->qrz == aswritten(first->qrz) &&
              again->eqsl == aswritten(first->eqsl),
          "the same URLs");
    return 0;
}
