// Reading CSV input and writing the program's data file format.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace gendata {

using Row = std::vector<std::string>;

// Reads a UTF-8 CSV file (quoted fields, "" escapes, LF or CR LF line ends).
// Every field is trimmed and converted to the output code page with toCp1252().
// With `header` the first row is dropped. Throws std::runtime_error on I/O or
// syntax errors and on rows without exactly `columns` fields.
std::vector<Row> readCsv(const std::filesystem::path& file, std::size_t columns,
                         bool header = true);

// Converts UTF-8 text to single-byte Windows-1252 text for the data files:
// accented Latin letters become their plain ASCII letters, typographic quotes and
// dashes their ASCII forms, double quotes become single quotes, control characters
// blanks; other characters Windows-1252 has are kept, anything else becomes '?'.
std::string toCp1252(std::string_view utf8);

std::vector<std::string> splitWords(std::string_view text);

// A decimal number as the data files want it: no sign, no leading zeros in the
// integer part, no trailing zeros after the period, e.g. "-078.750" -> "78.75".
struct Number {
    std::string magnitude; // shortest unsigned text
    bool negative = false; // false for zero
};
Number parseNumber(std::string_view text);

// Writes lines of comma separated items, each line ending with CR LF.
class DataWriter {
  public:
    DataWriter& text(std::string_view value); // quoted; value must hold no '"'
    DataWriter& number(std::string_view value);
    DataWriter& number(long long value);
    void endLine();
    void save(const std::filesystem::path& file) const;
    std::size_t lineCount() const { return lines_; }

  private:
    void separator();
    std::string out_;
    bool lineOpen_ = false;
    std::size_t lines_ = 0;
};

} // namespace gendata
