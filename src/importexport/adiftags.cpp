#include "adiftags.h"

#include "adifnames.h"
#include "core/text.h"
#include "importframe.h"
#include "platform/codepage.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <optional>

namespace tsl {

namespace {

// The length of the UTF-8 character that byte c begins (0 for a byte that begins none).
std::size_t utf8length(unsigned char c) {
    if (c >= 0xC2 && c <= 0xDF) return 2;
    if (c >= 0xE0 && c <= 0xEF) return 3;
    if (c >= 0xF0 && c <= 0xF4) return 4;
    return 0;
}

bool iscontinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

bool isutf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t n = c < 0x80 ? 1 : utf8length(c);
        if (n == 0 || i + n > text.size()) return false;
        for (std::size_t k = 1; k < n; ++k)
            if (!iscontinuation(text[i + k])) return false;
        i += n;
    }
    return true;
}

// A value as the log keeps it: quotes left out, UTF-8 turned into the code page, control
// characters blanks. A value whose length ends inside a UTF-8 character that the bytes
// after it complete was counted in characters by its writer: its complete characters are
// kept and the cut one becomes "?".
std::string adifvalue(std::string_view raw, std::string_view after) {
    std::string value;
    value.reserve(raw.size());
    for (char c : raw)
        if (c != '"') value.push_back(c);
    std::size_t start = value.size();
    while (start > 0 && iscontinuation(value[start - 1]) && value.size() - start < 3)
        --start;
    if (start > 0) {
        const std::size_t lead = start - 1;
        const std::size_t need = utf8length(static_cast<unsigned char>(value[lead]));
        const std::size_t have = value.size() - lead;
        if (need > have && after.size() >= need - have) {
            bool completed = true;
            for (std::size_t k = 0; k < need - have; ++k)
                completed = completed && iscontinuation(after[k]);
            if (completed && isutf8(std::string_view(value).substr(0, lead)))
                return safetext(fromutf8ifvalid(value.substr(0, lead)) + "?");
        }
    }
    return importedtext(value);
}

// A value that the log takes as it stands: printable ASCII without double quotes.
bool plainvalue(std::string_view raw) {
    static constexpr auto plain = [] {
        std::array<bool, 256> table{};
        for (int c = ' '; c < 127; ++c)
            table[static_cast<std::size_t>(c)] = c != '"';
        return table;
    }();
    for (char c : raw)
        if (!plain[static_cast<unsigned char>(c)]) return false;
    return true;
}

std::size_t headerat(std::string_view bytes, std::size_t start) {
    for (std::size_t at = start + 1; at + 5 <= bytes.size(); ++at) {
        const void* lt = std::memchr(bytes.data() + at, '<', bytes.size() - at);
        if (!lt) break;
        at = static_cast<std::size_t>(static_cast<const char*>(lt) - bytes.data());
        if (sameletters(bytes.substr(at, 5), "<EOH>")) return at + 5;
    }
    return std::string_view::npos;
}

// The first byte c from `from` on, or the size when there is none. The distances in a
// file are short: a loop is quicker than a call.
std::size_t findbyte(std::string_view bytes, std::size_t from, char c) {
    while (from < bytes.size() && bytes[from] != c)
        ++from;
    return from;
}

// A tag's text keeps no commas, line ends, double quotes or NULs.
bool droppedfromtag(char c) {
    return c == ',' || c == '\r' || c == '\n' || c == '"' || c == '\0';
}

constexpr std::size_t longestlength = 1000000000;

void addlengthdigit(std::size_t& length, char c) {
    if (c >= '0' && c <= '9')
        length = std::min(length * 10 + static_cast<std::size_t>(c - '0'), longestlength);
}

// Eight characters at once in capitals: the bytes "a" to "z" less 32, the others as they
// are.
static_assert(std::endian::native == std::endian::little, "names are packed byte by byte");

uint64_t capitals(uint64_t eight) {
    constexpr uint64_t ones = 0x0101010101010101ull;
    const uint64_t low7 = eight & (0x7F * ones);
    const uint64_t atleasta = low7 + (0x80 - 'a') * ones;
    const uint64_t abovez = low7 + (0x80 - 'z' - 1) * ones;
    const uint64_t small = atleasta & ~abovez & ~eight & (0x80 * ones);
    return eight - (small >> 2);
}

