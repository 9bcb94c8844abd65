// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/web/dom.h"

#include <cmath>
#include <emscripten.h>
#include <string>

// Each call hands its strings to platform/web/page.js, which copies them at once.
namespace {

EM_JS(void, page_create_window, (int id, int menuBar), { Module.page.createWindow(id, menuBar != 0); });
EM_JS(void, page_create, (int id, int tag, int parent), { Module.page.create(id, tag, parent); });
EM_JS(void, page_remove, (int id), { Module.page.remove(id); });
EM_JS(void, page_style, (int id, const char* p, int pn, const char* v, int vn),
      { Module.page.style(id, UTF8ToString(p, pn), UTF8ToString(v, vn)); });
EM_JS(void, page_styles, (int id, const char* d, int n), { Module.page.styles(id, UTF8ToString(d, n)); });
EM_JS(void, page_attribute, (int id, const char* p, int pn, const char* v, int vn),
      { Module.page.attribute(id, UTF8ToString(p, pn), UTF8ToString(v, vn)); });
EM_JS(void, page_text, (int id, const char* t, int n), { Module.page.text(id, UTF8ToString(t, n)); });
EM_JS(void, page_picture, (int id, const char* t, int n), { Module.page.picture(id, UTF8ToString(t, n)); });
EM_JS(void, page_focus, (int id), { Module.page.focus(id); });
EM_JS(void, page_raise, (int id), { Module.page.raise(id); });
EM_JS(double, page_text_width, (const char* t, int tn, const char* f, int fn),
      { return Module.page.textWidth(UTF8ToString(t, tn), UTF8ToString(f, fn)); });
EM_JS(double, page_picture_aspect, (const char* t, int n),
      { return Module.page.pictureAspect(UTF8ToString(t, n)); });
EM_JS(int, page_shown_text_size, (int id), { return lengthBytesUTF8(Module.page.shownText(id)) + 1; });
EM_JS(void, page_shown_text, (int id, char* out, int size),
      { stringToUTF8(Module.page.shownText(id), out, size); });
EM_JS(int, page_displayed, (int id), { return Module.page.displayed(id) ? 1 : 0; });
EM_JS(int, page_disabled, (int id), { return Module.page.disabled(id) ? 1 : 0; });
EM_JS(int, page_focused, (), { return Module.page.focused(); });
EM_JS(int, page_viewport_width, (), { return Module.page.viewportWidth(); });
EM_JS(int, page_viewport_height, (), { return Module.page.viewportHeight(); });
EM_JS(void, clock_start, (int handle, int interval), { Module.page.startTimer(handle, interval); });
EM_JS(void, clock_stop, (int handle), { Module.page.stopTimer(handle); });
EM_JS(double, clock_now, (), { return Date.now(); });
// The one import that may wait: the wasm stack is put aside until the child presses OK.
EM_JS(void, wait_for_ok, (const char* text, const char* title), {
    const t = UTF8ToString(text), c = UTF8ToString(title);
    Asyncify.handleSleep(function(wakeUp) { Module.page.messageBox(t, c, wakeUp); });
});

int size(std::string_view s) {
    return static_cast<int>(s.size());
}

mt::web::WebBinding* pageBinding = nullptr;
mt::web::WebClock* pageClock = nullptr;
mt::web::WebMetrics* pageMetrics = nullptr;

} // namespace

