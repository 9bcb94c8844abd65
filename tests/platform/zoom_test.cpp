// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/zoom.h"

namespace {

// The work areas of common school machines (the desktop less a taskbar), with a window frame of
// 10 x 34 pixels: the zoom is the largest step of 0.05 at which the biggest screen fits.
TEST(Zoom, LargestStepThatFitsTheWorkArea) {
    struct Case {
        int width, height;
        double zoom;
    };
    const Case cases[] = {
        {1366, 728, 1.25},  // the common school laptop, 40 px taskbar: 668 + 34 <= 728, 695 + 34 > 728
        {1920, 1040, 1.85}, // a classroom board
        {1024, 570, 1.0},   // a netbook with a 30 px panel: 534 + 34 = 568
        {2560, 1400, 2.55},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(mt::zoomFor(c.width, c.height, 10, 34), c.zoom) << c.width << " x " << c.height;
}

TEST(Zoom, WidthCanDecide) {
    // 792 px wide at zoom 1: a tall, narrow area is decided by its width.
    EXPECT_DOUBLE_EQ(mt::zoomFor(802, 2000, 10, 34), 1.0);
    EXPECT_DOUBLE_EQ(mt::zoomFor(801, 2000, 10, 34), 0.95);
}

TEST(Zoom, NeverBelowThreeQuarters) {
    EXPECT_DOUBLE_EQ(mt::zoomFor(320, 240, 10, 34), 0.75);
}

} // namespace
