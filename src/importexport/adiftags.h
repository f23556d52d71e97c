#pragma once
// Reading the tags of an ADIF file: where its header ends, each tag's name and length, and
// each value as the log keeps it.

#include <algorithm>
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

// A tag's text keeps no commas, line ends, double quotes or NULs.
inline bool droppedfromtag(char c) {
    return c == ',' || c == '\r' || c == '\n' || c == '"' || c == '\0';
}

// A digit of a value's length; a length past a billion stays there.
inline void addlengthdigit(std::size_t& length, char c) {
    constexpr std::size_t longest = 1000000000;
    if (c >= '0' && c <= '9')
        length = std::min(length * 10 + static_cast<std::size_t>(c - '0'), longest);
}

// The tag at pos by the whole rule: its text runs up to ">", without commas, line ends,
// double quotes and NULs, and starts at its last "<", as text before that "<" that is not
// part of a value is not part of the tag either. tagtext is room for that text. (Most
// files write their tags in a plain way that the import reads in one pass of its own.)
adiftag anyadiftag(std::string_view bytes, std::size_t pos, std::string& tagtext);

// A value that is not plain ASCII as the log keeps it: quotes left out, UTF-8 turned into
// the code page, control characters blanks; after is what follows it in the file.
std::string convertedadifvalue(std::string_view raw, std::string_view after);

} // namespace tsl
