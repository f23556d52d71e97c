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
    const netloggerread read = readnetlogger(fuzz::fuzzstate(), converted.text);
    // Every line is a QSO, a skipped one, or blank (an end-of-file byte counts as blank).
    std::size_t blank = 0;
    for (const std::string_view line : textlines(converted.text)) {
        const std::string_view rest = trimmedview(line);
        blank += rest.empty() || rest == "\x1A" ? 1 : 0;
    }
    fuzz::require(read.records.size() + read.skipped.size() + blank ==
                  textlines(converted.text).size());
    fuzz::checkread50(read);
    return 0;
}
