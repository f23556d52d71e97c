// The Valtro reader on any bytes: a header record, then 128 bytes make a record.

#include "importexport/valtro.h"
#include "importfuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tsl;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const valtroread read = readvaltro(fuzz::fuzzstate(), bytes, 2024);
    // A lone end-of-file byte after the last record is passed over.
    const std::size_t used = size % 128 == 1 && bytes.back() == '\x1A' ? size - 1 : size;
    fuzz::require(read.noheader == (used < 128));
    fuzz::require(read.records.size() + read.skipped.size() == (used < 128 ? 0 : used / 128 - 1));
    for (const qsorecord& q : read.records)
        fuzz::require(q.awards[1] == 0 && q.date.view().substr(0, 2) != "  ");
    fuzz::checkread50(read);
    return 0;
}
