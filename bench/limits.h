#pragma once
// The practical limits the log's readers are measured against: plain loops over the same
// bytes that do the least any reader of the format must do.

#include <cstddef>
#include <string_view>

namespace tsl::bench {

// One pass looking for line ends.
inline std::size_t countlines(std::string_view bytes) {
    std::size_t lines = 0;
    for (char c : bytes)
        lines += c == '\n' ? 1 : 0;
    return lines;
}

// One pass of an ADIF tokenizer that allocates nothing: each "<", the name up to ":", the
// length digits, then the value skipped unread.
inline std::size_t tokenize(std::string_view bytes) {
    std::size_t fields = 0;
    const std::size_t n = bytes.size();
    std::size_t pos = 0;
    while (pos < n) {
        if (bytes[pos++] != '<') continue;
        while (pos < n && bytes[pos] != ':' && bytes[pos] != '>')
            ++pos;
        if (pos >= n || bytes[pos] == '>') continue; // <EOR>, <EOH>
        std::size_t length = 0;
        for (++pos; pos < n && bytes[pos] >= '0' && bytes[pos] <= '9'; ++pos)
            length = length * 10 + static_cast<std::size_t>(bytes[pos] - '0');
        while (pos < n && bytes[pos] != '>')
            ++pos; // a type letter
        pos += 1 + length;
        ++fields;
    }
    return fields;
}

} // namespace tsl::bench
