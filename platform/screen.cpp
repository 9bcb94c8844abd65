// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/screen.h"

#include <algorithm>
#include <cstdlib>

#include "platform/program.h"

namespace mt {

namespace {

// A control's box on the screen in twips.
struct Box : Control::Bounds {
    explicit Box(const Control& c) : Control::Bounds(c.bounds()) {}
    // Doubled, so that centres stay whole numbers.
    int centreX2() const { return left + right; }
    int centreY2() const { return top + bottom; }
};

} // namespace

Screen::Screen(Program& program, std::string name, ScreenDesign d)
    : m_program(program), m_name(std::move(name)), m_centred(d.centred), m_caption(std::move(d.caption)),
      m_accessibleName(std::move(d.accessibleName)), m_back(d.back), m_width(d.width), m_height(d.height) {
    if (d.centred) {
        const Metrics& m = m_program.metrics();
        m_left = (m.displayWidth() - m_width) / 2;
        m_top = (m.displayHeight() - m_height) / 2;
    }
}

Screen::~Screen() = default;

void Screen::show() {
    m_program.show(*this);
}
void Screen::hide() {
    m_program.hide(*this);
}
void Screen::unload() {
    m_program.unload(*this);
}

void Screen::setEnabled(bool e) {
    if (e == m_enabled)
        return;
    m_enabled = e;
    m_program.notify(*this);
}

void Screen::setCaption(std::string c) {
    if (c == m_caption)
        return;
    m_caption = std::move(c);
    m_program.notify(*this);
}

void Screen::setBackColor(Color c) {
    if (c == m_back)
        return;
    m_back = c;
    m_program.notify(*this);
}

void Screen::move(int left, int top) {
    if (left == m_left && top == m_top)
        return;
    m_left = left;
    m_top = top;
    m_program.notify(*this);
}

void Screen::centre() {
    const Metrics& m = m_program.metrics();
    move((m.displayWidth() - m_width) / 2, (m.displayHeight() - m_height) / 2);
}

Control* Screen::control(std::string_view name, int index) const {
    for (Control* c : m_controls)
        if (c->name() == name && c->index() == index)
            return c;
    return nullptr;
}

std::vector<Control*> Screen::tabOrder() const {
    std::vector<std::pair<Control*, Box>> all;
    for (Control* c : m_controls)
        if (c->takesFocus())
            all.emplace_back(c, Box(*c));
    // By top, then left; controls in the very same place keep their layout order.
    std::stable_sort(all.begin(), all.end(), [](const auto& a, const auto& b) {
        return a.second.top != b.second.top ? a.second.top < b.second.top : a.second.left < b.second.left;
    });
    std::vector<Control*> order;
    order.reserve(all.size());
    for (auto row = all.begin(); row != all.end();) {
        const int middle = row->second.centreY2();
        auto end =
            std::find_if(row + 1, all.end(), [&](const auto& c) { return 2 * c.second.top >= middle; });
        std::stable_sort(row, end,
                         [](const auto& a, const auto& b) { return a.second.left < b.second.left; });
        for (auto it = row; it != end; ++it)
            order.push_back(it->first);
        row = end;
    }
    return order;
}

void Screen::forget(Control* c) {
    m_controls.erase(std::remove(m_controls.begin(), m_controls.end(), c), m_controls.end());
    m_focusFirst.erase(std::remove(m_focusFirst.begin(), m_focusFirst.end(), c), m_focusFirst.end());
    if (m_focus == c)
        m_focus = nullptr;
}

void Screen::giveFocus(Control* c) {
    if (c == m_focus)
        return;
    m_focus = c;
    m_program.notifyFocus(*this);
}

Control* Screen::nextFocusable(Control* from, bool back, std::optional<Kind> only) const {
    const std::vector<Control*> order = tabOrder();
    const std::size_t n = order.size();
    if (n == 0)
        return nullptr;
    auto at = std::find(order.begin(), order.end(), from);
    // Without a control to start from, forward begins with the first and back with the last.
    const std::size_t start = at != order.end() ? std::size_t(at - order.begin()) : back ? 0 : n - 1;
    for (std::size_t step = 1; step <= n; ++step) {
        Control* c = order[(start + (back ? n - step : step)) % n];
        if (c->focusable() && (!only || c->kind() == *only))
            return c;
    }
    return nullptr;
}

void Screen::moveFocus(bool back) {
    if (!m_alive || !m_visible || !m_enabled)
        return;
    if (Control* c = nextFocusable(m_focus, back))
        giveFocus(c);
}

void Screen::tab() {
    moveFocus(false);
}

void Screen::tabBack() {
    moveFocus(true);
}

void Screen::keepFocus() {
    // Only an answer box takes it over: Enter on a button the child never chose would act for them.
    if (m_focus && !m_focus->focusable())
        giveFocus(nextFocusable(m_focus, false, Kind::TextBox));
}

void Screen::focusOnActivate() {
    if (m_focus && m_focus->focusable())
        return;
    for (Control* c : m_focusFirst)
        if (c->focusable()) {
            giveFocus(c);
            return;
        }
    giveFocus(nextFocusable(nullptr));
}

void Screen::arrow(Direction d) {
    Control* from = m_focus;
    if (!from) {
        moveFocus(false);
        return;
    }
    if (from->kind() != Kind::Button || !from->canTakeFocus())
        return;
    const Box a(*from);
    const bool across = d == Direction::Left || d == Direction::Right;
    const int sign = d == Direction::Left || d == Direction::Up ? -1 : 1;
    Control* best = nullptr;
    int bestAlong = 0, bestAside = 0;
    for (Control* c : m_controls) {
        if (c == from || c->kind() != Kind::Button || !c->canTakeFocus())
            continue;
        const Box b(*c);
        const bool sameLine =
            across ? b.top < a.bottom && a.top < b.bottom : b.left < a.right && a.left < b.right;
        const int along = sign * (across ? b.centreX2() - a.centreX2() : b.centreY2() - a.centreY2());
        if (!sameLine || along <= 0)
            continue;
        const int aside = std::abs(across ? b.centreY2() - a.centreY2() : b.centreX2() - a.centreX2());
        if (!best || along < bestAlong || (along == bestAlong && aside < bestAside)) {
            best = c;
            bestAlong = along;
            bestAside = aside;
        }
    }
    if (best)
        giveFocus(best);
}

std::optional<Value> Screen::variable(std::string_view name) const {
    auto it = m_variables.find(name);
    if (it == m_variables.end())
        return std::nullopt;
    return it->second();
}

std::vector<std::string> Screen::variableNames() const {
    std::vector<std::string> out;
    for (auto& [n, get] : m_variables)
        out.push_back(n);
    return out;
}

} // namespace mt
