// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWidget>

#include "automation/frmmaal4.h"
#include "learn/frmmaalleer.h"
#include "platform/qt/qtbinding.h"
#include "platform/qt/qtclock.h"
#include "shell/frmbasis.h"
#include "shell/frmmecenaat1.h"
#include "shell/frmsplash.h"
#include "shell/maaltafels.h"
#include "shell/mdiform2.h"

namespace {

using mt::qt::QtBinding;

void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The program on a desktop of a given work area, zoomed as the program chooses, its windows placed
// as a window manager's frame of the allowed size would stand round them, following the window
// system's activation as the program itself does.
struct Desktop {
    struct Tidy {
        ~Tidy() { settle(); }
    } tidy;
    QRect area;
    double zoom;
    mt::VirtualClock clock;
    mt::RecordingMessageBox box;
    mt::Random random;
    mt::qt::QtMetrics metrics;
    Maaltafels app;
    QtBinding qt;

    explicit Desktop(QRect workArea)
        : area(workArea), zoom(QtBinding::chooseZoom(workArea)), metrics(zoom, workArea),
          app({clock, box, random, metrics}), qt(app, {.zoom = zoom,
                                                       .workArea = workArea,
                                                       .followActivation = true,
                                                       .onEnded = {},
                                                       .frame = QtBinding::frameAllowance}) {
        app.start();
        settle();
    }
    // The window with the frame the window manager would put round it; a window's position is its
    // frame's (the offscreen platform draws none, so the client area starts there).
    QRect framed(const mt::Screen& s) const {
        const QWidget* w = qt.window(s);
        return QRect(w->pos(), w->size().grownBy(QtBinding::frameAllowance));
    }
};

// The zoom is the largest step of 0.05 at which the biggest screen with its window frame fits the
// work area, and that screen's window, frame and all, stands inside it, in the middle.
TEST(Desktop, ZoomAndPlaceFollowTheWorkArea) {
    struct Case {
        QRect area;
        double zoom;
    };
    const Case cases[] = {
        {{0, 0, 1366, 728}, 1.25},  // the common school laptop with a 40 px taskbar at the bottom
        {{0, 0, 1920, 1040}, 1.85}, // a classroom board
        {{0, 30, 1024, 570}, 0.95}, // a netbook with a 30 px panel at the top
        {{0, 0, 2560, 1400}, 2.5},
    };
    for (const Case& c : cases) {
        const std::string where = std::to_string(c.area.width()) + " x " + std::to_string(c.area.height());
        Desktop d(c.area);
        EXPECT_DOUBLE_EQ(d.zoom, c.zoom) << where;
        // The frame window and the biggest exercise screen.
        d.app.click(d.app.frmmecenaat1().cmdkombinnen);
        d.app.click(d.app.frmbasis().Command1);
        settle();
        for (mt::Screen* s :
             {static_cast<mt::Screen*>(&d.app.mdiForm2()), static_cast<mt::Screen*>(&d.app.frmmaalleer())}) {
            const QRect outer = d.framed(*s);
            EXPECT_TRUE(c.area.contains(outer))
                << where << ": " << s->name() << " stands out of the work area";
            EXPECT_LE(std::abs((outer.left() - c.area.left()) - (c.area.right() - outer.right())), 1)
                << where << ": " << s->name() << " is not centred across";
            EXPECT_LE(std::abs((outer.top() - c.area.top()) - (c.area.bottom() - outer.bottom())), 1)
                << where << ": " << s->name() << " is not centred up and down";
        }
    }
}

// A click on the switched-off frame window (or its taskbar entry, Alt+Tab) activates it anyway; it
// hands the activation on to the screen the child was using, whose focus is where it was, and the
// next key is typed there.
TEST(Desktop, TheSwitchedOffFrameHandsItsActivationOn) {
    Desktop d({0, 0, 1366, 728});
    Maaltafels& app = d.app;
    app.click(app.frmmecenaat1().cmdkombinnen);
    app.click(app.frmbasis().Command5);
    app.click(app.frmmaal4().cmdzes);
    settle();
    QWidget* exercise = d.qt.window(app.frmmaal4());
    exercise->activateWindow();
    settle();
    ASSERT_EQ(QApplication::focusWidget(), d.qt.widget(app.frmmaal4().txtproduct));

    QWidget* frame = d.qt.window(app.mdiForm2());
    ASSERT_FALSE(frame->isEnabled());
    frame->activateWindow();
    settle();
    settle();
    EXPECT_EQ(QApplication::activeWindow(), exercise);
    EXPECT_EQ(QApplication::focusWidget(), d.qt.widget(app.frmmaal4().txtproduct));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_4, Qt::NoModifier);
    settle();
    EXPECT_EQ(app.frmmaal4().txtproduct.text(), "4");
}

// The frame window's close box (and Alt+F4, which asks the same) is input: refused while the frame
// is switched off, the end of the program while it is on.
TEST(Desktop, TheSwitchedOffFrameRefusesToClose) {
    Desktop d({0, 0, 1366, 728});
    Maaltafels& app = d.app;
    app.click(app.frmmecenaat1().cmdkombinnen);
    app.click(app.frmbasis().Command1);
    settle();
    QWidget* frame = d.qt.window(app.mdiForm2());
    EXPECT_FALSE(frame->close());
    settle();
    EXPECT_FALSE(app.ended());
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(d.qt.window(app.frmmaalleer())->isVisible());

    app.click(app.frmmaalleer().cmdstop);
    app.click(app.frmbasis().Command7);
    settle();
    ASSERT_TRUE(app.mdiForm2().enabled());
    frame->close();
    settle();
    EXPECT_TRUE(app.ended());
}

} // namespace
