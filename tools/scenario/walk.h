// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace scenario {

class Driver;
class Run;

// Where a walk hands each line as it carries it out, so that the lines survive a crash of the
// walk: in a file when the walk runs in a child process, or outside the page that walks.
class JournalSink {
public:
    virtual ~JournalSink() = default;
    // A fresh walk: nothing of the last one is kept.
    virtual void restart() = 0;
    virtual void add(const std::string& line) = 0;
    // The last line added was refused after all.
    virtual void takeBack() = 0;
};

struct WalkOptions {
    // How inputs reach the program, and what shows it; none: the bare model.
    std::function<std::unique_ptr<Driver>()> driver;
    // What the driver needs in the process that walks (a QApplication), for as long as it lives.
    std::function<std::shared_ptr<void>()> environment;
    std::string flag; // the runner's flag for the driver ("--qt"), for the scenarios a walk writes
    std::uint64_t seed = 1;
    long long events = 10000; // in all, over as many fresh programs as it takes
    int episode = 60;         // inputs for one fresh program at most
    bool cover = false;       // fail unless every screen was on display at some point
    long maxTrendKb = -1;     // fail when resident memory rises faster, in kB per million inputs
    std::string memoryLog;    // where the resident memory samples go, if anywhere
    int leakKb = 0;           // test builds: leak this much per screen shown, for the memory rule to find
    bool keepGoing = false;   // count what the walks find instead of stopping at the first (not a crash)
    std::string replay;       // where a failure's minimal scenario goes; empty: walk-SEED.scn
    // In a child process, which a crash takes down alone; where there are none (a page, node),
    // in this one, handing each line to `journal` as it is carried out.
    bool fork = true;
    JournalSink* journal = nullptr;
};

// Random walks over every screen the program defines, in a child process so that a crash is
// caught too (or in this one: see WalkOptions::fork). Every input is checked: nothing crashes,
// the program does not end but by its own way out, a screen is up and reachable, and with a view
// it shows what the model holds;
// from the last state of every walk a bounded search with the child's means must find the
// choice board or the end. A failure prints the seed and a minimal scenario that replays it.
// Returns the exit status.
int walk(const WalkOptions& options);

// Why a child is stranded in the run's state, if it is: no screen is up and reachable, or a
// bounded search with the child's means (way back, menu, expected answers, clicks, waiting out
// the timers) finds neither the choice board nor the end.
std::optional<std::string> strandedBy(const Run& run);

// The model's state, one "SCREEN.CONTROL.Prop=value" a line, for comparing two runs.
std::vector<std::string> stateOf(const Run& run);

} // namespace scenario
