// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QTimer>

#include "app/desktop.h"
#include "platform/qt/qtbinding.h"
#include "platform/qt/qtclock.h"
#include "shell/maaltafels.h"

int main(int argc, char** argv) {
    // Kept to the end: it holds the display open for Qt.
    const DesktopCheck desktop(argc, argv);
    if (desktop.problem()) {
        std::fputs(desktop.problem()->c_str(), stderr);
        return 1;
    }
    // Plain widgets need no OpenGL: skipping its set-up saves start-up time and memory.
    if (qEnvironmentVariableIsEmpty("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    QApplication qapp(argc, argv);
    QApplication::setApplicationName("Maaltafels");
    QApplication::setQuitOnLastWindowClosed(false);
    // Desktops find the launcher entry, and with it the icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("nl.maaltafels.Maaltafels"));

    const double zoom = mt::qt::QtBinding::chooseZoom();
    mt::qt::QtClock clock;
    mt::qt::QtMetrics metrics(zoom);
    mt::Random random;
    Maaltafels* program = nullptr;
    mt::qt::QtBinding* binding = nullptr;
    mt::qt::QtMessageBox box([&]() -> QWidget* {
        return program && binding && program->active() ? binding->window(*program->active()) : nullptr;
    });

    Maaltafels app({clock, box, random, metrics});
    mt::qt::QtBinding qt(app,
                         {.zoom = zoom, .followActivation = true, .onEnded = [] { QApplication::exit(0); }});
    program = &app;
    binding = &qt;
    app.randomize();
    app.start();
    // The window icon comes once the first windows are up, so that start-up does not wait for it.
    QTimer::singleShot(0, [] {
        QIcon icon;
        for (const QString& size : QDir(QStringLiteral(":/icon")).entryList())
            icon.addFile(QStringLiteral(":/icon/") + size);
        QApplication::setWindowIcon(icon);
    });
    return QApplication::exec();
}
