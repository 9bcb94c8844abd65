#include "platform/numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace mt {

std::string numberText(long long n) {
    return std::to_string(n);
}

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

} // namespace

bool isNumeric(std::string_view text) {
    std::string_view s = trimmed(text);
    if (!s.empty() && (s.front() == '+' || s.front() == '-'))
        s.remove_prefix(1);
    bool digits = false;
    bool separator = false;
    for (char c : s) {
        if (isDigit(c)) {
            digits = true;
        } else if ((c == '.' || c == ',') && !separator) {
            separator = true;
        } else {
            return false;
        }
    }
    return digits;
}

std::optional<double> toNumber(std::string_view text) {
    if (!isNumeric(text))
        return std::nullopt;
    std::string_view s = trimmed(text);
    bool negative = false;
    if (s.front() == '+' || s.front() == '-') {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    // from_chars reads the nearest double, whatever the C locale's decimal point; it wants a point
    // with digits on both sides.
    std::string t(s);
    for (char& c : t)
        if (c == ',')
            c = '.';
    if (t.front() == '.')
        t.insert(t.begin(), '0');
    if (t.back() == '.')
        t += '0';
    double value = 0;
    if (std::from_chars(t.data(), t.data() + t.size(), value, std::chars_format::fixed).ec != std::errc{}) {
        // Out of range: too big for a double is infinite, too small to tell from nought is nought.
        const bool big = t.substr(0, t.find('.')).find_first_not_of('0') != std::string::npos;
        value = big ? std::numeric_limits<double>::infinity() : 0;
    }
    return negative ? -value : value;
}

double roundHalfEven(double x) {
    double down = std::floor(x);
    double rest = x - down;
    if (rest < 0.5)
        return down;
    if (rest > 0.5)
        return down + 1;
    return std::fmod(down, 2) == 0 ? down : down + 1;
}

std::optional<std::int16_t> toInt16(double x) {
    if (!std::isfinite(x))
        return std::nullopt;
    double r = roundHalfEven(x);
    if (r < std::numeric_limits<std::int16_t>::min() || r > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(r);
}

long long intPart(double x) {
    return static_cast<long long>(std::floor(x));
}

} // namespace mt
