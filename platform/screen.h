// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "platform/control.h"

namespace mt {

class Program;

struct ScreenDesign {
    std::string caption;
    Color back = Color::windowBackground();
    int width = 0, height = 0; // client area, twips
    // Where the window first stands: centred on the display unless the screen says otherwise.
    bool centred = true;
    // What a screen reader calls the window where the caption is a slogan rather than a name.
    std::string accessibleName;
};

// An arrow key.
enum class Direction { Left, Right, Up, Down };

// What the window's close box does on this screen.
enum class CloseRule {
    EndProgram, // the frame window, the welcome screen, the about screen
    WayBack     // clicks the screen's own way back when the child can reach it; refused otherwise
};

// One screen: its controls, its state and its event handlers. Created by the Program on first
// use; Load runs then, Activate each time it becomes the active screen.
class Screen {
public:
    Screen(Program& program, std::string name, ScreenDesign design);
    virtual ~Screen();
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    Program& program() const { return m_program; }
    const std::string& name() const { return m_name; }
    // False once unloaded: the instance only waits to be destroyed after the current event.
    bool alive() const { return m_alive; }

    // The system's lifecycle verbs, passed on to the Program.
    void show();
    void hide();
    void unload();

    bool visible() const { return m_visible; }
    bool enabled() const { return m_enabled; }
    void setEnabled(bool e);
    const std::string& caption() const { return m_caption; }
    void setCaption(std::string c);
    const std::string& accessibleName() const { return m_accessibleName; }
    Color backColor() const { return m_back; }
    void setBackColor(Color c);
    int left() const { return m_left; }
    int top() const { return m_top; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    void move(int left, int top);
    // Centres the screen on the display.
    void centre();

    // Events; the defaults do nothing.
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    // May replace the key code, or set it to 0 to swallow the key.
    virtual void Form_KeyPress(int& keyAscii) { (void)keyAscii; }
    virtual void Form_MouseMove() {}

    virtual CloseRule closeRule() const { return CloseRule::WayBack; }
    virtual Control* wayBack() { return nullptr; }

    // Controls in the order of the screen's layout (later ones stand on top of earlier ones).
    const std::vector<Control*>& controls() const { return m_controls; }
    // The order in which Tab visits the controls that can take the focus: reading order, row by row
    // from the top and left to right in a row, as they stand now. A control joins a row when its top
    // lies above the middle of the row's first control.
    std::vector<Control*> tabOrder() const;
    Control* control(std::string_view name, int index = -1) const;
    // The focus rules, the same with and without widgets: a screen that becomes active gives the
    // focus to its first control that can take it (the ones named by focusFirst, then tab order),
    // unless it already holds one (a handler, a click or Tab put it there); a click gives the clicked
    // button or text box the focus; when the control with the focus is hidden or switched off, the
    // focus moves on to the next text box in tab order that can take it, or to none: a button never
    // takes the focus by itself, so that Enter and Space do nothing the child did not aim at.
    Control* focus() const { return m_focus; }
    // The system's "{TAB}" keystroke: the focus moves to the next control that can take it.
    void tab();
    // Shift+Tab: the focus moves back to the previous control that can take it.
    void tabBack();
    // An arrow key on a focused button: the focus moves to the nearest button in that direction
    // that stands in the same row (left, right) or column (up, down) and can take it; none: it stays.
    // Without a focus, an arrow puts it where Tab would.
    void arrow(Direction d);

    // A state variable by its system name, for the scenario runner.
    std::optional<Value> variable(std::string_view name) const;
    std::vector<std::string> variableNames() const;

protected:
    // The controls that a screen becoming active tries first, in this order, before the rest in tab
    // order: what the child starts with (a start button, the table buttons), not the first in reading
    // order (an answer box with no exercise yet, or the stop button).
    void focusFirst(std::vector<Control*> first) { m_focusFirst = std::move(first); }

    template <class T> void expose(std::string name, const T& member) {
        m_variables[std::move(name)] = [&member]() -> Value {
            if constexpr (std::is_same_v<T, bool>)
                return member;
            else if constexpr (std::is_arithmetic_v<T>)
                return static_cast<double>(member);
            else
                return std::string(member);
        };
    }

private:
    friend class Control;
    friend class Program;
    void adopt(Control* c) { m_controls.push_back(c); }
    void forget(Control* c);
    void giveFocus(Control* c);
    // After a control was hidden or switched off.
    void keepFocus();
    // When the screen has become the active one.
    void focusOnActivate();
    // The first focusable control (of that kind only, if given) after `from` in tab order (before
    // it, going back), round the end to the other side.
    Control* nextFocusable(Control* from, bool back = false, std::optional<Kind> only = std::nullopt) const;
    // Tab (forward) and Shift+Tab (back), on a screen that is up.
    void moveFocus(bool back);

    Program& m_program;
    std::string m_name;
    bool m_alive = true;
    bool m_visible = false;
    bool m_enabled = true;
    bool m_centred;
    std::string m_caption;
    std::string m_accessibleName;
    Color m_back;
    int m_left = 0, m_top = 0, m_width, m_height;
    std::vector<Control*> m_controls;
    std::vector<Control*> m_focusFirst;
    Control* m_focus = nullptr;
    std::map<std::string, std::function<Value()>, std::less<>> m_variables;
};

} // namespace mt
