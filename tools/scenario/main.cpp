#include <cstring>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>

#include "tools/scenario/scenario.h"

namespace {

int usage() {
    std::cerr << "usage: maaltafels-scenario [--qt] [--realtime] [--shots DIR] [--trace] FILE...\n"
                 "       maaltafels-scenario --check-pictures ASSETS_DIR\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    scenario::Options options;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--qt") {
            options.qt = true;
        } else if (arg == "--realtime") {
            options.realtime = true;
        } else if (arg == "--trace") {
            options.trace = true;
        } else if (arg == "--shots" && i + 1 < argc) {
            options.shots = argv[++i];
        } else if (arg == "--check-pictures" && i + 1 < argc) {
            const int missing = scenario::checkPictures(argv[++i], std::cerr);
            return missing == 0 ? 0 : 1;
        } else if (arg.rfind("--", 0) == 0) {
            return usage();
        } else {
            files.push_back(arg);
        }
    }
    if (files.empty() || (options.realtime && !options.qt))
        return usage();

    std::unique_ptr<QApplication> app;
    if (options.qt) {
        // Scenarios run the same on any machine: no display needed, no window manager involved.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QApplication>(argc, argv);
    }

    int passed = 0, failed = 0;
    for (const std::string& f : files)
        (scenario::runFile(f, options, std::cout) ? passed : failed)++;
    std::cout << passed << " passed, " << failed << " failed" << std::endl;
    return failed == 0 ? 0 : 1;
}
