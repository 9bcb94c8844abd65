// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/scenario/run.h"

#include <algorithm>
#include <charconv>
#include <iostream>
#include <locale>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "platform/numbers.h"
#include "platform/qt/qtbinding.h"
#include "platform/text.h"
#include "tools/scenario/walk.h"

namespace scenario {

using mt::Value;

void fail(std::string message) {
    throw Failure{std::move(message)};
}

std::pair<std::string, int> splitIndex(const std::string& word) {
    auto open = word.find('(');
    if (open == std::string::npos || word.back() != ')')
        return {word, -1};
    int index = 0;
    auto digits = std::string_view(word).substr(open + 1, word.size() - open - 2);
    if (std::from_chars(digits.data(), digits.data() + digits.size(), index).ec != std::errc{})
        fail("bad index in " + word);
    return {word.substr(0, open), index};
}

std::string pathOf(const mt::Control& c) {
    return c.screen().name() + "." + c.fullName();
}

std::string withoutCrLf(std::string s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r') {
            out += '\n';
            if (i + 1 < s.size() && s[i + 1] == '\n')
                ++i;
        } else {
            out += s[i];
        }
    }
    return out;
}

namespace {

const char* propName(mt::Prop p) {
    switch (p) {
    case mt::Prop::Caption:
        return "Caption";
    case mt::Prop::Text:
        return "Text";
    case mt::Prop::Visible:
        return "Visible";
    case mt::Prop::Enabled:
        return "Enabled";
    case mt::Prop::BackColor:
        return "BackColor";
    case mt::Prop::ForeColor:
        return "ForeColor";
    case mt::Prop::BorderColor:
        return "BorderColor";
    case mt::Prop::ToolTipText:
        return "ToolTipText";
    case mt::Prop::Picture:
        return "Picture";
    case mt::Prop::Interval:
        return "Interval";
    case mt::Prop::Progress:
        return "Value";
    default:
        return nullptr;
    }
}

// Prints every change of the model while a scenario runs.
class Tracer final : public mt::ProgramObserver {
public:
    Tracer(std::ostream& out, const mt::Clock& clock) : m_out(out), m_clock(clock), m_start(clock.now()) {}
    void screenChanged(mt::Screen& s) override {
        line() << s.name() << ".Visible=" << (s.visible() ? "true" : "false")
               << " .Enabled=" << (s.enabled() ? "true" : "false") << "\n";
    }
    void screenCreated(mt::Screen& s) override { m_out << "  load " << s.name() << "\n"; }
    void screenDiscarded(mt::Screen& s) override { m_out << "  unload " << s.name() << "\n"; }
    void controlChanged(mt::Control& c, mt::Prop p) override {
        if (p == mt::Prop::Geometry) {
            line() << pathOf(c) << " at " << c.left() << "," << c.top() << " " << c.width() << "x"
                   << c.height() << "\n";
            return;
        }
        const char* name = propName(p);
        if (!name)
            return;
        auto v = c.property(name);
        line() << pathOf(c) << "." << name << "=" << (v ? mt::describe(*v) : "?") << "\n";
    }
    void focusChanged(mt::Screen& s) override {
        line() << s.name() << " focus " << (s.focus() ? s.focus()->fullName() : "none") << "\n";
    }
    void programEnded() override { line() << "end\n"; }

private:
    // Every line says when it happened, in ms since the program started (virtual or real).
    std::ostream& line() { return m_out << "  @" << (m_clock.now() - m_start) << " "; }

    std::ostream& m_out;
    const mt::Clock& m_clock;
    std::int64_t m_start;
};

std::string join(const std::vector<std::string>& w) {
    std::string s;
    for (auto& x : w)
        s += (s.empty() ? "" : " ") + x;
    return s;
}

void arity(const Line& l, std::size_t n) {
    if (l.words.size() != n)
        fail(l.words[0] + " takes " + std::to_string(n - 1) + " argument(s)");
}

// A number in a scenario (a draw, a time, a key code, a value to expect) as the nearest double,
// whatever the locale Qt has set.
double number(const std::string& s) {
    if (!mt::isNumeric(s))
        fail("not a number: " + s);
    std::string t = s;
    std::replace(t.begin(), t.end(), ',', '.');
    std::istringstream in(t);
    in.imbue(std::locale::classic());
    double v = 0;
    if (!(in >> v))
        fail("not a number a scenario can use: " + s);
    return v;
}

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

} // namespace

