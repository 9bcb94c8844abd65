// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The number rules checked against readings of their own, for any text at all: the numeric test
// against a state machine of the grammar, which also reads the digits; the value, the rounding,
// the 16-bit range and the comparison with whole numbers against sums done on those digit
// strings. Shared by the fuzz target and the property test.
namespace numberrules {

// What rule the text breaks, if any.
std::optional<std::string> broken(std::string_view text);

} // namespace numberrules
