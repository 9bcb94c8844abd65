// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/scenario/cli.h"

#include <charconv>
#include <iostream>
#include <string_view>

#include "tools/scenario/scenario.h"

namespace scenario {

namespace {

int usage(const Setup& setup) {
    std::string views;
    for (const View& v : setup.views)
        views += "[" + v.flag + "] ";
    std::cerr
        << "usage: maaltafels-scenario " << views
        << "[--realtime] [--shots DIR] [--trace] FILE...\n"
           "                           [--examples MARKDOWN]...\n"
           "       maaltafels-scenario --walk "
        << views
        << "[--seed N] [--events N] [--episode N] [--cover]\n"
           "                           [--max-trend KB_PER_MILLION] [--memory-log FILE] [--keep-going]\n"
           "                           [--replay FILE]\n"
           "       maaltafels-scenario --check-pictures ASSETS_DIR\n";
    return 2;
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

int commandLine(int argc, char** argv, const Setup& setup) {
    Options options;
    WalkOptions walk;
    walk.fork = setup.forkWalks;
    walk.journal = setup.journal;
    bool walking = false;
    const View* view = nullptr;
    std::vector<std::string> files, examples;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        long long n = 0;
        const View* named = nullptr;
        for (const View& v : setup.views)
            if (arg == v.flag)
                named = &v;
        if (named) {
            view = named;
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
            const int missing = checkPictures(argv[++i], std::cerr);
            return missing == 0 ? 0 : 1;
        } else if (arg.rfind("--", 0) == 0) {
            return usage(setup);
        } else {
            files.push_back(arg);
        }
    }
    if (view) {
        options.driver = walk.driver = view->driver;
        if (view->environment)
            walk.environment = [&argc, argv, view] { return view->environment(argc, argv); };
        walk.flag = view->flag;
    }
    if (walking) {
        if (!files.empty() || options.realtime)
            return usage(setup);
        // A walk in a child process makes the driver's environment there.
        return scenario::walk(walk);
    }
    if ((files.empty() && examples.empty()) || (options.realtime && !view))
        return usage(setup);

    const auto environment = view && view->environment ? view->environment(argc, argv) : nullptr;
    Tally tally;
    for (const std::string& f : files)
        tally.add(runFile(f, options, std::cout));
    for (const std::string& f : examples)
        runExamples(f, options, std::cout, tally);
    std::cout << tally.line() << std::endl;
    return tally.failed == 0 ? 0 : 1;
}

} // namespace scenario
