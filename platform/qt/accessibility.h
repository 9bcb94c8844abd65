// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the widgets present themselves to a screen reader; the names themselves come from the
// model's rule (platform/accessible.h).
namespace mt::qt {

// Marks the top-level widget of a screen, so that screen readers see it as a window.
class ScreenWindowTag {
public:
    virtual ~ScreenWindowTag() = default;
};

// Screen windows get the role of a window (Qt would report a nameless filler) and decoration keeps
// quiet, tool tip and all. Once per process; later calls do nothing.
void installAccessibility();

} // namespace mt::qt
