#pragma once
// Number rules of the files and the logic: reading the number at the start of a text,
// whole numbers rounded halves to even with the range checks of 16- and 32-bit integers,
// and single-precision numbers written as their shortest text of at most 7 digits.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tsl {

// The longest leading decimal number of the text (leading blanks skipped), 0 when there
// is none: "12abc" gives 12, "-3.5e1x" gives -35, "abc" gives 0.
double leadingnumber(std::string_view text);

// The number a text begins with when blanks inside it are ignored, as foreign files write
// numbers: "12 34" gives 1234, "5A" gives 5, a blank text gives 0.
double numberoftext(std::string_view text);

// The whole text as one decimal number (blanks around it allowed), or nothing when the
// text is not exactly a number.
std::optional<double> parsenumber(std::string_view text);

// Nearest whole number, halves to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double roundhalfeven(double value);

// Conversion to a 16- or 32-bit integer: rounded halves to even; nothing when the result
// lies outside the type's range (the conversion overflows) or is not a number.
std::optional<int16_t> toint16(double value);
std::optional<int32_t> toint32(double value);

// Conversion to single precision; nothing when the value lies beyond its range (the
// conversion overflows) or is not a number.
std::optional<float> tosingle(double value);

// The shortest decimal text that reads back as the same single-precision value, with at
// most 7 significant digits: 100 -> "100", 2.5 -> "2.5", -5 -> "-5", 71.06f -> "71.06".
std::string singletext(float value);

// A whole number as decimal text, no leading blank, "-" when negative.
std::string inttext(long long value);

} // namespace tsl
