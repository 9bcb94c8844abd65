// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/program.h"
#include "platform/web/page.h"

namespace mt::web {

// The window frame the page draws around a screen's client area, in pixels: a border of one on
// each side and a title bar. The zoom rule counts it in.
inline constexpr int windowBorder = 1;
inline constexpr int titleBarHeight = 24;
inline constexpr int frameExtraWidth = 2 * windowBorder;
inline constexpr int frameExtraHeight = 2 * windowBorder + titleBarHeight;

// The zoom for a viewport of that many pixels: the desktop's rule, with the viewport as the work
// area and the page's own window frame.
double viewportZoom(int width, int height);

// A key as the page reports it (KeyboardEvent.key and its modifiers).
struct Key {
    std::string key; // "a", "7", "Enter", "Tab", "ArrowLeft", ...
    bool shift = false, ctrl = false, alt = false, meta = false;
};

// Mirrors the screen model in the page: one window element per screen, one element per control,
// created once and kept up to date by property changes; the page's input fed into the Program.
class WebBinding final : public ProgramObserver {
public:
    struct Options {
        double zoom = 1;
        int workWidth = 1280, workHeight = 1024; // the viewport, pixels
    };

    WebBinding(Program& program, Page& page, Options options);
    // Takes every window it made off the page, those kept hidden for a next opening too.
    ~WebBinding() override;
    WebBinding(const WebBinding&) = delete;
    WebBinding& operator=(const WebBinding&) = delete;

    int px(int twips) const;
    // The CSS font for a control's font at a zoom: points as designed, 20 twips a point, 15 twips a
    // pixel at zoom 1, as on the desktop.
    static std::string cssFont(const Font& f, double zoom);

    Page::Id element(const Control& c) const;
    Page::Id window(const Screen& s) const;
    Control* control(Page::Id id) const;
    Screen* screen(Page::Id id) const;

    // Input from the page, by element.
    void click(Page::Id id);
    void pointerMove(Page::Id id); // a control, or a window's client area
    void pointerDown(Page::Id id); // anywhere in a window: the child moves to that screen
    // A window's entry in the page's task strip: the window to the front and in use, as a click on it
    // would do. A switched-off one hands that on to the screen in use, as on the desktop.
    void bringForward(Page::Id window);
    void closeBox(Page::Id window);
    void edited(Page::Id input, std::string text);
    // The same from a keyboard that sends no keys (a tablet's): what was typed at the end goes to
    // the screen as keys would. The box then shows the model's text, which KeyPress may have cut.
    void typed(Page::Id input, std::string text);
    // The page moved its focus to an element itself (a screen reader, a click in a text box).
    void focused(Page::Id id);
    // True when the key was taken here: the page must not act on it as well.
    bool keyDown(const Key& k);
    // The viewport changed size (a tablet turned, a window resized): every screen is drawn again at
    // the new zoom, and the centred ones are centred again.
    void viewportChanged(double zoom, int width, int height);

    // Builds the elements of one screen that has none yet, hidden, for when it opens; false once
    // every screen has them. The page calls it while the child looks at a screen.
    bool prepareNext();
    // Every window it made out of the page, the hidden ones kept for a next opening too: another
    // program starts on the same page.
    void removeWindows();

    void screenCreated(Screen& s) override;
    void screenChanged(Screen& s) override;
    void screenDiscarded(Screen& s) override;
    void screenDestroyed(Screen& s) override;
    void controlChanged(Control& c, Prop p) override;
    void focusChanged(Screen& s) override;
    void eventDone() override;
    void programEnded() override;

private:
    struct Element;
    struct Window;
    struct Spare;
    void build(Screen& s);
    bool reuse(Screen& s, Spare& spare);
    void retire(Screen& s);
    void makeElement(Control& c, Window& w);
    void applyAll(Control& c);
    void apply(Control& c, Prop p);
    void applyColours(Control& c, Element& e);
    void applyGeometry(Control& c, Element& e);
    void applyNames(Control& c);
    void applyScreen(Screen& s);
    void applyPanels(StatusBar& bar, Element& e);
    // Only what differs from what the element holds goes to the page.
    void setStyle(Element& e, const std::string& property, std::string value);
    void setAttribute(Element& e, const std::string& name, std::string value);
    void setText(Element& e, std::string text);
    void setPicture(Element& e, std::string name);
    void textFromPage(Page::Id input, std::string text, void (Program::*change)(TextBox&, std::string));
    // The page's focus and top window follow the model's active screen and its focus.
    void syncFocus();
    Screen* keyScreen() const;
    Control* shortcut(const Key& k) const;

    Program& m_program;
    Page& m_page;
    Options m_options;
    Page::Id m_next = 1;
    std::map<const Screen*, Window> m_windows;
    std::map<const Control*, Element> m_elements;
    std::map<Page::Id, Control*> m_controlOf;
    std::map<Page::Id, Screen*> m_screenOf;
    // The hidden elements of screens that are not loaded, by screen name, for their next opening.
    std::map<std::string, Spare, std::less<>> m_spares;
    std::set<std::string, std::less<>> m_prepared;
    Element* m_making = nullptr; // its styles go to the page in one piece
    std::string m_declarations;
    Page::Id m_focused = 0;
    const Screen* m_raised = nullptr;
    bool m_syncing = false;
};

} // namespace mt::web
