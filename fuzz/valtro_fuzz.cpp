// The Valtro reader on any bytes: a header record, then 128 bytes make a record.

#include "importexport/valtro.h"
#include "importfuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tsl;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const valtroread read = readvaltro(fuzz::fuzzstate(), bytes, 2024, 50);
    fuzz::require(read.noheader == (size < 128));
    fuzz::require(read.records.size() + static_cast<std::size_t>(read.leftout) +
                      read.skipped.size() ==
                  (size < 128 ? 0 : size / 128 - 1));
    for (const qsorecord& q : read.records)
        fuzz::require(q.awards[1] == 0 && q.date.view().substr(0, 2) != "  ");
    fuzz::checkrecords(read.records);
    return 0;
}
