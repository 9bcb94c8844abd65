// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/qtbinding.h"

#include <cmath>
#include <utility>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "platform/accessible.h"
#include "platform/qt/accessibility.h"
#include "platform/qt/widgets.h"
#include "platform/text.h"
#include "platform/zoom.h"

namespace mt::qt {

namespace {

QString qstr(const std::string& s) {
    return QString::fromStdString(s);
}

// Labels keep the system's CR LF line breaks in the model; Qt breaks on LF alone.
QString lines(const std::string& s) {
    return qstr(s).replace("\r\n", "\n").replace('\r', '\n');
}

QColor qcolor(const Color& c, const QPalette& pal) {
    switch (c.system) {
    case Color::System::WindowBackground:
        return pal.color(QPalette::Base);
    case Color::System::ButtonFace:
        return pal.color(QPalette::Button);
    case Color::System::None:
        break;
    }
    return QColor(c.r, c.g, c.b);
}

Qt::Alignment qalign(Align a) {
    switch (a) {
    case Align::Right:
        return Qt::AlignRight;
    case Align::Center:
        return Qt::AlignHCenter;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft;
}

// The arrow keys move the focus between buttons; in a text box they move the cursor.
std::optional<Direction> arrowKey(int key) {
    switch (key) {
    case Qt::Key_Left:
        return Direction::Left;
    case Qt::Key_Right:
        return Direction::Right;
    case Qt::Key_Up:
        return Direction::Up;
    case Qt::Key_Down:
        return Direction::Down;
    default:
        return std::nullopt;
    }
}

// A top-level window whose close box asks the model.
template <class Base> class ScreenWindow : public Base, public ScreenWindowTag {
public:
    std::function<void()> closing;

    // Gives the native window and its backing store back (a full-size image per window, which a
    // hidden screen would otherwise keep); showing the screen again makes a new one.
    void release() { Base::destroy(true, true); }

protected:
    void closeEvent(QCloseEvent* e) override {
        // The model decides; it hides or ends the program itself.
        e->ignore();
        if (closing)
            closing();
    }
};

} // namespace

struct QtBinding::Window {
    Screen* screen = nullptr;
    std::unique_ptr<QWidget> top;
    QWidget* client = nullptr;
    QMainWindow* frame = nullptr;  // the screen with the menu
    std::function<void()> release; // of a hidden screen's native window
    std::map<const Control*, QMenu*> menus;
};

QtBinding::QtBinding(Program& program, Options options) : m_program(program), m_options(std::move(options)) {
    installAccessibility();
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        const bool byActivation = std::exchange(m_focusByActivation, false);
        // A move made while a handler runs follows the model (or Qt tidying up after a hidden
        // widget); queued as input it would run stale and pull the focus back and forth.
        if (m_program.busy())
            return;
        auto it = m_controlOf.find(now);
        if (it == m_controlOf.end())
            return;
        // Qt's own choice for a window that becomes active and has no focus of its own: the model
        // has made that choice already, when the screen became active.
        if (byActivation)
            focusChanged(it->second->screen());
        else
            m_program.focusTo(*it->second);
    });
    m_program.addObserver(this);
    for (Screen* s : m_program.loadedScreens())
        screenCreated(*s);
}

QtBinding::~QtBinding() {
    m_program.removeObserver(this);
    qApp->removeEventFilter(this);
    // Closing the windows moves Qt's focus about; nothing of that may reach the model any more.
    disconnect(qApp, nullptr, this, nullptr);
    m_windows.clear();
}

QRect QtBinding::workArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1280, 1024);
}

double QtBinding::chooseZoom(const QRect& workArea) {
    return zoomFor(workArea.width(), workArea.height(), frameAllowance.left() + frameAllowance.right(),
                   frameAllowance.top() + frameAllowance.bottom());
}

