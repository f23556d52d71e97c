#pragma once
// Small text routines of the log core.

#include <string>
#include <string_view>

namespace tsl {

// The text without leading and trailing blanks, as a view into it.
inline std::string_view trimmedview(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// The text without leading and trailing blanks.
inline std::string trimblanks(std::string_view text) {
    return std::string(trimmedview(text));
}

} // namespace tsl
