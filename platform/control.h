// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/services.h"
#include "platform/value.h"

namespace mt {

class Screen;

enum class Kind {
    Label,
    TextBox,
    Button,
    Image,
    Shape,
    Line,
    Frame,
    PictureBox,
    Timer,
    StatusBar,
    ProgressBar,
    Menu,
    MenuItem
};
enum class Align { Left, Right, Center };
enum class ShapeStyle { Rectangle, RoundedRectangle, Oval };

// The properties a binding or tracer is told about when they change.
enum class Prop {
    Caption,
    Text,
    Visible,
    Enabled,
    BackColor,
    ForeColor,
    BorderColor,
    Geometry,
    ToolTipText,
    Picture,
    Font,
    Interval,
    Progress,
    Panels
};

// A control's stored design, written as a designated initializer in the screen's constructor.
// Positions are twips relative to the container.
struct Design {
    class Control* in = nullptr; // the frame or picture box holding it; none: the screen itself
    int left = 0, top = 0, width = 0, height = 0;
    std::string caption;
    std::string text;
    std::string picture; // "folder/name": assets/folder/name.svg
    std::string tip;
    bool visible = true;
    bool enabled = true;
    std::optional<Color> back; // none: see-through (labels, pictures) or the platform's default
    std::optional<Color> fore;
    std::optional<Color> border; // outline of shapes, frames and lines; none: no outline
    Font font{};
    Align align = Align::Left;
    ShapeStyle shape = ShapeStyle::Rectangle;
    int borderWidth = 1;          // pixels
    int interval = 0;             // timers, ms
    std::string shortcut;         // menu items, "Ctrl+S"
    std::vector<int> panelWidths; // status bars
    // What a screen reader calls it while it has no caption, where its tool tip or picture would not
    // say it (a caption always speaks for itself).
    std::string accessibleName;
    Control* labelledBy = nullptr; // a text box: the label or question it answers
    // A text box: Enter in it presses this button when the child can reach it (the screen's check).
    Control* enterPresses = nullptr;
    // A text box that only shows: it takes no focus, no typing and no caret.
    bool readOnly = false;
};

// One named control of a screen. Setters change the model and tell the program's observers;
// none of them knows about widgets.
class Control {
public:
    Control(Screen& screen, Kind kind, std::string name, int index, Design design);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Screen& screen() const { return m_screen; }
    Kind kind() const { return m_kind; }
    const std::string& name() const { return m_name; }
    int index() const { return m_index; } // -1 outside a control array
    std::string fullName() const;         // "cmdstarter(3)"
    Control* container() const { return m_in; }

    const std::string& caption() const { return m_caption; }
    bool visible() const { return m_visible; }
    bool enabled() const { return m_enabled; }
    const std::optional<Color>& backColor() const { return m_back; }
    const std::optional<Color>& foreColor() const { return m_fore; }
    const std::optional<Color>& borderColor() const { return m_border; }
    int left() const { return m_left; }
    int top() const { return m_top; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    const std::string& toolTip() const { return m_tip; }
    const std::string& picture() const { return m_picture; }
    const Font& font() const { return m_font; }
    Align alignment() const { return m_align; }
    ShapeStyle shape() const { return m_shape; }
    int borderWidth() const { return m_borderWidth; }
    const std::string& accessibleName() const { return m_accessibleName; }
    Control* labelledBy() const { return m_labelledBy; }

    void setCaption(std::string s);
    virtual void setVisible(bool v);
    virtual void setEnabled(bool e);
    void setBackColor(Color c);
    void setForeColor(Color c);
    void setBorderColor(Color c);
    void move(int left, int top);
    void move(int left, int top, int width, int height);
    void setToolTip(std::string s);
    void setPicture(std::string s);
    void setFont(Font f);

    // The system's focus call: does nothing when the control cannot take the focus now.
    void setFocus();
    // A button or a text box one can type into, shown and switched on with all its containers: it
    // can hold its screen's focus (whether or not the screen itself is up).
    bool focusable() const;
    // Where the focus may go: buttons and text boxes that are not read-only, whatever their state.
    bool takesFocus() const;
    // Focusable on a screen that is up and switched on.
    bool canTakeFocus() const;
    // What a click on this control reaches: buttons, text boxes, labels, pictures, frames and menu
    // items take their own; a click on a status or progress bar falls through to its container;
    // shapes and lines take no mouse input at all.
    Control* clickTarget();
    const Control* clickTarget() const { return const_cast<Control*>(this)->clickTarget(); }
    // Clicks and moves: shapes and lines take neither.
    bool takesMouse() const { return m_kind != Kind::Shape && m_kind != Kind::Line; }
    // Visible and enabled, with every container and the screen: the child can reach it.
    bool reachable() const;
    // This control and all its containers are visible.
    bool shown() const;

    // Where the control stands on its screen's client area, in twips: its containers' places added.
    struct Bounds {
        int left, top, right, bottom;
    };
    Bounds bounds() const;

    // Reads a property by its system name, as the scenario runner asks for it.
    virtual std::optional<Value> property(std::string_view name) const;

    std::function<void()> Click;
    std::function<void()> MouseMove;

protected:
    void changed(Prop p);

private:
    Screen& m_screen;
    Kind m_kind;
    std::string m_name;
    int m_index;
    Control* m_in;
    std::string m_caption;
    bool m_visible, m_enabled;
    std::optional<Color> m_back, m_fore, m_border;
    int m_left, m_top, m_width, m_height;
    std::string m_tip, m_picture;
    Font m_font;
    Align m_align;
    ShapeStyle m_shape;
    int m_borderWidth;
    std::string m_accessibleName;
    Control* m_labelledBy;
};

// Controls whose behaviour is all in the common properties and events.
template <Kind K> class PlainControl : public Control {
public:
    PlainControl(Screen& s, std::string name, Design d, int index = -1)
        : Control(s, K, std::move(name), index, std::move(d)) {}
};
using Label = PlainControl<Kind::Label>;
using Button = PlainControl<Kind::Button>;
using Image = PlainControl<Kind::Image>;
using Shape = PlainControl<Kind::Shape>;
using Line = PlainControl<Kind::Line>;
using Frame = PlainControl<Kind::Frame>;
using PictureBox = PlainControl<Kind::PictureBox>;
using Menu = PlainControl<Kind::Menu>;

class TextBox : public Control {
public:
    TextBox(Screen& s, std::string name, Design d, int index = -1);
    const std::string& text() const { return m_text; }
    bool readOnly() const { return m_readOnly; }
    // The button Enter presses, if any.
    Control* enterPresses() const { return m_enterPresses; }
    // Runs Change at once, nested, when the text really changes.
    void setText(std::string s);
    std::optional<Value> property(std::string_view name) const override;

