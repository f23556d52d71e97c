// Both passes of the NetLogger import on any bytes.

#include "importexport/netlogger.h"
#include "importfuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tsl;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const netloggerconversion converted = convertnetlogger(bytes);
    if (!converted.error.empty()) {
        fuzz::require(converted.text.empty());
        return 0;
    }
    for (const char c : converted.text)
        fuzz::require(c != '"' && c != '<' && c != '>' && c != '\0');
    const netloggerread read = readnetlogger(fuzz::fuzzstate(), converted.text, 50);
    fuzz::require(read.records.size() <= 50);
    fuzz::require(read.records.size() + static_cast<std::size_t>(read.leftout) +
                      read.skipped.size() ==
                  textlines(converted.text).size());
    fuzz::checkrecords(read.records);
    return 0;
}
