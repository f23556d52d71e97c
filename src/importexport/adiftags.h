#pragma once
// Reading the tags of an ADIF file: where its header ends, each tag's name and length, and
// each value as the log keeps it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tsl {

// A name of at most 16 characters as two numbers, compared at once.
struct packedname {
    uint64_t head = 0, tail = 0;
    bool operator==(const packedname&) const = default;
};

constexpr packedname packed(std::string_view name) {
    packedname p;
    for (std::size_t k = 0; k < name.size() && k < 16; ++k)
        (k < 8 ? p.head : p.tail) |= uint64_t{static_cast<unsigned char>(name[k])} << (8 * (k % 8));
    return p;
}

// One tag as the parser reads it.
struct adiftag {
    enum { end, eor, nolength, value } kind = end; // end: the file ends inside the tag
    packedname name;                               // in capitals, its first 16 characters
    std::size_t packed = 0;                        // characters added to it
    std::size_t namelength = 0;
    std::size_t length = 0; // of the value
    std::size_t next = 0;   // where the value starts, or what follows a tag without one
};

// Where the header ends: after an "<EOH>", in any case, that does not start at the first
// character (after a byte-order mark); npos when there is none.
std::size_t adifheaderend(std::string_view bytes);

// The tag at pos: its text runs up to ">", without commas, line ends, double quotes and
// NULs, and starts at its last "<", as text before that "<" that is not part of a value
// is not part of the tag either. scratch is room for a tag written another way than the
// plain one.
adiftag readadiftag(std::string_view bytes, std::size_t pos, std::string& scratch);

// The value of length bytes at pos as the log keeps it: quotes left out, UTF-8 turned
// into the code page, control characters blanks; a view into the bytes when it is plain
// ASCII, else into scratch.
std::string_view adifvaluetext(std::string_view bytes, std::size_t pos, std::size_t length,
                               std::string& scratch);

// Where the next tag starts after a value that ends at from: the next "<", or the end.
std::size_t nextadiftag(std::string_view bytes, std::size_t from);

} // namespace tsl
