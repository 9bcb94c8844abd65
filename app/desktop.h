// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

struct xcb_connection_t;

// Looks for a display to show the program on, before QApplication is made: Qt aborts on a display
// it cannot open, and on the offscreen or minimal platform it runs with no window anyone can see.
class DesktopCheck {
public:
    DesktopCheck(int argc, char** argv);
    ~DesktopCheck();
    DesktopCheck(const DesktopCheck&) = delete;
    DesktopCheck& operator=(const DesktopCheck&) = delete;

    // Why the program cannot show its windows here, as the lines to print; nothing when it can.
    const std::optional<std::string>& problem() const { return m_problem; }

private:
    // The X display it found, held open: an X server resets when its last client leaves (the one
    // xvfb-run starts has no other), and turns Qt away while it does.
    xcb_connection_t* m_x = nullptr;
    std::optional<std::string> m_problem;
};
