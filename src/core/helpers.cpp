#include "helpers.h"

#include "numbers.h"
#include "state.h"
#include "text.h"

#include <algorithm>
#include <climits>

namespace tsl {

namespace {

int32_t clamped32(double value) {
    // The values compared here are indexes and counts well inside 32 bits.
    return toint32(value).value_or(value < 0 ? INT32_MIN : INT32_MAX);
}

bool isprefixdigit(char c) {
    return (c >= '0' && c <= '9') || c == slashedzero;
}

} // namespace

bool isqrp(const AppState& state, int32_t qso) {
    const qsorecord& q = state.qsos.at(static_cast<std::size_t>(qso));
    if (q.mode == state.cwmodeindex) return q.power <= 5.0f;
    return q.power <= 10.0f;
}

int32_t maxlong(double a, double b) {
    return clamped32(a > b ? a : b);
}
int32_t minlong(double a, double b) {
    return clamped32(a < b ? a : b);
}

bool isalldigits(const std::string& s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string qsodatetext(const AppState& state, int32_t qso) {
    const std::string d = state.qsos.at(static_cast<std::size_t>(qso)).date.str();
    if (state.dateformatflag == 0)
        return d.substr(4, 2) + "/" + d.substr(6, 2) + "/" + d.substr(0, 4);
    return d.substr(6, 2) + "." + d.substr(4, 2) + "." + d.substr(0, 4);
}

std::string normalizecall(const std::string& call) {
    std::string c = trimblanks(call);
    std::replace(c.begin(), c.end(), slashedzero, '0');
    return c;
}

std::string callprefix(std::string& call) {
    std::string c = trimblanks(call);
    const auto slash = c.rfind('/');
    const bool hasslash = slash != std::string::npos;
    if (hasslash) {
        const std::string key = c.substr(0, 2) + "/" + c.substr(slash + 1, 1);
        if (key == "FR/J" || key == "FR/G" || key == "FR/E" || key == "FR/T" || key == "SV/A")
            return key;
        const std::string left = trimblanks(c.substr(0, slash));
        const std::string right = trimblanks(c.substr(slash + 1));
        std::string base;
        if (right.size() <= 1) {
            base = left;
        } else if (left.size() >= right.size()) {
            base = uppercased(right) == "QRP" ? left : right;
        } else {
            base = left;
        }
        call = base;
        c = base;
    }
    for (std::size_t i = c.size(); i > 0; --i)
        if (isprefixdigit(c[i - 1])) return c.substr(0, i);
    return hasslash ? c : std::string();
}

} // namespace tsl
