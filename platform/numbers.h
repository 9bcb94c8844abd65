// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The number rules every screen shares: how numbers are written, which typed texts count as
// numbers, and how they are converted.
namespace mt {

// Plain decimal: no leading blank, no leading zeros, a minus sign only for negative values.
std::string numberText(long long n);

// True when the text reads as one decimal number as a whole: blanks around it, an optional
// sign, digits with at most one decimal separator ("." or ","). Nothing else.
bool isNumeric(std::string_view text);

// A typed number kept as its decimal digits, so that no fraction is too long to count: a child's
// "48.50000000000000000001" is more than 48.5.
class Decimal {
public:
    Decimal() = default; // nought

    bool negative() const { return m_negative; }
    // The digits before the point without leading zeros ("" for nought), and after it without
    // trailing zeros.
    const std::string& whole() const { return m_whole; }
    const std::string& fraction() const { return m_fraction; }
    // The shortest way to write it: "-12.5", "0.25", "7".
    std::string text() const;

    // Exact, at any length: "12.00000000000000000001" is more than 12.
    friend std::strong_ordering operator<=>(const Decimal& d, long long n);
    friend bool operator==(const Decimal& d, long long n) { return (d <=> n) == 0; }

private:
    friend std::optional<Decimal> toDecimal(std::string_view text);
    friend Decimal roundHalfEven(const Decimal& d);

    bool m_negative = false;
    std::string m_whole;
    std::string m_fraction;
};

// The value of a text that passes isNumeric; nothing otherwise.
std::optional<Decimal> toDecimal(std::string_view text);

// The whole number nearest to d; halves go to the even neighbour (2.5 -> 2, 3.5 -> 4). The digits
// after the point decide: more than half, exactly half or less than half.
Decimal roundHalfEven(const Decimal& d);

// d rounded half-to-even as a 16-bit whole number, or nothing when it does not fit.
std::optional<std::int16_t> toInt16(const Decimal& d);

// The same for a text; nothing too when it is not a number.
std::optional<std::int16_t> toInt16(std::string_view text);

// A value the program computes (a position, a count of blanks) rounded the same way.
double roundHalfEven(double x);

// Int(x): the largest whole number not above x.
long long intPart(double x);

} // namespace mt
