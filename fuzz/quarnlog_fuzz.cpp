// The QUARNLOG reader on any bytes: ten lines make one QSO.

#include "importexport/quarnlog.h"
#include "importfuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tsl;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const quarnread read = readquarnlog(fuzz::fuzzstate(), bytes, quarnchoice{5, 1, 2, 2024}, 50);
    fuzz::require(read.records.size() + static_cast<std::size_t>(read.leftout) ==
                  textlines(bytes).size() / 10);
    fuzz::checkrecords(read.records);
    return 0;
}
