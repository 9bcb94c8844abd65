// SPDX-License-Identifier: GPL-3.0-or-later
// maaltafels-bareqt: the floor under the start-up benchmark. A Qt Widgets program of the same
// shape as Maaltafels at start (a main window with one menu, and a second window with a label),
// with nothing of the program itself: what any such Qt program pays on this machine.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    QApplication app(argc, argv);
    QMainWindow frame;
    frame.menuBar()->addMenu("OPENEN ")->addAction("&Basis");
    frame.resize(800, 600);
    frame.show();
    QLabel welcome("Klik hier en start !");
    welcome.resize(400, 300);
    welcome.show();
    return QApplication::exec();
}
