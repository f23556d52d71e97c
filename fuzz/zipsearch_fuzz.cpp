// The search over a whole "zip.dat": at most 22 records read, none before the first or more
// than one past the last, whatever the count; a hit holds the key of its zip text; and once
// the file's records stand in order of their keys, each key is found.

#include "searchfuzz.h"

using namespace tsl;
using namespace tsl::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 7) return 0;
    const std::string bytes = bytesof(data, size);
    const std::string key = zipkey(bytes.substr(0, 6));
    const std::string file = bytes.substr(7);
    const auto held = static_cast<std::int64_t>(file.size() / ziprecordlength);
    const std::int64_t count = std::max<std::int64_t>(held + data[6] % 5 - 2, 0);

    recordfile zips{file, ziprecordlength, 1, count};
    const auto found = searchziprecords(zips.reader(), count, key);
    check(zips.reads <= searchmisses, "at most 22 reads");
    if (found) check(found->key == key, "a hit holds the key");

    const auto byKey = recordsbykey(file, ziprecordlength, 1, readziprecordbytes);
    std::string ordered;
    for (const auto& [k, record] : byKey)
        ordered += record;
    const auto records = static_cast<std::int64_t>(byKey.size());
    int tried = 0;
    for (const auto& [k, record] : byKey) {
        if (++tried > 64) break;
        recordfile sorted{ordered, ziprecordlength, 1, records};
        const auto hit = searchziprecords(sorted.reader(), records, k);
        check(hit && hit->key == k, "every key of a file in order is found");
        check(sorted.reads <= searchmisses, "at most 22 reads");
    }
    return 0;
}
