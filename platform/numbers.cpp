#include "platform/numbers.h"

#include <cmath>
#include <limits>

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
    // Digit by digit, so the result does not depend on the C locale's decimal point.
    double whole = 0;
    double fraction = 0;
    double scale = 1;
    bool afterSeparator = false;
    for (char c : s) {
        if (!isDigit(c)) {
            afterSeparator = true;
        } else if (afterSeparator) {
            scale /= 10;
            fraction += (c - '0') * scale;
        } else {
            whole = whole * 10 + (c - '0');
        }
    }
    double value = whole + fraction;
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
