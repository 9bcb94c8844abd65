// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/scenario/webdriver.h"

#include <cstdio>
#include <cstdlib>
#include <emscripten.h>

#include "platform/text.h"
#include "platform/web/dom.h"
#include "platform/web/webbinding.h"
#include "shell/maaltafels.h"
#include "tools/scenario/run.h"

namespace {

// Asks the page's test side (tools/web/scenario-page.js) to have an input given from outside and
// returns once the page's own listeners have handled it. Meanwhile the runner's stack is put aside
// (ASYNCIFY), so that those listeners can call into the program as they do in the product.
EM_JS(void, page_input, (const char* request, char* answer, int size), {
    const req = JSON.parse(UTF8ToString(request));
    Asyncify.handleSleep(function(wakeUp) {
        Module.scenarioPage.give(req).then(function(error) {
            stringToUTF8(error || "", answer, size);
            wakeUp();
        });
    });
});
EM_JS(char*, page_covered, (int id, int window), {
    const why = window ? Module.scenarioPage.windowCovered(id) : Module.scenarioPage.covered(id);
    return why ? allocateUTF8(why) : 0;
});

// Why the page says the mouse cannot get there, if it cannot.
std::optional<std::string> coveredIn(mt::web::Page::Id id, bool window, const std::string& what) {
    char* why = page_covered(id, window ? 1 : 0);
    if (!why)
        return std::nullopt;
    std::string out = what + ": " + why;
    std::free(why);
    return out;
}
EM_JS(void, journal_op, (const char* op, const char* line),
      { Module.scenarioPage.journal(UTF8ToString(op), UTF8ToString(line)); });

// The text as a JSON string.
std::string json(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// The key a keyboard sends for a character: its name, and the text it types.
struct KeyPress {
    std::string key, code, text;
    int keyCode = 0;
};

KeyPress keyFor(char32_t c) {
    switch (c) {
    case 8:
        return {"Backspace", "Backspace", "", 8};
    case 9:
        return {"Tab", "Tab", "", 9};
    case 13:
        return {"Enter", "Enter", "\r", 13};
    case 27:
        return {"Escape", "Escape", "", 27};
    case ' ':
        return {" ", "Space", " ", 32};
    default:
        break;
    }
    std::string text;
    mt::appendChar(text, c);
    KeyPress k{text, "", text, 0};
    if (c >= '0' && c <= '9') {
        k.code = std::string("Digit") + static_cast<char>(c);
        k.keyCode = static_cast<int>(c);
    } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
        const char upper = static_cast<char>(c >= 'a' ? c - 'a' + 'A' : c);
        k.code = std::string("Key") + upper;
        k.keyCode = upper;
    }
    return k;
}

std::string request(const KeyPress& k, bool shift) {
    return "{\"kind\":\"key\",\"key\":" + json(k.key) + ",\"code\":" + json(k.code) +
           ",\"text\":" + json(k.text) + ",\"keyCode\":" + std::to_string(k.keyCode) +
           ",\"shift\":" + (shift ? "true" : "false") + "}";
}

const char* arrowName(mt::Direction d) {
    switch (d) {
    case mt::Direction::Left:
        return "ArrowLeft";
    case mt::Direction::Right:
        return "ArrowRight";
    case mt::Direction::Up:
        return "ArrowUp";
    case mt::Direction::Down:
        break;
    }
    return "ArrowDown";
}

int arrowCode(mt::Direction d) {
    switch (d) {
    case mt::Direction::Left:
        return 37;
    case mt::Direction::Up:
        return 38;
    case mt::Direction::Right:
        return 39;
    case mt::Direction::Down:
        break;
    }
    return 40;
}

class Page final : public scenario::Driver {
public:
    explicit Page(bool touch) : m_touch(touch) {}

    void attach(Maaltafels& program) override {
        m_program = &program;
        // At zoom 1 on a viewport as large as the runner's display, each window stands where the
        // model puts it.
        m_binding = std::make_unique<mt::web::WebBinding>(
            program, m_page,
            mt::web::WebBinding::Options{.zoom = 1,
                                         .workWidth = mt::web::DomPage::viewportWidth(),
                                         .workHeight = mt::web::DomPage::viewportHeight()});
        mt::web::connect(m_binding.get());
    }
    void detach() override {
        // The next program starts on an empty page: the binding takes its windows with it.
        mt::web::connect(nullptr);
        m_binding.reset();
    }

    void click(mt::Control& c) override {
        if (c.kind() == mt::Kind::MenuItem) {
            const mt::Control* menu = c.container();
            give("{\"kind\":\"menu\",\"menu\":" + std::to_string(menu ? element(*menu) : 0) +
                 ",\"item\":" + std::to_string(element(c)) + "}");
            return;
        }
        give("{\"kind\":\"click\",\"id\":" + std::to_string(element(c)) + "}");
    }
    void hover(mt::Control& c) override {
        give("{\"kind\":\"hover\",\"id\":" + std::to_string(element(c)) + "}");
    }
    void hover(mt::Screen& s) override {
        give("{\"kind\":\"hover\",\"window\":" + std::to_string(window(s)) + "}");
    }
    void activate(mt::Screen& s) override {
        give("{\"kind\":\"activate\",\"window\":" + std::to_string(window(s)) + "}");
    }
    void focus(mt::TextBox& box) override {
        give("{\"kind\":\"focus\",\"id\":" + std::to_string(element(box)) + "}");
    }
    void key(mt::Screen&, char32_t code) override { give(request(keyFor(code), false)); }
    void focusKey(mt::Screen&, std::optional<mt::Direction> arrow) override {
        if (arrow)
            give(request({arrowName(*arrow), arrowName(*arrow), "", arrowCode(*arrow)}, false));
        else
            give(request(keyFor(9), true));
    }
    void paste(mt::TextBox& box, const std::string& text) override {
        give("{\"kind\":\"paste\",\"id\":" + std::to_string(element(box)) + ",\"text\":" + json(text) + "}");
    }
    void close(mt::Screen& s) override {
        give("{\"kind\":\"close\",\"window\":" + std::to_string(window(s)) + "}");
    }
    bool shot(mt::Screen& s, const std::string& file) override {
        return ask("{\"kind\":\"shot\",\"window\":" + std::to_string(window(s)) + ",\"file\":" + json(file) +
                   "}")
            .empty();
    }

