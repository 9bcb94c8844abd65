// SPDX-License-Identifier: GPL-3.0-or-later
#include <charconv>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <QApplication>

#include "tools/scenario/scenario.h"
#include "tools/scenario/walk.h"

namespace {

int usage() {
    std::cerr
        << "usage: maaltafels-scenario [--qt] [--realtime] [--shots DIR] [--trace] FILE...\n"
           "                           [--examples MARKDOWN]...\n"
           "       maaltafels-scenario --walk [--qt] [--seed N] [--events N] [--episode N] [--cover]\n"
           "                           [--max-trend KB_PER_MILLION] [--memory-log FILE] [--keep-going]\n"
           "                           [--replay FILE]\n"
           "       maaltafels-scenario --check-pictures ASSETS_DIR\n";
    return 2;
}

// A key that nothing takes is an ordinary thing for a child to press, and the offscreen platform
// has no window manager to raise windows; Qt warns about each.
QtMessageHandler qtDefault = nullptr;
void quietKeys(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && (message.contains("Keyboard event not accepted") ||
                                 message.startsWith("This plugin does not support")))
        return;
    qtDefault(type, context, message);
}

// A count or a seed: digits only.
bool count(std::string_view text, long long& out) {
    long long n = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (error != std::errc{} || end != text.data() + text.size() || n < 0)
        return false;
    out = n;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    qtDefault = qInstallMessageHandler(quietKeys);
    scenario::Options options;
    scenario::WalkOptions walk;
    bool walking = false;
    std::vector<std::string> files, examples;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        long long n = 0;
        if (arg == "--qt") {
            options.qt = walk.qt = true;
        } else if (arg == "--realtime") {
            options.realtime = true;
        } else if (arg == "--trace") {
            options.trace = true;
        } else if (arg == "--shots" && hasValue) {
            options.shots = argv[++i];
        } else if (arg == "--examples" && hasValue) {
            examples.push_back(argv[++i]);
        } else if (arg == "--walk") {
            walking = true;
        } else if (arg == "--seed" && hasValue && count(argv[i + 1], n)) {
            walk.seed = static_cast<std::uint64_t>(n);
            ++i;
        } else if (arg == "--events" && hasValue && count(argv[i + 1], n)) {
            walk.events = n;
            ++i;
        } else if (arg == "--episode" && hasValue && count(argv[i + 1], n) && n > 0) {
            walk.episode = static_cast<int>(n);
            ++i;
        } else if (arg == "--max-trend" && hasValue && count(argv[i + 1], n)) {
            walk.maxTrendKb = static_cast<long>(n);
            ++i;
        } else if (arg == "--memory-log" && hasValue) {
            walk.memoryLog = argv[++i];
#ifdef MAALTAFELS_TEST_LEAK
        } else if (arg == "--leak-per-screen" && hasValue && count(argv[i + 1], n)) {
            walk.leakKb = static_cast<int>(n);
            ++i;
#endif
        } else if (arg == "--keep-going") {
            walk.keepGoing = true;
        } else if (arg == "--cover") {
            walk.cover = true;
        } else if (arg == "--replay" && hasValue) {
            walk.replay = argv[++i];
        } else if (arg == "--check-pictures" && hasValue) {
            const int missing = scenario::checkPictures(argv[++i], std::cerr);
            return missing == 0 ? 0 : 1;
        } else if (arg.rfind("--", 0) == 0) {
            return usage();
        } else {
            files.push_back(arg);
        }
    }
    if (options.qt && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        // Scenarios run the same on any machine: no display needed, no window manager involved.
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (walking) {
        if (!files.empty() || options.realtime)
            return usage();
        // The walk runs in a child process, which makes its own QApplication.
        return scenario::walk(walk, argc, argv);
    }
    if ((files.empty() && examples.empty()) || (options.realtime && !options.qt))
        return usage();

    std::unique_ptr<QApplication> app;
    if (options.qt)
        app = std::make_unique<QApplication>(argc, argv);

    int passed = 0, failed = 0;
    for (const std::string& f : files)
        (scenario::runFile(f, options, std::cout) ? passed : failed)++;
    for (const std::string& f : examples)
        failed += scenario::runExamples(f, options, std::cout, passed);
    std::cout << passed << " passed, " << failed << " failed" << std::endl;
    return failed == 0 ? 0 : 1;
}
