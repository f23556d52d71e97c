// The ADIF import on any bytes: every QSO it reads is one the log can hold, and the counts
// add up.

#include "importexport/adifimport.h"
#include "importfuzz.h"

#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tsl;
    const adifcontents read =
        parseadif(fuzz::fuzzstate(), std::string_view(reinterpret_cast<const char*>(data), size));
    if (!read.header) {
        fuzz::require(read.records.empty() && read.malformed == 0);
        return 0;
    }
    fuzz::checkrecords(fuzz::checkstored(fuzz::fuzzstate(), read.records, 0, 30));
    return 0;
}