QFont QtBinding::toQFont(const Font& f, double zoom) {
    QFont q(qstr(f.family));
    // Points as the screens were designed: 20 twips a point, 15 twips a pixel at zoom 1.
    q.setPixelSize(std::max(1, int(std::lround(f.points * 20 / 15 * zoom))));
    q.setBold(f.bold);
    q.setItalic(f.italic);
    return q;
}

int QtBinding::px(int twips) const {
    return int(std::lround(twips * m_options.zoom / 15));
}

QWidget* QtBinding::window(const Screen& s) const {
    auto it = m_windows.find(&s);
    return it == m_windows.end() ? nullptr : it->second->top.get();
}

QWidget* QtBinding::widget(const Control& c) const {
    auto it = m_widgets.find(&c);
    return it == m_widgets.end() ? nullptr : it->second;
}

QAction* QtBinding::action(const Control& c) const {
    auto it = m_actions.find(&c);
    return it == m_actions.end() ? nullptr : it->second;
}

Screen* QtBinding::screenOf(QObject* o) const {
    auto* w = qobject_cast<QWidget*>(o);
    if (!w)
        return nullptr;
    QWidget* top = w->window();
    for (auto& [s, win] : m_windows)
        if (win->top.get() == top)
            return win->screen;
    return nullptr;
}

void QtBinding::screenCreated(Screen& s) {
    auto& w = m_windows[&s];
    w = std::make_unique<Window>();
    w->screen = &s;
    // Registered first, so that a hidden window has its title and names from the start.
    build(s, *w);
}

void QtBinding::build(Screen& s, Window& w) {
    bool hasMenu = false;
    for (Control* c : s.controls())
        hasMenu |= c->kind() == Kind::Menu;
    if (hasMenu) {
        auto* frame = new ScreenWindow<QMainWindow>;
        frame->closing = [this, &s] { m_program.close(s); };
        w.frame = frame;
        w.client = new QWidget;
        frame->setCentralWidget(w.client);
        w.top.reset(frame);
    } else {
        auto* top = new ScreenWindow<QWidget>;
        // A dialog: Qt tells X11 of a transient link (WM_TRANSIENT_FOR) only for dialogs.
        top->setWindowFlags(Qt::Dialog);
        top->closing = [this, &s] { m_program.close(s); };
        w.release = [top] { top->release(); };
        w.client = top;
        w.top.reset(top);
    }
    w.top->setAttribute(Qt::WA_DeleteOnClose, false);
    w.client->setAutoFillBackground(true);
    w.client->setMouseTracking(true);
    w.top->installEventFilter(this);
    for (Control* c : s.controls())
        makeWidget(*c, w);
    applyScreen(s);
}

