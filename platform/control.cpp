// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/control.h"

#include <charconv>

#include "platform/program.h"
#include "platform/screen.h"

namespace mt {

Control::Control(Screen& screen, Kind kind, std::string name, int index, Design d)
    : m_screen(screen), m_kind(kind), m_name(std::move(name)), m_index(index), m_in(d.in),
      m_caption(std::move(d.caption)), m_visible(d.visible), m_enabled(d.enabled), m_back(d.back),
      m_fore(d.fore), m_border(d.border), m_left(d.left), m_top(d.top), m_width(d.width), m_height(d.height),
      m_tip(std::move(d.tip)), m_picture(std::move(d.picture)), m_font(std::move(d.font)), m_align(d.align),
      m_shape(d.shape), m_borderWidth(d.borderWidth), m_accessibleName(std::move(d.accessibleName)),
      m_labelledBy(d.labelledBy) {
    m_screen.adopt(this);
}

Control::~Control() {
    m_screen.forget(this);
}

std::string Control::fullName() const {
    return m_index < 0 ? m_name : m_name + "(" + std::to_string(m_index) + ")";
}

void Control::changed(Prop p) {
    m_screen.program().notify(*this, p);
}

void Control::setCaption(std::string s) {
    if (s == m_caption)
        return;
    m_caption = std::move(s);
    changed(Prop::Caption);
}

void Control::setVisible(bool v) {
    if (v == m_visible)
        return;
    m_visible = v;
    changed(Prop::Visible);
    if (!v)
        m_screen.keepFocus();
}

void Control::setEnabled(bool e) {
    if (e == m_enabled)
        return;
    m_enabled = e;
    changed(Prop::Enabled);
    if (!e)
        m_screen.keepFocus();
}

void Control::setBackColor(Color c) {
    if (m_back == c)
        return;
    m_back = c;
    changed(Prop::BackColor);
}

void Control::setForeColor(Color c) {
    if (m_fore == c)
        return;
    m_fore = c;
    changed(Prop::ForeColor);
}

void Control::setBorderColor(Color c) {
    if (m_border == c)
        return;
    m_border = c;
    changed(Prop::BorderColor);
}

void Control::move(int left, int top) {
    move(left, top, m_width, m_height);
}

void Control::move(int left, int top, int width, int height) {
    if (left == m_left && top == m_top && width == m_width && height == m_height)
        return;
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    changed(Prop::Geometry);
}

void Control::setToolTip(std::string s) {
    if (s == m_tip)
        return;
    m_tip = std::move(s);
    changed(Prop::ToolTipText);
}

void Control::setPicture(std::string s) {
    if (s == m_picture)
        return;
    m_picture = std::move(s);
    changed(Prop::Picture);
}

void Control::setFont(Font f) {
    if (f == m_font)
        return;
    m_font = std::move(f);
    changed(Prop::Font);
}

Control::Bounds Control::bounds() const {
    Bounds b{m_left, m_top, 0, 0};
    for (const Control* in = m_in; in; in = in->container()) {
        b.left += in->left();
        b.top += in->top();
    }
    b.right = b.left + m_width;
    b.bottom = b.top + m_height;
    return b;
}

bool Control::shown() const {
    for (const Control* c = this; c; c = c->container())
        if (!c->visible())
            return false;
    return true;
}

bool Control::reachable() const {
    if (!m_screen.alive() || !m_screen.visible() || !m_screen.enabled())
        return false;
    for (const Control* c = this; c; c = c->container())
        if (!c->visible() || !c->enabled())
            return false;
    return true;
}

bool Control::takesFocus() const {
    if (m_kind == Kind::TextBox)
        return !static_cast<const TextBox*>(this)->readOnly();
    return m_kind == Kind::Button;
}

bool Control::focusable() const {
    if (!takesFocus())
        return false;
    for (const Control* c = this; c; c = c->container())
        if (!c->visible() || !c->enabled())
            return false;
    return true;
}

bool Control::canTakeFocus() const {
    return focusable() && m_screen.alive() && m_screen.visible() && m_screen.enabled();
}

Control* Control::clickTarget() {
    switch (m_kind) {
    case Kind::Label:
    case Kind::TextBox:
    case Kind::Button:
    case Kind::Image:
    case Kind::Frame:
    case Kind::PictureBox:
    case Kind::MenuItem:
        return this;
    case Kind::StatusBar:
    case Kind::ProgressBar:
        return m_in ? m_in->clickTarget() : nullptr;
    case Kind::Shape:
    case Kind::Line:
    case Kind::Timer:
    case Kind::Menu:
        break;
    }
    return nullptr;
}

void Control::setFocus() {
    if (canTakeFocus())
        m_screen.giveFocus(this);
}

std::optional<Value> Control::property(std::string_view name) const {
    if (name == "Caption")
        return m_caption;
    if (name == "Visible")
        return m_visible;
    if (name == "Enabled")
        return m_enabled;
    if (name == "BackColor" || name == "FillColor")
        return m_back ? Value{*m_back} : Value{Color::windowBackground()};
    if (name == "ForeColor")
        return m_fore ? Value{*m_fore} : Value{Color::rgb(0, 0, 0)};
    if (name == "BorderColor")
        return m_border ? Value{*m_border} : Value{Color::rgb(0, 0, 0)};
    if (name == "Left")
        return double(m_left);
    if (name == "Top")
        return double(m_top);
    if (name == "Width")
        return double(m_width);
    if (name == "Height")
        return double(m_height);
    if (name == "ToolTipText")
        return m_tip;
    if (name == "Picture")
        return m_picture;
    if (name == "FontSize")
        return m_font.points;
    if (name == "FontBold")
        return m_font.bold;
    return std::nullopt;
}

TextBox::TextBox(Screen& s, std::string name, Design d, int index)
    : Control(s, Kind::TextBox, std::move(name), index, d), m_text(std::move(d.text)),
      m_enterPresses(d.enterPresses), m_readOnly(d.readOnly) {}

void TextBox::setText(std::string s) {
    if (s == m_text)
        return;
    m_text = std::move(s);
    changed(Prop::Text);
    if (Change)
        Change();
}

std::optional<Value> TextBox::property(std::string_view name) const {
    if (name == "Text")
        return m_text;
    return Control::property(name);
}

MenuItem::MenuItem(Screen& s, std::string name, Design d, int index)
    : Control(s, Kind::MenuItem, std::move(name), index, d), m_shortcut(std::move(d.shortcut)) {}

Timer::Timer(Screen& s, std::string name, Design d, int index)
    : Control(s, Kind::Timer, std::move(name), index, d), m_interval(d.interval) {
    reschedule();
}

Timer::~Timer() {
    halt();
}

void Timer::halt() {
    if (m_handle != 0)
        screen().program().clock().stop(m_handle);
    m_handle = 0;
}

void Timer::reschedule() {
    halt();
    if (enabled() && m_interval > 0 && screen().alive())
        m_handle = screen().program().clock().start(m_interval, [this] { screen().program().tick(*this); });
}

void Timer::setInterval(int ms) {
    if (ms == m_interval)
        return;
    m_interval = ms;
    changed(Prop::Interval);
    reschedule();
}

void Timer::setEnabled(bool e) {
    if (e == enabled())
        return;
    Control::setEnabled(e);
    reschedule();
}

std::optional<Value> Timer::property(std::string_view name) const {
    if (name == "Interval")
        return double(m_interval);
    return Control::property(name);
}

ProgressBar::ProgressBar(Screen& s, std::string name, Design d, int index)
    : Control(s, Kind::ProgressBar, std::move(name), index, std::move(d)) {}

void ProgressBar::setMin(int v) {
    if (v == m_min)
        return;
    m_min = v;
    changed(Prop::Progress);
}

void ProgressBar::setMax(int v) {
    if (v == m_max)
        return;
    m_max = v;
    changed(Prop::Progress);
}

void ProgressBar::setValue(int v) {
    if (v == m_value)
        return;
    m_value = v;
    changed(Prop::Progress);
}

std::optional<Value> ProgressBar::property(std::string_view name) const {
    if (name == "Min")
        return double(m_min);
    if (name == "Max")
        return double(m_max);
    if (name == "Value")
        return double(m_value);
    return Control::property(name);
}

StatusBar::StatusBar(Screen& s, std::string name, Design d, int index)
    : Control(s, Kind::StatusBar, std::move(name), index, d) {
    for (int w : d.panelWidths)
        m_panels.push_back({"", "", w, Style::Text});
}

void StatusBar::setPanelText(int i, std::string s) {
    auto& p = m_panels.at(static_cast<std::size_t>(i - 1));
    if (p.text == s)
        return;
    p.text = std::move(s);
    changed(Prop::Panels);
}

void StatusBar::setPanelTag(int i, std::string s) {
    m_panels.at(static_cast<std::size_t>(i - 1)).tag = std::move(s);
}

void StatusBar::setPanelStyle(int i, Style style) {
    m_panels.at(static_cast<std::size_t>(i - 1)).style = style;
    changed(Prop::Panels);
}

int StatusBar::panelLeft(int i) const {
    int x = 0;
    for (int k = 1; k < i; ++k)
        x += panel(k).width;
    return x;
}

std::optional<Value> StatusBar::property(std::string_view name) const {
    // "Panels(2).Text", "Panels(1).Tag", "Panels(1).Width"
    constexpr std::string_view prefix = "Panels(";
    if (name.substr(0, prefix.size()) == prefix) {
        auto close = name.find(')');
        int i = 0;
        if (close == std::string_view::npos)
            return std::nullopt;
        auto digits = name.substr(prefix.size(), close - prefix.size());
        if (std::from_chars(digits.data(), digits.data() + digits.size(), i).ec != std::errc{} || i < 1 ||
            i > panelCount())
            return std::nullopt;
        auto field = name.substr(close + 1);
        if (field == ".Text")
            return panel(i).text;
        if (field == ".Tag")
            return panel(i).tag;
        if (field == ".Width")
            return double(panel(i).width);
        return std::nullopt;
    }
    return Control::property(name);
}

} // namespace mt
