// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace mt {
class Program;
}

namespace scenario {
class Driver;
}

// Runs scenario files: each file is one fresh program on a virtual clock, driven by the commands
// a child's visit is made of, with expectations checked along the way.
namespace scenario {

struct Options {
    // How inputs reach the program and what shows it; none: straight to the bare model.
    std::function<std::unique_ptr<Driver>()> driver;
    bool realtime = false; // on a driver's real clock: wait really waits
    bool trace = false;    // print every event and every property it changed
    std::string shots;     // with a view: where shot saves its pictures
    // Called with each fresh program before it starts: for tests that watch what scenarios do.
    std::function<void(mt::Program&)> onStart;
};

// One line of a scenario, split into words; quoted strings arrive unescaped.
struct Line {
    int number = 0;
    std::string text;
    std::vector<std::string> words;
    std::vector<bool> quoted;
};

// Splits a scenario text into lines of words. On a malformed line, returns its error.
std::optional<std::string> parse(const std::string& text, std::vector<Line>& out);

// The text as a scenario string: in double quotes, with the escapes the parser reads.
std::string quote(const std::string& text);

// A scenario passes, fails, or is skipped when the driver's view cannot take one of its inputs.
enum class Outcome { Passed, Failed, Skipped };

struct Tally {
    int passed = 0, failed = 0, skipped = 0;
    void add(Outcome o);
    // "N passed, M failed", and ", K skipped" when there are.
    std::string line() const;
};

// Runs one file; prints failures as FILE:LINE: message, and a skip with its reason.
Outcome runFile(const std::string& path, const Options& options, std::ostream& out);

// Runs every ```scn block of a Markdown file as a scenario.
void runExamples(const std::string& path, const Options& options, std::ostream& out, Tally& tally);

// Loads every screen and checks that each picture it names is in the assets folder.
int checkPictures(const std::string& assetsDir, std::ostream& out);

} // namespace scenario