void QtBinding::makeWidget(Control& c, Window& w) {
    QWidget* parent = c.container() ? widget(*c.container()) : w.client;
    QWidget* made = nullptr;
    switch (c.kind()) {
    case Kind::Label: {
        auto* l = new QLabel(parent);
        l->setTextFormat(Qt::PlainText);
        l->setWordWrap(true);
        made = l;
        break;
    }
    case Kind::TextBox: {
        auto* e = new QLineEdit(parent);
        auto& box = static_cast<TextBox&>(c);
        if (box.readOnly()) {
            // Only shows: no caret, no typing, no selecting, and the clicks go to what holds it.
            e->setReadOnly(true);
            e->setFrame(false);
            e->setFocusPolicy(Qt::NoFocus);
            e->setAttribute(Qt::WA_TransparentForMouseEvents);
        } else {
            connect(e, &QLineEdit::textEdited, this,
                    [this, &box](const QString& text) { m_program.edit(box, text.toStdString()); });
        }
        made = e;
        break;
    }
    case Kind::Button: {
        auto* b = new PictureButton(parent);
        connect(b, &QAbstractButton::clicked, this, [this, &c] { m_program.click(c); });
        made = b;
        break;
    }
    case Kind::Image:
    case Kind::Frame:
    case Kind::PictureBox: {
        auto* p = new Panel(parent);
        p->clicked = [this, &c] { m_program.click(c); };
        made = p;
        break;
    }
    case Kind::Shape:
        made = new ShapeWidget(parent);
        break;
    case Kind::Line:
        made = new LineWidget(parent);
        break;
    case Kind::StatusBar:
        made = new StatusBarWidget(parent, static_cast<StatusBar&>(c), [this](int t) { return px(t); });
        break;
    case Kind::ProgressBar: {
        auto* bar = new QProgressBar(parent);
        bar->setTextVisible(false);
        made = bar;
        break;
    }
    case Kind::Menu:
        if (w.frame) {
            // The menu grows with the screens.
            w.frame->menuBar()->setFont(toQFont(c.font(), m_options.zoom));
            QMenu* menu = w.frame->menuBar()->addMenu(qstr(c.caption()));
            menu->setFont(toQFont(c.font(), m_options.zoom));
            w.menus[&c] = menu;
        }
        break;
    case Kind::MenuItem:
        if (auto it = w.menus.find(c.container()); it != w.menus.end()) {
            QAction* a = it->second->addAction(qstr(c.caption()));
            a->setShortcut(QKeySequence(qstr(static_cast<MenuItem&>(c).shortcut())));
            // The shortcut works from every screen, as long as the frame window is switched on.
            a->setShortcutContext(Qt::ApplicationShortcut);
            connect(a, &QAction::triggered, this, [this, &c] { m_program.click(c); });
            m_actions[&c] = a;
        }
        break;
    case Kind::Timer:
        break;
    }
    if (made) {
        made->setMouseTracking(true);
        m_widgets[&c] = made;
        m_controlOf[made] = &c;
    }
    applyAll(c);
    applyNames(c);
}

void QtBinding::applyNames(Control& c) {
    QWidget* w = widget(c);
    if (!w)
        return;
    if (const QString name = qstr(accessibleName(c)); w->accessibleName() != name)
        w->setAccessibleName(name);
    if (const QString about = qstr(accessibleDescription(c)); w->accessibleDescription() != about)
        w->setAccessibleDescription(about);
}

void QtBinding::applyAll(Control& c) {
    for (Prop p : {Prop::Geometry, Prop::Font, Prop::BackColor, Prop::Caption, Prop::Text, Prop::Picture,
                   Prop::ToolTipText, Prop::Enabled, Prop::Visible, Prop::Progress})
        apply(c, p);
}

