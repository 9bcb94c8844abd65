// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/program.h"

#include <algorithm>
#include <stdexcept>

#include "platform/text.h"

namespace mt {

Program::Program(Services services) : m_services(services) {}

Program::~Program() {
    // Screens talk to the program while they go; let them go before anything else does.
    m_observers.clear();
    m_discarded.clear();
    m_screens.clear();
}

void Program::define(std::string name, Factory make) {
    m_factories[std::move(name)] = std::move(make);
}

Screen& Program::use(std::string_view name) {
    if (auto it = m_screens.find(name); it != m_screens.end())
        return *it->second;
    auto f = m_factories.find(name);
    if (f == m_factories.end())
        throw std::logic_error("no screen named " + std::string(name));
    auto made = f->second(*this);
    Screen& s = *made;
    m_screens.emplace(std::string(name), std::move(made));
    each([&](ProgramObserver& o) { o.screenCreated(s); });
    s.Form_Load();
    return s;
}

Screen* Program::find(std::string_view name) const {
    auto it = m_screens.find(name);
    return it == m_screens.end() ? nullptr : it->second.get();
}

std::vector<Screen*> Program::loadedScreens() const {
    std::vector<Screen*> out;
    for (auto& [n, s] : m_screens)
        out.push_back(s.get());
    return out;
}

std::vector<std::string> Program::definedNames() const {
    std::vector<std::string> out;
    for (auto& [n, f] : m_factories)
        out.push_back(n);
    return out;
}

void Program::start(std::string_view first) {
    dispatch([this, name = std::string(first)] {
        Screen& s = use(name);
        // Its Load may already have shown another screen; that one keeps the activation.
        Screen* before = m_active;
        s.m_visible = true;
        notify(s);
        if (!before)
            becomeActive(s);
    });
}

void Program::show(Screen& s) {
    if (!s.alive())
        return;
    if (!s.m_visible) {
        s.m_visible = true;
        notify(s);
    }
    if (m_active != &s)
        becomeActive(s);
}

void Program::becomeActive(Screen& s) {
    m_active = &s;
    s.Form_Activate();
    // Form_Activate may have put the focus somewhere itself, or sent the screen away again.
    if (s.alive())
        s.focusOnActivate();
}

void Program::hide(Screen& s) {
    if (m_active == &s)
        m_active = nullptr;
    if (!s.m_visible)
        return;
    s.m_visible = false;
    notify(s);
}

void Program::unload(Screen& s) {
    auto it = m_screens.find(s.name());
    if (it == m_screens.end() || it->second.get() != &s)
        return;
    if (m_active == &s)
        m_active = nullptr;
    s.m_visible = false;
    for (Control* c : s.controls())
        if (c->kind() == Kind::Timer)
            static_cast<Timer*>(c)->halt();
    each([&](ProgramObserver& o) { o.screenDiscarded(s); });
    s.m_alive = false;
    // A handler of this very screen may still be running: destroy it once the event is over.
    m_discarded.push_back(std::move(it->second));
    m_screens.erase(it);
    if (!busy())
        collect();
}

void Program::collect() {
    auto gone = std::move(m_discarded);
    for (auto& s : gone)
        each([&](ProgramObserver& o) { o.screenDestroyed(*s); });
}

void Program::dispatch(std::function<void()> run) {
    if (m_ended)
        return;
    if (busy()) {
        m_queue.push_back(std::move(run));
        return;
    }
    ++m_depth;
    run();
    while (!m_queue.empty() && !m_ended) {
        auto next = std::move(m_queue.front());
        m_queue.pop_front();
        next();
    }
    m_queue.clear();
    --m_depth;
    collect();
    each([](ProgramObserver& o) { o.eventDone(); });
}

void Program::click(Control& c) {
    dispatch([this, &c] {
        Control* target = c.clickTarget();
        if (!target || !target->reachable() || m_boxOpen)
            return;
        activateNow(target->screen());
        // The mouse puts the focus on a button or text box before its Click runs.
        if (target->canTakeFocus())
            target->screen().giveFocus(target);
        if (target->Click)
            target->Click();
    });
}

void Program::mouseMove(Control& c) {
    dispatch([this, &c] {
        if (c.takesMouse() && c.reachable() && !m_boxOpen && c.MouseMove)
            c.MouseMove();
    });
}

void Program::mouseMove(Screen& s) {
    dispatch([this, &s] {
        if (s.alive() && s.visible() && s.enabled() && !m_boxOpen)
            s.Form_MouseMove();
    });
}

void Program::keyToControl(Screen& s, int keyAscii) {
    Control* f = s.focus();
    if (keyAscii == 9) {
        s.tab();
        return;
    }
    if (!f || !f->reachable())
        return;
    if (f->kind() == Kind::Button && (keyAscii == 13 || keyAscii == 32)) {
        if (f->Click)
            f->Click();
        return;
    }
    if (f->kind() == Kind::TextBox) {
        auto& box = static_cast<TextBox&>(*f);
        if (keyAscii == 13) {
            // Every child presses Enter after an answer: it checks, when the check is on offer.
            if (Control* check = box.enterPresses(); check && check->reachable() && check->Click)
                check->Click();
            return;
        }
        std::string t = box.text();
        if (keyAscii == 8)
            dropLastChar(t);
        else if (typable(static_cast<char32_t>(keyAscii)))
            appendChar(t, static_cast<char32_t>(keyAscii));
        box.setText(std::move(t));
    }
}

void Program::key(Screen& s, int keyAscii) {
    dispatch([this, &s, keyAscii] { keyNow(s, keyAscii); });
}

void Program::keyNow(Screen& s, int keyAscii) {
    // Code 0 is no key: KeyPress uses it for a swallowed one.
    if (keyAscii <= 0 || !takesKeys(s))
        return;
    int k = keyAscii;
    s.Form_KeyPress(k);
    if (k != 0)
        keyToControl(s, k);
}

void Program::typed(TextBox& box, std::string text) {
    dispatch([this, &box, text = std::move(text)] {
        if (!box.reachable() || box.readOnly() || m_boxOpen)
            return;
        Screen& s = box.screen();
        const std::string old = box.text();
        if (text == old)
            return;
        const bool appended = text.size() > old.size() && text.compare(0, old.size(), old) == 0;
        std::string shorter = old;
        dropLastChar(shorter);
        if (!appended && text != shorter) {
            box.setText(text); // a paste, or an edit in the middle: no keys to it
            return;
        }
        activateNow(s);
        s.giveFocus(&box);
        if (!appended) {
            keyNow(s, 8);
            return;
        }
        // Each character as its own key; a handler may move the focus or close the screen meanwhile.
        const std::string added = text.substr(old.size());
        for (std::size_t at = 0; at < added.size();) {
            const auto c = nextChar(added, at);
            if (!c || !takesKeys(s))
                break;
            keyNow(s, static_cast<int>(*c));
        }
    });
}

int Program::keyPreview(Screen& s, int keyAscii) {
    // A key that arrives while another event runs belongs to the message box it opened.
    if (busy())
        return 0;
    int left = 0;
    dispatch([this, &s, keyAscii, &left] {
        if (keyAscii <= 0 || !takesKeys(s))
            return;
        int k = keyAscii;
        s.Form_KeyPress(k);
        Control* f = s.focus();
        const bool button = f && f->kind() == Kind::Button;
        const bool box = f && f->kind() == Kind::TextBox;
        if (k == 9 || (button && (k == 13 || k == 32)) || (box && k == 13))
            keyToControl(s, k);
        else
            left = k;
    });
    return left;
}

bool Program::takesKeys(const Screen& s) const {
    return s.alive() && s.visible() && s.enabled() && !m_boxOpen;
}

void Program::tabBack(Screen& s) {
    dispatch([this, &s] {
        if (takesKeys(s))
            s.tabBack();
    });
}

void Program::arrow(Screen& s, Direction d) {
    dispatch([this, &s, d] {
        if (takesKeys(s))
            s.arrow(d);
    });
}

void Program::edit(TextBox& box, std::string text) {
    dispatch([this, &box, text = std::move(text)]() mutable {
        if (box.reachable() && !box.readOnly() && !m_boxOpen)
            box.setText(std::move(text));
    });
}

void Program::tick(Timer& t) {
    if (t.m_tickPending)
        return;
    t.m_tickPending = true;
    dispatch([&t] {
        t.m_tickPending = false;
        if (t.running() && t.Tick)
            t.Tick();
    });
}

bool Program::closable(Screen& s) {
    // A switched-off window takes no input, its close box included.
    if (!s.alive() || !s.visible() || !s.enabled() || m_boxOpen)
        return false;
    if (s.closeRule() == CloseRule::EndProgram)
        return true;
    Control* back = s.wayBack();
    return back && back->reachable();
}

void Program::close(Screen& s) {
    dispatch([this, &s] {
        if (!closable(s))
            return;
        if (s.closeRule() == CloseRule::EndProgram) {
            end();
            return;
        }
        Control* back = s.wayBack();
        activateNow(s);
        if (back->Click)
            back->Click();
    });
}

void Program::displayChanged() {
    dispatch([this] {
        for (auto& [n, s] : m_screens)
            if (s->m_centred)
                s->centre();
    });
}

void Program::activate(Screen& s) {
    dispatch([this, &s] { activateNow(s); });
}

void Program::activateNow(Screen& s) {
    // A switched-off window (the frame while an exercise runs) cannot become the active screen.
    if (!s.alive() || !s.visible() || !s.enabled() || m_active == &s)
        return;
    becomeActive(s);
}

void Program::focusTo(Control& c) {
    dispatch([&c] { c.setFocus(); });
}

void Program::randomize() {
    m_services.random.reseed(static_cast<std::uint64_t>(m_services.clock.now()));
}

void Program::msgbox(const std::string& text, const std::string& title) {
    m_boxOpen = true;
    m_services.messageBox.information(text, title);
    m_boxOpen = false;
}

void Program::end() {
    if (m_ended)
        return;
    m_ended = true;
    m_queue.clear();
    for (auto& [n, s] : m_screens)
        for (Control* c : s->controls())
            if (c->kind() == Kind::Timer)
                static_cast<Timer*>(c)->halt();
    each([](ProgramObserver& o) { o.programEnded(); });
}

void Program::removeObserver(ProgramObserver* o) {
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), o), m_observers.end());
}

void Program::notify(Control& c, Prop p) {
    if (c.screen().alive())
        each([&](ProgramObserver& o) { o.controlChanged(c, p); });
}

void Program::notify(Screen& s) {
    if (s.alive())
        each([&](ProgramObserver& o) { o.screenChanged(s); });
}

void Program::notifyFocus(Screen& s) {
    if (s.alive())
        each([&](ProgramObserver& o) { o.focusChanged(s); });
}

} // namespace mt
