#pragma once
// Small text routines of the log core, for texts in the program's code page. Standard
// library only, so the data generator of tools/ uses them too.

#include <string>
#include <string_view>

namespace tsl {

// The slashed zero that call signs carry in place of the digit 0.
inline constexpr char slashedzero = static_cast<char>(216);

// Upper and lower case as the program's texts take them: only a-z and A-Z change, every
// other byte (accented letters included) stays, whatever the machine's locale.
inline constexpr char uppercased(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
inline constexpr char lowercased(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
inline std::string uppercased(std::string text) {
    for (char& c : text)
        c = uppercased(c);
    return text;
}

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