void QtBinding::apply(Control& c, Prop p) {
    if (QAction* a = action(c)) {
        a->setText(qstr(c.caption()));
        a->setVisible(c.visible());
        a->setEnabled(c.enabled() && c.screen().enabled());
        return;
    }
    QWidget* w = widget(c);
    if (!w)
        return;
    const QPalette base = QApplication::palette();
    switch (p) {
    case Prop::Geometry: {
        int x = px(c.left()), y = px(c.top()), wd = px(c.width()), ht = px(c.height());
        if (c.kind() == Kind::Line) {
            // A line is drawn inside the box spanned by its two ends, however they lie.
            const int pen = std::max(1, c.borderWidth());
            auto* line = static_cast<LineWidget*>(w);
            line->setLook(c.borderColor() ? qcolor(*c.borderColor(), base) : QColor(Qt::black), pen,
                          (wd < 0) != (ht < 0));
            if (wd < 0) {
                x += wd;
                wd = -wd;
            }
            if (ht < 0) {
                y += ht;
                ht = -ht;
            }
            w->setGeometry(x - pen, y - pen, wd + 2 * pen, ht + 2 * pen);
        } else {
            w->setGeometry(x, y, wd, ht);
        }
        break;
    }
    case Prop::Font:
        w->setFont(toQFont(c.font(), m_options.zoom));
        break;
    case Prop::BackColor:
    case Prop::ForeColor:
    case Prop::BorderColor: {
        auto back = c.backColor() ? std::optional<QColor>(qcolor(*c.backColor(), base)) : std::nullopt;
        auto fore = c.foreColor() ? std::optional<QColor>(qcolor(*c.foreColor(), base)) : std::nullopt;
        auto border = c.borderColor() ? std::optional<QColor>(qcolor(*c.borderColor(), base)) : std::nullopt;
        switch (c.kind()) {
        case Kind::Label: {
            QPalette pal = w->palette();
            pal.setColor(QPalette::WindowText, fore.value_or(Qt::black));
            if (back)
                pal.setColor(QPalette::Window, *back);
            w->setPalette(pal);
            w->setAutoFillBackground(back.has_value());
            // A label with a border gets a plain box, drawn in its text colour.
            static_cast<QLabel*>(w)->setFrameStyle(border ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
            break;
        }
        case Kind::TextBox: {
            QPalette pal = w->palette();
            pal.setColor(QPalette::Base, back.value_or(base.color(QPalette::Base)));
            pal.setColor(QPalette::Text, fore.value_or(base.color(QPalette::Text)));
            w->setPalette(pal);
            break;
        }
        case Kind::Button: {
            auto* b = static_cast<PictureButton*>(w);
            b->setFill(back.value_or(base.color(QPalette::Button)));
            b->setTextColor(fore.value_or(base.color(QPalette::ButtonText)));
            break;
        }
        case Kind::Image:
        case Kind::Frame:
        case Kind::PictureBox: {
            auto* panel = static_cast<Panel*>(w);
            panel->setFill(back);
            panel->setOutline(border, c.borderWidth());
            if (c.kind() == Kind::Frame)
                apply(c, Prop::Caption); // the caption's colour
            break;
        }
        case Kind::Shape:
            static_cast<ShapeWidget*>(w)->setLook(c.shape(), back, border, c.borderWidth());
            break;
        case Kind::Line:
            apply(c, Prop::Geometry);
            break;
        default:
            break;
        }
        break;
    }
    case Prop::Caption:
        if (c.kind() == Kind::Frame) {
            static_cast<Panel*>(w)->setTitle(qstr(c.caption()), c.foreColor() ? qcolor(*c.foreColor(), base)
                                                                              : QColor(Qt::black));
        } else if (auto* l = qobject_cast<QLabel*>(w)) {
            l->setText(lines(c.caption()));
            l->setAlignment(qalign(c.alignment()) | Qt::AlignTop);
        } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            b->setText(qstr(c.caption()));
        }
        break;
    case Prop::Text:
        if (auto* e = qobject_cast<QLineEdit*>(w)) {
            const QString t = qstr(static_cast<TextBox&>(c).text());
            if (e->text() != t)
                e->setText(t);
            e->setAlignment(qalign(c.alignment()) | Qt::AlignVCenter);
        }
        break;
    case Prop::Picture:
        if (c.kind() == Kind::Button)
            static_cast<PictureButton*>(w)->setPicture(picture(c.picture()));
        else if (c.kind() == Kind::Image || c.kind() == Kind::Frame || c.kind() == Kind::PictureBox)
            static_cast<Panel*>(w)->setPicture(picture(c.picture()));
        break;
    case Prop::ToolTipText:
        w->setToolTip(qstr(c.toolTip()));
        break;
    case Prop::Enabled:
        w->setEnabled(c.enabled());
        break;
    case Prop::Visible:
        w->setVisible(c.visible());
        break;
    case Prop::Progress:
        if (auto* bar = qobject_cast<QProgressBar*>(w)) {
            auto& model = static_cast<ProgressBar&>(c);
            bar->setRange(model.min(), model.max());
            bar->setValue(model.value());
        }
        break;
    case Prop::Panels:
        w->update();
        break;
    case Prop::Interval:
        break;
    }
}

