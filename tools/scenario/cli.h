// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tools/scenario/driver.h"
#include "tools/scenario/walk.h"

namespace scenario {

// A view the runner drives besides the bare model, chosen by its flag ("--qt").
struct View {
    std::string flag;
    std::function<std::unique_ptr<Driver>()> driver;
    // What its driver needs in the process (a QApplication), for as long as the returned object
    // lives; made once the command line is read.
    std::function<std::shared_ptr<void>(int& argc, char** argv)> environment;
};

// How this build of the runner can run.
struct Setup {
    std::vector<View> views;
    // Walks in a child process; without processes, in this one, the journal handed to `journal`.
    bool forkWalks = true;
    JournalSink* journal = nullptr;
};

// maaltafels-scenario's command line: scenario files, README examples, walks, the picture check.
// Prints to stdout and returns the exit status.
int commandLine(int argc, char** argv, const Setup& setup);

} // namespace scenario
