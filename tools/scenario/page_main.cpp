// SPDX-License-Identifier: GPL-3.0-or-later
#include <emscripten.h>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "tools/scenario/cli.h"
#include "tools/scenario/webdriver.h"

// The scenario runner in a page, on the page's binding: tools/web/run-scenarios.js opens the page in
// Chromium and runs maaltafels-scenario's command line in it, one call at a time.
int main() {
    return 0;
}

// The arguments one a line; returns the exit status. What it prints goes to the page's console.
extern "C" EMSCRIPTEN_KEEPALIVE int mt_scenarios(const char* lines) {
    std::vector<std::string> args{"maaltafels-scenario"};
    std::istringstream in(lines);
    for (std::string arg; std::getline(in, arg);)
        args.push_back(arg);
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const scenario::View page{.flag = "--web", .driver = scenario::pageDriver, .environment = {}};
    const scenario::View tablet{.flag = "--touch", .driver = scenario::tabletDriver, .environment = {}};
    const int status = scenario::commandLine(
        static_cast<int>(args.size()), argv.data(),
        {.views = {page, tablet}, .forkWalks = false, .journal = &scenario::pageJournal()});
    std::cout.flush();
    return status;
}
