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

} // namespace tsl
