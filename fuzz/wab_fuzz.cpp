// "wab.dat": square names of ten characters.

#include "core/memberlists.h"
#include "memberlistsfuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tsl::fuzz::checklistfile(tsl::fuzz::bytesof(data, size), tsl::readwabbytes);
    return 0;
}
