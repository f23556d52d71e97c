#include "fieldchecks.h"

#include "helpers.h"
#include "text.h"

#include <QDate>

namespace tsl {

namespace {

bool isseparator(char c) {
    return c == '/' || c == '.';
}

bool digits(const std::string& s) {
    return !s.empty() && isalldigits(s);
}

} // namespace

int fourdigityear(int twodigits, int currentyear) {
    return (twodigits <= currentyear % 100 ? 2000 : 1900) + twodigits;
}

std::optional<std::string> checkeddate(const std::string& text, bool dayfirst, int currentyear) {
    std::string t = trimblanks(text);
    // Each field may have one digit or two; the year two or four.
    const auto first = t.find_first_of("/.");
    if (first == std::string::npos || first == 0 || first > 2) return std::nullopt;
    if (first == 1) t = "0" + t;
    const auto second = t.find_first_of("/.", 3);
    if (second == std::string::npos || second == 3 || second > 5) return std::nullopt;
    if (second == 4) t = t.substr(0, 3) + "0" + t.substr(3);
    std::string year = t.substr(6);
    if (year.size() == 2 && digits(year)) {
        const int yy = std::stoi(year);
        year = std::to_string(fourdigityear(yy, currentyear));
        t = t.substr(0, 6) + year;
    }
    if (t.size() != 10 || !isseparator(t[2]) || !isseparator(t[5])) return std::nullopt;
    const std::string a = t.substr(0, 2), b = t.substr(3, 2);
    if (!digits(a) || !digits(b) || !digits(year) || year.size() != 4) return std::nullopt;
    const int month = std::stoi(dayfirst ? b : a);
    const int day = std::stoi(dayfirst ? a : b);
    if (!QDate::isValid(std::stoi(year), month, day) || std::stoi(year) < 1) return std::nullopt;
    return t;
}

std::optional<std::string> reordereddate(const std::string& text, bool wasdayfirst,
                                         int currentyear) {
    const auto date = checkeddate(text, wasdayfirst, currentyear);
    if (!date) return std::nullopt;
    // "mm/dd/yyyy" and "dd/mm/yyyy" differ only in which of the first two fields is which.
    return date->substr(3, 2) + (*date)[2] + date->substr(0, 2) + date->substr(5);
}

std::optional<std::string> checkedtime(const std::string& text) {
    const std::string t = trimblanks(text);
    std::string hh, mm;
    const auto colon = t.find(':');
    if (colon != std::string::npos) {
        hh = t.substr(0, colon);
        mm = t.substr(colon + 1);
        if (hh.empty() || hh.size() > 2 || mm.size() != 2) return std::nullopt;
        if (hh.size() == 1) hh = "0" + hh;
    } else {
        if (t.size() > 4) return std::nullopt;
        const std::string padded = std::string(4 - t.size(), '0') + t;
        hh = padded.substr(0, 2);
        mm = padded.substr(2, 2);
    }
    if (!digits(hh) || !digits(mm) || std::stoi(hh) > 23 || std::stoi(mm) > 59) return std::nullopt;
    return hh + ":" + mm;
}

std::optional<std::string> checkedgridsquare(const std::string& text) {
    if (text.size() == 4) return uppercased(trimblanks(text));
    if (text.size() == 6) {
        return std::string{uppercased(text[0]), uppercased(text[1]), text[2], text[3],
                           lowercased(text[4]), lowercased(text[5])};
    }
    return std::nullopt;
}

std::string storeddatetext(const std::string& text, bool dayfirst) {
    const std::string t = text.size() >= 10 ? text : text + std::string(10 - text.size(), ' ');
    if (dayfirst) return t.substr(6, 4) + t.substr(3, 2) + t.substr(0, 2);
    return t.substr(6, 4) + t.substr(0, 2) + t.substr(3, 2);
}

} // namespace tsl
