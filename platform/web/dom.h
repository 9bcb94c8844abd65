// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <map>

#include "platform/services.h"
#include "platform/web/page.h"
#include "platform/web/webbinding.h"

// The browser's side of the binding (emscripten only): the page in the document, the browser's
// clock, its fonts and the modal message box.
namespace mt::web {

// The page of platform/web/page.js.
class DomPage final : public Page {
public:
    void createWindow(Id id, bool menuBar) override;
    void create(Id id, Tag tag, Id parent) override;
    void remove(Id window) override;
    void style(Id id, std::string_view property, std::string_view value) override;
    void styles(Id id, std::string_view declarations) override;
    void attribute(Id id, std::string_view name, std::string_view value) override;
    void text(Id id, std::string_view text) override;
    void picture(Id id, std::string_view name) override;
    void focus(Id id) override;
    void raise(Id window) override;
    double textWidth(std::string_view text, std::string_view font) override;
    double pictureAspect(std::string_view name) override;
    std::string shownText(Id id) const override;
    bool displayed(Id id) const override;
    bool disabled(Id id) const override;
    Id focused() const override;

    // The viewport: the page's work area, in pixels.
    static int viewportWidth();
    static int viewportHeight();
};

// The browser's clock: every timer due at start + k * interval, however late a tick came.
class WebClock final : public Clock {
public:
    Handle start(int intervalMs, std::function<void()> due) override;
    void stop(Handle h) override;
    std::int64_t now() const override;
    void fire(Handle h);

private:
    Handle m_next = 1;
    std::map<Handle, std::function<void()>> m_due;
};

// Modal in the page: the handler that opened it waits for OK (ASYNCIFY), and nothing else takes
// input meanwhile; ticks wait in the page until it is closed.
class WebMessageBox final : public MessageBox {
public:
    void information(const std::string& text, const std::string& title) override;
};

// The viewport and the fonts as the page has them, in the program's twips.
class WebMetrics final : public Metrics {
public:
    WebMetrics(Page& page, double zoom) : m_page(page), m_zoom(zoom) {}
    void setZoom(double zoom) { m_zoom = zoom; }
    int displayWidth() const override;
    int displayHeight() const override;
    int textWidth(const std::string& text, const Font& font) const override;
    int twipsPerPixel() const override;

private:
    Page& m_page;
    double m_zoom;
};

// From now on the page's input and ticks go to this binding and clock; a new viewport size goes to
// the binding and the metrics.
void connect(WebBinding& binding, WebClock& clock, WebMetrics& metrics);
// The page's input only, to this binding (none: nullptr); a test run keeps its own clock and metrics.
void connect(WebBinding* binding);

} // namespace mt::web
