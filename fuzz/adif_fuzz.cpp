// The ADIF import on any bytes: every QSO it reads is one the log can hold, and the counts
// add up.

#include "importexport/adifimport.h"
#include "importfuzz.h"

#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tsl;
    static std::vector<qsorecord> room(30);
    const adifcontents read = parseadif(
        fuzz::fuzzstate(), std::string_view(reinterpret_cast<const char*>(data), size), room);
    if (!read.header) {
        fuzz::require(read.qsos == 0 && read.leftout == 0);
        return 0;
    }
    fuzz::require(static_cast<std::size_t>(read.qsos) <= room.size());
    fuzz::require(read.leftout == 0 || static_cast<std::size_t>(read.qsos) == room.size());
    fuzz::require(read.nomode <= read.qsos);
    fuzz::checkrecords(std::vector<qsorecord>(room.begin(), room.begin() + read.qsos));
    return 0;
}
