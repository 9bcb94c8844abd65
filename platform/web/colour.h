// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "platform/value.h"

// Colours as the desktop binding draws them, for the page.
namespace mt::web {

// System colours as the desktop's palette has them.
Color resolved(Color c);
// "#rrggbb"
std::string hex(Color c);
// Qt's darker and lighter: the HSV value divided or multiplied by factor / 100; lighter takes the
// saturation down by what the value would exceed.
Color darker(Color c, int factor);
Color lighter(Color c, int factor);

} // namespace mt::web
