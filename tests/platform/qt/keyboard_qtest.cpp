// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QTest>
#include <QWidget>

#include "platform/qt/widgets.h"
#include "shell/frmbasis.h"
#include "shell/frmmecenaat1.h"
#include "shell/frmsplash.h"
#include "tests/qtprogram.h"

using mt::Control;

namespace {

// A key as the child presses it: to the widget with the keyboard focus in the screen's window.
void press(QtTestProgram& test, mt::Screen& s, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QWidget* top = test.qt.window(s);
    top->activateWindow();
    QApplication::setActiveWindow(top);
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : top;
    QTest::keyClick(target, key, mods);
    QtTestProgram::settle();
}

// The model and the widgets agree on where the focus is.
void expectFocus(QtTestProgram& test, const Control& c, const std::string& step) {
    EXPECT_EQ(c.screen().focus(), &c) << step << ": the model has it on "
                                      << (c.screen().focus() ? c.screen().focus()->fullName() : "nothing");
    EXPECT_EQ(QApplication::focusWidget(), test.qt.widget(c)) << step << ": the widgets disagree";
}

// The choice board with real keys: Shift+Tab goes back, Down and Up walk the column of buttons
// that can be used, Left and Right have nowhere to go, Enter still opens what is focused.
TEST(Keyboard, ChoiceBoardShiftTabAndArrows) {
    QtTestProgram test;
    Maaltafels& app = test.app;
    app.click(app.frmmecenaat1().cmdkombinnen);
    QtTestProgram::settle();
    Frmbasis& board = app.frmbasis();
    std::vector<Control*> column; // top to bottom, as they stand
    for (Control* c : board.controls())
        if (c->kind() == mt::Kind::Button && c->canTakeFocus())
            column.push_back(c);
    std::stable_sort(column.begin(), column.end(),
                     [](Control* a, Control* b) { return a->top() < b->top(); });
    ASSERT_GE(column.size(), 3u);

    const auto order = board.tabOrder();
    Control* first = *std::find_if(order.begin(), order.end(), [](Control* c) { return c->canTakeFocus(); });
    first->setFocus();
    QtTestProgram::settle();
    press(test, board, Qt::Key_Backtab, Qt::ShiftModifier);
    expectFocus(test, board.cmdeinde, "Shift+Tab from the first");
    press(test, board, Qt::Key_Backtab, Qt::ShiftModifier);
    expectFocus(test, board.Command7, "Shift+Tab from the stop button");
    press(test, board, Qt::Key_Tab);
    expectFocus(test, board.cmdeinde, "Tab still goes forward");

    board.Command7.setFocus();
    QtTestProgram::settle();
    const auto at = std::find(column.begin(), column.end(), &board.Command7) - column.begin();
    for (auto i = at; i > 0; --i) {
        press(test, board, Qt::Key_Up);
        expectFocus(test, *column[std::size_t(i - 1)], "Up");
    }
    press(test, board, Qt::Key_Up);
    expectFocus(test, *column.front(), "Up at the top stays");
    for (std::size_t i = 1; i < column.size(); ++i) {
        press(test, board, Qt::Key_Down);
        expectFocus(test, *column[i], "Down");
    }
    EXPECT_EQ(column.back(), &board.cmdeinde);
    press(test, board, Qt::Key_Left);
    press(test, board, Qt::Key_Right);
    expectFocus(test, board.cmdeinde, "nothing beside the stop button");

    press(test, board, Qt::Key_Up);
    expectFocus(test, board.Command7, "Up from the stop button");
    EXPECT_TRUE(board.visible()) << "moving the focus clicked something";
    press(test, board, Qt::Key_Return);
    EXPECT_TRUE(app.frmSplash().visible()) << "Enter opens the focused \"Training \"";
}

// The welcome screen comes up with its start button focused: Enter starts at once.
TEST(Keyboard, WelcomeStartsOnItsStartButton) {
    QtTestProgram test;
    Frmmecenaat1& welcome = test.app.frmmecenaat1();
    EXPECT_EQ(welcome.focus(), &welcome.cmdkombinnen);
    EXPECT_EQ(test.qt.window(welcome)->focusWidget(), test.qt.widget(welcome.cmdkombinnen));
    press(test, welcome, Qt::Key_Return);
    EXPECT_TRUE(test.app.frmbasis().visible());
}

double luminance(QRgb c) {
    auto lin = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(qRed(c)) + 0.7152 * lin(qGreen(c)) + 0.0722 * lin(qBlue(c));
}

double contrast(QRgb a, QRgb b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The widest run of pixels along a line in from the edge that the focus changed by at least 3:1.
int widestChange(const QImage& unfocused, const QImage& focused, QPoint from, QPoint step, int length) {
    int best = 0, run = 0;
    for (int i = 0; i < length; ++i) {
        const QPoint p = from + step * i;
        run = contrast(unfocused.pixel(p), focused.pixel(p)) >= 3 ? run + 1 : 0;
        best = std::max(best, run);
    }
    return best;
}

// The focus ring on every fill a button of the program has: at least 3 px wide that differ by at
// least 3:1 from the same pixels without the focus, on each side (focus appearance), on light
// fills, dark fills and picture buttons alike, at the smallest button size the program uses.
TEST(Keyboard, FocusRingStandsOutOnEveryButtonColour) {
    QtTestProgram test;
    std::set<QRgb> fills;
    int smallest = 1 << 20;
    for (const std::string& name : test.app.definedNames())
        for (Control* c : test.app.use(name).controls())
            if (c->kind() == mt::Kind::Button) {
                auto* b = static_cast<mt::qt::PictureButton*>(test.qt.widget(*c));
                fills.insert(b->fill().rgb());
                smallest = std::min(smallest, std::min(b->width(), b->height()));
            }
    ASSERT_GE(fills.size(), 8u);
    ASSERT_GE(smallest, 20);

    QWidget top;
    top.resize(300, 200);
    auto* other = new mt::qt::PictureButton(&top);
    other->setGeometry(200, 150, 40, 30);
    for (QSize size : {QSize(smallest * 2, smallest), QSize(160, 60)})
        for (QRgb fill : fills) {
            auto* b = new mt::qt::PictureButton(&top);
            b->setGeometry(10, 10, size.width(), size.height());
            b->setFill(QColor(fill));
            b->setTextColor(Qt::black);
            b->setPicture(mt::qt::picture("common/stop"));
            b->show();
            top.show();
            top.activateWindow();
            QApplication::setActiveWindow(&top);
            other->setFocus();
            const QImage plain = b->grab().toImage();
            b->setFocus();
            ASSERT_TRUE(b->hasFocus());
            const QImage ringed = b->grab().toImage();
            const int w = plain.width(), h = plain.height();
            const std::string what =
                QColor(fill).name().toStdString() + " at " + std::to_string(w) + "x" + std::to_string(h);
            EXPECT_GE(widestChange(plain, ringed, {0, h / 2}, {1, 0}, w / 3), 3) << "left edge, " << what;
            EXPECT_GE(widestChange(plain, ringed, {w - 1, h / 2}, {-1, 0}, w / 3), 3)
                << "right edge, " << what;
            EXPECT_GE(widestChange(plain, ringed, {w / 2, 0}, {0, 1}, h / 3), 3) << "top edge, " << what;
            EXPECT_GE(widestChange(plain, ringed, {w / 2, h - 1}, {0, -1}, h / 3), 3)
                << "bottom edge, " << what;
            delete b;
        }
}

} // namespace
