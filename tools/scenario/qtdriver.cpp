// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/scenario/qtdriver.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "platform/qt/qtbinding.h"
#include "platform/qt/qtclock.h"
#include "platform/text.h"
#include "shell/maaltafels.h"
#include "tools/scenario/run.h"

namespace scenario {

namespace {

// The key a keyboard sends with this character: the named keys for the control characters it
// has keys for, the character's own key for the rest.
Qt::Key keyOf(char32_t c) {
    switch (c) {
    case 8:
        return Qt::Key_Backspace;
    case 9:
        return Qt::Key_Tab;
    case 13:
        return Qt::Key_Return;
    case 27:
        return Qt::Key_Escape;
    default:
        return mt::typable(c) ? static_cast<Qt::Key>(QChar::toUpper(c)) : Qt::Key_unknown;
    }
}

Qt::Key keyOf(std::optional<mt::Direction> arrow) {
    if (!arrow)
        return Qt::Key_Backtab;
    switch (*arrow) {
    case mt::Direction::Left:
        return Qt::Key_Left;
    case mt::Direction::Right:
        return Qt::Key_Right;
    case mt::Direction::Up:
        return Qt::Key_Up;
    case mt::Direction::Down:
        break;
    }
    return Qt::Key_Down;
}

void settleQt() {
    QCoreApplication::processEvents();
}

class Widgets final : public Driver {
public:
    ~Widgets() override {
        // Windows are deleted later: once the program has gone, they go too.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void attach(Maaltafels& program) override {
        m_qt = std::make_unique<mt::qt::QtBinding>(
            program, mt::qt::QtBinding::Options{.zoom = 1, .followActivation = false, .onEnded = {}});
    }
    void detach() override { m_qt.reset(); }
    mt::Clock* realClock() override { return &m_clock; }

    void click(mt::Control& c) override {
        if (c.kind() == mt::Kind::MenuItem) {
            QAction* a = m_qt->action(c);
            if (!a)
                fail("menu item without an action: " + c.fullName());
            a->trigger();
            return;
        }
        QWidget* w = m_qt->widget(c);
        if (!w || !w->isVisible())
            fail(c.fullName() + " has no visible widget");
        QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    }
    void hover(mt::Control& c) override { hoverWidget(m_qt->widget(c)); }
    void hover(mt::Screen& s) override { hoverWidget(m_qt->window(s)); }

    // Gives the keyboard to the screen's window, as a child's click on it would.
    void activate(mt::Screen& s) override {
        QWidget* top = m_qt->window(s);
        top->activateWindow();
        QApplication::setActiveWindow(top);
        settleQt();
    }
    void focus(mt::TextBox& box) override {
        m_qt->widget(box)->setFocus(Qt::MouseFocusReason);
        settleQt();
        box.screen().program().focusTo(box);
    }
    // A key press and release with the character's text, to whatever has the focus on the screen.
    void key(mt::Screen& s, char32_t code) override {
        QWidget* target = keyTarget(s);
        // Typing goes at the end of the text, as the scenario language says.
        if (auto* e = qobject_cast<QLineEdit*>(target))
            e->end(false);
        QTest::sendKeyEvent(QTest::Click, target, keyOf(code), QString::fromUcs4(&code, 1), Qt::NoModifier);
    }
    void focusKey(mt::Screen& s, std::optional<mt::Direction> arrow) override {
        QTest::keyClick(keyTarget(s), keyOf(arrow), arrow ? Qt::NoModifier : Qt::ShiftModifier);
    }
    void paste(mt::TextBox& box, const std::string& text) override {
        auto* e = qobject_cast<QLineEdit*>(m_qt->widget(box));
        e->selectAll();
        if (text.empty())
            e->del();
        else
            e->insert(QString::fromStdString(text));
    }
    void close(mt::Screen& s) override { m_qt->window(s)->close(); }
    void settle() override { settleQt(); }
    void waitReal(long long ms) override {
        // An event loop that sleeps until the time is up: QTest::qWait wakes up every 10 ms,
        // which would show up in the CPU figures of a run on the real clock.
        QEventLoop loop;
        QTimer::singleShot(static_cast<int>(ms), Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
    }
    bool shot(mt::Screen& s, const std::string& file) override {
        const QString path = QString::fromStdString(file);
        QDir().mkpath(QFileInfo(path).path());
        return m_qt->window(s)->grab().save(path);
    }

    bool hasView() const override { return true; }
    std::optional<mt::Value> shown(const mt::Control& c, std::string_view prop) const override {
        return m_qt->shown(c, prop);
    }
    std::optional<mt::Value> shown(const mt::Screen& s, std::string_view prop) const override {
        return m_qt->shown(s, prop);
    }
    std::optional<const mt::Control*> focusShown(const mt::Screen& s) const override {
        return m_qt->focusShown(s);
    }

private:
    void hoverWidget(QWidget* w) {
        if (!w)
            fail("no widget to hover");
        // Over the widget itself: a spot that none of its child controls covers, or the move
        // would be the child's.
        QPointF at = w->rect().center();
        if (w->childAt(at.toPoint()))
            for (int y = 2; y < w->height(); y += 4)
                for (int x = 2; x < w->width(); x += 4)
                    if (!w->childAt(x, y)) {
                        at = QPointF(x, y);
                        y = w->height();
                        break;
                    }
        QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(w, &move);
    }
    // Where a key on the screen's window goes: the widget with the focus, else the window itself.
    QWidget* keyTarget(mt::Screen& s) {
        QWidget* top = m_qt->window(s);
        QWidget* target = top->focusWidget();
        return target && target->isVisible() ? target : top;
    }

    mt::qt::QtClock m_clock;
    std::unique_ptr<mt::qt::QtBinding> m_qt;
};

} // namespace

std::unique_ptr<Driver> qtDriver() {
    return std::make_unique<Widgets>();
}

std::shared_ptr<void> qtApplication(int& argc, char** argv) {
    return std::make_shared<QApplication>(argc, argv);
}

} // namespace scenario
