// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/scenario/cli.h"

// The runner on the bare model alone, for builds without widgets (WebAssembly under node), where
// walks run in this process.
int main(int argc, char** argv) {
    return scenario::commandLine(argc, argv, {.forkWalks = false});
}
