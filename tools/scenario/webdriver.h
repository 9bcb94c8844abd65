// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "tools/scenario/driver.h"
#include "tools/scenario/walk.h"

namespace scenario {

// The page in a browser, drawn by the program's web binding as in the product: every input is the
// browser's own (a mouse click at the element, key events, typed and pasted text), given from
// outside the page through the DevTools protocol (tools/web/run-scenarios.js), and the page's
// elements are read back to check them against the model. Only in the scenario page's build.
std::unique_ptr<Driver> pageDriver();
// The same on a tablet (the page emulates one): a click is a tap, typing is text from an on-screen
// keyboard with no key events, and nothing hovers.
std::unique_ptr<Driver> tabletDriver();

// Where a walk in the page keeps its lines: outside the page, where a crash cannot reach them.
JournalSink& pageJournal();

} // namespace scenario
