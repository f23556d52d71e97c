#include "numbers.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace tsl {

namespace {

// Length of the decimal number at the start of text (sign, digits, point, digits,
// exponent), 0 when there is none. An exponent counts only with digits after it.
std::size_t numberlength(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < n && std::isdigit(static_cast<unsigned char>(text[i])))
        ++i, ++digits;
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && std::isdigit(static_cast<unsigned char>(text[i])))
            ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < n && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        std::size_t j = i + 1;
        if (j < n && (text[j] == '+' || text[j] == '-')) ++j;
        std::size_t expdigits = 0;
        while (j < n && std::isdigit(static_cast<unsigned char>(text[j])))
            ++j, ++expdigits;
        if (expdigits > 0) i = j;
    }
    return i;
}

double todouble(std::string_view text) {
    std::string s(text);
    for (char& c : s)
        if (c == 'd' || c == 'D') c = 'e';
    if (!s.empty() && s[0] == '+') s.erase(0, 1);
    double value = 0;
    const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone on overflow; take the sign of the text.
        const bool tiny =
            s.find_first_of("123456789") == std::string::npos || s.find("e-") != std::string::npos;
        if (tiny) return 0;
        return s[0] == '-' ? -std::numeric_limits<double>::infinity()
                           : std::numeric_limits<double>::infinity();
    }
    (void)ptr;
    return value;
}

std::string_view skipblanks(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    return text.substr(i);
}

} // namespace

double leadingnumber(std::string_view text) {
    text = skipblanks(text);
    const std::size_t len = numberlength(text);
    if (len == 0) return 0;
    return todouble(text.substr(0, len));
}

double numberoftext(std::string_view text) {
    std::string packed;
    packed.reserve(text.size());
    for (char c : text)
        if (c != ' ') packed.push_back(c);
    return leadingnumber(packed);
}

std::optional<double> parsenumber(std::string_view text) {
    text = skipblanks(text);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    const std::size_t len = numberlength(text);
    if (len == 0 || len != text.size()) return std::nullopt;
    const double value = todouble(text);
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

double roundhalfeven(double value) {
    return std::nearbyint(value);
}

std::optional<int16_t> toint16(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    const double r = roundhalfeven(value);
    if (r < -32768.0 || r > 32767.0) return std::nullopt;
    return static_cast<int16_t>(r);
}

std::optional<int32_t> toint32(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    const double r = roundhalfeven(value);
    if (r < -2147483648.0 || r > 2147483647.0) return std::nullopt;
    return static_cast<int32_t>(r);
}

std::optional<float> tosingle(double value) {
    if (!(std::fabs(value) <= std::numeric_limits<float>::max())) return std::nullopt;
    return static_cast<float>(value);
}

std::string singletext(float value) {
    if (value == 0.0f) return "0"; // also minus zero
    if (!std::isfinite(value)) return "0";
    // Formatting and reading back with to_chars/from_chars keeps the decimal point
    // whatever the user's locale.
    char buf[48];
    std::size_t len = 0;
    for (int digits = 1; digits <= 7; ++digits) {
        const auto res = std::to_chars(buf, buf + sizeof buf, static_cast<double>(value),
                                       std::chars_format::general, digits);
        len = static_cast<std::size_t>(res.ptr - buf);
        float back = 0;
        std::from_chars(buf, buf + len, back);
        if (back == value) break;
    }
    std::string s(buf, len);
    // %g writes small and large values with an exponent; write them out plainly when
    // that stays short, as people read powers and positions.
    const auto e = s.find('e');
    if (e != std::string::npos) {
        int exponent = 0;
        const char* expbegin = s.c_str() + e + 1;
        if (*expbegin == '+') ++expbegin;
        std::from_chars(expbegin, s.c_str() + s.size(), exponent);
        if (exponent >= -6 && exponent < 15) {
            std::string mantissa = s.substr(0, e);
            const bool negative = !mantissa.empty() && mantissa[0] == '-';
            if (negative) mantissa.erase(0, 1);
            std::string digitsonly;
            for (char c : mantissa)
                if (c != '.') digitsonly.push_back(c);
            std::string plain;
            if (exponent >= 0) {
                plain = digitsonly;
                const std::size_t intlen = static_cast<std::size_t>(exponent) + 1;
                if (plain.size() <= intlen) {
                    plain.append(intlen - plain.size(), '0');
                } else {
                    plain.insert(intlen, ".");
                }
            } else {
                plain =
                    "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digitsonly;
            }
            s = (negative ? "-" : "") + plain;
        } else {
            // Exponent without needless leading zeros: 1e+15, 1e-07.
            s = s.substr(0, e + 2) + std::to_string(std::abs(exponent));
        }
    }
    return s;
}

std::string inttext(long long value) {
    return std::to_string(value);
}

} // namespace tsl