void QtBinding::applyScreen(Screen& s) {
    auto it = m_windows.find(&s);
    if (it == m_windows.end())
        return;
    Window& w = *it->second;
    QPalette pal = w.client->palette();
    pal.setColor(QPalette::Window, qcolor(s.backColor(), QApplication::palette()));
    w.client->setPalette(pal);
    w.top->setWindowTitle(qstr(s.caption()));
    if (const QString name = qstr(accessibleName(s)); w.top->accessibleName() != name)
        w.top->setAccessibleName(name);
    if (w.frame) {
        w.frame->resize(px(s.width()), px(s.height()));
    } else {
        w.top->setFixedSize(px(s.width()), px(s.height()));
    }
    place(s, w);
    w.top->setEnabled(s.enabled());
    for (auto& [c, a] : m_actions)
        if (&c->screen() == &s)
            a->setEnabled(c->enabled() && s.enabled());
    bool frameWaiting = false;
    for (auto& [other, ow] : m_windows)
        frameWaiting |= ow->frame && !ow->top->isVisible();
    if (s.visible() && !w.top->isVisible() && (w.frame || !frameWaiting)) {
        if (!w.frame)
            linkToFrame(w);
        w.top->show();
        w.top->raise();
        focusChanged(s);
        // Screens shown before the frame window (the welcome screen, by the frame's own Load) come
        // up after it, so that they are on top without a window manager too.
        if (w.frame)
            for (auto& [other, ow] : m_windows)
                if (!ow->frame && other->visible())
                    applyScreen(*ow->screen);
    } else if (!s.visible() && w.top->isVisible()) {
        w.top->hide();
        if (w.release)
            w.release();
    }
}

void QtBinding::place(const Screen& s, Window& w) {
    // A window that is up tells the frame the window manager gives it; without a window manager
    // (or before it has framed one) the allowance stands in.
    if (w.top->isVisible()) {
        const QRect outer = w.top->frameGeometry(), inner = w.top->geometry();
        const QMargins real(inner.left() - outer.left(), inner.top() - outer.top(),
                            outer.right() - inner.right(), outer.bottom() - inner.bottom());
        if (!real.isNull())
            m_frame = real;
    }
    const QRect area = m_options.workArea;
    // Qt's offscreen platform draws no frames.
    const bool offscreen = QGuiApplication::platformName() == QLatin1String("offscreen");
    const QMargins m = m_options.frame.value_or(offscreen ? QMargins() : m_frame);
    QPoint at = area.topLeft() +
                QPoint(px(s.left()) - (m.left() + m.right()) / 2, px(s.top()) - (m.top() + m.bottom()) / 2);
    at.setX(std::max(at.x(), area.left()));
    at.setY(std::max(at.y(), area.top()));
    w.top->move(at);
}

// Every screen stands above the frame window as its transient, each time it comes up (a screen
// re-created after an unload has a new window), without being the frame's child: a child would take
// over the frame's disabled state. A screen waits for the frame's window before it is shown.
void QtBinding::linkToFrame(Window& w) {
    for (auto& [other, ow] : m_windows)
        if (ow->frame && ow->top->windowHandle()) {
            w.top->winId();
            if (w.top->windowHandle()->transientParent() != ow->top->windowHandle())
                w.top->windowHandle()->setTransientParent(ow->top->windowHandle());
        }
}

void QtBinding::screenChanged(Screen& s) {
    applyScreen(s);
}

void QtBinding::screenDiscarded(Screen& s) {
    if (QWidget* top = window(s))
        top->hide();
}

void QtBinding::screenDestroyed(Screen& s) {
    auto it = m_windows.find(&s);
    if (it == m_windows.end())
        return;
    for (Control* c : s.controls()) {
        if (QWidget* w = widget(*c))
            m_controlOf.erase(w);
        m_widgets.erase(c);
        m_actions.erase(c);
    }
    // Deleted later: the window may be in the middle of delivering the event that discarded it.
    it->second->top.release()->deleteLater();
    m_windows.erase(it);
}

