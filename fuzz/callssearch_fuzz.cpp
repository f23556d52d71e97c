// The search over a whole "calls.dat": at most 22 records read, none before the first or
// more than one past the last, even with a count beside the records the file holds; a hit
// holds the key; and once the file's records stand in order of their keys, each key (that
// a call can give) is found.

#include "core/memberlists.h"
#include "searchfuzz.h"

using namespace tsl;
using namespace tsl::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 7) return 0;
    const std::string bytes = bytesof(data, size);
    const std::string key = callskey(bytes.substr(0, 6));
    const std::string file = bytes.substr(7);
    // The count of record 1 may differ from the records held by up to two either way.
    const auto held = static_cast<std::int64_t>(file.size() / callsrecordlength);
    const std::int64_t count = std::max<std::int64_t>(held - 1 + data[6] % 5 - 2, 0);

    recordfile calls{file, callsrecordlength, 2, count + 1};
    const auto found = searchcallsrecords(calls.reader(), count, key);
    check(calls.reads <= searchmisses, "at most 22 reads");
    if (found) check(found->key == key, "a hit holds the key");

    const auto byKey = recordsbykey(file, callsrecordlength, 2, readcallsrecordbytes);
    std::string ordered = file.substr(0, std::min(file.size(), callsrecordlength));
    ordered.resize(callsrecordlength, ' ');
    for (const auto& [k, record] : byKey)
        ordered += record;
    const auto records = static_cast<std::int64_t>(byKey.size());
    int tried = 0;
    for (const auto& [k, record] : byKey) {
        if (callskey(k) != k) continue; // no call gives this key
        if (++tried > 64) break;
        recordfile sorted{ordered, callsrecordlength, 2, records + 1};
        const auto hit = searchcallsrecords(sorted.reader(), records, k);
        check(hit && hit->key == k, "every key of a file in order is found");
        check(sorted.reads <= searchmisses, "at most 22 reads");
    }
    return 0;
}
