// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/maaltafels.h"

// The whole program on test services, started: its frame window and welcome screen are up.
// The clock is virtual, message boxes are recorded and answered, random numbers can be queued.
struct TestProgram {
    mt::VirtualClock clock;
    mt::RecordingMessageBox box;
    mt::Random random;
    mt::FixedMetrics metrics;
    Maaltafels app{{clock, box, random, metrics}};

    TestProgram() { app.start(); }
};
