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

#include "platform/numbers.h"
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

} // namespace

Run::Run(const Options& o, std::ostream& out)
    : m_options(o), m_out(out), m_driver(o.driver ? o.driver() : headlessDriver()) {
    mt::Clock* real = o.realtime ? m_driver->realClock() : nullptr;
    if (o.realtime && !real)
        fail("this driver has no real clock");
    mt::Clock& clock = real ? *real : m_clock;
    m_program = std::make_unique<Maaltafels>(mt::Services{clock, m_box, m_random, m_metrics});
    if (o.trace) {
        m_tracer = std::make_unique<Tracer>(out, clock);
        m_program->addObserver(m_tracer.get());
    }
    m_driver->attach(*m_program);
    if (o.onStart)
        o.onStart(*m_program);
    m_program->start();
    settle();
}

Run::~Run() {
    m_driver->detach();
    m_program.reset();
    m_driver.reset();
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

std::optional<std::string> Run::inexpressible(const Line& l) const {
    const auto& w = l.words;
    const std::size_t at = w.size() > 2 && w[0] == "expect" && w[1] == "refused" ? 2 : 0;
    if (w.size() > at && w[at] == "hover")
        return m_driver->cannotHover();
    if (w.size() < at + 3)
        return std::nullopt;
    const std::string& cmd = w[at];
    const std::string& arg = w[at + 2];
    if (cmd == "key" && focusKeyNamed(arg)) {
        return m_driver->cannotFocusKey();
    } else if (cmd == "key" && mt::isNumeric(arg)) {
        const double code = number(arg);
        if (code >= 0 && code <= 0x10FFFF && code == static_cast<int>(code))
            return m_driver->cannotType(static_cast<char32_t>(code));
    } else if (cmd == "type") {
        for (std::size_t i = 0; i < arg.size();) {
            const auto c = mt::nextChar(arg, i);
            if (!c)
                break;
            if (auto why = m_driver->cannotType(*c))
                return why;
        }
    } else if (cmd == "settext") {
        return m_driver->cannotPaste(arg);
    }
    return std::nullopt;
}

void Run::finish() {
    if (!m_box.shown().empty())
        fail("message box \"" + m_box.shown().front().text + "\" was shown but never checked");
}

std::optional<std::string> Run::input(const Line& l) {
    // A tap puts the pointer where it lands before it clicks: the model was hovered there too.
    const auto& w = l.words;
    bool hovered = false;
    if (w[0] == "click" && w.size() == 2 && w[1].find('.') != std::string::npos && m_driver->clickHovers()) {
        const mt::Kind k = control(w[1]).kind();
        hovered = k != mt::Kind::Timer && k != mt::Kind::Menu && k != mt::Kind::MenuItem;
    }
    auto refused = act(l, 0);
    if (refused)
        return refused;
    if (hovered)
        m_history.push_back("hover " + w[1]);
    m_history.push_back(l.text);
    return std::nullopt;
}

void Run::settle() {
    m_driver->settle();
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
        if (auto why = m_driver->covered(c))
            return *why;
        m_driver->click(c);
    } else if (cmd == "hover") {
        const std::string& target = arg(1);
        if (target.find('.') == std::string::npos) {
            mt::Screen& s = screen(target);
            if (auto why = m_driver->covered(s))
                return *why;
            m_driver->hover(s);
        } else {
            mt::Control& c = control(target);
            if (c.kind() == mt::Kind::Timer || c.kind() == mt::Kind::MenuItem || c.kind() == mt::Kind::Menu)
                fail(target + " cannot be hovered");
            if (auto why = unreachable(c); !why.empty())
                return why;
            if (auto why = m_driver->covered(c))
                return *why;
            m_driver->hover(c);
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
        m_driver->close(s);
    } else {
        fail("unknown command " + cmd);
    }
    settle();
    return std::nullopt;
}

void Run::focusBox(mt::TextBox& box) {
    m_program->activate(box.screen());
    m_driver->activate(box.screen());
    if (box.screen().focus() != &box)
        m_driver->focus(box);
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
        m_driver->key(*s, *c);
        settle();
    }
}

