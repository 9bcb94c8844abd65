#pragma once

#include <optional>
#include <string>
#include <string_view>

// The number rules checked against readings of their own, for any text at all: the numeric test
// against a state machine of the grammar, the conversion against the C library's reading of the
// normalised text, the rounding against the floating-point unit's, the 16-bit range and the
// number text. Shared by the fuzz target and the property test.
namespace numberrules {

// What rule the text breaks, if any.
std::optional<std::string> broken(std::string_view text);

} // namespace numberrules
