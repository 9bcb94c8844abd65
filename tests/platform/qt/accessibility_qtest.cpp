// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <string>

#include <QAccessible>
#include <QWidget>

#include "bignumbers/frmmaalte.h"
#include "drill/tafels.h"
#include "platform/accessible.h"
#include "shell/frmbasis.h"
#include "shell/frmsplash.h"
#include "shell/mdiform2.h"
#include "tests/qtprogram.h"

using mt::Control;
using mt::Kind;

namespace {

QAccessibleInterface* about(QWidget* w) {
    return w ? QAccessible::queryAccessibleInterface(w) : nullptr;
}

std::string nameOf(QWidget* w) {
    QAccessibleInterface* i = about(w);
    return i ? i->text(QAccessible::Name).toStdString() : "(no interface)";
}

// Every screen of the program, shown, and every button and text box the child can reach on it: a
// screen reader has a name for each, and sees each window as a window. A screen added later is
// walked too.
TEST(ScreenReader, EveryScreenButtonAndTextBoxHasAName) {
    QtTestProgram test;
    int buttons = 0, boxes = 0;
    for (const std::string& name : test.app.definedNames()) {
        mt::Screen& s = test.app.use(name);
        s.show();
        QtTestProgram::settle();
        QAccessibleInterface* window = about(test.qt.window(s));
        ASSERT_NE(window, nullptr) << name;
        EXPECT_TRUE(window->role() == QAccessible::Window || window->role() == QAccessible::Dialog)
            << name << " has role " << window->role();
        EXPECT_FALSE(window->text(QAccessible::Name).trimmed().isEmpty()) << name << " has no name";
        for (Control* c : s.controls()) {
            if ((c->kind() != Kind::Button && c->kind() != Kind::TextBox) || !c->reachable())
                continue;
            const std::string where = name + "." + c->fullName();
            QAccessibleInterface* i = about(test.qt.widget(*c));
            ASSERT_NE(i, nullptr) << where;
            if (c->kind() == Kind::Button) {
                ++buttons;
                EXPECT_EQ(i->role(), QAccessible::Button) << where;
            } else {
                ++boxes;
                EXPECT_EQ(i->role(), QAccessible::EditableText) << where;
                EXPECT_FALSE(i->text(QAccessible::Description).isEmpty())
                    << where << " says nothing of itself";
            }
            EXPECT_FALSE(i->text(QAccessible::Name).trimmed().isEmpty()) << where << " has no name";
        }
    }
    EXPECT_GT(buttons, 30);
    EXPECT_GT(boxes, 100);
}

// Decoration says nothing: no name and not even the tool tip ("klik", a web address).
TEST(ScreenReader, DecorationIsNotAnnounced) {
    QtTestProgram test;
    int pictures = 0;
    for (const std::string& name : test.app.definedNames()) {
        mt::Screen& s = test.app.use(name);
        for (Control* c : s.controls()) {
            if (c->kind() != Kind::Image || !c->accessibleName().empty())
                continue;
            ++pictures;
            QAccessibleInterface* i = about(test.qt.widget(*c));
            ASSERT_NE(i, nullptr);
            EXPECT_TRUE(i->text(QAccessible::Name).isEmpty()) << name << "." << c->fullName();
            EXPECT_TRUE(i->text(QAccessible::Description).isEmpty()) << name << "." << c->fullName();
        }
    }
    EXPECT_GT(pictures, 10);
}

// The names a child hears where the caption is decoration or there is no caption at all.
TEST(ScreenReader, PlainNamesForPicturesAndSpacedWords) {
    QtTestProgram test;
    Maaltafels& app = test.app;
    EXPECT_EQ(nameOf(test.qt.window(app.mdiForm2())), "Maaltafels");
    EXPECT_EQ(nameOf(test.qt.window(app.frmbasis())), "Keuzebord");
    EXPECT_EQ(test.qt.window(app.frmbasis())->windowTitle().toStdString(), "K E U Z E B O R D")
        << "the title bar keeps its spaced caption";
    EXPECT_EQ(nameOf(test.qt.widget(app.frmbasis().cmdeinde)), "Stop");
    EXPECT_EQ(nameOf(test.qt.widget(app.frmSplash().Command1)), "Terug");
    EXPECT_EQ(nameOf(test.qt.widget(app.frmSplash().cmdhuis)), "10");
    Tafels& drill = app.tafels(Level::E);
    EXPECT_EQ(nameOf(test.qt.widget(drill.cmdstop)), "Stop") << "named after its picture";
    EXPECT_EQ(nameOf(test.qt.widget(drill.cmdrood)), "Hulp");
    EXPECT_EQ(nameOf(test.qt.widget(app.frmmaalTE().cmdstart)), "Start");
    // The tool tip is read as a word too, not letter by letter.
    EXPECT_EQ(about(test.qt.widget(app.frmbasis().cmdeinde))->text(QAccessible::Description).toStdString(),
              "Stop");
}

// The answer box is named by the problem it answers, and follows it from problem to problem.
TEST(ScreenReader, AnswerBoxIsNamedByItsQuestion) {
    QtTestProgram test;
    Maaltafels& app = test.app;
    Tafels& drill = app.tafels(Level::E);
    drill.show();
    QAccessibleInterface* box = about(test.qt.widget(drill.txtAntwoord));
    EXPECT_EQ(box->text(QAccessible::Name).toStdString(), "Antwoord") << "before a run there is no question";
    EXPECT_EQ(box->text(QAccessible::Description).toStdString(), "Typ hier je antwoord");
    test.random.queue({0.4, 0.5});
    app.click(drill.cmdstarter(6));
    const std::string first = drill.lblvalprobleem.caption();
    ASSERT_NE(first.find("x 7 = ?"), std::string::npos);
    EXPECT_EQ(box->text(QAccessible::Name).toStdString(), first);
    app.edit(drill.txtAntwoord, std::to_string(drill.uitkomst));
    ASSERT_NE(drill.lblvalprobleem.caption(), "");
    EXPECT_EQ(box->text(QAccessible::Name).toStdString(), drill.lblvalprobleem.caption());

    // On the tens-and-units screen each box answers the part of the sum beside it.
    FrmmaalTE& te = app.frmmaalTE();
    app.frmbasis().show();
    app.click(app.frmbasis().Command9);
    app.click(te.cmdstart);
    app.click(te.cmdTE);
    EXPECT_EQ(nameOf(test.qt.widget(te.txtT)), mt::plainWords(te.cmdT.caption()));
    EXPECT_EQ(nameOf(test.qt.widget(te.txtE)), mt::plainWords(te.cmdE.caption()));
}

} // namespace