void QtBinding::controlChanged(Control& c, Prop p) {
    if (!m_windows.count(&c.screen()))
        return;
    apply(c, p);
    if (p == Prop::Caption || p == Prop::ToolTipText || p == Prop::Picture) {
        applyNames(c);
        // A text box is named by the label or question it answers.
        if (p == Prop::Caption)
            for (Control* box : c.screen().controls())
                if (box->labelledBy() == &c)
                    applyNames(*box);
    }
}

void QtBinding::focusChanged(Screen& s) {
    // The model decides where the focus is, on every window, the inactive ones included.
    QWidget* top = window(s);
    if (!top)
        return;
    QWidget* want = s.focus() ? widget(*s.focus()) : nullptr;
    if (want) {
        if (top->focusWidget() != want || (want->isActiveWindow() && !want->hasFocus()))
            want->setFocus(Qt::OtherFocusReason);
    } else if (QWidget* had = top->focusWidget()) {
        had->clearFocus();
    }
}

void QtBinding::programEnded() {
    for (auto& [s, w] : m_windows)
        w->top->hide();
    if (m_options.onEnded)
        m_options.onEnded();
}

const Control* QtBinding::focusShown(const Screen& s) const {
    QWidget* top = window(s);
    if (!top)
        return nullptr;
    auto it = m_controlOf.find(top->focusWidget());
    return it == m_controlOf.end() ? nullptr : it->second;
}

std::optional<Value> QtBinding::shown(const Control& c, std::string_view prop) const {
    if (QAction* a = action(c)) {
        if (prop == "Visible")
            return a->isVisible();
        if (prop == "Caption")
            return a->text().toStdString();
        return std::nullopt;
    }
    QWidget* w = widget(c);
    if (!w)
        return std::nullopt;
    if (prop == "Visible")
        return !w->isHidden();
    if (prop == "Enabled")
        return !w->testAttribute(Qt::WA_ForceDisabled);
    if (prop == "Caption") {
        if (auto* l = qobject_cast<QLabel*>(w))
            return l->text().toStdString();
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            return b->text().toStdString();
    }
    if (prop == "Text")
        if (auto* e = qobject_cast<QLineEdit*>(w))
            return e->text().toStdString();
    return std::nullopt;
}

std::optional<Value> QtBinding::shown(const Screen& s, std::string_view prop) const {
    QWidget* top = window(s);
    if (!top)
        return std::nullopt;
    if (prop == "Visible")
        return top->isVisible();
    if (prop == "Enabled")
        return top->isEnabled();
    if (prop == "Caption")
        return top->windowTitle().toStdString();
    return std::nullopt;
}

bool QtBinding::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        // A key travels up from the focus widget to its parents; take it once, where it starts.
        auto* w = qobject_cast<QWidget*>(watched);
        QWidget* focus = QApplication::focusWidget();
        bool first = focus ? w == focus : w && (w->isWindow() || m_controlOf.count(w));
        if (first)
            if (Screen* s = screenOf(w))
                return keyPressed(*s, event);
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
        return mouseEvent(watched, static_cast<QMouseEvent*>(event));
    case QEvent::FocusIn:
        m_focusByActivation = static_cast<QFocusEvent*>(event)->reason() == Qt::ActiveWindowFocusReason;
        break;
    case QEvent::WindowActivate:
        if (m_options.followActivation)
            if (Screen* s = screenOf(watched); s && watched == window(*s)) {
                if (s->enabled())
                    m_program.activate(*s);
                else
                    passActivation();
            }
        break;
    default:
        break;
    }
    return false;
}

