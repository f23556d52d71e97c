// The reader of "qsodata.dat" on any bytes: what it reads, the file's writer writes back,
// and that reads again to the same line.

#include "core/qsofile.h"
#include "importfuzz.h"

#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tsl;
    const AppState& s = fuzz::fuzzstate();
    static std::vector<qsorecord> room(40), again(1);
    const qsofilecontents read =
        parseqsofile(s, std::string_view(reinterpret_cast<const char*>(data), size), room);
    fuzz::require(static_cast<std::size_t>(read.qsos) <= room.size());
    fuzz::require(read.qsos <= read.qsolines);
    fuzz::require(read.problem.empty() == (read.problemline == 0));
    for (int32_t k = 0; k < read.qsos; ++k) {
        const std::string line = qsodataline(s, room[static_cast<std::size_t>(k)]);
        const qsofilecontents back = parseqsofile(s, line, again);
        fuzz::require(back.qsos == 1 && back.problem.empty());
        fuzz::require(qsodataline(s, again[0]) == line);
    }
    return 0;
}
