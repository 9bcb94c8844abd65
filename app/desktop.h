#pragma once

#include <optional>
#include <string>

// Why the program cannot show its windows here, as the lines to print, or nothing when it can.
// Asked before QApplication is made: Qt aborts on a display it cannot open, and on the offscreen
// or minimal platform it runs with no window anyone can see.
std::optional<std::string> whyNoDesktop();
