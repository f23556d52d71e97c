// The DigiPan reader on any bytes: one QSO per line of at least 17 ";".

#include "importexport/digipan.h"
#include "importfuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tsl;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const digipanread read = readdigipan(fuzz::fuzzstate(), bytes);
    fuzz::require(read.records.size() + read.skipped.size() +
                      static_cast<std::size_t>(read.withoutfields) <=
                  textlines(bytes).size());
    for (const qsorecord& q : read.records)
        fuzz::require(q.mode == fuzz::fuzzstate().pskmodeindex);
    fuzz::checkread50(read);
    return 0;
}
