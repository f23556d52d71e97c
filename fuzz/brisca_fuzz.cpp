// The Brisca reader on any bytes: records only where the header's lengths can be true, each
// one kept, skipped or left out.

#include "importexport/brisca.h"
#include "importfuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tsl;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const Parsed<briscaread> parsed = readbrisca(fuzz::fuzzstate(), bytes);
    if (!parsed) {
        fuzz::require(!parsed.error().empty());
        return 0;
    }
    const briscaread& read = *parsed;
    fuzz::require(read.present <= read.promised);
    fuzz::require(read.records.size() + read.skipped.size() == read.present);
    if (const auto header = dbaseheaderof(bytes); read.present > 0)
        fuzz::require(header && header->headerlength >= 33 && header->recordlength >= 111 &&
                      header->headerlength + std::size_t{read.present} * header->recordlength <=
                          bytes.size());
    for (const qsorecord& q : read.records)
        fuzz::require(q.awards[1] == 0);
    fuzz::checkread50(read);
    return 0;
}
