// SPDX-License-Identifier: GPL-3.0-or-later
// maaltafels-screenbench: how long a click on the choice board takes until its screen stands on
// the display, painted, and how much memory the program holds once every screen has been shown.
//
// Usage: maaltafels-screenbench [--visits N]     (on a display: bench.sh runs it under Xvfb)
//
// The program runs with its real binding, zoom and clock; clicks go in as the child's clicks do.
// For each button of the board the first visit (the screen is built then) and the median of the
// later visits are printed, each from the click until the screen's window has been painted.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>
#include <QWindow>

#include "platform/qt/qtbinding.h"
#include "platform/qt/qtclock.h"
#include "shell/maaltafels.h"

namespace {

double residentMb() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// Notes when a widget of the watched window paints.
class PaintWatch : public QObject {
public:
    QWidget* window = nullptr;
    bool painted = false;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && window)
            if (auto* w = qobject_cast<QWidget*>(o); w && w->window() == window)
                painted = true;
        return false;
    }
};

struct Bench {
    Maaltafels& app;
    mt::qt::QtBinding& qt;
    PaintWatch watch;
    std::set<std::string> seen; // the screens that have stood on the display

    void show(const std::string& screen) {
        wait(screen, [&] { app.use(screen).show(); });
    }

    // Runs the click and waits until the screen's window is exposed and painted; milliseconds.
    double open(mt::Control& button, const std::string& screen) {
        return wait(screen, [&] { app.click(button); });
    }

    template <class F> double wait(const std::string& screen, F act) {
        QElapsedTimer clock;
        clock.start();
        watch.window = nullptr;
        watch.painted = false;
        act();
        mt::Screen* s = app.find(screen);
        QWidget* w = s ? qt.window(*s) : nullptr;
        if (!w || !s->visible()) {
            std::fprintf(stderr, "screenbench: %s did not open\n", screen.c_str());
            std::exit(1);
        }
        seen.insert(screen);
        watch.window = w;
        w->update();
        while (!(w->windowHandle() && w->windowHandle()->isExposed() && watch.painted)) {
            if (clock.elapsed() > 5000) {
                std::fprintf(stderr, "screenbench: %s was not painted within 5 s\n", screen.c_str());
                std::exit(1);
            }
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        return double(clock.nsecsElapsed()) / 1e6;
    }

    // What the event loop does between two clicks, deleting what was discarded included (no
    // loop runs here, and processEvents alone leaves that to the loop).
    void settle() {
        for (int i = 0; i < 20; ++i)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    mt::Control& control(const std::string& screen, const std::string& name) {
        mt::Control* c = app.use(screen).control(name);
        if (!c) {
            std::fprintf(stderr, "screenbench: no control %s.%s\n", screen.c_str(), name.c_str());
            std::exit(1);
        }
        return *c;
    }
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    int visits = 11;
    for (int i = 1; i < argc; ++i)
        if (std::string(argv[i]) == "--visits" && i + 1 < argc)
            visits = std::max(2, std::atoi(argv[++i]));
    if (qEnvironmentVariableIsEmpty("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    QApplication qapp(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    const double zoom = mt::qt::QtBinding::chooseZoom();
    mt::qt::QtClock clock;
    mt::qt::QtMetrics metrics(zoom);
    mt::Random random;
    mt::RecordingMessageBox box;
    Maaltafels app({clock, box, random, metrics});
    mt::qt::QtBinding qt(app, {.zoom = zoom, .followActivation = true, .onEnded = {}});
    Bench bench{app, qt, {}};
    qapp.installEventFilter(&bench.watch);
    app.start();
    bench.settle();
    bench.open(bench.control("frmmecenaat1", "cmdkombinnen"), "frmbasis");
    bench.settle();

    // Each button of the board, with the screen it opens and that screen's way back.
    struct Modus {
        const char* knop;
        const char* scherm;
        const char* terug;
    };
    const Modus modi[] = {
        {"Command2", "frmmaalplus", "cmdstop"},     {"Command3", "frmmaalplus2", "cmdstop"},
        {"Command4", "frmmaalplus2xp", "cmdstop"},  {"cmdkwartier", "frmmaalplusalles", "cmdstop"},
        {"Command8", "frmmaalleermeer", "cmdstop"}, {"Command1", "frmmaalleer", "cmdstop"},
        {"Command5", "frmmaal4", "cmdstop"},        {"Command9", "frmmaalTE", "cmdstop"},
        {"Command6", "frmmaalkluk", "cmdstop"},     {"Command7", "frmSplash", "Command1"},
    };
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    std::printf("screenbench: zoom %.2f, %d visits of each screen\n", zoom, visits);
    for (const Modus& m : modi) {
        if (!app.defined(m.scherm))
            continue;
        std::vector<double> later;
        double first = 0;
        for (int v = 0; v < visits; ++v) {
            const double ms = bench.open(bench.control("frmbasis", m.knop), m.scherm);
            (v == 0 ? first : later.emplace_back()) = ms;
            bench.settle();
            bench.open(bench.control(m.scherm, m.terug), "frmbasis");
            bench.settle();
        }
        std::printf("open_ms %-18s first=%.1f later_median=%.1f\n", m.scherm, first, median(later));
    }

    // The drills through the level choice; every screen not shown yet (the A-klas trainers behind
    // a running drill, the about screen) is then shown directly and hidden again, so that each
    // has stood on the display once before the memory is read.
    const char* niveaus[][2] = {{"cmdvervoer", "TafelsE"}, {"cmdhuis", "TafelsT"}, {"cmdik", "TafelsH"}};
    for (auto& [knop, drill] : niveaus) {
        bench.open(bench.control("frmbasis", "Command7"), "frmSplash");
        bench.settle();
        bench.open(bench.control("frmSplash", knop), drill);
        bench.settle();
        bench.open(bench.control(drill, "cmdstop"), "frmSplash");
        bench.settle();
        bench.open(bench.control("frmSplash", "Command1"), "frmbasis");
        bench.settle();
    }
    for (const std::string& n : app.definedNames())
        if (!bench.seen.count(n) && !app.use(n).visible()) {
            bench.show(n);
            bench.settle();
            app.use(n).hide();
        }
    int shown = 0;
    for (const std::string& n : app.definedNames())
        shown += app.find(n) != nullptr;
    std::printf("rss_all_screens_mb=%.1f  (%d of %zu screens loaded)\n", residentMb(), shown,
                app.definedNames().size());
    return 0;
}
