#pragma once
// The comma-separated "list" files that every data and settings file of the program uses.
//
// Reading: an item ends at a comma or a line end (CR, LF or CR LF); blanks before an item
// are skipped; a quoted text runs to the next double quote (nothing is escaped inside) and
// may hold commas; after the closing quote everything up to the next comma or line end is
// skipped; an unquoted item loses its trailing blanks. Blank lines between items are
// skipped, so readers do not depend on line breaks.
//
// Writing: items separated by commas, texts in double quotes, numbers unquoted with a
// point as decimal mark, each line ended by CR LF. A text to be quoted can never break its
// line: a double quote in it is written as a single quote, CR, LF, TAB and NUL as blanks.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tsl {

struct ListItem {
    std::string text;
    bool quoted = false;
};

class ListReader {
  public:
    explicit ListReader(std::string bytes);

    // True when nothing but blanks and line ends is left.
    bool atend() const;
    // The number of the line the next item starts on (1 for the first line).
    int linenumber() const;

    // Each read returns nothing on failure: past the end of the file, an unterminated
    // quoted text, or a number item that is not a number or does not fit its type.
    std::optional<ListItem> item();
    std::optional<std::string> text();
    std::optional<double> number();
    std::optional<int16_t> int16();
    std::optional<int32_t> int32();
    std::optional<float> single();

  private:
    void skipblanksandlines();
    void consumedelimiter();
    std::string bytes_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

class ListWriter {
  public:
    ListWriter& text(std::string_view value);
    ListWriter& integer(long long value);
    ListWriter& single(float value);
    // Ends the line with CR LF.
    ListWriter& endline();
    const std::string& bytes() const { return bytes_; }

    // Each byte as it stands between the quotes of a written item: a double quote becomes a
    // single quote, CR, LF, TAB and NUL blanks, every other byte is itself.
    static const std::array<char, 256>& quotablebytes();
    // The text as it stands between the quotes of a written item.
    static std::string quotable(std::string_view value);
    // Appends that text to out.
    static void appendquotable(std::string& out, std::string_view value);

  private:
    void separate();
    std::string bytes_;
    bool linestarted_ = false;
};

} // namespace tsl
