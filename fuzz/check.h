#pragma once
// What the harnesses check beyond "no crash". A failed check aborts, so libFuzzer keeps
// the input that broke it.

#include "core/listfile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace tsl::fuzz {

inline void check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "check failed: %s\n", what);
    std::abort();
}

inline std::string bytesof(const std::uint8_t* data, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

// A text as it reads back once written: the writer keeps every quoted item on its line.
inline std::string aswritten(const std::string& text) {
    return ListWriter::quotable(text);
}

// A single-precision value written with at most 7 significant digits reads back this close.
inline bool near(float a, float b) {
    return std::fabs(a - b) <= 1e-6f * std::max(1.0f, std::fabs(a));
}

// A Maidenhead locator of 4, 6 or 8 characters, read against its pattern: "R" a letter A-R,
// "X" a letter A-X (either case), "9" a digit.
inline bool maidenhead(const std::string& text) {
    static const std::string pattern = "RR99XX99";
    if (text.size() != 4 && text.size() != 6 && text.size() != 8) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const char upper = c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
        const bool ok =
            pattern[i] == '9' ? c >= '0' && c <= '9' : upper >= 'A' && upper <= pattern[i];
        if (!ok) return false;
    }
    return true;
}

// A refused input says why.
template <class P> bool refused(const P& parsed) {
    if (parsed) return false;
    check(!parsed.error().empty(), "a refusal names its reason");
    return true;
}

} // namespace tsl::fuzz
