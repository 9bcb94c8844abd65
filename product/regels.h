// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/numbers.h"

// The product board's rules that need no screen.
namespace product {

// The cells of the hundred field that lose their number, so that only 0..10 and the products of
// two factors 1..10 stay numbered.
inline constexpr std::array<int, 58> blanco{11, 13, 17, 19, 22, 23, 26, 29, 31, 33, 34, 37, 38, 39, 41,
                                            43, 44, 46, 47, 51, 52, 53, 55, 57, 58, 59, 61, 62, 65, 66,
                                            67, 68, 69, 71, 73, 74, 75, 76, 77, 78, 79, 82, 83, 84, 85,
                                            86, 87, 88, 89, 91, 92, 93, 94, 95, 96, 97, 98, 99};

// The hint for a factor of 4..9 of table `tafel`, with its leading blank; empty for any other factor.
std::string hulpzin(int factor, int tafel);

// What the answer field holds once it has been read: its own text when that is a number,
// otherwise "0" (an empty field included).
std::string gelezen(std::string_view tekst);

// The value of an answer field's text as the check compares it, digit for digit: nought for
// anything not a number.
mt::Decimal antwoordwaarde(std::string_view tekst);

} // namespace product
