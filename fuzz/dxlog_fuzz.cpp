// The DXLog reader on any bytes, read through both menu items: the records present are at
// most those the header counts, and each one is kept, skipped or left out.

#include "importexport/dxlog.h"
#include "importfuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tsl;
    static AppState& s = []() -> AppState& {
        AppState& state = fuzz::fuzzstate();
        state.dxcctable[1].dxcckey = "DL";
        state.dxcctable[1].prefix[0] = "DL";
        state.dxcctable[2].dxcckey = "VE";
        state.dxcctable[2].prefix[0] = "VE";
        return state;
    }();
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    for (int format = 0; format <= 1; ++format) {
        const Parsed<dxlogread> parsed = readdxlog(s, bytes, format);
        if (!parsed) {
            fuzz::require(!parsed.error().empty() && size < 641);
            continue;
        }
        const dxlogread& read = *parsed;
        fuzz::require(read.present <= read.promised);
        fuzz::require(read.records.size() + read.skipped.size() == read.present);
        fuzz::require(!read.unknownlayout || read.records.empty());
        for (const qsorecord& q : read.records)
            fuzz::require(q.awards[1] == 0 && q.power == 100.0f);
        fuzz::checkread50(read);
    }
    return 0;
}
