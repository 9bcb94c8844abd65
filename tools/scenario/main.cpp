// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "tools/scenario/cli.h"
#include "tools/scenario/qtdriver.h"

namespace {

// A key that nothing takes is an ordinary thing for a child to press, and the offscreen platform
// has no window manager to raise windows; Qt warns about each.
QtMessageHandler qtDefault = nullptr;
void quietKeys(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && (message.contains("Keyboard event not accepted") ||
                                 message.startsWith("This plugin does not support")))
        return;
    qtDefault(type, context, message);
}

} // namespace

// The runner on the bare model, and with --qt on real widgets.
int main(int argc, char** argv) {
    qtDefault = qInstallMessageHandler(quietKeys);
    const scenario::View widgets{
        .flag = "--qt", .driver = scenario::qtDriver, .environment = [](int& c, char** v) {
            // Scenarios run the same on any machine: no display needed, no window manager involved.
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
            return scenario::qtApplication(c, v);
        }};
    return scenario::commandLine(argc, argv, {.views = {widgets}});
}
