// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

#include "platform/qt/qtbinding.h"
#include "shell/maaltafels.h"

// The whole program on test services with real widgets, started: frame window and welcome screen
// are up. As in the scenario runner, the binding does not follow the window system's activation.
struct QtTestProgram {
    // Destroyed last: windows deleted later go once the binding and the program are gone.
    struct Tidy {
        ~Tidy() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    } tidy;
    mt::VirtualClock clock;
    mt::RecordingMessageBox box;
    mt::Random random;
    mt::FixedMetrics metrics;
    Maaltafels app{{clock, box, random, metrics}};
    mt::qt::QtBinding qt;

    explicit QtTestProgram(double zoom = 1)
        : qt(app, {.zoom = zoom, .followActivation = false, .onEnded = {}}) {
        app.start();
        settle();
    }
    static void settle() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};
