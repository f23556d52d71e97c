#pragma once
// Files of fixed records built byte by byte for the import tests: records with named texts
// at their byte positions, and dBase III headers with any values.

#include <cstdint>
#include <map>
#include <string>

namespace tsl::test {

// A record of length blanks with each text put at its byte position (counted from 0).
inline std::string fixedrecord(std::size_t length,
                               const std::map<std::size_t, std::string>& texts) {
    std::string r(length, ' ');
    for (const auto& [at, text] : texts)
        r.replace(at, text.size(), text);
    return r;
}

// The byte position of each named field of a record, and texts by field name.
using fieldplaces = std::map<std::string, std::size_t>;
using fieldtexts = std::map<std::string, std::string>;

// A record of length blanks with each text at its field's place, the defaults in the fields
// not named; a name without a place throws.
inline std::string namedrecord(std::size_t length, const fieldplaces& places, fieldtexts texts,
                               const fieldtexts& defaults = {}) {
    for (const auto& [name, text] : defaults)
        texts.try_emplace(name, text);
    std::map<std::size_t, std::string> placed;
    for (const auto& [name, text] : texts)
        placed.emplace(places.at(name), text);
    return fixedrecord(length, placed);
}

// A dBase III header of size bytes: version, the record count and the two lengths
// little-endian, NUL bytes, and the end mark 0x0D.
inline std::string dbasebytes(uint32_t count, uint16_t headerlength, uint16_t recordlength,
                              std::size_t size) {
    std::string h(size, '\0');
    const auto put = [&](std::size_t at, uint32_t value, int bytes) {
        for (int k = 0; k < bytes; ++k)
            h[at + static_cast<std::size_t>(k)] = static_cast<char>((value >> (8 * k)) & 0xFF);
    };
    put(0, 0x03, 1);
    put(4, count, 4);
    put(8, headerlength, 2);
    put(10, recordlength, 2);
    h[size - 1] = '\x0D';
    return h;
}

} // namespace tsl::test
