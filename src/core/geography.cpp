#include "geography.h"

#include "numbers.h"
#include "state.h"
#include "text.h"

#include <algorithm>
#include <cmath>

namespace tsl {

namespace {
constexpr double pi = 3.14159265358979323846;

int16_t whole16(double value) {
    return toint16(value).value_or(0);
}

bool letterupto(char c, char last) {
    const char upper = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    return upper >= 'A' && upper <= last;
}

bool digit(char c) {
    return c >= '0' && c <= '9';
}
} // namespace

std::string maidenheadlocator(std::string_view text) {
    const std::string_view t = trimmedview(text);
    const std::size_t n = t.size();
    if (n != 4 && n != 6 && n != 8) return {};
    if (!letterupto(t[0], 'R') || !letterupto(t[1], 'R') || !digit(t[2]) || !digit(t[3])) return {};
    if (n >= 6 && (!letterupto(t[4], 'X') || !letterupto(t[5], 'X'))) return {};
    if (n == 8 && (!digit(t[6]) || !digit(t[7]))) return {};
    return std::string(t);
}

void makegridsquare(AppState& s, const std::string& longitude, const std::string& latitude) {
    // The numbers as the call book's other readers take them: blanks inside are skipped,
    // and a value beyond a single-precision number reads as 0.
    s.dxlonwest = tosingle(numberoftext(longitude)).value_or(0);
    s.dxlatnorth = tosingle(numberoftext(latitude)).value_or(0);
    const float w = s.dxlonwest;
    const float n = s.dxlatnorth;
    std::string square = "    ";

    static constexpr const char* lonfields = "IHGFEDCBA";
    for (int k = 0; k < 9; ++k)
        if (w > static_cast<float>(20 * k)) square[0] = lonfields[k];
    static constexpr const char* latfields = "JKLMNOPQR";
    for (int k = 0; k < 9; ++k)
        if (n > static_cast<float>(10 * k)) square[1] = latfields[k];

    // The square digit counts 2-degree steps east from the field's western edge; a
    // longitude on a square's edge belongs to the square east of it.
    const double whole = std::trunc(static_cast<double>(w));
    if (whole >= 0 && whole <= 179) {
        const double east = std::fmod(180.0 - static_cast<double>(w), 20.0);
        square[2] = static_cast<char>('0' + static_cast<int>(std::floor(east / 2.0)) % 10);
    }
    // Below zero there is no digit, and none for a latitude beyond any real one, which no
    // integer conversion could take.
    const double latwhole = std::trunc(static_cast<double>(n) + 90.0);
    if (latwhole >= 0 && latwhole <= 1e9)
        square[3] = static_cast<char>('0' + static_cast<int>(std::fmod(latwhole, 10.0)));
    s.gridsquare = square;
}

float arccos(float x) {
    const double v = std::clamp(static_cast<double>(x), -1.0, 1.0);
    if (v >= 0) return static_cast<float>(2.0 * std::atan(std::sqrt((1.0 - v) / (1.0 + v))));
    return static_cast<float>(pi - 2.0 * std::atan(std::sqrt((1.0 + v) / (1.0 - v))));
}

distanceandbearing distancebearing(float lat1, float lon1, float lat2, float lon2) {
    const double k = pi / 180.0;
    const double p1 = lat1 * k, l1 = lon1 * k, p2 = lat2 * k, l2 = lon2 * k;
    const float c = static_cast<float>(std::cos(p2) * std::cos(p1) * std::cos(l1 - l2) +
                                       std::sin(p2) * std::sin(p1));
    const float a = arccos(c);
    const double nautical = (10800.0 / pi) * a;
    distanceandbearing d;
    d.miles = whole16(nautical * 1.15078);
    d.kilometres = whole16(d.miles * 1.609344);

    double bearing = 0;
    if (static_cast<double>(a) - 5e-9 >= 0) {
        const double denominator = std::cos(p1) * std::sin(static_cast<double>(a));
        if (std::abs(denominator) < 1e-12) {
            // From a pole every other place lies due south (or due north); for the
            // antipode every heading is as good as any: take north.
            bearing = lat1 > 0 ? pi : 0;
        } else {
            const float c2 = static_cast<float>(
                (std::sin(p2) - std::cos(static_cast<double>(a)) * std::sin(p1)) / denominator);
            const double b = arccos(c2);
            bearing = std::sin(l1 - l2) < 0 ? b : 2 * pi - b;
        }
    }
    d.degrees = whole16(bearing / k);
    return d;
}

std::string distancetext(const AppState& s, const distanceandbearing& d) {
    return inttext(s.unitsflag == 0 ? d.miles : d.kilometres);
}

} // namespace tsl
