// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/web/webbinding.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "platform/accessible.h"
#include "platform/text.h"
#include "platform/web/colour.h"
#include "platform/zoom.h"

namespace mt::web {

struct WebBinding::Element {
    Page::Id id = 0;
    Page::Tag tag = Page::Tag::Label;
    std::vector<Page::Id> panels;              // a status bar's
    std::map<std::string, std::string> styles; // as last written, so that only changes are
    std::map<std::string, std::string> attributes;
    std::optional<std::string> text, picture;
    std::optional<std::pair<long, long>> placed; // where left and top first put it
};

struct WebBinding::Window {
    Page::Id id = 0;
    bool frame = false; // the window with the menu bar stays under the others
    bool shown = false;
    bool enabled = true;
    std::string left, top;
};

// A discarded screen's window and elements, kept hidden in the page: the screen's next instance
// has the same controls in the same order, so it takes them over and sends only what differs.
struct WebBinding::Spare {
    Window window;
    std::vector<std::pair<std::string, Element>> elements; // by control's full name, in order
};

namespace {

std::string pixels(long v) {
    return std::to_string(v) + "px";
}

// Labels keep the system's CR LF line breaks in the model; the page breaks on LF alone.
std::string lines(const std::string& s) {
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

std::optional<Page::Tag> tagOf(Kind k) {
    switch (k) {
    case Kind::Label:
        return Page::Tag::Label;
    case Kind::TextBox:
        return Page::Tag::Input;
    case Kind::Button:
        return Page::Tag::Button;
    case Kind::Image:
    case Kind::Frame:
    case Kind::PictureBox:
        return Page::Tag::Panel;
    case Kind::Shape:
        return Page::Tag::Shape;
    case Kind::Line:
        return Page::Tag::Line;
    case Kind::StatusBar:
        return Page::Tag::StatusBar;
    case Kind::ProgressBar:
        return Page::Tag::Progress;
    case Kind::Menu:
        return Page::Tag::Menu;
    case Kind::MenuItem:
        return Page::Tag::MenuItem;
    case Kind::Timer:
        break;
    }
    return std::nullopt;
}

const char* alignment(Align a) {
    switch (a) {
    case Align::Right:
        return "right";
    case Align::Center:
        return "center";
    case Align::Left:
        break;
    }
    return "left";
}

// "Ctrl+S" -> 's'; nothing for any other shortcut.
std::optional<char> ctrlLetter(const std::string& shortcut) {
    constexpr std::string_view prefix = "Ctrl+";
    if (shortcut.size() != prefix.size() + 1 || shortcut.compare(0, prefix.size(), prefix) != 0)
        return std::nullopt;
    const char c = shortcut.back();
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

std::optional<Direction> arrowKey(const std::string& key) {
    if (key == "ArrowLeft")
        return Direction::Left;
    if (key == "ArrowRight")
        return Direction::Right;
    if (key == "ArrowUp")
        return Direction::Up;
    if (key == "ArrowDown")
        return Direction::Down;
    return std::nullopt;
}

// The character code a key types, as the model takes keys; 0 for keys that type nothing.
int keyCode(const std::string& key) {
    if (key == "Tab")
        return 9;
    if (key == "Enter")
        return 13;
    if (key == "Backspace")
        return 8;
    if (key == "Escape")
        return 27;
    std::size_t at = 0;
    const auto c = nextChar(key, at);
    return c && at == key.size() ? static_cast<int>(*c) : 0;
}

} // namespace

double viewportZoom(int width, int height) {
    return zoomFor(width, height, frameExtraWidth, frameExtraHeight);
}

WebBinding::WebBinding(Program& program, Page& page, Options options)
    : m_program(program), m_page(page), m_options(options) {
    m_program.addObserver(this);
    for (Screen* s : m_program.loadedScreens())
        screenCreated(*s);
    syncFocus();
}

WebBinding::~WebBinding() {
    m_program.removeObserver(this);
    removeWindows();
}

int WebBinding::px(int twips) const {
    return int(std::lround(twips * m_options.zoom / 15));
}

std::string WebBinding::cssFont(const Font& f, double zoom) {
    const long size = std::max(1L, std::lround(f.points * 20 / 15 * zoom));
    std::string out;
    if (f.italic)
        out += "italic ";
    if (f.bold)
        out += "bold ";
    return out + pixels(size) + " \"" + f.family + "\"";
}

Page::Id WebBinding::element(const Control& c) const {
    auto it = m_elements.find(&c);
    return it == m_elements.end() ? 0 : it->second.id;
}

Page::Id WebBinding::window(const Screen& s) const {
    auto it = m_windows.find(&s);
    return it == m_windows.end() ? 0 : it->second.id;
}

Control* WebBinding::control(Page::Id id) const {
    auto it = m_controlOf.find(id);
    return it == m_controlOf.end() ? nullptr : it->second;
}

Screen* WebBinding::screen(Page::Id id) const {
    if (Control* c = control(id))
        return &c->screen();
    auto it = m_screenOf.find(id);
    return it == m_screenOf.end() ? nullptr : it->second;
}

void WebBinding::setStyle(Element& e, const std::string& property, std::string value) {
    auto& last = e.styles[property];
    if (last == value)
        return;
    if (m_making == &e)
        m_declarations += property + ": " + value + "; ";
    else
        m_page.style(e.id, property, value);
    last = std::move(value);
}

void WebBinding::setAttribute(Element& e, const std::string& name, std::string value) {
    // The child types into a text box: its value is never taken as known.
    if (name != "value") {
        auto [at, made] = e.attributes.try_emplace(name);
        if (made ? value.empty() : at->second == value)
            return; // a new element has no attributes yet
        at->second = value;
    }
    m_page.attribute(e.id, name, value);
}

void WebBinding::setText(Element& e, std::string text) {
    if (e.text == text)
        return;
    m_page.text(e.id, text);
    e.text = std::move(text);
}

void WebBinding::setPicture(Element& e, std::string name) {
    if (e.picture == name)
        return;
    m_page.picture(e.id, name);
    e.picture = std::move(name);
}

void WebBinding::screenCreated(Screen& s) {
    build(s);
}

void WebBinding::build(Screen& s) {
    if (auto it = m_spares.find(s.name()); it != m_spares.end()) {
        Spare spare = std::move(it->second);
        m_spares.erase(it);
        if (reuse(s, spare))
            return;
        m_page.remove(spare.window.id);
    }
    Window& w = m_windows[&s];
    w.id = m_next++;
    for (Control* c : s.controls())
        w.frame |= c->kind() == Kind::Menu;
    m_page.createWindow(w.id, w.frame);
    m_page.attribute(w.id, "data-screen", s.name());
    m_screenOf[w.id] = &s;
    for (Control* c : s.controls())
        makeElement(*c, w);
    applyScreen(s);
}

bool WebBinding::reuse(Screen& s, Spare& spare) {
    std::vector<Control*> shown;
    for (Control* c : s.controls())
        if (tagOf(c->kind()))
            shown.push_back(c);
    if (shown.size() != spare.elements.size())
        return false;
    for (std::size_t i = 0; i < shown.size(); ++i)
        if (spare.elements[i].first != shown[i]->fullName() ||
            spare.elements[i].second.tag != tagOf(shown[i]->kind()))
            return false;
    m_windows[&s] = spare.window;
    m_screenOf[spare.window.id] = &s;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        Element& e = m_elements[shown[i]] = std::move(spare.elements[i].second);
        m_controlOf[e.id] = shown[i];
        for (const Page::Id panel : e.panels)
            m_controlOf[panel] = shown[i];
    }
    for (Control* c : shown) {
        applyAll(*c);
        applyNames(*c);
    }
    applyScreen(s);
    return true;
}

// The window goes into hiding with its elements, for the screen's next opening.
void WebBinding::retire(Screen& s) {
    auto it = m_windows.find(&s);
    if (it == m_windows.end())
        return;
    Spare spare{it->second, {}};
    if (spare.window.shown) {
        m_page.style(spare.window.id, "display", "none");
        spare.window.shown = false;
    }
    for (Control* c : s.controls()) {
        auto e = m_elements.find(c);
        if (e == m_elements.end())
            continue;
        m_controlOf.erase(e->second.id);
        for (const Page::Id panel : e->second.panels)
            m_controlOf.erase(panel);
        if (m_focused == e->second.id)
            m_focused = 0;
        spare.elements.emplace_back(c->fullName(), std::move(e->second));
        m_elements.erase(e);
    }
    m_screenOf.erase(spare.window.id);
    if (m_focused == spare.window.id)
        m_focused = 0;
    if (m_raised == &s)
        m_raised = nullptr;
    m_windows.erase(it);
    auto [at, made] = m_spares.try_emplace(s.name());
    if (!made)
        m_page.remove(at->second.window.id);
    at->second = std::move(spare);
}

bool WebBinding::prepareNext() {
    for (const std::string& name : m_program.definedNames()) {
        if (m_program.find(name) || m_spares.count(name) || !m_prepared.insert(name).second)
            continue;
        auto sample = m_program.sample(name);
        build(*sample);
        retire(*sample);
        return true;
    }
    return false;
}

void WebBinding::removeWindows() {
    for (const auto& [s, w] : m_windows)
        m_page.remove(w.id);
    for (const auto& [name, spare] : m_spares)
        m_page.remove(spare.window.id);
    m_windows.clear();
    m_spares.clear();
    m_elements.clear();
    m_controlOf.clear();
    m_screenOf.clear();
    m_focused = 0;
    m_raised = nullptr;
}

void WebBinding::makeElement(Control& c, Window& w) {
    const auto tag = tagOf(c.kind());
    if (!tag)
        return;
    Element& e = m_elements[&c];
    e.id = m_next++;
    e.tag = *tag;
    Page::Id parent = w.id;
    if (c.container())
        if (Page::Id in = element(*c.container()))
            parent = in;
    m_page.create(e.id, e.tag, parent);
    m_controlOf[e.id] = &c;
    setAttribute(e, "data-name", c.fullName());
    if (c.kind() == Kind::StatusBar) {
        auto& bar = static_cast<StatusBar&>(c);
        for (int i = 1; i <= bar.panelCount(); ++i) {
            e.panels.push_back(m_next++);
            m_page.create(e.panels.back(), Page::Tag::StatusPanel, e.id);
            // The mouse on a panel is on the bar.
            m_controlOf[e.panels.back()] = &c;
        }
    }
    if (c.kind() == Kind::MenuItem)
        setAttribute(e, "data-shortcut", static_cast<MenuItem&>(c).shortcut());
    // A text box that only shows: no caret, no typing, and the clicks go to what holds it.
    const bool readOnly = c.kind() == Kind::TextBox && static_cast<TextBox&>(c).readOnly();
    if (readOnly)
        setAttribute(e, "readonly", "readonly");
    // Every box a child types into here takes a number (an answer, a count): a tablet shows its
    // keyboard of digits for it.
    else if (c.kind() == Kind::TextBox)
        setAttribute(e, "inputmode", "numeric");
    // One style sheet per new element rather than a call per property: a screen of 300 controls
    // opens in one go.
    m_making = &e;
    m_declarations.clear();
    if (c.kind() == Kind::Label || c.kind() == Kind::TextBox)
        setStyle(e, "text-align", alignment(c.alignment()));
    if (readOnly)
        setStyle(e, "pointer-events", "none");
    applyAll(c);
    m_making = nullptr;
    if (!m_declarations.empty())
        m_page.styles(e.id, m_declarations);
    applyNames(c);
}

void WebBinding::applyAll(Control& c) {
    for (Prop p : {Prop::Geometry, Prop::Font, Prop::BackColor, Prop::Caption, Prop::Text, Prop::Picture,
                   Prop::ToolTipText, Prop::Enabled, Prop::Visible, Prop::Progress, Prop::Panels})
        apply(c, p);
}

void WebBinding::applyGeometry(Control& c, Element& e) {
    if (e.tag == Page::Tag::Menu || e.tag == Page::Tag::MenuItem)
        return; // laid out by the menu bar
    long x = px(c.left()), y = px(c.top()), wd = px(c.width()), ht = px(c.height());
    if (c.kind() == Kind::Line) {
        // A bar as long as the line, turned about its start.
        const int pen = std::max(1, c.borderWidth());
        const double length = std::hypot(double(wd), double(ht));
        const double degrees = std::atan2(double(ht), double(wd)) * 180 / std::numbers::pi;
        char turn[96];
        std::snprintf(turn, sizeof turn, "translate(%ldpx,%gpx) rotate(%gdeg)", x, y - pen / 2.0, degrees);
        setStyle(e, "transform", turn);
        setStyle(e, "width", pixels(std::lround(length)));
        setStyle(e, "height", pixels(pen));
        return;
    }
    // Placed by left and top once; a control that moves later (the falling problem) is moved from
    // there by a transform, which needs no layout. A transform on every control would cost each
    // frame a node of its own.
    if (!e.placed) {
        e.placed = {x, y};
        setStyle(e, "left", pixels(x));
        setStyle(e, "top", pixels(y));
        setStyle(e, "transform", ""); // placed anew at another zoom
    } else {
        const auto [x0, y0] = *e.placed;
        const bool moved = x != x0 || y != y0;
        setStyle(e, "transform", moved ? "translate(" + pixels(x - x0) + "," + pixels(y - y0) + ")" : "");
        // A control that moves (the falling problem) gets a layer of its own, kept from then on: the
        // compositor moves it and nothing is painted again.
        if (moved)
            setStyle(e, "will-change", "transform");
    }
    setStyle(e, "width", pixels(wd));
    setStyle(e, "height", pixels(ht));
    if (c.kind() == Kind::Shape) {
        std::string radius;
        if (c.shape() == ShapeStyle::Oval)
            radius = "50%";
        else if (c.shape() == ShapeStyle::RoundedRectangle)
            radius = pixels(std::lround(std::min(wd, ht) * 0.15));
        setStyle(e, "border-radius", radius);
    }
    if (c.kind() == Kind::Button)
        setStyle(e, "border-radius", pixels(std::lround(std::min(wd, ht) * 0.12)));
    if (c.kind() == Kind::StatusBar)
        applyPanels(static_cast<StatusBar&>(c), e);
}

void WebBinding::applyColours(Control& c, Element& e) {
    const auto back = c.backColor(), fore = c.foreColor(), border = c.borderColor();
    switch (c.kind()) {
    case Kind::Label:
        setStyle(e, "color", fore ? hex(*fore) : "#000000");
        setStyle(e, "background", back ? hex(*back) : "");
        // A label with a border gets a plain box, drawn in its text colour.
        setStyle(e, "border", border ? "1px solid " + (fore ? hex(*fore) : "#000000") : "");
        break;
    case Kind::TextBox:
        setStyle(e, "background", back ? hex(*back) : "#ffffff");
        setStyle(e, "color", fore ? hex(*fore) : "#000000");
        break;
    case Kind::Button: {
        const Color fill = back.value_or(Color::buttonFace());
        if (c.enabled()) {
            setStyle(e, "--fill", hex(fill));
            setStyle(e, "--edge", hex(darker(fill, 160)));
            setStyle(e, "--down", hex(darker(fill, 115)));
            setStyle(e, "--down-edge", hex(darker(fill, 200)));
            setStyle(e, "color", fore ? hex(*fore) : "#000000");
        } else {
            const Color pale = lighter(fill, 130);
            setStyle(e, "--fill", hex(pale));
            setStyle(e, "--edge", hex(darker(pale, 160)));
            setStyle(e, "--down", hex(pale));
            setStyle(e, "--down-edge", hex(darker(pale, 160)));
            setStyle(e, "color", "#808080");
        }
        break;
    }
    case Kind::Image:
    case Kind::Frame:
    case Kind::PictureBox:
        setStyle(e, "background", back ? hex(*back) : "");
        setStyle(e, "--edge", border ? std::to_string(c.borderWidth()) + "px solid " + hex(*border) : "");
        setStyle(e, "color", fore ? hex(*fore) : "#000000"); // a frame's title
        break;
    case Kind::Shape:
        setStyle(e, "background", back ? hex(*back) : "");
        setStyle(e, "border", border ? std::to_string(c.borderWidth()) + "px solid " + hex(*border) : "");
        break;
    case Kind::Line:
        setStyle(e, "background", border ? hex(*border) : "#000000");
        break;
    default:
        break;
    }
}

void WebBinding::applyPanels(StatusBar& bar, Element& e) {
    const long height = px(bar.height());
    for (int i = 1; i <= bar.panelCount() && i <= int(e.panels.size()); ++i) {
        const auto& panel = bar.panel(i);
        const Page::Id id = e.panels[std::size_t(i - 1)];
        m_page.style(id, "left", pixels(px(bar.panelLeft(i))));
        m_page.style(id, "width", pixels(px(panel.width)));
        m_page.style(id, "height", pixels(std::max(0L, height - 4)));
        switch (panel.style) {
        case StatusBar::Style::Date:
            m_page.attribute(id, "data-clock", "date");
            break;
        case StatusBar::Style::Time:
            m_page.attribute(id, "data-clock", "time");
            break;
        case StatusBar::Style::Text:
            m_page.text(id, panel.text);
            break;
        }
    }
}

void WebBinding::apply(Control& c, Prop p) {
    auto it = m_elements.find(&c);
    if (it == m_elements.end())
        return;
    Element& e = it->second;
    switch (p) {
    case Prop::Geometry:
        applyGeometry(c, e);
        break;
    case Prop::Font:
        // The menu grows with the screens, as on the desktop.
        setStyle(e, "font", cssFont(c.font(), m_options.zoom));
        break;
    case Prop::BackColor:
    case Prop::ForeColor:
    case Prop::BorderColor:
        applyColours(c, e);
        break;
    case Prop::Caption:
        if (c.kind() == Kind::Label)
            setText(e, lines(c.caption()));
        else if (e.tag == Page::Tag::Button || e.tag == Page::Tag::Panel || e.tag == Page::Tag::Menu ||
                 e.tag == Page::Tag::MenuItem)
            setText(e, c.caption());
        if (c.kind() == Kind::Button)
            apply(c, Prop::Picture); // where the caption goes beside the picture
        break;
    case Prop::Text:
        if (c.kind() == Kind::TextBox)
            setAttribute(e, "value", static_cast<TextBox&>(c).text());
        break;
    case Prop::Picture:
        if (e.tag == Page::Tag::Button || e.tag == Page::Tag::Panel)
            setPicture(e, c.picture());
        if (e.tag == Page::Tag::Button) {
            // A short caption goes under the picture, like a label on a box; on a banner it goes over.
            std::string layout = "text";
            if (!c.picture().empty())
                layout = c.caption().empty()                        ? "picture"
                         : m_page.pictureAspect(c.picture()) >= 2.5 ? "over"
                                                                    : "under";
            setAttribute(e, "data-layout", layout);
        }
        break;
    case Prop::ToolTipText:
        setAttribute(e, "title", c.toolTip());
        break;
    case Prop::Enabled:
        if (e.tag == Page::Tag::Button || e.tag == Page::Tag::Input || e.tag == Page::Tag::MenuItem)
            setAttribute(e, "disabled", c.enabled() ? "" : "disabled");
        if (c.kind() == Kind::Button)
            applyColours(c, e);
        break;
    case Prop::Visible:
        setStyle(e, "display", c.visible() ? "" : "none");
        break;
    case Prop::Progress:
        if (c.kind() == Kind::ProgressBar) {
            auto& bar = static_cast<ProgressBar&>(c);
            const int span = bar.max() - bar.min();
            const double part = span > 0 ? std::clamp(double(bar.value() - bar.min()) / span, 0.0, 1.0) : 0;
            char value[32];
            std::snprintf(value, sizeof value, "%g%%", part * 100);
            setStyle(e, "--value", value);
        }
        break;
    case Prop::Panels:
        if (c.kind() == Kind::StatusBar)
            applyPanels(static_cast<StatusBar&>(c), e);
        break;
    case Prop::Interval:
        break;
    }
}

void WebBinding::applyNames(Control& c) {
    auto it = m_elements.find(&c);
    if (it == m_elements.end())
        return;
    Element& e = it->second;
    const std::string name = accessibleName(c);
    switch (c.kind()) {
    case Kind::Button:
    case Kind::TextBox:
        setAttribute(e, "aria-label", name);
        setAttribute(e, "aria-description", accessibleDescription(c));
        break;
    case Kind::Image:
    case Kind::Frame:
    case Kind::PictureBox: {
        // Without a name a picture is decoration and says nothing; a container still lets its
        // controls speak. A frame with a caption groups what it holds.
        bool holds = false;
        for (Control* other : c.screen().controls())
            holds |= other->container() == &c;
        setAttribute(e, "role", name.empty() ? (holds ? "none" : "") : (holds ? "group" : "img"));
        setAttribute(e, "aria-hidden", name.empty() && !holds ? "true" : "");
        setAttribute(e, "aria-label", name);
        break;
    }
    case Kind::Shape:
    case Kind::Line:
        setAttribute(e, "aria-hidden", "true");
        break;
    case Kind::Label:
        // A label reads its caption; one with a design's name says that instead.
        setAttribute(e, "aria-label", name);
        break;
    default:
        break;
    }
}

void WebBinding::applyScreen(Screen& s) {
    auto it = m_windows.find(&s);
    if (it == m_windows.end())
        return;
    Window& w = it->second;
    m_page.text(w.id, s.caption());
    m_page.attribute(w.id, "aria-label", accessibleName(s));
    m_page.style(w.id, "--back", hex(s.backColor()));
    const long width = px(s.width()), height = px(s.height());
    m_page.style(w.id, "--cw", pixels(width));
    m_page.style(w.id, "--ch", pixels(height));
    // Where the model puts its client area, the frame shared out around it as on the desktop, and
    // kept inside the viewport as a window manager keeps a window on screen.
    const long outerWidth = width + frameExtraWidth, outerHeight = height + frameExtraHeight;
    const long x = px(s.left()) - frameExtraWidth / 2, y = px(s.top()) - frameExtraHeight / 2;
    const std::string left = pixels(std::clamp<long>(x, 0, std::max(0L, m_options.workWidth - outerWidth)));
    const std::string top = pixels(std::clamp<long>(y, 0, std::max(0L, m_options.workHeight - outerHeight)));
    if (left != w.left || top != w.top) {
        m_page.style(w.id, "left", left);
        m_page.style(w.id, "top", top);
        w.left = left;
        w.top = top;
    }
    if (s.enabled() != w.enabled || !w.shown) {
        m_page.attribute(w.id, "inert", s.enabled() ? "" : "inert");
        w.enabled = s.enabled();
    }
    const bool shown = s.visible() && s.alive();
    if (shown != w.shown) {
        m_page.style(w.id, "display", shown ? "" : "none");
        w.shown = shown;
        if (shown && !w.frame) {
            m_page.raise(w.id);
            m_raised = &s;
        }
    }
}

void WebBinding::screenChanged(Screen& s) {
    applyScreen(s);
}

void WebBinding::screenDiscarded(Screen& s) {
    auto it = m_windows.find(&s);
    if (it != m_windows.end() && it->second.shown) {
        m_page.style(it->second.id, "display", "none");
        it->second.shown = false;
    }
}

void WebBinding::screenDestroyed(Screen& s) {
    retire(s);
}

void WebBinding::controlChanged(Control& c, Prop p) {
    apply(c, p);
    if (p == Prop::Caption || p == Prop::ToolTipText || p == Prop::Picture) {
        applyNames(c);
        // A text box is named by the label or question it answers.
        if (p == Prop::Caption)
            for (Control* box : c.screen().controls())
                if (box->labelledBy() == &c)
                    applyNames(*box);
    }
}

void WebBinding::focusChanged(Screen&) {
    // Followed once the event is over: the page lays a screen out to move its focus.
}

void WebBinding::eventDone() {
    syncFocus();
}

void WebBinding::syncFocus() {
    Screen* active = m_program.active();
    if (!active || !active->visible())
        return;
    auto w = m_windows.find(active);
    if (w == m_windows.end())
        return;
    if (m_raised != active && !w->second.frame) {
        m_page.raise(w->second.id);
        m_raised = active;
    }
    Page::Id want = w->second.id;
    if (Control* f = active->focus())
        if (Page::Id id = element(*f))
            want = id;
    if (want == m_focused)
        return;
    m_syncing = true;
    m_page.focus(want);
    m_syncing = false;
    m_focused = want;
}

void WebBinding::programEnded() {
    for (auto& [s, w] : m_windows)
        if (w.shown) {
            m_page.style(w.id, "display", "none");
            w.shown = false;
        }
}

void WebBinding::click(Page::Id id) {
    if (Control* c = control(id))
        m_program.click(*c);
}

void WebBinding::pointerMove(Page::Id id) {
    if (Control* c = control(id)) {
        m_program.mouseMove(*c);
        return;
    }
    if (auto it = m_screenOf.find(id); it != m_screenOf.end())
        m_program.mouseMove(*it->second);
}

void WebBinding::pointerDown(Page::Id id) {
    if (Screen* s = screen(id))
        m_program.activate(*s);
}

void WebBinding::bringForward(Page::Id window) {
    auto it = m_screenOf.find(window);
    if (it == m_screenOf.end())
        return;
    Screen* s = it->second->enabled() ? it->second : m_program.active();
    const auto w = s ? m_windows.find(s) : m_windows.end();
    if (w == m_windows.end() || !w->second.shown || !s->enabled())
        return;
    // The frame too: the child asks for it by name.
    m_page.raise(w->second.id);
    m_raised = s;
    pointerDown(w->second.id);
}

void WebBinding::closeBox(Page::Id window) {
    if (auto it = m_screenOf.find(window); it != m_screenOf.end())
        m_program.close(*it->second);
}

void WebBinding::edited(Page::Id input, std::string text) {
    textFromPage(input, std::move(text), &Program::edit);
}

void WebBinding::typed(Page::Id input, std::string text) {
    textFromPage(input, std::move(text), &Program::typed);
}

void WebBinding::textFromPage(Page::Id input, std::string text,
                              void (Program::*change)(TextBox&, std::string)) {
    Control* c = control(input);
    if (c && c->kind() == Kind::TextBox) {
        (m_program.*change)(static_cast<TextBox&>(*c), std::move(text));
        // Refused (the box went away meanwhile), cut by KeyPress or changed by its Change: the page
        // shows the model.
        apply(*c, Prop::Text);
    }
}

void WebBinding::focused(Page::Id id) {
    // Our own moves, and moves while a handler runs, follow the model already.
    if (m_syncing || m_program.busy() || id == m_focused)
        return;
    m_focused = id;
    if (Control* c = control(id))
        m_program.focusTo(*c);
    syncFocus();
}

Screen* WebBinding::keyScreen() const {
    if (Screen* s = screen(m_focused); s && s->alive() && s->visible())
        return s;
    return m_program.active();
}

Control* WebBinding::shortcut(const Key& k) const {
    if (!k.ctrl || k.alt || k.meta || k.key.size() != 1)
        return nullptr;
    const char pressed = k.key[0] >= 'A' && k.key[0] <= 'Z' ? char(k.key[0] - 'A' + 'a') : k.key[0];
    for (auto& [id, c] : m_controlOf)
        if (c->kind() == Kind::MenuItem && ctrlLetter(static_cast<MenuItem*>(c)->shortcut()) == pressed)
            return c;
    return nullptr;
}

bool WebBinding::keyDown(const Key& k) {
    if (Control* item = shortcut(k)) {
        // The shortcut works from every screen, as long as the frame window is switched on.
        if (item->reachable())
            m_program.click(*item);
        return true;
    }
    if (k.ctrl || k.alt || k.meta)
        return false; // the browser's own shortcuts
    Screen* s = keyScreen();
    if (!s)
        return false;
    if (k.key == "Tab" && k.shift) {
        m_program.tabBack(*s);
        return true;
    }
    // In a text box the arrows move the cursor; on a button or with no focus at all, the focus.
    if (auto d = arrowKey(k.key); d && (!s->focus() || s->focus()->kind() == Kind::Button)) {
        m_program.arrow(*s, *d);
        return true;
    }
    const int code = keyCode(k.key);
    if (code == 0)
        return false;
    Control* focus = s->focus();
    const int left = m_program.keyPreview(*s, code);
    if (left == 0 || code == 9)
        return true;
    if (focus && focus->kind() == Kind::Button && (code == 13 || code == 32))
        return true;
    if (left != code) {
        // KeyPress put another key in its place: that one is typed as the model types it.
        Control* box = s->focus();
        if (box && box->kind() == Kind::TextBox) {
            std::string t = static_cast<TextBox*>(box)->text();
            if (left == 8)
                dropLastChar(t);
            else if (typable(static_cast<char32_t>(left)))
                appendChar(t, static_cast<char32_t>(left));
            edited(element(*box), std::move(t));
        }
        return true;
    }
    // A text box types the key itself and reports the edit; elsewhere it does nothing.
    return !focus || focus->kind() != Kind::TextBox;
}

void WebBinding::viewportChanged(double zoom, int width, int height) {
    const bool rezoom = zoom != m_options.zoom;
    m_options = {.zoom = zoom, .workWidth = width, .workHeight = height};
    if (rezoom) {
        for (auto& [id, c] : m_controlOf) {
            Element& e = m_elements.at(c);
            e.placed.reset();
            apply(*c, Prop::Geometry);
            apply(*c, Prop::Font);
        }
        // Hidden screens are placed anew when they open.
        for (auto& [name, spare] : m_spares)
            for (auto& [control, e] : spare.elements)
                e.placed.reset();
    }
    for (auto& [id, s] : m_screenOf)
        applyScreen(*s);
    m_program.displayChanged();
}

} // namespace mt::web