    std::function<void()> Change;

private:
    std::string m_text;
    Control* m_enterPresses;
    bool m_readOnly;
};

class MenuItem : public Control {
public:
    MenuItem(Screen& s, std::string name, Design d, int index = -1);
    const std::string& shortcut() const { return m_shortcut; }

private:
    std::string m_shortcut;
};

class Timer : public Control {
public:
    Timer(Screen& s, std::string name, Design d, int index = -1);
    ~Timer() override;
    int interval() const { return m_interval; }
    // Enabling a stopped timer, or changing the interval of a running one, starts afresh.
    void setInterval(int ms);
    void setEnabled(bool e) override;
    bool running() const { return m_handle != 0; }
    // Called by the program when the screen is discarded.
    void halt();
    std::optional<Value> property(std::string_view name) const override;

    std::function<void()> Tick; // the system's Timer event

private:
    friend class Program;
    void reschedule();
    int m_interval;
    Clock::Handle m_handle = 0;
    bool m_tickPending = false; // ticks of one timer coalesce to one waiting tick
};

class ProgressBar : public Control {
public:
    ProgressBar(Screen& s, std::string name, Design d, int index = -1);
    int min() const { return m_min; }
    int max() const { return m_max; }
    int value() const { return m_value; }
    void setMin(int v);
    void setMax(int v);
    void setValue(int v);
    std::optional<Value> property(std::string_view name) const override;

private:
    int m_min = 0, m_max = 100, m_value = 0;
};

class StatusBar : public Control {
public:
    enum class Style { Text, Date, Time };
    struct Panel {
        std::string text;
        std::string tag;
        int width = 0; // twips
        Style style = Style::Text;
    };
    StatusBar(Screen& s, std::string name, Design d, int index = -1);
    // Panels count from 1, as on the system's status bar.
    const Panel& panel(int i) const { return m_panels.at(static_cast<std::size_t>(i - 1)); }
    int panelCount() const { return static_cast<int>(m_panels.size()); }
    void setPanelText(int i, std::string s);
    void setPanelTag(int i, std::string s);
    void setPanelStyle(int i, Style style);
    // The panel's left edge in twips from the bar's left.
    int panelLeft(int i) const;
    std::optional<Value> property(std::string_view name) const override;

private:
    std::vector<Panel> m_panels;
};

// One name with integer indexes. Index ranges follow the screen's design (some start at 1).
template <class C> class ControlArray {
public:
    ControlArray(Screen& s, std::string name) : m_screen(s), m_name(std::move(name)) {}
    ControlArray(Screen& s, std::string name, std::vector<std::pair<int, Design>> elements)
        : ControlArray(s, name) {
        for (auto& [i, d] : elements)
            add(i, std::move(d));
    }
    C& add(int index, Design d) {
        auto& slot = m_items[index];
        slot = std::make_unique<C>(m_screen, m_name, std::move(d), index);
        return *slot;
    }
    C& operator()(int index) const { return *m_items.at(index); }
    bool has(int index) const { return m_items.count(index) != 0; }
    std::vector<int> indices() const {
        std::vector<int> out;
        for (auto& [i, c] : m_items)
            out.push_back(i);
        return out;
    }
    // Wires one handler for every element; it receives the element's index.
    void onClick(std::function<void(int)> f) {
        for (auto& [i, c] : m_items)
            c->Click = [f, i = i] { f(i); };
    }
    void onMouseMove(std::function<void(int)> f) {
        for (auto& [i, c] : m_items)
            c->MouseMove = [f, i = i] { f(i); };
    }

private:
    Screen& m_screen;
    std::string m_name;
    std::map<int, std::unique_ptr<C>> m_items;
};

} // namespace mt
