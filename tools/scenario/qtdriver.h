// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "tools/scenario/driver.h"

namespace scenario {

// Real widgets on Qt's platform: clicks and keys through the widgets as QTest gives them, and the
// widgets checked against the model. Needs a QApplication.
std::unique_ptr<Driver> qtDriver();

// The QApplication a program with widgets needs, for as long as the returned object lives.
std::shared_ptr<void> qtApplication(int& argc, char** argv);

} // namespace scenario
