#include "tools/scenario/scenario.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <regex>
#include <set>
#include <sstream>

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
#include "platform/qt/qtclock.h"
#include "shell/maaltafels.h"

namespace scenario {

using mt::Value;

std::optional<std::string> parse(const std::string& text, std::vector<Line>& out) {
    std::istringstream in(text);
    std::string raw;
    int number = 0;
    while (std::getline(in, raw)) {
        ++number;
        if (!raw.empty() && raw.back() == '\r')
            raw.pop_back();
        Line line{number, raw, {}, {}};
        std::size_t i = 0;
        while (i < raw.size()) {
            char c = raw[i];
            if (c == ' ' || c == '\t') {
                ++i;
            } else if (c == '#') {
                break;
            } else if (c == '"') {
                std::string word;
                ++i;
                bool closed = false;
                while (i < raw.size()) {
                    char d = raw[i++];
                    if (d == '"') {
                        closed = true;
                        break;
                    }
                    if (d == '\\' && i < raw.size()) {
                        char e = raw[i++];
                        switch (e) {
                        case 'r':
                            word += '\r';
                            break;
                        case 'n':
                            word += '\n';
                            break;
                        case 't':
                            word += '\t';
                            break;
                        case '"':
                        case '\\':
                            word += e;
                            break;
                        default:
                            return "line " + std::to_string(number) + ": unknown escape \\" + e;
                        }
                    } else {
                        word += d;
                    }
                }
                if (!closed)
                    return "line " + std::to_string(number) + ": string not closed";
                line.words.push_back(word);
                line.quoted.push_back(true);
            } else {
                std::size_t end = i;
                int depth = 0;
                // RGB(1, 2, 3) and Panels(1) stay one word even with blanks inside the brackets.
                while (end < raw.size() && (depth > 0 || (raw[end] != ' ' && raw[end] != '\t'))) {
                    if (raw[end] == '(')
                        ++depth;
                    if (raw[end] == ')')
                        --depth;
                    ++end;
                }
                line.words.push_back(raw.substr(i, end - i));
                line.quoted.push_back(false);
                i = end;
            }
        }
        if (!line.words.empty())
            out.push_back(std::move(line));
    }
    return std::nullopt;
}

namespace {

struct Failure {
    std::string message;
};

[[noreturn]] void fail(std::string message) {
    throw Failure{std::move(message)};
}

// "cmdstarter(3)" -> ("cmdstarter", 3); "cmdstart" -> ("cmdstart", -1)
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
            line() << c.screen().name() << "." << c.fullName() << " at " << c.left() << "," << c.top() << " "
                   << c.width() << "x" << c.height() << "\n";
            return;
        }
        const char* name = propName(p);
        if (!name)
            return;
        auto v = c.property(name);
        line() << c.screen().name() << "." << c.fullName() << "." << name << "="
               << (v ? mt::describe(*v) : "?") << "\n";
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

class Run {
public:
    Run(const Options& o, std::ostream& out) : m_options(o), m_out(out) {
        mt::Clock& clock = o.realtime ? static_cast<mt::Clock&>(m_realClock) : m_clock;
        m_program = std::make_unique<Maaltafels>(mt::Services{clock, m_box, m_random, m_metrics});
        if (o.trace) {
            m_tracer = std::make_unique<Tracer>(out, clock);
            m_program->addObserver(m_tracer.get());
        }
        if (o.qt)
            m_qt = std::make_unique<mt::qt::QtBinding>(
                *m_program, mt::qt::QtBinding::Options{.zoom = 1, .followActivation = false, .onEnded = {}});
        m_program->start();
        settle();
    }

    ~Run() {
        m_qt.reset();
        m_program.reset();
        if (m_options.qt)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void line(const Line& l) {
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
        } else if (cmd == "wait") {
            arity(l, 2);
            wait(static_cast<long long>(number(w[1])));
        } else if (cmd == "shot") {
            arity(l, 3);
            shot(screen(w[1]), w[2]);
        } else if (auto refused = act(l, 0)) {
            fail("refused " + cmd + ": " + *refused);
        }
    }

    void finish() {
        if (!m_box.shown().empty())
            fail("message box \"" + m_box.shown().front().text + "\" was shown but never checked");
    }

private:
    static std::string join(const std::vector<std::string>& w) {
        std::string s;
        for (auto& x : w)
            s += (s.empty() ? "" : " ") + x;
        return s;
    }

    static void arity(const Line& l, std::size_t n) {
        if (l.words.size() != n)
            fail(l.words[0] + " takes " + std::to_string(n - 1) + " argument(s)");
    }

    static double number(const std::string& s) {
        auto v = mt::toNumber(s);
        if (!v)
            fail("not a number: " + s);
        return *v;
    }

    void settle() {
        if (m_options.qt)
            QCoreApplication::processEvents();
    }

