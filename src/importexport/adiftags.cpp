#include "adiftags.h"

#include "adifnames.h"
#include "core/text.h"
#include "importframe.h"
#include "platform/codepage.h"

#include <algorithm>
#include <array>
#include <cstring>

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

std::size_t headerat(std::string_view bytes, std::size_t start) {
    for (std::size_t at = start + 1; at + 5 <= bytes.size(); ++at) {
        const void* lt = std::memchr(bytes.data() + at, '<', bytes.size() - at);
        if (!lt) break;
        at = static_cast<std::size_t>(static_cast<const char*>(lt) - bytes.data());
        if (sameletters(bytes.substr(at, 5), "<EOH>")) return at + 5;
    }
    return std::string_view::npos;
}

// Adds a character of the name to its packed form, in capitals.
void addnamecharacter(adiftag& t, char c) {
    if (t.packed < 16)
        (t.packed < 8 ? t.name.head : t.name.tail) |=
            uint64_t{static_cast<unsigned char>(uppercased(c))} << (8 * (t.packed % 8));
    ++t.packed;
}

} // namespace

adiftag anyadiftag(std::string_view bytes, std::size_t pos, std::string& tagtext) {
    adiftag t;
    const std::size_t close = bytes.find('>', pos);
    if (close == std::string_view::npos) return t;
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

std::size_t adifheaderend(std::string_view bytes) {
    return headerat(bytes, bytes.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0);
}

std::string convertedadifvalue(std::string_view raw, std::string_view after) {
    return adifvalue(raw, after);
}

} // namespace tsl