void Run::settext(mt::TextBox& box, const std::string& text) {
    focusBox(box);
    m_driver->paste(box, text);
}

void Run::key(mt::Screen& s, char32_t code) {
    m_program->activate(s);
    m_driver->activate(s);
    m_driver->key(s, code);
    settle();
}

std::optional<std::optional<mt::Direction>> Run::focusKeyNamed(const std::string& name) {
    static const std::map<std::string, std::optional<mt::Direction>> keys{{"backtab", std::nullopt},
                                                                          {"left", mt::Direction::Left},
                                                                          {"right", mt::Direction::Right},
                                                                          {"up", mt::Direction::Up},
                                                                          {"down", mt::Direction::Down}};
    auto it = keys.find(name);
    if (it == keys.end())
        return std::nullopt;
    return std::optional<std::optional<mt::Direction>>(it->second);
}

void Run::focusKey(mt::Screen& s, std::optional<mt::Direction> arrow) {
    m_program->activate(s);
    m_driver->activate(s);
    m_driver->focusKey(s, arrow);
}

void Run::wait(long long ms) {
    if (m_options.realtime) {
        m_driver->waitReal(ms);
        return;
    }
    m_clock.advance(ms);
    settle();
}

void Run::shot(mt::Screen& s, const std::string& name) {
    if (!m_driver->hasView() || m_options.shots.empty())
        return;
    const std::string file = m_options.shots + "/" + name + ".png";
    if (!m_driver->shot(s, file))
        fail("could not save " + file);
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
            if (hasView() && shown)
                *shown = m_driver->shown(*c, prop);
            return *v;
        }
    }
    if (rest == "Visible" || rest == "Enabled" || rest == "Caption") {
        if (hasView() && shown)
            *shown = m_driver->shown(s, rest);
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
    if (!hasView())
        return std::nullopt;
    for (mt::Screen* s : m_program->loadedScreens()) {
        const std::pair<const char*, Value> window[] = {
            {"Visible", s->visible()}, {"Enabled", s->enabled()}, {"Caption", s->caption()}};
        for (const auto& [prop, model] : window) {
            const auto shown = m_driver->shown(*s, prop);
            if (!shown)
                return s->name() + " has no window";
            if (*shown != model)
                return "the window of " + s->name() + " shows " + prop + " " + mt::describe(*shown) +
                       ", the model holds " + mt::describe(model);
        }
        const auto shownFocus = m_driver->focusShown(*s);
        if (shownFocus && *shownFocus != s->focus())
            return "the window of " + s->name() + " has the focus on " +
                   (*shownFocus ? (*shownFocus)->fullName() : "nothing") + ", the model on " +
                   (s->focus() ? s->focus()->fullName() : "nothing");
        for (const mt::Control* c : s->controls())
            for (const char* prop : {"Visible", "Enabled", "Caption", "Text"}) {
                const auto shown = m_driver->shown(*c, prop);
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
        if (hasView())
            for (mt::Screen* s : m_program->loadedScreens())
                if (auto shown = m_driver->shown(*s, "Visible"); shown && *shown != mt::Value(s->visible()))
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
        if (const auto shown = hasView() ? m_driver->focusShown(c.screen()) : std::nullopt;
            shown && *shown != &c)
            fail("the window of " + c.screen().name() + " does not have the focus on " + w[2]);
        return;
    }
    if (what == "no" && w.size() == 4 && w[2] == "focus") {
        mt::Screen& s = screen(w[3]);
        if (s.focus())
            fail("expected no focus on " + w[3] + ", found it on " + s.focus()->fullName());
        if (const auto shown = hasView() ? m_driver->focusShown(s) : std::nullopt; shown && *shown)
            fail("the window of " + w[3] + " has the focus on " + (*shown)->fullName());
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