namespace mt::web {

void DomPage::createWindow(Id id, bool menuBar) {
    page_create_window(id, menuBar);
}
void DomPage::create(Id id, Tag tag, Id parent) {
    page_create(id, static_cast<int>(tag), parent);
}
void DomPage::remove(Id window) {
    page_remove(window);
}
void DomPage::style(Id id, std::string_view property, std::string_view value) {
    page_style(id, property.data(), size(property), value.data(), size(value));
}
void DomPage::styles(Id id, std::string_view declarations) {
    page_styles(id, declarations.data(), size(declarations));
}
void DomPage::attribute(Id id, std::string_view name, std::string_view value) {
    page_attribute(id, name.data(), size(name), value.data(), size(value));
}
void DomPage::text(Id id, std::string_view text) {
    page_text(id, text.data(), size(text));
}
void DomPage::picture(Id id, std::string_view name) {
    page_picture(id, name.data(), size(name));
}
void DomPage::focus(Id id) {
    page_focus(id);
}
void DomPage::raise(Id window) {
    page_raise(window);
}
double DomPage::textWidth(std::string_view text, std::string_view font) {
    return page_text_width(text.data(), size(text), font.data(), size(font));
}
double DomPage::pictureAspect(std::string_view name) {
    return page_picture_aspect(name.data(), size(name));
}
std::string DomPage::shownText(Id id) const {
    std::string out(static_cast<std::size_t>(page_shown_text_size(id)), '\0');
    page_shown_text(id, out.data(), size(out));
    out.pop_back();
    return out;
}
bool DomPage::displayed(Id id) const {
    return page_displayed(id) != 0;
}
bool DomPage::disabled(Id id) const {
    return page_disabled(id) != 0;
}
Page::Id DomPage::focused() const {
    return page_focused();
}
int DomPage::viewportWidth() {
    return page_viewport_width();
}
int DomPage::viewportHeight() {
    return page_viewport_height();
}

Clock::Handle WebClock::start(int intervalMs, std::function<void()> due) {
    const Handle h = m_next++;
    m_due.emplace(h, std::move(due));
    clock_start(h, intervalMs);
    return h;
}

void WebClock::stop(Handle h) {
    m_due.erase(h);
    clock_stop(h);
}

std::int64_t WebClock::now() const {
    return static_cast<std::int64_t>(clock_now());
}

void WebClock::fire(Handle h) {
    auto it = m_due.find(h);
    if (it == m_due.end())
        return;
    // The handler may stop this very timer: call a copy.
    auto due = it->second;
    due();
}

void WebMessageBox::information(const std::string& text, const std::string& title) {
    wait_for_ok(text.c_str(), title.c_str());
}

int WebMetrics::displayWidth() const {
    return int(std::lround(DomPage::viewportWidth() * 15 / m_zoom));
}
int WebMetrics::displayHeight() const {
    return int(std::lround(DomPage::viewportHeight() * 15 / m_zoom));
}
int WebMetrics::textWidth(const std::string& text, const Font& font) const {
    return int(std::lround(m_page.textWidth(text, WebBinding::cssFont(font, m_zoom)) * 15 / m_zoom));
}
int WebMetrics::twipsPerPixel() const {
    return std::max(1, int(std::lround(15 / m_zoom)));
}

void connect(WebBinding& b, WebClock& c, WebMetrics& m) {
    pageBinding = &b;
    pageClock = &c;
    pageMetrics = &m;
}

void connect(WebBinding* binding) {
    pageBinding = binding;
    pageClock = nullptr;
    pageMetrics = nullptr;
}

} // namespace mt::web

// The page's input, by element number (platform/web/page.js).
extern "C" {

EMSCRIPTEN_KEEPALIVE void mt_click(int id) {
    if (pageBinding)
        pageBinding->click(id);
}
EMSCRIPTEN_KEEPALIVE void mt_pointer_move(int id) {
    if (pageBinding)
        pageBinding->pointerMove(id);
}
EMSCRIPTEN_KEEPALIVE void mt_pointer_down(int id) {
    if (pageBinding)
        pageBinding->pointerDown(id);
}
// A click on a window's entry in the task strip.
EMSCRIPTEN_KEEPALIVE void mt_bring_forward(int window) {
    if (pageBinding)
        pageBinding->bringForward(window);
}
EMSCRIPTEN_KEEPALIVE void mt_close(int id) {
    if (pageBinding)
        pageBinding->closeBox(id);
}
EMSCRIPTEN_KEEPALIVE void mt_focused(int id) {
    if (pageBinding)
        pageBinding->focused(id);
}
EMSCRIPTEN_KEEPALIVE void mt_edited(int id, const char* text) {
    if (pageBinding)
        pageBinding->edited(id, text);
}
// An edit that no key of the page's brought: an on-screen keyboard's.
EMSCRIPTEN_KEEPALIVE void mt_typed(int id, const char* text) {
    if (pageBinding)
        pageBinding->typed(id, text);
}
// The viewport's new size, in pixels, once a resize or a turn is over.
EMSCRIPTEN_KEEPALIVE void mt_viewport(int width, int height) {
    if (!pageBinding || !pageMetrics)
        return;
    const double zoom = mt::web::viewportZoom(width, height);
    pageMetrics->setZoom(zoom);
    pageBinding->viewportChanged(zoom, width, height);
}
// modifiers: 1 shift, 2 ctrl, 4 alt, 8 meta. Returns 1 when the page must not act on the key too.
EMSCRIPTEN_KEEPALIVE int mt_key(const char* key, int modifiers) {
    if (!pageBinding)
        return 0;
    return pageBinding->keyDown(
               {key, (modifiers & 1) != 0, (modifiers & 2) != 0, (modifiers & 4) != 0, (modifiers & 8) != 0})
               ? 1
               : 0;
}
// Returns 1 while screens remain whose elements are not built yet.
EMSCRIPTEN_KEEPALIVE int mt_prepare() {
    return pageBinding && pageBinding->prepareNext() ? 1 : 0;
}
EMSCRIPTEN_KEEPALIVE void mt_tick(int handle) {
    if (pageClock)
        pageClock->fire(handle);
}
}
