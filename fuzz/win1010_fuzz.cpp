// The WIN 1010 CSV reader on any bytes: 16 items make one QSO.

#include "importexport/win1010.h"
#include "importfuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tsl;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const win1010read read = readwin1010(fuzz::fuzzstate(), bytes, 2024);
    for (const qsorecord& q : read.records) {
        fuzz::require(q.awards[2] == 0);
        fuzz::require(q.time[2] == ':');
    }
    fuzz::checkread50(read);
    return 0;
}
