#pragma once

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

// The value of a text that passes isNumeric; nothing otherwise.
std::optional<double> toNumber(std::string_view text);

// Whole number nearest to x; halves go to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double x);

// x rounded half-to-even as a 16-bit whole number, or nothing when it does not fit.
std::optional<std::int16_t> toInt16(double x);

// Int(x): the largest whole number not above x.
long long intPart(double x);

} // namespace mt