// Adds a character of the name to its packed form, in capitals.
void addnamecharacter(adiftag& t, char c) {
    if (t.packed < 16)
        (t.packed < 8 ? t.name.head : t.name.tail) |=
            uint64_t{static_cast<unsigned char>(capital(c))} << (8 * (t.packed % 8));
    ++t.packed;
}

// The bytes that end a tag's name in the plain way of writing: ":", ">", "<" and those a
// tag's text drops.
constexpr auto nameends = [] {
    std::array<bool, 256> table{};
    for (char c : {':', '>', '<', ',', '\r', '\n', '"', '\0'})
        table[static_cast<unsigned char>(c)] = true;
    return table;
}();

// The tag at pos read the plain way most files write it: "<", a name without blanks at its
// ends, ":", the length (and a type), ">", with no "<", comma, line end, quote or NUL
// inside; blanks and line ends before it are skipped. Nothing when the tag is of another
// form: the general reader then reads it.
std::optional<adiftag> plaintag(std::string_view bytes, std::size_t pos) {
    const std::size_t size = bytes.size();
    while (pos < size && bytes[pos] != '<') {
        if (bytes[pos] == '>') return std::nullopt;
        ++pos;
    }
    adiftag t;
    std::size_t i = pos + 1;
    while (i < size && !nameends[static_cast<unsigned char>(bytes[i])])
        ++i;
    if (i >= size || (bytes[i] != ':' && bytes[i] != '>') || i == pos + 1 ||
        bytes[pos + 1] == ' ' || bytes[i - 1] == ' ')
        return std::nullopt;
    t.namelength = i - pos - 1;
    // Only names as short as the known ones are spelled out.
    if (t.namelength <= 10) {
        char name[16] = {};
        std::memcpy(name, bytes.data() + pos + 1, t.namelength);
        std::memcpy(&t.name.head, name, 8);
        std::memcpy(&t.name.tail, name + 8, 8);
        t.name.head = capitals(t.name.head);
        t.name.tail = capitals(t.name.tail);
    }
    if (bytes[i] == '>') {
        if (t.namelength != 3 || t.name != packed("EOR")) return std::nullopt;
        t.kind = adiftag::eor;
        t.next = i + 1;
        return t;
    }
    for (++i; i < size && bytes[i] != '>'; ++i) {
        if (bytes[i] == '<' || droppedfromtag(bytes[i])) return std::nullopt;
        addlengthdigit(t.length, bytes[i]);
    }
    if (i >= size) return std::nullopt;
    t.kind = adiftag::value;
    t.next = i + 1;
    return t;
}

// The tag at pos by the whole rule.
adiftag anytag(std::string_view bytes, std::size_t pos, std::string& tagtext) {
    adiftag t;
    const std::size_t close = findbyte(bytes, pos, '>');
    if (close >= bytes.size()) return t;
    t.next = close + 1;
    tagtext.clear();
    for (std::size_t i = pos; i <= close; ++i) {
        if (bytes[i] == '<') tagtext.clear();
        if (!droppedfromtag(bytes[i])) tagtext.push_back(bytes[i]);
    }
    const std::string_view tag = tagtext.front() == '<' ? std::string_view(tagtext) : "";
    if (sameletters(tag, "<EOR>")) {
        t.kind = adiftag::eor;
        return t;
    }
    const std::size_t colon = tag.find(':');
    if (colon == std::string_view::npos) {
        t.kind = adiftag::nolength;
        return t;
    }
    for (char c : trimmedview(tag.substr(1, colon - 1)))
        addnamecharacter(t, c);
    t.namelength = t.packed;
    for (char c : tag.substr(colon + 1, tag.size() - colon - 2))
        addlengthdigit(t.length, c);
    t.kind = adiftag::value;
    return t;
}

} // namespace

std::size_t adifheaderend(std::string_view bytes) {
    return headerat(bytes, bytes.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0);
}

adiftag readadiftag(std::string_view bytes, std::size_t pos, std::string& scratch) {
    if (const auto plain = plaintag(bytes, pos)) return *plain;
    return anytag(bytes, pos, scratch);
}

std::string_view adifvaluetext(std::string_view bytes, std::size_t pos, std::size_t length,
                               std::string& scratch) {
    const std::string_view raw = bytes.substr(pos, length);
    if (plainvalue(raw)) return raw;
    scratch = adifvalue(raw, bytes.substr(pos + length));
    return scratch;
}

std::size_t nextadiftag(std::string_view bytes, std::size_t from) {
    return findbyte(bytes, from, '<');
}

} // namespace tsl
