// The Log-EQF reader on any bytes: 292 bytes make a record, a last piece of 268 or more too;
// every QSO kept has its net number for the import log.

#include "importexport/logeqf.h"
#include "importfuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tsl;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const logeqfread read = readlogeqf(fuzz::fuzzstate(), bytes);
    const std::size_t rest = size % 292;
    fuzz::require(read.records.size() + read.skipped.size() == size / 292 + (rest >= 268 ? 1 : 0));
    fuzz::require(read.trailing == (rest >= 268 ? 0 : rest));
    fuzz::require(read.netnumbers.size() == read.records.size());
    for (const qsorecord& q : read.records)
        fuzz::require(q.time[2] == ':' && q.ituz == "  ");
    fuzz::checkread50(read);
    return 0;
}