    bool hasView() const override { return true; }
    std::optional<mt::Value> shown(const mt::Control& c, std::string_view prop) const override {
        const auto id = m_binding->element(c);
        if (!id)
            return std::nullopt;
        const mt::Kind k = c.kind();
        if (prop == "Visible")
            return m_page.displayed(id);
        if (prop == "Enabled" && (k == mt::Kind::Button || k == mt::Kind::TextBox || k == mt::Kind::MenuItem))
            return !m_page.disabled(id);
        if (prop == "Caption" && (k == mt::Kind::Label || k == mt::Kind::Button || k == mt::Kind::MenuItem ||
                                  k == mt::Kind::Frame || k == mt::Kind::Image || k == mt::Kind::PictureBox))
            return m_page.shownText(id);
        if (prop == "Text" && k == mt::Kind::TextBox)
            return m_page.shownText(id);
        return std::nullopt;
    }
    std::optional<mt::Value> shown(const mt::Screen& s, std::string_view prop) const override {
        const auto id = m_binding->window(s);
        if (!id)
            return std::nullopt;
        if (prop == "Visible")
            return m_page.displayed(id);
        if (prop == "Enabled")
            return !m_page.disabled(id);
        if (prop == "Caption")
            return m_page.shownText(id);
        return std::nullopt;
    }
    std::optional<const mt::Control*> focusShown(const mt::Screen& s) const override {
        const auto focused = m_page.focused();
        if (focused && m_binding->screen(focused) == &s)
            return m_binding->control(focused);
        // The page has one focus: a window other than the active one shows none.
        if (m_program->active() == &s && s.visible())
            return nullptr;
        return std::nullopt;
    }

    std::optional<std::string> cannotType(char32_t code) const override {
        const bool control = code == 8 || code == 9 || code == 13 || code == 27;
        if (m_touch && control)
            return "a tablet's keyboard gives text, no key events: no key with character code " +
                   std::to_string(code);
        if (control || mt::typable(code))
            return std::nullopt;
        return "no key on a keyboard types character code " + std::to_string(code);
    }
    std::optional<std::string> cannotHover() const override {
        if (m_touch)
            return "nothing hovers on a touch screen";
        return std::nullopt;
    }
    bool clickHovers() const override { return m_touch; }
    std::optional<std::string> cannotFocusKey() const override {
        if (m_touch)
            return "a tablet's keyboard has no Shift+Tab and no arrows";
        return std::nullopt;
    }
    std::optional<std::string> covered(const mt::Control& c) const override {
        return coveredIn(element(c), false, scenario::pathOf(c));
    }
    std::optional<std::string> covered(const mt::Screen& s) const override {
        return coveredIn(window(s), true, s.name());
    }
    std::optional<std::string> cannotPaste(const std::string& text) const override {
        if (m_touch && text.empty())
            return "emptying a text box takes Backspace, which a tablet's keyboard sends as no key event";
        if (text.find_first_of("\r\n") == std::string::npos)
            return std::nullopt;
        return "a text box in a browser drops line breaks, so no paste puts " + scenario::quote(text) +
               " in one";
    }

private:
    mt::web::Page::Id element(const mt::Control& c) const {
        const auto id = m_binding->element(c);
        if (!id)
            scenario::fail(scenario::pathOf(c) + " has no element in the page");
        return id;
    }
    mt::web::Page::Id window(const mt::Screen& s) const {
        const auto id = m_binding->window(s);
        if (!id)
            scenario::fail(s.name() + " has no window in the page");
        return id;
    }
    // The page's answer: empty when the input was given and handled, else why not.
    static std::string ask(const std::string& request) {
        char answer[512] = "";
        page_input(request.c_str(), answer, sizeof answer);
        return answer;
    }
    static void give(const std::string& request) {
        if (const std::string error = ask(request); !error.empty())
            scenario::fail(error);
    }

    bool m_touch;
    mutable mt::web::DomPage m_page;
    std::unique_ptr<mt::web::WebBinding> m_binding;
    Maaltafels* m_program = nullptr;
};

class Journal final : public scenario::JournalSink {
public:
    void restart() override { journal_op("restart", ""); }
    void add(const std::string& line) override { journal_op("add", line.c_str()); }
    void takeBack() override { journal_op("takeBack", ""); }
};

} // namespace

namespace scenario {

std::unique_ptr<Driver> pageDriver() {
    return std::make_unique<Page>(false);
}

std::unique_ptr<Driver> tabletDriver() {
    return std::make_unique<Page>(true);
}

JournalSink& pageJournal() {
    static Journal journal;
    return journal;
}

} // namespace scenario
