// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string_view>

#include <QFont>
#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QRect>

#include "platform/program.h"

class QAction;
class QMouseEvent;
class QWidget;

namespace mt::qt {

// Mirrors the screen model in Qt 6 widgets: one window per visible screen, one widget per
// control, and every click, key, edit, hover and close turned into a model event.
class QtBinding final : public QObject, public ProgramObserver {
public:
    struct Options {
        double zoom = 1;
        // Where the screens are centred: the desktop less its panels, in pixels.
        QRect workArea = QtBinding::workArea();
        // Activate a screen when the window system activates its window. Off where there is no
        // real window system (the scenario runner activates screens itself).
        bool followActivation = true;
        std::function<void()> onEnded;
        // The window manager's frame round each window; none: as the window manager shows it once a
        // window is up, the allowance before (and no frame at all on Qt's offscreen platform).
        std::optional<QMargins> frame;
    };

    QtBinding(Program& program, Options options);
    ~QtBinding() override;

    // What a window manager's frame adds to a window at most (borders, title bar), in pixels: the
    // zoom leaves room for it, and a window is placed with it until its real frame is known.
    static constexpr QMargins frameAllowance{4, 36, 4, 4};
    // The primary screen's desktop less its panels.
    static QRect workArea();
    // The largest zoom at which the biggest screen, with its frame, fits the work area.
    static double chooseZoom(const QRect& workArea = QtBinding::workArea());
    static QFont toQFont(const Font& f, double zoom);
    int px(int twips) const;

    QWidget* window(const Screen& s) const;
    QWidget* widget(const Control& c) const;
    QAction* action(const Control& c) const;
    // What the widgets show of a property, for checking the binding against the model.
    std::optional<Value> shown(const Control& c, std::string_view prop) const;
    std::optional<Value> shown(const Screen& s, std::string_view prop) const;
    // The control whose widget holds the focus of the screen's window (active or not).
    const Control* focusShown(const Screen& s) const;

    void screenCreated(Screen& s) override;
    void screenChanged(Screen& s) override;
    void screenDiscarded(Screen& s) override;
    void screenDestroyed(Screen& s) override;
    void controlChanged(Control& c, Prop p) override;
    void focusChanged(Screen& s) override;
    void programEnded() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Window;
    void build(Screen& s, Window& w);
    void makeWidget(Control& c, Window& w);
    void apply(Control& c, Prop p);
    void applyAll(Control& c);
    void applyScreen(Screen& s);
    // The accessible name and description of a control's widget, from the model.
    void applyNames(Control& c);
    void linkToFrame(Window& w);
    // Presses, releases and moves: shapes and lines swallow them, labels and text boxes are
    // clicked on release, a move goes to the control under the mouse.
    bool mouseEvent(QObject* watched, QMouseEvent* event);
    bool keyPressed(Screen& s, QEvent* event);
    void passActivation();
    // Where a screen's window goes: its frame centred where the model centred its client area,
    // and the title bar never above the work area.
    void place(const Screen& s, Window& w);
    Screen* screenOf(QObject* o) const;

    Program& m_program;
    Options m_options;
    std::map<const Screen*, std::unique_ptr<Window>> m_windows;
    std::map<const Control*, QWidget*> m_widgets;
    std::map<const Control*, QAction*> m_actions;
    std::map<const QObject*, Control*> m_controlOf;
    bool m_focusByActivation = false;  // the focus Qt is moving now is its choice on activation
    QMargins m_frame = frameAllowance; // the window manager's frame, once a window has shown one
};

} // namespace mt::qt
