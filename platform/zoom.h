// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace mt {

// The biggest screen's client area, in twips.
inline constexpr int biggestScreenWidth = 11880;
inline constexpr int biggestScreenHeight = 8010;

// The zoom for a work area (the desktop less its panels, or a page's viewport), in pixels: the
// largest step of 0.05 from 0.75 up at which the biggest screen with its window frame (the extra
// width and height that the frame adds, in pixels) fits. 0.75 when not even that fits.
double zoomFor(int workWidth, int workHeight, int frameWidth, int frameHeight);

} // namespace mt
