// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/screen.h"
#include "platform/services.h"

namespace mt {

// Told about every change of the model, so a binding can mirror it and a tracer can print it.
class ProgramObserver {
public:
    virtual ~ProgramObserver() = default;
    virtual void screenCreated(Screen&) {}
    virtual void screenChanged(Screen&) {}   // visible, enabled, caption, place or size
    virtual void screenDiscarded(Screen&) {} // unloaded; destroyed once the current event is over
    virtual void screenDestroyed(Screen&) {}
    virtual void controlChanged(Control&, Prop) {}
    virtual void focusChanged(Screen&) {}
    virtual void eventDone() {}
    virtual void programEnded() {}
};

// Owns the screens and runs every input event to completion, one at a time.
class Program {
public:
    explicit Program(Services services);
    virtual ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    using Factory = std::function<std::unique_ptr<Screen>(Program&)>;
    void define(std::string name, Factory make);
    template <class S> void define(std::string name) {
        define(std::move(name), [](Program& p) -> std::unique_ptr<Screen> { return std::make_unique<S>(p); });
    }

    // The screen of that name, created (and loaded) on first use.
    Screen& use(std::string_view name);
    template <class S> S& use(std::string_view name) { return static_cast<S&>(use(name)); }
    // Only a loaded screen; nothing otherwise.
    Screen* find(std::string_view name) const;
    bool defined(std::string_view name) const { return m_factories.count(std::string(name)) != 0; }
    std::vector<Screen*> loadedScreens() const;
    std::vector<std::string> definedNames() const;

    // Loads the first screen and shows it, as one event.
    void start(std::string_view first);

    void show(Screen& s);
    void hide(Screen& s);
    void unload(Screen& s);
    Screen* active() const { return m_active; }

    // Input events. Each runs to completion; one that arrives meanwhile waits for its turn.
    // Input for a control the child cannot reach (hidden, disabled, behind a message box) is dropped.
    void click(Control& c);
    void mouseMove(Control& c);
    void mouseMove(Screen& s);
    // A key press: to the screen's KeyPress first, then to the control with the focus. The code
    // is the character's (Unicode); a text box takes the characters that mt::typable allows.
    void key(Screen& s, int keyAscii);
    // Returns the key code left after the screen's KeyPress (0: swallowed). For bindings whose
    // text boxes edit themselves; Tab, Enter or Space on a button and Enter in a text box are handled here.
    int keyPreview(Screen& s, int keyAscii);
    // Shift+Tab and the arrow keys only move the focus; the screen's KeyPress never sees them.
    void tabBack(Screen& s);
    void arrow(Screen& s, Direction d);
    // The child edited a text box's text (typed, deleted, pasted).
    void edit(TextBox& box, std::string text);
    // The same from a keyboard that sends no keys of its own (a tablet's on-screen keyboard): what
    // was typed at the end reaches the screen's KeyPress and the box character by character, as keys
    // on a keyboard would; one character taken off the end is Backspace; anything else is an edit.
    void typed(TextBox& box, std::string text);
    void tick(Timer& t);
    // The window's close box.
    void close(Screen& s);
    bool closable(Screen& s);
    // The child moves to another screen of this program.
    void activate(Screen& s);
    // The display's size changed (a tablet turned, a browser window resized): every screen that
    // stands in the middle of the display is centred again.
    void displayChanged();
    // The child put the keyboard focus on a control (with the mouse, say); no event runs.
    void focusTo(Control& c);

    bool busy() const { return m_depth > 0; }
    bool messageBoxOpen() const { return m_boxOpen; }

    // Services for the screens.
    double rnd() { return m_services.random.rnd(); }
    void randomize();
    void msgbox(const std::string& text, const std::string& title);
    Clock& clock() const { return m_services.clock; }
    Metrics& metrics() const { return m_services.metrics; }
    Random& random() const { return m_services.random; }

    // Ends the program at once: no event runs after this.
    void end();
    bool ended() const { return m_ended; }

    void addObserver(ProgramObserver* o) { m_observers.push_back(o); }
    void removeObserver(ProgramObserver* o);

    // From screens and controls.
    void notify(Control& c, Prop p);
    void notify(Screen& s);
    void notifyFocus(Screen& s);

private:
    void dispatch(std::function<void()> run);
    void collect();
    void keyToControl(Screen& s, int keyAscii);
    void keyNow(Screen& s, int keyAscii);
    void activateNow(Screen& s);
    void becomeActive(Screen& s);
    bool takesKeys(const Screen& s) const;
    template <class F> void each(F f) {
        for (auto* o : m_observers)
            f(*o);
    }

    Services m_services;
    std::map<std::string, Factory, std::less<>> m_factories;
    std::map<std::string, std::unique_ptr<Screen>, std::less<>> m_screens;
    std::vector<std::unique_ptr<Screen>> m_discarded;
    std::deque<std::function<void()>> m_queue;
    std::vector<ProgramObserver*> m_observers;
    Screen* m_active = nullptr;
    int m_depth = 0;
    bool m_boxOpen = false;
    bool m_ended = false;
};

} // namespace mt
