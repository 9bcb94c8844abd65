// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace mt {
class Program;
}

// Runs scenario files: each file is one fresh program on a virtual clock, driven by the commands
// a child's visit is made of, with expectations checked along the way.
namespace scenario {

struct Options {
    bool qt = false;       // real widgets on Qt's platform instead of the bare model
    bool realtime = false; // with qt: the program's real clock; wait really waits
    bool trace = false;    // print every event and every property it changed
    std::string shots;     // with qt: where shot saves its pictures
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

// Runs one file; prints failures as FILE:LINE: message. True when every line passed.
bool runFile(const std::string& path, const Options& options, std::ostream& out);

// Runs every ```scn block of a Markdown file as a scenario; returns how many failed.
int runExamples(const std::string& path, const Options& options, std::ostream& out, int& passed);

// Loads every screen and checks that each picture it names is in the assets folder.
int checkPictures(const std::string& assetsDir, std::ostream& out);

} // namespace scenario
