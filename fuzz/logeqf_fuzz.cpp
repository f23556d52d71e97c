// The Log-EQF reader on any bytes: 292 bytes make a record, a last piece of 268 or more too;
// every QSO kept has its net number for the import log.

#include "importexport/logeqf.h"
#include "importfuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tsl;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const logeqfread read = readlogeqf(fuzz::fuzzstate(), bytes, 50);
    const std::size_t rest = size % 292;
    fuzz::require(read.records.size() + static_cast<std::size_t>(read.leftout) +
                      read.skipped.size() ==
                  size / 292 + (rest >= 268 ? 1 : 0));
    fuzz::require(read.trailing == (rest >= 268 ? 0 : rest));
    fuzz::require(read.netnumbers.size() == read.records.size());
    for (const qsorecord& q : read.records)
        fuzz::require(q.time[2] == ':' && q.ituz == "  ");
    fuzz::checkrecords(read.records);
    return 0;
}
