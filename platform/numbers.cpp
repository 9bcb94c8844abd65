// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/numbers.h"

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

// Digits as a whole number: 9 -> 10, 199 -> 200, "" (nought) -> 1.
std::string plusOne(std::string digits) {
    auto i = digits.size();
    while (i > 0 && digits[i - 1] == '9')
        digits[--i] = '0';
    if (i == 0)
        digits.insert(digits.begin(), '1');
    else
        ++digits[i - 1];
    return digits;
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

std::string Decimal::text() const {
    std::string out = m_negative ? "-" : "";
    out += m_whole.empty() ? "0" : m_whole;
    if (!m_fraction.empty())
        out += "." + m_fraction;
    return out;
}

std::optional<Decimal> toDecimal(std::string_view text) {
    if (!isNumeric(text))
        return std::nullopt;
    std::string_view s = trimmed(text);
    Decimal d;
    if (s.front() == '+' || s.front() == '-') {
        d.m_negative = s.front() == '-';
        s.remove_prefix(1);
    }
    const auto point = s.find_first_of(".,");
    std::string_view whole = s.substr(0, point);
    std::string_view fraction = point == std::string_view::npos ? std::string_view{} : s.substr(point + 1);
    while (!whole.empty() && whole.front() == '0')
        whole.remove_prefix(1);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.remove_suffix(1);
    d.m_whole = whole;
    d.m_fraction = fraction;
    if (d.m_whole.empty() && d.m_fraction.empty())
        d.m_negative = false; // "-0" is nought
    return d;
}

std::strong_ordering operator<=>(const Decimal& d, long long n) {
    const bool nNegative = n < 0;
    if (d.m_whole.empty() && d.m_fraction.empty())
        return 0 <=> n;
    if (d.m_negative != nNegative)
        return d.m_negative ? std::strong_ordering::less : std::strong_ordering::greater;
    // Same sign: compare the sizes, whole digits first, then whether a fraction is left over.
    const unsigned long long size = nNegative ? 0ULL - static_cast<unsigned long long>(n) : n;
    const std::string digits = size == 0 ? "" : std::to_string(size);
    auto bySize = d.m_whole.size() <=> digits.size();
    if (bySize == 0)
        bySize = d.m_whole.compare(digits) <=> 0;
    if (bySize == 0)
        bySize = d.m_fraction.empty() ? std::strong_ordering::equal : std::strong_ordering::greater;
    return d.m_negative ? 0 <=> bySize : bySize;
}

Decimal roundHalfEven(const Decimal& d) {
    Decimal r = d;
    r.m_fraction.clear();
    if (d.m_fraction.empty())
        return r;
    // Trailing zeros are gone, so a fraction "5" is exactly a half and "5..." is more.
    const char first = d.m_fraction.front();
    const bool odd = !d.m_whole.empty() && (d.m_whole.back() - '0') % 2 == 1;
    const bool up = first > '5' || (first == '5' && (d.m_fraction.size() > 1 || odd));
    if (up)
        r.m_whole = plusOne(r.m_whole);
    if (r.m_whole.empty())
        r.m_negative = false;
    return r;
}

std::optional<std::int16_t> toInt16(const Decimal& d) {
    const Decimal r = roundHalfEven(d);
    if (r.whole().size() > 5)
        return std::nullopt;
    long value = 0;
    for (char c : r.whole())
        value = value * 10 + (c - '0');
    if (r.negative())
        value = -value;
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

std::optional<std::int16_t> toInt16(std::string_view text) {
    const auto d = toDecimal(text);
    return d ? toInt16(*d) : std::nullopt;
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

long long intPart(double x) {
    return static_cast<long long>(std::floor(x));
}

} // namespace mt
