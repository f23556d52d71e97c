// The log-in files "hamcall.ini", "qrz.ini" and "eqsl.ini": user and password read write
// back to the same.

#include "callbook/setupfiles.h"
#include "check.h"

using namespace tsl;
using namespace tsl::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto first = readloginbytes(bytesof(data, size));
    if (refused(first)) return 0;
    ListWriter out;
    out.text(first->user).text(first->password).endline();
    const auto again = readloginbytes(out.bytes());
    check(static_cast<bool>(again), "the written file reads");
    check(again->user == aswritten(first->user), "user");
    check(again->password == aswritten(first->password), "password");
    return 0;
}
