#include "text.h"

#include <array>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace gendata {

namespace {

// Plain ASCII spellings of U+00C0..U+00FF (empty: not a letter, handled elsewhere).
constexpr std::array<const char*, 64> kLatin1Letters = {
    "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I",  "I",
    "D", "N", "O", "O", "O", "O", "O",  "",  "O", "U", "U", "U", "U", "Y", "Th", "ss",
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y"};

// Plain ASCII spellings of U+0100..U+017F (Latin Extended-A).
constexpr std::array<const char*, 128> kLatinExtA = {
    "A", "a", "A",  "a",  "A", "a", "C", "c", "C", "c", "C", "c", "C", "c", "D", "d",
    "D", "d", "E",  "e",  "E", "e", "E", "e", "E", "e", "E", "e", "G", "g", "G", "g",
    "G", "g", "G",  "g",  "H", "h", "H", "h", "I", "i", "I", "i", "I", "i", "I", "i",
    "I", "i", "IJ", "ij", "J", "j", "K", "k", "k", "L", "l", "L", "l", "L", "l", "L",
    "l", "L", "l",  "N",  "n", "N", "n", "N", "n", "n", "N", "n", "O", "o", "O", "o",
    "O", "o", "OE", "oe", "R", "r", "R", "r", "R", "r", "S", "s", "S", "s", "S", "s",
    "S", "s", "T",  "t",  "T", "t", "T", "t", "U", "u", "U", "u", "U", "u", "U", "u",
    "U", "u", "U",  "u",  "W", "w", "Y", "y", "Y", "Z", "z", "Z", "z", "Z", "z", "s"};

// Windows-1252 bytes 0x80..0x9F and the code points they stand for (0: unused).
constexpr std::array<char32_t, 32> kCp1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void appendCodePoint(std::string& out, char32_t c) {
    if (c == U'"') {
        out += '\'';
    } else if (c < 0x20 || c == 0x7F) {
        out += ' ';
    } else if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c >= 0xC0 && c <= 0xFF && *kLatin1Letters[c - 0xC0] != '\0') {
        out += kLatin1Letters[c - 0xC0];
    } else if (c >= 0x100 && c <= 0x17F) {
        out += kLatinExtA[c - 0x100];
    } else {
        switch (c) {
        case 0x00A0:
        case 0x2002:
        case 0x2003:
        case 0x2009:
            out += ' ';
            return;
        case 0x00B4:
        case 0x2018:
        case 0x2019:
        case 0x201A:
        case 0x2032:
        case 0x02BC:
            out += '\'';
            return;
        case 0x201C:
        case 0x201D:
        case 0x201E:
        case 0x2033:
            out += '\'';
            return;
        case 0x2010:
        case 0x2011:
        case 0x2012:
        case 0x2013:
        case 0x2014:
        case 0x2212:
            out += '-';
            return;
        case 0x2026:
            out += "...";
            return;
        case 0x2022:
            out += '*';
            return;
        default:
            break;
        }
        if (c >= 0xA0 && c <= 0xFF) { // Latin-1 symbols are Windows-1252 bytes
            out += static_cast<char>(static_cast<unsigned char>(c));
            return;
        }
        for (std::size_t i = 0; i < kCp1252High.size(); ++i) {
            if (kCp1252High[i] != 0 && kCp1252High[i] == c) {
                out += static_cast<char>(0x80 + i);
                return;
            }
        }
        out += '?';
    }
}

} // namespace

std::string toCp1252(std::string_view utf8) {
    std::string out;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        int extra = 0;
        char32_t c = 0;
        if (b < 0x80) {
            c = b;
        } else if ((b & 0xE0) == 0xC0) {
            extra = 1;
            c = b & 0x1F;
        } else if ((b & 0xF0) == 0xE0) {
            extra = 2;
            c = b & 0x0F;
        } else if ((b & 0xF8) == 0xF0) {
            extra = 3;
            c = b & 0x07;
        } else {
            out += '?'; // stray continuation or invalid lead byte
            ++i;
            continue;
        }
        bool valid = true;
        for (int k = 1; valid && k <= extra; ++k) {
            if (i + k >= utf8.size()) {
                valid = false;
                break;
            }
            const auto cb = static_cast<unsigned char>(utf8[i + k]);
            if ((cb & 0xC0) != 0x80) {
                valid = false;
                break;
            }
            c = (c << 6) | (cb & 0x3F);
        }
        if (!valid) {
            out += '?';
            ++i;
            continue;
        }
        appendCodePoint(out, c);
        i += 1 + extra;
    }
    return out;
}

