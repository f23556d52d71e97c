// The DXtreme station-log reader on any bytes: 30 or 31 lines make one QSO.

#include "importexport/dxtreme.h"
#include "importfuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tsl;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const dxtremeread read = readdxtreme(fuzz::fuzzstate(), bytes, 2024);
    fuzz::require(read.records.size() + read.skipped.size() <= textlines(bytes).size() / 30);
    fuzz::require(read.where.size() == read.records.size());
    fuzz::checkread50(read);
    return 0;
}
