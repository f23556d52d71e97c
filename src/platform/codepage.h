#pragma once
// Conversion between the program's single-byte code page (Windows-1252) and Qt's text.
// Logic keeps text as bytes; windows convert at their boundary, here and nowhere else.

#include <QString>
#include <string>

namespace tsl {

QString toqt(const std::string& bytes);
// The Unicode value of one byte of the code page (texts sort by these values).
char16_t unicodeof(unsigned char byte);
// Characters the code page cannot hold become "?".
std::string fromqt(const QString& text);

// UTF-8 text in the code page: characters it cannot hold, and bytes that are not UTF-8,
// become "?".
std::string fromutf8(const std::string& bytes);

// Text that is valid UTF-8 and holds more than plain ASCII, converted to the code page;
// any other text is taken to be in the code page already and returned as it is.
std::string fromutf8ifvalid(const std::string& bytes);

} // namespace tsl