Run::Run(const Options& o, std::ostream& out) : m_options(o), m_out(out) {
    mt::Clock& clock = o.realtime ? static_cast<mt::Clock&>(m_realClock) : m_clock;
    m_program = std::make_unique<Maaltafels>(mt::Services{clock, m_box, m_random, m_metrics});
    if (o.trace) {
        m_tracer = std::make_unique<Tracer>(out, clock);
        m_program->addObserver(m_tracer.get());
    }
    if (o.qt)
        m_qt = std::make_unique<mt::qt::QtBinding>(
            *m_program, mt::qt::QtBinding::Options{.zoom = 1, .followActivation = false, .onEnded = {}});
    if (o.onStart)
        o.onStart(*m_program);
    m_program->start();
    settle();
}

Run::~Run() {
    m_qt.reset();
    m_program.reset();
    if (m_options.qt)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void Run::line(const Line& l) {
    const auto& w = l.words;
    if (m_options.trace)
        m_out << "> " << l.text << "\n";
    const std::string& cmd = w[0];
    if (cmd == "expect") {
        expect(l);
    } else if (cmd == "rnd") {
        std::vector<double> values;
        for (std::size_t i = 1; i < w.size(); ++i)
            values.push_back(number(w[i]));
        m_random.queue(values);
        m_history.push_back(l.text);
    } else if (cmd == "wait") {
        arity(l, 2);
        wait(static_cast<long long>(number(w[1])));
        m_history.push_back(l.text);
    } else if (cmd == "shot") {
        arity(l, 3);
        shot(screen(w[1]), w[2]);
    } else if (auto refused = input(l)) {
        fail("refused " + cmd + ": " + *refused);
    }
}

void Run::finish() {
    if (!m_box.shown().empty())
        fail("message box \"" + m_box.shown().front().text + "\" was shown but never checked");
}

std::optional<std::string> Run::input(const Line& l) {
    auto refused = act(l, 0);
    if (!refused)
        m_history.push_back(l.text);
    return refused;
}

void Run::settle() {
    if (m_options.qt)
        QCoreApplication::processEvents();
}

mt::Screen& Run::screen(const std::string& name) {
    if (!m_program->defined(name))
        fail("no screen named " + name);
    mt::Screen* s = m_program->find(name);
    if (!s)
        fail(name + " is not loaded");
    return *s;
}

mt::Control& Run::control(const std::string& path) {
    auto dot = path.find('.');
    if (dot == std::string::npos)
        fail("expected SCREEN.CONTROL, found " + path);
    mt::Screen& s = screen(path.substr(0, dot));
    auto [name, index] = splitIndex(path.substr(dot + 1));
    mt::Control* c = s.control(name, index);
    if (!c)
        fail("no control " + path);
    return *c;
}

std::string Run::unreachable(const mt::Control& c) const {
    const std::string where = pathOf(c);
    if (m_program->ended())
        return "the program has ended";
    if (m_program->messageBoxOpen())
        return "a message box is open";
    if (!c.screen().visible())
        return c.screen().name() + " is not visible";
    if (!c.screen().enabled())
        return c.screen().name() + " is disabled";
    for (const mt::Control* k = &c; k; k = k->container()) {
        if (!k->visible())
            return where + (k == &c ? " is hidden" : " is inside hidden " + k->fullName());
        if (!k->enabled())
            return where + (k == &c ? " is disabled" : " is inside disabled " + k->fullName());
    }
    return {};
}

std::optional<std::string> Run::act(const Line& l, std::size_t at) {
    const auto& w = l.words;
    if (w.size() <= at)
        fail("nothing to do");
    const std::string& cmd = w[at];
    auto arg = [&](std::size_t k) -> const std::string& {
        if (w.size() <= at + k)
            fail(cmd + " needs more arguments");
        return w[at + k];
    };
    if (cmd == "click" || cmd == "menu") {
        mt::Control& c = control(arg(1));
        if ((cmd == "menu") != (c.kind() == mt::Kind::MenuItem))
            fail(cmd == "menu" ? arg(1) + " is not a menu item" : "use menu for " + arg(1));
        if (c.kind() == mt::Kind::Timer || c.kind() == mt::Kind::Menu)
            fail(arg(1) + " cannot be clicked");
        if (auto why = unreachable(c); !why.empty())
            return why;
        click(c);
    } else if (cmd == "hover") {
        const std::string& target = arg(1);
        if (target.find('.') == std::string::npos) {
            mt::Screen& s = screen(target);
            if (m_qt)
                hoverWidget(m_qt->window(s));
            else
                m_program->mouseMove(s);
        } else {
            mt::Control& c = control(target);
            if (c.kind() == mt::Kind::Timer || c.kind() == mt::Kind::MenuItem || c.kind() == mt::Kind::Menu)
                fail(target + " cannot be hovered");
            if (auto why = unreachable(c); !why.empty())
                return why;
            if (m_qt)
                hoverWidget(m_qt->widget(c));
            else
                m_program->mouseMove(c);
        }
    } else if (cmd == "type" || cmd == "settext") {
        mt::Control& c = control(arg(1));
        if (c.kind() != mt::Kind::TextBox)
            fail(arg(1) + " is not a text box");
        if (auto why = unreachable(c); !why.empty())
            return why;
        auto& box = static_cast<mt::TextBox&>(c);
        if (box.readOnly())
            return arg(1) + " only shows its text";
        if (cmd == "type")
            type(box, arg(2));
        else
            settext(box, arg(2));
    } else if (cmd == "key") {
        mt::Screen& s = screen(arg(1));
        if (m_program->ended())
            return "the program has ended";
        if (!s.visible() || !s.enabled())
            return s.name() + " is not visible and enabled";
        if (auto named = focusKeyNamed(arg(2))) {
            focusKey(s, *named);
            settle();
            return std::nullopt;
        }
        const double code = number(arg(2));
        if (code < 0 || code > 0x10FFFF || code != static_cast<int>(code))
            fail("not a character code: " + arg(2));
        key(s, static_cast<char32_t>(code));
    } else if (cmd == "close") {
        mt::Screen& s = screen(arg(1));
        if (!m_program->closable(s))
            return "the close box of " + s.name() + " is refused";
        if (m_qt)
            m_qt->window(s)->close();
        else
            m_program->close(s);
    } else {
        fail("unknown command " + cmd);
    }
    settle();
    return std::nullopt;
}

void Run::click(mt::Control& c) {
    if (!m_qt) {
        m_program->click(c);
        return;
    }
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

void Run::hoverWidget(QWidget* w) {
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
    QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

// Gives the keyboard to the screen's window, as a child's click on it would.
void Run::activateWindow(mt::Screen& s) {
    QWidget* top = m_qt->window(s);
    top->activateWindow();
    QApplication::setActiveWindow(top);
    settle();
}

// The child goes to the text box with the mouse, without clicking in it.
void Run::focusBox(mt::TextBox& box) {
    m_program->activate(box.screen());
    if (m_qt)
        activateWindow(box.screen());
    if (box.screen().focus() != &box) {
        if (m_qt) {
            m_qt->widget(box)->setFocus(Qt::MouseFocusReason);
            settle();
        }
        m_program->focusTo(box);
    }
    if (box.screen().focus() != &box)
        fail(box.fullName() + " cannot take the focus");
}

void Run::type(mt::TextBox& box, const std::string& text) {
    focusBox(box);
    // One key a character; when a handler moves the focus meanwhile, the rest goes with it, and
    // when the screen goes away (Space on its stop button), the rest goes nowhere.
    const std::string name = box.screen().name();
    for (std::size_t at = 0; at < text.size();) {
        auto c = mt::nextChar(text, at);
        if (!c)
            fail("not UTF-8 text");
        mt::Screen* s = m_program->find(name);
        if (!s || !s->visible() || !s->enabled() || m_program->ended())
            break;
        sendKey(*s, *c);
    }
}

void Run::settext(mt::TextBox& box, const std::string& text) {
    focusBox(box);
    if (!m_qt) {
        m_program->edit(box, text);
        return;
    }
    auto* e = qobject_cast<QLineEdit*>(m_qt->widget(box));
    e->selectAll();
    if (text.empty())
        e->del();
    else
        e->insert(QString::fromStdString(text));
}

void Run::key(mt::Screen& s, char32_t code) {
    m_program->activate(s);
    if (m_qt)
        activateWindow(s);
    sendKey(s, code);
}

// Where a key on the screen's window goes: the widget with the focus, else the window itself.
QWidget* Run::keyTarget(mt::Screen& s) {
    QWidget* top = m_qt->window(s);
    QWidget* target = top->focusWidget();
    return target && target->isVisible() ? target : top;
}

// A key press and release with the character's text, to whatever has the focus on the screen.
void Run::sendKey(mt::Screen& s, char32_t code) {
    if (!m_qt) {
        m_program->key(s, static_cast<int>(code));
        return;
    }
    QWidget* target = keyTarget(s);
    // Typing goes at the end of the text, as the scenario language says.
    if (auto* e = qobject_cast<QLineEdit*>(target))
        e->end(false);
    QTest::sendKeyEvent(QTest::Click, target, keyOf(code), QString::fromUcs4(&code, 1), Qt::NoModifier);
    settle();
}

std::optional<Run::FocusKey> Run::focusKeyNamed(const std::string& name) {
    static const std::map<std::string, FocusKey> keys{{"backtab", {Qt::Key_Backtab, std::nullopt}},
                                                      {"left", {Qt::Key_Left, mt::Direction::Left}},
                                                      {"right", {Qt::Key_Right, mt::Direction::Right}},
                                                      {"up", {Qt::Key_Up, mt::Direction::Up}},
                                                      {"down", {Qt::Key_Down, mt::Direction::Down}}};
    auto it = keys.find(name);
    return it == keys.end() ? std::nullopt : std::optional(it->second);
}

void Run::focusKey(mt::Screen& s, const FocusKey& k) {
    m_program->activate(s);
    if (!m_qt) {
        if (k.arrow)
            m_program->arrow(s, *k.arrow);
        else
            m_program->tabBack(s);
        return;
    }
    activateWindow(s);
    QTest::keyClick(keyTarget(s), k.qt, k.arrow ? Qt::NoModifier : Qt::ShiftModifier);
}

void Run::wait(long long ms) {
    if (m_options.realtime) {
        // An event loop that sleeps until the time is up: QTest::qWait wakes up every 10 ms,
        // which would show up in the CPU figures of a run on the real clock.
        QEventLoop loop;
        QTimer::singleShot(static_cast<int>(ms), Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
        return;
    }
    m_clock.advance(ms);
    settle();
}

void Run::shot(mt::Screen& s, const std::string& name) {
    if (!m_qt || m_options.shots.empty())
        return;
    QDir().mkpath(QString::fromStdString(m_options.shots));
    const QString file = QString::fromStdString(m_options.shots + "/" + name + ".png");
    if (!m_qt->window(s)->grab().save(file))
        fail("could not save " + file.toStdString());
}

Value Run::literal(const Line& l, std::size_t i) {
    if (i >= l.words.size())
        fail("expect: a value is missing");
    const std::string& s = l.words[i];
    if (l.quoted[i])
        return s;
    if (s == "true" || s == "false")
        return s == "true";
    if (s == "WindowBackground")
        return mt::Color::windowBackground();
    if (s == "ButtonFace")
        return mt::Color::buttonFace();
    if (s.rfind("RGB(", 0) == 0 && s.back() == ')') {
        int rgb[3];
        std::istringstream in(s.substr(4, s.size() - 5));
        char comma = ',';
        in >> rgb[0] >> comma >> rgb[1] >> comma >> rgb[2];
        if (!in)
            fail("bad colour " + s);
        return mt::Color::rgb(rgb[0], rgb[1], rgb[2]);
    }
    return number(s);
}

// SCREEN.Visible, SCREEN.CONTROL(I).Prop, SCREEN.VARIABLE, SCREEN.StatusBar1.Panels(1).Text
Value Run::read(const std::string& path, std::optional<Value>* shown) {
    auto dot = path.find('.');
    if (dot == std::string::npos)
        fail("expected SCREEN.PROPERTY, found " + path);
    mt::Screen& s = screen(path.substr(0, dot));
    std::string rest = path.substr(dot + 1);
    auto dot2 = rest.find('.');
    if (dot2 != std::string::npos) {
        auto [name, index] = splitIndex(rest.substr(0, dot2));
        if (mt::Control* c = s.control(name, index)) {
            const std::string prop = rest.substr(dot2 + 1);
            auto v = c->property(prop);
            if (!v)
                fail(path + ": " + c->fullName() + " has no property " + prop);
            if (m_qt && shown)
                *shown = m_qt->shown(*c, prop);
            return *v;
        }
    }
    if (rest == "Visible" || rest == "Enabled" || rest == "Caption") {
        if (m_qt && shown)
            *shown = m_qt->shown(s, rest);
        if (rest == "Visible")
            return s.visible();
        if (rest == "Enabled")
            return s.enabled();
        return s.caption();
    }
    if (rest == "Left")
        return double(s.left());
    if (rest == "Top")
        return double(s.top());
    if (rest == "Width")
        return double(s.width());
    if (rest == "Height")
        return double(s.height());
    if (rest == "BackColor")
        return s.backColor();
    if (auto v = s.variable(rest))
        return *v;
    fail(path + ": no such control, property or variable");
}

std::optional<std::string> Run::widgetMismatch() const {
    if (!m_qt)
        return std::nullopt;
    for (mt::Screen* s : m_program->loadedScreens()) {
        const std::pair<const char*, Value> window[] = {
            {"Visible", s->visible()}, {"Enabled", s->enabled()}, {"Caption", s->caption()}};
        for (const auto& [prop, model] : window) {
            const auto shown = m_qt->shown(*s, prop);
            if (!shown)
                return s->name() + " has no window";
            if (*shown != model)
                return "the window of " + s->name() + " shows " + prop + " " + mt::describe(*shown) +
                       ", the model holds " + mt::describe(model);
        }
        const mt::Control* shownFocus = m_qt->focusShown(*s);
        if (shownFocus != s->focus())
            return "the window of " + s->name() + " has the focus on " +
                   (shownFocus ? shownFocus->fullName() : "nothing") + ", the model on " +
                   (s->focus() ? s->focus()->fullName() : "nothing");
        for (const mt::Control* c : s->controls())
            for (const char* prop : {"Visible", "Enabled", "Caption", "Text"}) {
                const auto shown = m_qt->shown(*c, prop);
                if (!shown)
                    continue;
                auto model = c->property(prop);
                if (model && c->kind() == mt::Kind::Label)
                    if (auto* text = std::get_if<std::string>(&*model))
                        model = withoutCrLf(*text);
                if (!model || *model != *shown)
                    return "the widget of " + pathOf(*c) + "." + prop + " shows " + mt::describe(*shown) +
                           ", the model holds " + (model ? mt::describe(*model) : "nothing");
            }
    }
    return std::nullopt;
}

void Run::expect(const Line& l) {
    const auto& w = l.words;
    if (w.size() < 2)
        fail("expect what?");
    const std::string& what = w[1];
    if (what == "refused") {
        if (w.size() < 3)
            fail("expect refused: which command?");
        if (!act(l, 2))
            fail(w[2] + " " + (w.size() > 3 ? w[3] : "") + " was accepted, expected it to be refused");
        return;
    }
    if (what == "windows") {
        std::set<std::string> want(w.begin() + 2, w.end()), got;
        for (mt::Screen* s : m_program->loadedScreens())
            if (s->visible())
                got.insert(s->name());
        if (want != got)
            fail("expected windows " + join({want.begin(), want.end()}) + ", found " +
                 join({got.begin(), got.end()}));
        if (m_qt)
            for (mt::Screen* s : m_program->loadedScreens())
                if (QWidget* top = m_qt->window(*s); top && top->isVisible() != s->visible())
                    fail("the window of " + s->name() + " does not match the model's Visible");
        return;
    }
    if (what == "widgets") {
        arity(l, 2);
        if (auto mismatch = widgetMismatch())
            fail(*mismatch);
        return;
    }
    if (what == "way" && w.size() == 3 && w[2] == "out") {
        if (auto stranded = strandedBy(*this))
            fail(*stranded);
        return;
    }
    if (what == "loaded" || (what == "not" && w.size() == 4 && w[2] == "loaded")) {
        const std::string& name = w.back();
        if (!m_program->defined(name))
            fail("no screen named " + name);
        bool want = what == "loaded";
        if ((m_program->find(name) != nullptr) != want)
            fail("expected " + name + (want ? " loaded" : " not loaded") + ", found it " +
                 (want ? "not loaded" : "loaded"));
        return;
    }
    if (what == "focus") {
        arity(l, 3);
        mt::Control& c = control(w[2]);
        mt::Control* f = c.screen().focus();
        if (f != &c)
            fail("expected the focus on " + w[2] + ", found it on " + (f ? f->fullName() : "nothing"));
        if (m_qt && m_qt->focusShown(c.screen()) != &c)
            fail("the window of " + c.screen().name() + " does not have the focus on " + w[2]);
        return;
    }
    if (what == "no" && w.size() == 4 && w[2] == "focus") {
        mt::Screen& s = screen(w[3]);
        if (s.focus())
            fail("expected no focus on " + w[3] + ", found it on " + s.focus()->fullName());
        if (m_qt && m_qt->focusShown(s))
            fail("the window of " + w[3] + " has the focus on " + m_qt->focusShown(s)->fullName());
        return;
    }
    if (what == "msgbox") {
        if (w.size() != 4)
            fail("expect msgbox \"TEXT\" \"TITLE\"");
        if (m_box.shown().empty())
            fail("expected message box \"" + w[2] + "\", found none");
        auto box = m_box.shown().front();
        m_box.shown().pop_front();
        if (box.text != w[2] || box.title != w[3])
            fail("expected message box " + mt::describe(w[2]) + " titled " + mt::describe(w[3]) + ", found " +
                 mt::describe(box.text) + " titled " + mt::describe(box.title));
        return;
    }
    if (what == "no") {
        if (w.size() != 3 || w[2] != "msgbox")
            fail("expect no msgbox");
        if (!m_box.shown().empty())
            fail("expected no message box, found \"" + m_box.shown().front().text + "\"");
        return;
    }
    if (what == "ended" || what == "running") {
        if (m_program->ended() != (what == "ended"))
            fail(std::string("expected the program ") + (what == "ended" ? "ended" : "running") +
                 ", found it " + (m_program->ended() ? "ended" : "running"));
        return;
    }
    if (w.size() != 4)
        fail("expect PATH == VALUE");
    std::optional<Value> shown;
    Value got = read(what, &shown);
    const std::string& op = w[2];
    if (op == "matches") {
        auto* s = std::get_if<std::string>(&got);
        if (!s)
            fail(what + " is not a text: " + mt::describe(got));
        if (!std::regex_match(*s, std::regex(w[3], std::regex::ECMAScript)))
            fail("expected " + what + " to match " + w[3] + ", found " + mt::describe(got));
    } else if (op == "==" || op == "!=") {
        Value want = literal(l, 3);
        if ((got == want) != (op == "=="))
            fail("expected " + what + " " + op + " " + mt::describe(want) + ", found " + mt::describe(got));
    } else {
        fail("unknown comparison " + op);
    }
    if (shown) {
        Value model = got;
        if (auto* s = std::get_if<std::string>(&model))
            model = withoutCrLf(*s);
        if (model != *shown)
            fail("the widget of " + what + " shows " + mt::describe(*shown) + ", the model holds " +
                 mt::describe(got));
    }
}

} // namespace scenario
