// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <string>

#include <QWidget>
#include <QWindow>

#include "drill/tafels.h"
#include "shell/frmmecenaat1.h"
#include "shell/frmsplash.h"
#include "shell/mdiform2.h"
#include "tests/qtprogram.h"

namespace {

// One screen's window belongs to the frame window at the window-system level: a dialog (the only
// kind whose link X11 is told of) transient for the frame, and no Qt child of it (a child would be
// switched off with the frame).
void expectBelongsToFrame(QtTestProgram& test, mt::Screen& s, const std::string& when) {
    QWidget* top = test.qt.window(s);
    QWidget* frame = test.qt.window(test.app.mdiForm2());
    ASSERT_NE(top, nullptr) << s.name() << when;
    ASSERT_TRUE(top->isVisible()) << s.name() << when;
    ASSERT_NE(top->windowHandle(), nullptr) << s.name() << when;
    EXPECT_EQ(top->windowHandle()->transientParent(), frame->windowHandle()) << s.name() << when;
    EXPECT_EQ(top->windowType(), Qt::Dialog) << s.name() << when;
    EXPECT_EQ(top->parentWidget(), nullptr) << s.name() << when;
    EXPECT_TRUE(top->isEnabled() || !s.enabled()) << s.name() << " is switched off with the frame" << when;
}

// Every screen, each time it comes up: the welcome screen (shown by the frame's Load, before the
// frame window exists), every other screen, and each of them again once discarded and re-created.
TEST(Windows, EveryScreenIsTransientForTheFrame) {
    QtTestProgram test;
    Maaltafels& app = test.app;
    expectBelongsToFrame(test, app.frmmecenaat1(), " at start");
    EXPECT_EQ(test.qt.window(app.mdiForm2())->windowHandle()->transientParent(), nullptr);

    for (const char* when : {" on first showing", " after being discarded"}) {
        for (const std::string& name : app.definedNames()) {
            mt::Screen& s = app.use(name);
            if (&s == &app.mdiForm2())
                continue;
            s.show();
            QtTestProgram::settle();
            expectBelongsToFrame(test, s, when);
            s.hide();
        }
        for (const std::string& name : app.definedNames())
            if (mt::Screen* s = app.find(name); s && s != &app.mdiForm2())
                s->unload();
        QtTestProgram::settle();
    }
}

// Going the child's way: a drill is discarded by its stop button and comes back as a new window.
TEST(Windows, DrillReturnsAsANewWindowWithTheLink) {
    QtTestProgram test;
    Maaltafels& app = test.app;
    app.frmSplash().show();
    app.click(app.frmSplash().cmdvervoer);
    QtTestProgram::settle();
    QWidget* first = test.qt.window(app.tafels(Level::E));
    expectBelongsToFrame(test, app.tafels(Level::E), " first visit");
    EXPECT_FALSE(test.qt.window(app.mdiForm2())->isEnabled()) << "the drill switches the frame off";
    EXPECT_TRUE(first->isEnabled()) << "while its own window stays usable";

    app.click(app.tafels(Level::E).cmdstop);
    QtTestProgram::settle();
    ASSERT_EQ(app.find("TafelsE"), nullptr);
    app.click(app.frmSplash().cmdvervoer);
    QtTestProgram::settle();
    expectBelongsToFrame(test, app.tafels(Level::E), " second visit");
}

} // namespace
