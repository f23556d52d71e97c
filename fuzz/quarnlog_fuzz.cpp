// The QUARNLOG reader on any bytes: ten lines make one QSO.

#include "importexport/quarnlog.h"
#include "importfuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tsl;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const quarnread read = readquarnlog(fuzz::fuzzstate(), bytes, quarnchoice{5, 1, 2, 2024});
    fuzz::require(read.records.size() == textlines(bytes).size() / 10);
    fuzz::checkread50(read);
    return 0;
}
