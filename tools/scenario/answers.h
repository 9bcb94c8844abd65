// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/control.h"

// What a screen waits for, worked out from its state variables as the child works it out from
// the screen. Kept beside the walker, not in the screens.
namespace scenario {

// The answer a text box waits for; nothing when the walker knows of none.
std::optional<std::string> expectedAnswer(const mt::TextBox& box);

// One way of giving an answer the screen waits for: typing it into a box or clicking it.
struct Answer {
    const mt::Control* control;
    std::vector<std::string> lines;
};

// Every answer the screen waits for now, on the controls the child can reach, and not given yet.
std::vector<Answer> expectedAnswers(const mt::Screen& s);

} // namespace scenario
