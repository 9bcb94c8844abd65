#pragma once

#include <optional>
#include <string>

#include "platform/control.h"

namespace scenario {

// The answer a screen waits for in this text box, worked out from the screen's state variables
// as the child would work it out from the screen; nothing when the box waits for no answer the
// walker knows. Kept beside the walker, not in the screens.
std::optional<std::string> expectedAnswer(const mt::TextBox& box);

} // namespace scenario