namespace {

std::string trim(std::string_view s) {
    std::size_t a = 0, b = s.size();
    while (a < b && (s[a] == ' ' || s[a] == '\t'))
        ++a;
    while (b > a && (s[b - 1] == ' ' || s[b - 1] == '\t'))
        --b;
    return std::string(s.substr(a, b - a));
}

} // namespace

std::vector<Row> readCsv(const std::filesystem::path& file, std::size_t columns, bool header) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + file.string());
    std::ostringstream buffer;
    buffer << in.rdbuf();
    std::string data = buffer.str();
    if (data.starts_with("\xEF\xBB\xBF")) data.erase(0, 3);

    std::vector<Row> rows;
    Row row;
    std::string field;
    bool quoted = false;
    bool anything = false; // current line has content
    int line = 1;
    auto endField = [&] {
        row.push_back(toCp1252(trim(field)));
        field.clear();
    };
    auto endRow = [&] {
        endField();
        if (row.size() != columns) {
            throw std::runtime_error(file.string() + ":" + std::to_string(line) + ": " +
                                     std::to_string(row.size()) + " fields, expected " +
                                     std::to_string(columns));
        }
        rows.push_back(std::move(row));
        row.clear();
    };
    for (std::size_t i = 0; i < data.size(); ++i) {
        const char c = data[i];
        if (quoted) {
            if (c == '"') {
                if (i + 1 < data.size() && data[i + 1] == '"') {
                    field += '"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == '\n') ++line;
                field += c;
            }
            continue;
        }
        switch (c) {
        case '"':
            quoted = true;
            anything = true;
            break;
        case ',':
            endField();
            anything = true;
            break;
        case '\r':
            break;
        case '\n':
            if (anything) endRow();
            anything = false;
            ++line;
            break;
        default:
            field += c;
            anything = true;
            break;
        }
    }
    if (quoted) throw std::runtime_error(file.string() + ": unterminated quote");
    if (anything) endRow();
    if (header) {
        if (rows.empty()) throw std::runtime_error(file.string() + ": no header");
        rows.erase(rows.begin());
    }
    return rows;
}

std::vector<std::string> splitWords(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    for (char c : text) {
        if (c == ' ' || c == '\t') {
            if (!word.empty()) words.push_back(std::move(word));
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty()) words.push_back(std::move(word));
    return words;
}

Number parseNumber(std::string_view text) {
    std::string s = trim(text);
    Number n;
    bool negative = false;
    if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
        negative = s[0] == '-';
        s.erase(0, 1);
    }
    const auto dot = s.find('.');
    std::string whole = s.substr(0, dot);
    std::string fraction = dot == std::string::npos ? std::string() : s.substr(dot + 1);
    auto digits = [](const std::string& d) {
        for (char c : d)
            if (c < '0' || c > '9') return false;
        return true;
    };
    if ((whole.empty() && fraction.empty()) || !digits(whole) || !digits(fraction))
        throw std::runtime_error("not a number: '" + std::string(text) + "'");
    const auto firstDigit = whole.find_first_not_of('0');
    const std::string integer =
        firstDigit == std::string::npos ? std::string(1, '0') : whole.substr(firstDigit);
    const auto lastDigit = fraction.find_last_not_of('0');
    fraction.resize(lastDigit == std::string::npos ? 0 : lastDigit + 1);
    n.magnitude = fraction.empty() ? integer : integer + "." + fraction;
    n.negative = negative && n.magnitude != "0";
    return n;
}

void DataWriter::separator() {
    if (lineOpen_) out_ += ',';
    lineOpen_ = true;
}

DataWriter& DataWriter::text(std::string_view value) {
    if (value.find('"') != std::string_view::npos)
        throw std::logic_error("double quote in text item");
    separator();
    out_ += '"';
    out_ += value;
    out_ += '"';
    return *this;
}

DataWriter& DataWriter::number(std::string_view value) {
    separator();
    out_ += value;
    return *this;
}

DataWriter& DataWriter::number(long long value) {
    return number(std::to_string(value));
}

void DataWriter::endLine() {
    out_ += "\r\n";
    lineOpen_ = false;
    ++lines_;
}

void DataWriter::save(const std::filesystem::path& file) const {
    if (lineOpen_) throw std::logic_error("unfinished line");
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(out_.data(), static_cast<std::streamsize>(out_.size()));
    out.close();
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

} // namespace gendata