// A switched-off window (the frame while an exercise runs) that the window system activates anyway
// (a click on it or on its taskbar entry, Alt+Tab, restoring from minimised) hands the activation on
// to the screen the child was using, as a window with an open modal dialog does; that screen's
// focus is where the child left it.
void QtBinding::passActivation() {
    Screen* to = m_program.active();
    if (!to || !to->visible() || !to->enabled()) {
        to = nullptr;
        for (auto& [s, w] : m_windows)
            if (s->visible() && s->enabled() && !w->frame)
                to = w->screen;
    }
    if (!to)
        return;
    // Not from inside the activation itself: the window system is still busy with it.
    QTimer::singleShot(0, this, [this, name = to->name()] {
        Screen* s = m_program.find(name);
        if (QWidget* top = s ? window(*s) : nullptr; top && top->isVisible() && s->enabled()) {
            top->raise();
            top->activateWindow();
            focusChanged(*s);
        }
    });
}

bool QtBinding::mouseEvent(QObject* watched, QMouseEvent* event) {
    auto it = m_controlOf.find(watched);
    Control* c = it == m_controlOf.end() ? nullptr : it->second;
    if (c && !c->takesMouse())
        return true;
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
        // Labels and text boxes have no click signal of their own.
        if (c && (c->kind() == Kind::Label || c->kind() == Kind::TextBox) &&
            event->button() == Qt::LeftButton) {
            m_program.click(*c);
            // A label lets the release travel on to its frame, which would take it as a click too.
            return c->kind() == Kind::Label;
        }
        break;
    case QEvent::MouseMove:
        // A move that a child control ignored travels on to its parents; it is the child's alone.
        if (auto* w = qobject_cast<QWidget*>(watched))
            for (QWidget* child = w->childAt(event->position().toPoint()); child && child != w;
                 child = child->parentWidget())
                if (m_controlOf.count(child))
                    return false;
        if (c) {
            m_program.mouseMove(*c);
        } else if (Screen* s = screenOf(watched)) {
            auto win = m_windows.find(s);
            if (win != m_windows.end() && watched == win->second->client)
                m_program.mouseMove(*s);
        }
        break;
    default:
        break;
    }
    return false;
}

bool QtBinding::keyPressed(Screen& s, QEvent* event) {
    auto* k = static_cast<QKeyEvent*>(event);
    if (k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false; // shortcuts and access keys
    if (k->key() == Qt::Key_Backtab || (k->key() == Qt::Key_Tab && (k->modifiers() & Qt::ShiftModifier))) {
        m_program.tabBack(s);
        return true;
    }
    // In a text box the arrows move the cursor; on a button or with no focus at all, the focus.
    if (auto d = arrowKey(k->key()); d && (!s.focus() || s.focus()->kind() == Kind::Button)) {
        m_program.arrow(s, *d);
        return true;
    }
    int code = 0;
    switch (k->key()) {
    case Qt::Key_Tab:
        code = 9;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        code = 13;
        break;
    case Qt::Key_Backspace:
        code = 8;
        break;
    case Qt::Key_Escape:
        code = 27;
        break;
    default: {
        // Any one character, by its code point, as the model takes keys.
        const QList<uint> chars = k->text().toUcs4();
        if (chars.size() == 1)
            code = static_cast<int>(chars.front());
    }
    }
    if (code == 0)
        return false; // arrows, Home, End: the text box handles them itself
    Control* focus = s.focus();
    const int left = m_program.keyPreview(s, code);
    if (left == 0 || code == 9)
        return true;
    if (focus && focus->kind() == Kind::Button && (code == 13 || code == 32))
        return true;
    if (left != code) {
        // KeyPress put another key in its place: that one is typed as the model types it.
        auto* e = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        if (e && m_controlOf.count(e)) {
            if (left == 8) {
                e->backspace();
            } else if (typable(static_cast<char32_t>(left))) {
                const auto c = static_cast<char32_t>(left);
                e->insert(QString::fromUcs4(&c, 1));
            }
            m_program.edit(static_cast<TextBox&>(*m_controlOf.at(e)), e->text().toStdString());
        }
        return true;
    }
    return false; // the text box types the key itself and reports the edit
}

} // namespace mt::qt
