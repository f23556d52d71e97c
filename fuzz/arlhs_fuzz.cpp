// "arlhs.dat": member calls of six characters.

#include "core/memberlists.h"
#include "memberlistsfuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tsl::fuzz::checklistfile(tsl::fuzz::bytesof(data, size), tsl::readarlhsbytes);
    return 0;
}
