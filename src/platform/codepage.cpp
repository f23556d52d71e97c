#include "codepage.h"

#include <QList>

#include <array>

namespace tsl {
namespace {

// Windows-1252 assigns 0x80..0x9F to typographic characters; the five unassigned
// positions map to themselves, as most converters do.
constexpr std::array<char16_t, 32> highcontrol = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

char16_t unicodeof(unsigned char c) {
    if (c >= 0x80 && c <= 0x9F) return highcontrol[c - 0x80];
    return c;
}

namespace {

char tobyte(char32_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<char>(u);
    for (std::size_t i = 0; i < highcontrol.size(); ++i)
        if (highcontrol[i] == u) return static_cast<char>(0x80 + i);
    return '?';
}

} // namespace

QString toqt(const std::string& bytes) {
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    for (unsigned char c : bytes)
        out.append(QChar(unicodeof(c)));
    return out;
}

std::string fromqt(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    const QList<uint> codes = text.toUcs4();
    for (uint u : codes)
        out.push_back(tobyte(static_cast<char32_t>(u)));
    return out;
}

namespace {
bool isvalidutf8(const std::string& bytes, bool& nonascii) {
    nonascii = false;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        int follow = 0;
        if (c < 0x80) {
            ++i;
            continue;
        }
        nonascii = true;
        if (c >= 0xC2 && c <= 0xDF)
            follow = 1;
        else if (c >= 0xE0 && c <= 0xEF)
            follow = 2;
        else if (c >= 0xF0 && c <= 0xF4)
            follow = 3;
        else
            return false;
        if (i + static_cast<std::size_t>(follow) >= bytes.size()) return false;
        for (int k = 1; k <= follow; ++k)
            if ((static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]) & 0xC0) != 0x80)
                return false;
        i += static_cast<std::size_t>(follow) + 1;
    }
    return true;
}
} // namespace

std::string fromutf8(const std::string& bytes) {
    return fromqt(QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string fromutf8ifvalid(const std::string& bytes) {
    bool nonascii = false;
    if (!isvalidutf8(bytes, nonascii) || !nonascii) return bytes;
    return fromutf8(bytes);
}

} // namespace tsl
