#pragma once
// The searches over a whole file of fixed-length records: the fuzzer's bytes after the first
// few are the file.

#include "callbook/localfiles.h"
#include "check.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace tsl::fuzz {

// A file of the given bytes, read by record number, that counts its reads and checks that no
// probe lies before first or more than one past last.
struct recordfile {
    std::string bytes;
    std::size_t length;
    std::int64_t first;
    std::int64_t last;
    int reads = 0;

    recordreader reader() {
        return [this](std::int64_t n) -> std::optional<std::string> {
            ++reads;
            check(n >= first && n <= last + 1, "no probe before the first record or past the next");
            const auto at = static_cast<std::size_t>(n - 1) * length;
            if (at + length > bytes.size()) return std::nullopt;
            return bytes.substr(at, length);
        };
    }
};

// The records from record first on, each under its key, one record a key (the first).
template <class Parse>
std::map<std::string, std::string> recordsbykey(const std::string& bytes, std::size_t length,
                                                std::size_t first, Parse parse) {
    std::map<std::string, std::string> byKey;
    for (std::size_t at = (first - 1) * length; at + length <= bytes.size(); at += length) {
        const std::string record = bytes.substr(at, length);
        if (const auto r = parse(record)) byKey.emplace(r->key, record);
    }
    return byKey;
}

} // namespace tsl::fuzz