    mt::Screen& screen(const std::string& name) {
        if (!m_program->defined(name))
            fail("no screen named " + name);
        mt::Screen* s = m_program->find(name);
        if (!s)
            fail(name + " is not loaded");
        return *s;
    }

    mt::Control& control(const std::string& path) {
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

    std::string unreachable(const mt::Control& c) {
        const std::string where = c.screen().name() + "." + c.fullName();
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

    // Carries out an input command; returns why it was refused, if it was.
    std::optional<std::string> act(const Line& l, std::size_t at) {
        const auto& w = l.words;
        if (w.size() <= at)
            fail("nothing to do");
        const std::string& cmd = w[at];
        auto arg = [&](std::size_t k) -> const std::string& {
            if (w.size() <= at + k)
                fail(cmd + " needs more arguments");
            return w[at + k];
        };
        std::optional<std::string> refused;
        if (cmd == "click" || cmd == "menu") {
            mt::Control& c = control(arg(1));
            if ((cmd == "menu") != (c.kind() == mt::Kind::MenuItem))
                fail(cmd == "menu" ? arg(1) + " is not a menu item" : "use menu for " + arg(1));
            if (auto why = unreachable(c); !why.empty())
                return why;
            click(c);
        } else if (cmd == "hover") {
            const std::string& target = arg(1);
            if (target.find('.') == std::string::npos) {
                mt::Screen& s = screen(target);
                if (m_qt)
                    hoverWidget(m_qt->window(s), true);
                else
                    m_program->mouseMove(s);
            } else {
                mt::Control& c = control(target);
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
            if (cmd == "type")
                type(box, arg(2));
            else
                settext(box, arg(2));
        } else if (cmd == "key" && focusKeyNamed(arg(2))) {
            mt::Screen& s = screen(arg(1));
            if (m_program->ended())
                return "the program has ended";
            if (!s.visible() || !s.enabled())
                return s.name() + " is not visible and enabled";
            focusKey(s, *focusKeyNamed(arg(2)));
        } else if (cmd == "key") {
            mt::Screen& s = screen(arg(1));
            if (m_program->ended())
                return "the program has ended";
            if (!s.visible() || !s.enabled())
                return s.name() + " is not visible and enabled";
            key(s, static_cast<int>(number(arg(2))));
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
        return refused;
    }

    void click(mt::Control& c) {
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

    void hoverWidget(QWidget* w, bool background = false) {
        if (!w)
            fail("no widget to hover");
        QPointF at = w->rect().center();
        // Over the screen itself: a spot that no control covers, or the move would be the control's.
        if (background)
            for (int y = 2; y < w->height(); y += 8)
                for (int x = 2; x < w->width(); x += 8)
                    if (!w->childAt(x, y)) {
                        at = QPointF(x, y);
                        y = w->height();
                        break;
                    }
        QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(w, &move);
    }

    // Gives the keyboard to the screen's window, as a child's click on it would.
    void activateWindow(mt::Screen& s) {
        QWidget* top = m_qt->window(s);
        top->activateWindow();
        QApplication::setActiveWindow(top);
        if (s.focus())
            if (QWidget* f = m_qt->widget(*s.focus()))
                f->setFocus(Qt::OtherFocusReason);
    }

    void focusBox(mt::TextBox& box) {
        if (box.screen().focus() != &box) {
            if (m_qt) {
                activateWindow(box.screen());
                m_qt->widget(box)->setFocus(Qt::MouseFocusReason);
                settle();
            }
            m_program->focusTo(box);
        }
        if (box.screen().focus() != &box)
            fail(box.fullName() + " cannot take the focus");
    }

    void type(mt::TextBox& box, const std::string& text) {
        focusBox(box);
        for (char ch : text) {
            if (!m_qt) {
                m_program->key(box.screen(), static_cast<unsigned char>(ch));
                continue;
            }
            activateWindow(box.screen());
            auto* e = qobject_cast<QLineEdit*>(m_qt->widget(box));
            e->end(false);
            QTest::keyClick(e, ch);
        }
    }

    void settext(mt::TextBox& box, const std::string& text) {
        if (!m_qt) {
            m_program->edit(box, text);
            return;
        }
        focusBox(box);
        auto* e = qobject_cast<QLineEdit*>(m_qt->widget(box));
        e->selectAll();
        if (text.empty())
            e->del();
        else
            e->insert(QString::fromStdString(text));
    }

    void key(mt::Screen& s, int code) {
        if (!m_qt) {
            m_program->key(s, code);
            return;
        }
        activateWindow(s);
        QWidget* target = QApplication::focusWidget();
        if (!target)
            target = m_qt->window(s);
        switch (code) {
        case 13:
            QTest::keyClick(target, Qt::Key_Return);
            break;
        case 9:
            QTest::keyClick(target, Qt::Key_Tab);
            break;
        case 8:
            QTest::keyClick(target, Qt::Key_Backspace);
            break;
        case 27:
            QTest::keyClick(target, Qt::Key_Escape);
            break;
        default:
            QTest::keyClick(target, static_cast<char>(code));
        }
    }

    // Shift+Tab and the arrows: keys without a character code, named in the scenario.
    struct FocusKey {
        Qt::Key qt;
        std::optional<mt::Direction> arrow; // none: Shift+Tab
    };
    static std::optional<FocusKey> focusKeyNamed(const std::string& name) {
        static const std::map<std::string, FocusKey> keys{{"backtab", {Qt::Key_Backtab, std::nullopt}},
                                                          {"left", {Qt::Key_Left, mt::Direction::Left}},
                                                          {"right", {Qt::Key_Right, mt::Direction::Right}},
                                                          {"up", {Qt::Key_Up, mt::Direction::Up}},
                                                          {"down", {Qt::Key_Down, mt::Direction::Down}}};
        auto it = keys.find(name);
        return it == keys.end() ? std::nullopt : std::optional(it->second);
    }

    void focusKey(mt::Screen& s, const FocusKey& k) {
        if (!m_qt) {
            if (k.arrow)
                m_program->arrow(s, *k.arrow);
            else
                m_program->tabBack(s);
            return;
        }
        activateWindow(s);
        QWidget* target = QApplication::focusWidget();
        if (!target)
            target = m_qt->window(s);
        QTest::keyClick(target, k.qt, k.arrow ? Qt::NoModifier : Qt::ShiftModifier);
    }

    void wait(long long ms) {
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

    void shot(mt::Screen& s, const std::string& name) {
        if (!m_qt || m_options.shots.empty())
            return;
        QDir().mkpath(QString::fromStdString(m_options.shots));
        const QString file = QString::fromStdString(m_options.shots + "/" + name + ".png");
        if (!m_qt->window(s)->grab().save(file))
            fail("could not save " + file.toStdString());
    }

    Value literal(const Line& l, std::size_t i) {
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

    static bool same(const Value& a, const Value& b) { return a == b; }

    // SCREEN.Visible, SCREEN.CONTROL(I).Prop, SCREEN.VARIABLE, SCREEN.StatusBar1.Panels(1).Text
    Value read(const std::string& path, std::optional<Value>* shown) {
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

    void expect(const Line& l) {
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
                fail("expected message box " + mt::describe(w[2]) + " titled " + mt::describe(w[3]) +
                     ", found " + mt::describe(box.text) + " titled " + mt::describe(box.title));
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
            if (same(got, want) != (op == "=="))
                fail("expected " + what + " " + op + " " + mt::describe(want) + ", found " +
                     mt::describe(got));
        } else {
            fail("unknown comparison " + op);
        }
        if (shown) {
            Value model = got;
            if (auto* s = std::get_if<std::string>(&model))
                model = withoutCrLf(*s);
            if (!same(model, *shown))
                fail("the widget of " + what + " shows " + mt::describe(*shown) + ", the model holds " +
                     mt::describe(got));
        }
    }

    const Options& m_options;
    std::ostream& m_out;
    mt::VirtualClock m_clock;
    mt::qt::QtClock m_realClock;
    mt::RecordingMessageBox m_box;
    mt::Random m_random;
    mt::FixedMetrics m_metrics;
    std::unique_ptr<Tracer> m_tracer;
    std::unique_ptr<Maaltafels> m_program;
    std::unique_ptr<mt::qt::QtBinding> m_qt;
};

} // namespace

bool runFile(const std::string& path, const Options& options, std::ostream& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        out << path << ": cannot read the file\n";
        return false;
    }
    std::stringstream text;
    text << in.rdbuf();
    std::vector<Line> lines;
    if (auto error = parse(text.str(), lines)) {
        out << path << ": " << *error << "\n";
        return false;
    }
    int at = 0;
    try {
        Run run(options, out);
        for (const Line& l : lines) {
            at = l.number;
            run.line(l);
        }
        at = lines.empty() ? 0 : lines.back().number;
        run.finish();
    } catch (const Failure& f) {
        out << path << ":" << at << ": " << f.message << "\n";
        return false;
    } catch (const std::exception& e) {
        out << path << ":" << at << ": error: " << e.what() << "\n";
        return false;
    }
    return true;
}

int checkPictures(const std::string& assetsDir, std::ostream& out) {
    mt::VirtualClock clock;
    mt::RecordingMessageBox box;
    mt::Random random;
    mt::FixedMetrics metrics;
    Maaltafels program({clock, box, random, metrics});
    int missing = 0;
    std::set<std::string> seen;
    for (const std::string& name : program.definedNames()) {
        mt::Screen& s = program.use(name);
        for (mt::Control* c : s.controls()) {
            if (c->picture().empty() || !seen.insert(c->picture()).second)
                continue;
            if (!std::filesystem::exists(assetsDir + "/" + c->picture() + ".svg")) {
                out << "missing picture: assets/" << c->picture() << ".svg (" << name << "." << c->fullName()
                    << ")\n";
                ++missing;
            }
        }
    }
    return missing;
}

} // namespace scenario
