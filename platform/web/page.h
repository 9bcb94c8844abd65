// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// What the browser binding asks of the page: elements by number, their styles, attributes and
// texts. The page in a browser is platform/web/page.js; tests put a recording stand-in here.
namespace mt::web {

class Page {
public:
    using Id = int;
    enum class Tag {
        Label,
        Input,
        Button,
        Panel,     // pictures, frames and picture boxes: fill, outline, picture, title
        Shape,     // rectangles and ovals: no mouse
        Line,      // no mouse
        StatusBar, // holds its panels, each a StatusPanel
        StatusPanel,
        Progress,
        Menu,     // a title in its window's menu bar
        MenuItem, // an entry of a menu
    };

    virtual ~Page() = default;

    // A screen's window: a dialog element with a title bar (caption, close box) over its client
    // area, hidden until shown; with a menu bar for the frame window. Controls go into it by its id.
    virtual void createWindow(Id id, bool menuBar) = 0;
    // An element in a window's client area, or inside another element (a frame, a status bar).
    virtual void create(Id id, Tag tag, Id parent) = 0;
    // A window with everything in it.
    virtual void remove(Id window) = 0;
    // An empty value takes the property away.
    virtual void style(Id id, std::string_view property, std::string_view value) = 0;
    // A new element's styles all at once, as CSS declarations ("left: 20px; top: 8px; ").
    virtual void styles(Id id, std::string_view declarations) = 0;
    // An empty value takes the attribute away, except for "value", which empties a text box.
    virtual void attribute(Id id, std::string_view name, std::string_view value) = 0;
    // A label's or button's caption, a frame's title, a window's title bar, a menu entry ("&" marks
    // its access key), a status panel's text.
    virtual void text(Id id, std::string_view text) = 0;
    // The picture assets/<name>.svg in a button or panel; empty: none.
    virtual void picture(Id id, std::string_view name) = 0;
    // The keyboard focus to an element, or to a window with none of its controls focused.
    virtual void focus(Id id) = 0;
    // A window above all others.
    virtual void raise(Id window) = 0;

    // A text's width in pixels in a CSS font, as the page draws it.
    virtual double textWidth(std::string_view text, std::string_view font) = 0;
    // A picture's own width to height; 0 when unknown.
    virtual double pictureAspect(std::string_view name) = 0;

    // --- What the page shows, read back by the tests that check it against the model. ---
    // A window's title, a label's or button's caption, a frame's title, a menu entry's text (its
    // access key marked with "&" again), a text box's value.
    virtual std::string shownText(Id id) const = 0;
    // Whether the element itself is displayed, whatever its window or container.
    virtual bool displayed(Id id) const = 0;
    // A switched-off button, text box or menu entry; a window that takes no input.
    virtual bool disabled(Id id) const = 0;
    // The element with the keyboard focus, or a window that has it itself; 0 for none.
    virtual Id focused() const = 0;
};

} // namespace mt::web
