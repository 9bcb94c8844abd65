// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/screen.h"

class Maaltafels;

namespace scenario {

// How a scenario's inputs reach the program and what the program's view shows of it. The runner
// decides what an input means and whether the child could give it; a driver gives it the way the
// child would: straight to the model (no view), through real widgets, or through a page.
class Driver {
public:
    virtual ~Driver() = default;

    // The program exists and has not started yet; the driver builds its view of it.
    virtual void attach(Maaltafels& program) = 0;
    // The program is about to go: the view goes first.
    virtual void detach() {}
    // A clock that really runs, for a driver on the program's real clock; none: the run's own
    // virtual clock.
    virtual mt::Clock* realClock() { return nullptr; }

    // A click as the child gives it; menu items are chosen from their menu.
    virtual void click(mt::Control& c) = 0;
    virtual void hover(mt::Control& c) = 0;
    virtual void hover(mt::Screen& s) = 0;
    // The child's hand on the screen's window: it becomes the active one and takes the keys.
    virtual void activate(mt::Screen& s) = 0;
    // The keyboard focus goes to the text box, as the child puts it there without clicking.
    virtual void focus(mt::TextBox& box) = 0;
    // A key with that character, to whatever has the focus on the screen; typing goes at the end
    // of a text box's text.
    virtual void key(mt::Screen& s, char32_t code) = 0;
    // Shift+Tab (no arrow) or an arrow key.
    virtual void focusKey(mt::Screen& s, std::optional<mt::Direction> arrow) = 0;
    // The whole text of the focused text box replaced at once, as a paste does.
    virtual void paste(mt::TextBox& box, const std::string& text) = 0;
    virtual void close(mt::Screen& s) = 0;
    // Lets the view catch up with what just happened.
    virtual void settle() {}
    // Waits on the real clock; only asked when realClock() gave one.
    virtual void waitReal(long long ms) { (void)ms; }
    // Saves a picture of the screen's window; false when it could not.
    virtual bool shot(mt::Screen& s, const std::string& file) {
        (void)s;
        (void)file;
        return true;
    }

    // Whether there is a view to check the model against.
    virtual bool hasView() const { return false; }
    // What the view shows of a property (Visible, Enabled, Caption, Text); nothing where it
    // shows nothing of it.
    virtual std::optional<mt::Value> shown(const mt::Control& c, std::string_view prop) const {
        (void)c;
        (void)prop;
        return std::nullopt;
    }
    virtual std::optional<mt::Value> shown(const mt::Screen& s, std::string_view prop) const {
        (void)s;
        (void)prop;
        return std::nullopt;
    }
    // The control the view has the screen's focus on (none: nullptr); nothing when the view shows
    // no focus for that screen (a page has one focus, in its active window).
    virtual std::optional<const mt::Control*> focusShown(const mt::Screen& s) const {
        (void)s;
        return nullptr;
    }

    // Why the view cannot take this input at all, if it cannot: a key with no key on a keyboard,
    // a text that no paste can put in a text box. A scenario that needs one is skipped.
    virtual std::optional<std::string> cannotType(char32_t code) const {
        (void)code;
        return std::nullopt;
    }
    virtual std::optional<std::string> cannotPaste(const std::string& text) const {
        (void)text;
        return std::nullopt;
    }
    // The mouse resting on something; Shift+Tab and the arrows.
    virtual std::optional<std::string> cannotHover() const { return std::nullopt; }
    virtual std::optional<std::string> cannotFocusKey() const { return std::nullopt; }
    // A click that also puts the pointer where it lands, as a finger's tap does: the model is
    // hovered over what is clicked first, so the run's history says so for its replays.
    virtual bool clickHovers() const { return false; }
    // Why the child's mouse cannot get at the control in the view now (something in front of
    // it), if it cannot; such a click or hover is refused.
    virtual std::optional<std::string> covered(const mt::Control& c) const {
        (void)c;
        return std::nullopt;
    }
    virtual std::optional<std::string> covered(const mt::Screen& s) const {
        (void)s;
        return std::nullopt;
    }
};

// No view at all: every input goes straight into the program's dispatcher.
std::unique_ptr<Driver> headlessDriver();

} // namespace scenario
