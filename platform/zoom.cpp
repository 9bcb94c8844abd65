// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/zoom.h"

namespace mt {

double zoomFor(int workWidth, int workHeight, int frameWidth, int frameHeight) {
    constexpr int twipsPerPixel = 15;
    // Steps counted in twentieths, so that 1.25 is exactly 25 / 20 and no rounding decides a fit.
    constexpr int smallest = 15, largest = 80; // 0.75 .. 4
    int best = smallest;
    for (int step = smallest; step <= largest; ++step) {
        // The screen's pixels at this zoom, rounded up: step * twips / (20 * 15).
        const long long w = (static_cast<long long>(biggestScreenWidth) * step + 20 * twipsPerPixel - 1) /
                            (20 * twipsPerPixel);
        const long long h = (static_cast<long long>(biggestScreenHeight) * step + 20 * twipsPerPixel - 1) /
                            (20 * twipsPerPixel);
        if (w + frameWidth <= workWidth && h + frameHeight <= workHeight)
            best = step;
    }
    return best / 20.0;
}

} // namespace mt
