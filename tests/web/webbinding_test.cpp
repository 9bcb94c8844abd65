// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

#include "automation/frmmaal4.h"
#include "drill/tafels.h"
#include "platform/accessible.h"
#include "platform/web/colour.h"
#include "platform/web/webbinding.h"
#include "shell/frmbasis.h"
#include "shell/frminfo.h"
#include "shell/frmmecenaat1.h"
#include "shell/frmsplash.h"
#include "shell/mdiform2.h"
#include "tests/testprogram.h"

using mt::web::Page;

namespace {

// The page as a record: what each element holds, and every call made.
class RecordingPage final : public Page {
public:
    struct Element {
        bool window = false, menuBar = false;
        Tag tag = Tag::Label;
        Id parent = 0;
        std::map<std::string, std::string> style, attr;
        std::string text, picture;
        int z = 0;
    };
    std::map<Id, Element> els;
    std::vector<std::string> calls;
    Id focusedId = 0;
    int created = 0, topZ = 0;

    void createWindow(Id id, bool menuBar) override {
        ASSERT_EQ(els.count(id), 0u) << "window " << id << " made twice";
        els[id] = {.window = true, .menuBar = menuBar};
        ++created;
    }
    void create(Id id, Tag tag, Id parent) override {
        ASSERT_EQ(els.count(id), 0u) << "element " << id << " made twice";
        ASSERT_EQ(els.count(parent), 1u) << "element " << id << " in nothing";
        els[id] = {.tag = tag, .parent = parent};
        ++created;
    }
    void remove(Id window) override {
        std::vector<Id> gone{window};
        for (std::size_t i = 0; i < gone.size(); ++i)
            for (auto& [id, e] : els)
                if (e.parent == gone[i])
                    gone.push_back(id);
        for (Id id : gone)
            els.erase(id);
    }
    void style(Id id, std::string_view p, std::string_view v) override {
        at(id).style[std::string(p)] = std::string(v);
        calls.push_back("style " + std::to_string(id) + " " + std::string(p));
    }
    void styles(Id id, std::string_view declarations) override {
        auto& e = at(id);
        ASSERT_TRUE(e.style.empty()) << "element " << id << " styled before it was made";
        for (std::size_t at = 0; at < declarations.size();) {
            const auto colon = declarations.find(": ", at), end = declarations.find("; ", at);
            ASSERT_TRUE(colon < end && end != std::string_view::npos) << declarations;
            e.style[std::string(declarations.substr(at, colon - at))] =
                std::string(declarations.substr(colon + 2, end - colon - 2));
            at = end + 2;
        }
        calls.push_back("styles " + std::to_string(id));
    }
    void attribute(Id id, std::string_view n, std::string_view v) override {
        at(id).attr[std::string(n)] = std::string(v);
    }
    void text(Id id, std::string_view t) override { at(id).text = std::string(t); }
    void picture(Id id, std::string_view n) override { at(id).picture = std::string(n); }
    void focus(Id id) override { focusedId = id; }
    void raise(Id window) override { at(window).z = ++topZ; }
    double textWidth(std::string_view text, std::string_view) override { return double(text.size()) * 7; }
    double pictureAspect(std::string_view name) override { return name == "common/logo" ? 3 : 1; }
    std::string shownText(Id id) const override {
        const Element& e = els.at(id);
        if (e.window || e.tag != Tag::Input)
            return e.text;
        const auto value = e.attr.find("value");
        return value == e.attr.end() ? "" : value->second;
    }
    bool displayed(Id id) const override {
        const auto& style = els.at(id).style;
        const auto display = style.find("display");
        return display == style.end() || display->second != "none";
    }
    bool disabled(Id id) const override {
        const Element& e = els.at(id);
        const auto it = e.attr.find(e.window ? "inert" : "disabled");
        return it != e.attr.end() && !it->second.empty();
    }
    Id focused() const override { return focusedId; }

    Element& at(Id id) {
        auto it = els.find(id);
        if (it == els.end())
            throw std::logic_error("no element " + std::to_string(id));
        return it->second;
    }
    bool shown(Id id) { return at(id).style["display"] != "none"; }
};

struct WebProgram : TestProgram {
    RecordingPage page;
    mt::web::WebBinding web{app, page, {.zoom = 1.25, .workWidth = 1366, .workHeight = 768}};

    RecordingPage::Element& of(const mt::Control& c) { return page.at(web.element(c)); }
    // The units drill, from the welcome screen by the child's clicks.
    Tafels& openDrill() {
        app.click(app.frmmecenaat1().cmdkombinnen);
        app.click(app.frmbasis().Command7);
        app.click(app.frmSplash().cmdvervoer);
        return app.tafels(Level::E);
    }
    RecordingPage::Element& of(const mt::Screen& s) { return page.at(web.window(s)); }
    bool hasFocus(const mt::Control& c) { return page.focused() == web.element(c); }
    // What the child would see as the windows up, by screen name.
    std::vector<std::string> shownWindows() {
        std::vector<std::string> out;
        for (mt::Screen* s : app.loadedScreens())
            if (web.window(*s) && page.shown(web.window(*s)))
                out.push_back(s->name());
        return out;
    }
};

// The program starts by itself in the fixture, so the binding follows screens made before it too.
TEST(WebBinding, MirrorsTheScreensUpAtStartAndAfterClicks) {
    WebProgram t;
    EXPECT_EQ(t.shownWindows(), (std::vector<std::string>{"MDIForm2", "frmmecenaat1"}));
    EXPECT_TRUE(t.of(t.app.mdiForm2()).menuBar);
    EXPECT_FALSE(t.of(t.app.frmmecenaat1()).menuBar);
    EXPECT_EQ(t.of(t.app.frmmecenaat1()).attr["data-screen"], "frmmecenaat1");
    t.web.click(t.web.element(t.app.frmmecenaat1().cmdkombinnen));
    EXPECT_EQ(t.shownWindows(), (std::vector<std::string>{"MDIForm2", "frmbasis"}));
    EXPECT_EQ(t.of(t.app.mdiForm2()).attr["inert"], "inert") << "the frame takes no input while off";
    EXPECT_EQ(t.of(t.app.frmbasis()).text, "K E U Z E B O R D") << "the title bar keeps its spaced caption";
    EXPECT_GT(t.of(t.app.frmbasis()).z, 0) << "a screen comes up over the frame";
}

// A window's entry in the task strip brings it over the others and into use, the frame too; a
// switched-off window's entry brings the screen in use instead and leaves the activation there.
TEST(WebBinding, TheTaskStripBringsAWindowForward) {
    WebProgram t;
    t.app.click(t.app.frmmecenaat1().cmdkombinnen);
    MDIForm2& frame = t.app.mdiForm2();
    Frmbasis& board = t.app.frmbasis();
    ASSERT_FALSE(frame.enabled());
    t.page.raise(t.web.window(frame)); // as if the board had gone behind
    t.web.bringForward(t.web.window(frame));
    EXPECT_GT(t.of(board).z, t.of(frame).z) << "the frame is off: the board comes forward";
    EXPECT_EQ(t.app.active(), &board);

    t.app.click(board.Command7);
    t.app.click(t.app.frmSplash().Command1);
    t.app.click(board.Command5);
    Frmmaal4& exercise = t.app.frmmaal4();
    ASSERT_TRUE(frame.enabled());
    ASSERT_EQ(t.app.active(), &exercise);
    t.web.bringForward(t.web.window(frame));
    EXPECT_GT(t.of(frame).z, t.of(exercise).z) << "the frame's menu is in reach";
    EXPECT_EQ(t.app.active(), &frame);
    t.web.bringForward(t.web.window(exercise));
    EXPECT_GT(t.of(exercise).z, t.of(frame).z);
    EXPECT_EQ(t.app.active(), &exercise);
    EXPECT_TRUE(t.web.screen(t.page.focused()) == &exercise) << "the focus follows into the exercise";
    // The entry of a window that is gone does nothing.
    ASSERT_FALSE(board.visible());
    const int top = t.page.topZ;
    t.web.bringForward(t.web.window(board));
    EXPECT_EQ(t.page.topZ, top);
    EXPECT_EQ(t.app.active(), &exercise);
}

// Each control is made once; showing a screen again reuses what it had, and a change touches only
// the control it is about.
TEST(WebBinding, ElementsAreMadeOnceAndUpdatedInPlace) {
    WebProgram t;
    t.web.click(t.web.element(t.app.frmmecenaat1().cmdkombinnen));
    t.web.click(t.web.element(t.app.frmbasis().Command7));
    const int made = t.page.created;
    FrmSplash& levels = t.app.frmSplash();
    t.app.click(levels.Command1); // back to the board: the level choice is only hidden
    t.app.frmbasis().Command7.Click();
    EXPECT_EQ(t.page.created, made);

    t.page.calls.clear();
    levels.cmdhuis.setCaption("twintig");
    EXPECT_EQ(t.of(levels.cmdhuis).text, "twintig");
    EXPECT_EQ(t.of(levels.cmdhuis).attr["aria-label"], "twintig");
    EXPECT_EQ(t.page.created, made);
    for (const std::string& call : t.page.calls)
        EXPECT_EQ(call.rfind("style " + std::to_string(t.web.element(levels.cmdhuis)) + " ", 0), 0u) << call;
}

// Twips to pixels with the zoom, windows where the model puts them and inside the viewport.
TEST(WebBinding, PlacesControlsAndWindowsByTheZoom) {
    WebProgram t;
    EXPECT_EQ(t.web.px(1500), 125);
    Frmmecenaat1& welcome = t.app.frmmecenaat1();
    auto& frame = t.of(welcome.Frame1(1));
    EXPECT_EQ(frame.style["left"], "20px");
    EXPECT_EQ(frame.style["top"], "20px");
    EXPECT_EQ(frame.style.count("transform"), 0u) << "a control that stays has no transform";
    EXPECT_EQ(frame.style["width"], "710px");
    EXPECT_EQ(frame.style["height"], "510px");
    const mt::Control& inFrame = *welcome.control("cmdkombinnen");
    EXPECT_EQ(t.of(inFrame).parent, t.web.element(*inFrame.container())) << "a control stands in its frame";

    auto& main = t.of(t.app.mdiForm2());
    EXPECT_EQ(main.style["--cw"], "990px");
    EXPECT_EQ(main.style["--ch"], "668px");
    // Centred by the model on the 1280 x 1024 display of the test metrics; the viewport is lower.
    EXPECT_EQ(main.style["left"],
              std::to_string(t.web.px(t.app.mdiForm2().left()) - mt::web::frameExtraWidth / 2) + "px");
    EXPECT_EQ(main.style["top"], std::to_string(768 - 668 - mt::web::frameExtraHeight) + "px");
    EXPECT_EQ(mt::web::WebBinding::cssFont({.family = "Comic Sans MS", .points = 12, .bold = true}, 1.25),
              "bold 20px \"Comic Sans MS\"");
}

// The falling problem moves by its transform alone: no size, no layout.
TEST(WebBinding, AFallingProblemOnlyMoves) {
    WebProgram t;
    Tafels& drill = t.openDrill();
    t.random.queue({0.65, 0.5});
    t.app.click(drill.cmdstarter(6));
    const std::string id = std::to_string(t.web.element(drill.lblvalprobleem));
    const std::string before = t.of(drill.lblvalprobleem).style["transform"];
    t.page.calls.clear();
    t.clock.advance(300);
    // Three steps of 30 twips at zoom 1.25, from where the problem stood when the run began.
    EXPECT_NE(t.of(drill.lblvalprobleem).style["transform"], before);
    EXPECT_EQ(t.of(drill.lblvalprobleem).style["transform"],
              "translate(" +
                  std::to_string(t.web.px(drill.lblvalprobleem.left()) -
                                 std::stoi(t.of(drill.lblvalprobleem).style["left"])) +
                  "px," +
                  std::to_string(t.web.px(drill.lblvalprobleem.top()) -
                                 std::stoi(t.of(drill.lblvalprobleem).style["top"])) +
                  "px)");
    ASSERT_FALSE(t.page.calls.empty());
    for (const std::string& call : t.page.calls)
        EXPECT_EQ(call, "style " + id + " transform");
    EXPECT_EQ(t.of(drill.lblvalprobleem).style["will-change"], "transform") << "moved on a layer of its own";
    EXPECT_EQ(t.of(drill.Lblchrono).style.count("will-change"), 0u)
        << "what stays put shares its window's layer";
}

// The names a screen reader hears, by the desktop's rule; decoration keeps quiet.
TEST(WebBinding, NamesForDialogsButtonsBoxesAndDecoration) {
    WebProgram t;
    EXPECT_EQ(t.of(t.app.frmmecenaat1()).attr["aria-label"], "Welkom");
    Frmbasis& board = t.app.frmbasis();
    EXPECT_EQ(t.of(board).attr["aria-label"], "Keuzebord");
    EXPECT_EQ(t.of(board.cmdeinde).tag, Page::Tag::Button);
    EXPECT_EQ(t.of(board.cmdeinde).attr["aria-label"], "Stop");
    EXPECT_EQ(t.of(board.cmdeinde).picture, "shell/stop");

    Tafels& drill = t.app.tafels(Level::E);
    EXPECT_EQ(t.of(drill.txtAntwoord).tag, Page::Tag::Input);
    EXPECT_EQ(t.of(drill.txtAntwoord).attr["aria-label"], "Antwoord");
    EXPECT_EQ(t.of(drill.txtAntwoord).attr["aria-description"], "Typ hier je antwoord");
    drill.show();
    t.random.queue({0.4, 0.5});
    t.app.click(drill.cmdstarter(6));
    EXPECT_EQ(t.of(drill.txtAntwoord).attr["aria-label"], mt::plainWords(drill.lblvalprobleem.caption()))
        << "the answer box follows its question";

    int quiet = 0;
    for (mt::Control* c : drill.controls()) {
        auto id = t.web.element(*c);
        if (!id)
            continue;
        auto& e = t.page.at(id);
        const bool decoration = (c->kind() == mt::Kind::Image && mt::accessibleName(*c).empty()) ||
                                c->kind() == mt::Kind::Shape || c->kind() == mt::Kind::Line;
        if (decoration) {
            ++quiet;
            EXPECT_EQ(e.attr["aria-hidden"], "true") << c->fullName();
        }
    }
    EXPECT_GT(quiet, 3);
}

// The model's focus is the page's, with the keys fed as the desktop feeds them.
TEST(WebBinding, KeysMoveTheFocusAndPressButtons) {
    WebProgram t;
    EXPECT_TRUE(t.hasFocus(t.app.frmmecenaat1().cmdkombinnen));
    EXPECT_TRUE(t.web.keyDown({.key = "Enter"}));
    Frmbasis& board = t.app.frmbasis();
    ASSERT_TRUE(board.visible());
    EXPECT_TRUE(t.hasFocus(board.Command2));
    EXPECT_TRUE(t.web.keyDown({.key = "Tab"}));
    EXPECT_TRUE(t.hasFocus(board.Command3));
    EXPECT_TRUE(t.web.keyDown({.key = "Tab", .shift = true}));
    EXPECT_TRUE(t.hasFocus(board.Command2));
    EXPECT_TRUE(t.web.keyDown({.key = "ArrowDown"}));
    EXPECT_TRUE(t.hasFocus(board.Command3));
    EXPECT_FALSE(t.web.keyDown({.key = "F5"})) << "the browser's own keys stay the browser's";

    EXPECT_FALSE(t.web.keyDown({.key = "r", .ctrl = true}));

    t.web.focused(t.web.element(board.Command7)); // a screen reader moved it
    EXPECT_EQ(board.focus(), &board.Command7);
    EXPECT_TRUE(t.web.keyDown({.key = " "}));
    EXPECT_TRUE(t.app.frmSplash().visible());
    EXPECT_TRUE(t.hasFocus(t.app.frmSplash().cmdvervoer));
}

// Typing: a text box types for itself and reports the edit; the model's verdict shows.
TEST(WebBinding, TextBoxesTypeThemselvesAndShowTheModel) {
    WebProgram t;
    Tafels& drill = t.openDrill();
    t.random.queue({0.4, 0.1});
    t.app.click(drill.cmdstarter(4));
    ASSERT_EQ(drill.lblvalprobleem.caption(), "4 x 5 = ?");
    EXPECT_TRUE(t.hasFocus(drill.txtAntwoord));
    EXPECT_FALSE(t.web.keyDown({.key = "2"})) << "the box types the digit itself";
    t.web.edited(t.web.element(drill.txtAntwoord), "2");
    EXPECT_EQ(drill.txtAntwoord.text(), "2");
    EXPECT_EQ(t.of(drill.txtAntwoord).attr["value"], "2");
    t.web.edited(t.web.element(drill.txtAntwoord), "20");
    EXPECT_EQ(drill.Lbltotaal.caption(), "1");
    EXPECT_EQ(t.of(drill.txtAntwoord).attr["value"], "") << "a right answer empties the box on the page too";
    t.web.edited(t.web.element(drill.txtAntwoord), "a");
    ASSERT_EQ(t.box.shown().size(), 1u);
    EXPECT_EQ(t.box.shown().front().title, "Let eens op !!");
    EXPECT_EQ(t.of(drill.txtAntwoord).attr["value"], "");
}

// A screen that writes down the keys its KeyPress sees, and swallows "x".
class Keys final : public mt::Screen {
public:
    explicit Keys(mt::Program& p) : Screen(p, "keys", {.width = 3000, .height = 2000}) {}
    void Form_KeyPress(int& k) override {
        keys += char(k);
        if (k == 'x')
            k = 0;
    }
    mt::TextBox box{*this, "box", {}};
    std::string keys;
};

// An on-screen keyboard's text: each character through KeyPress as a key, and the page shows what
// the model kept; an edit from keys the program saw already goes in as it is.
TEST(WebBinding, TextFromAKeyboardWithoutKeysGoesThroughKeyPress) {
    WebProgram t;
    t.app.define("keys", [](mt::Program& p) { return std::make_unique<Keys>(p); });
    auto& k = t.app.use<Keys>("keys");
    k.show();
    const auto box = t.web.element(k.box);
    EXPECT_EQ(t.page.at(box).attr["inputmode"], "numeric") << "a box to type in asks for digits";
    t.web.typed(box, "1x2");
    EXPECT_EQ(k.keys, "1x2");
    EXPECT_EQ(k.box.text(), "12");
    EXPECT_EQ(t.page.at(box).attr["value"], "12") << "the page drops what KeyPress swallowed";
    t.web.typed(box, "1");
    EXPECT_EQ(k.keys, "1x2\b") << "one character less is a Backspace";
    t.web.edited(box, "1x");
    EXPECT_EQ(k.keys, "1x2\b") << "an edit does not go through KeyPress again";
    EXPECT_EQ(k.box.text(), "1x");
}

// The viewport turned: every control placed anew at the new zoom, the falling problem moving on
// from there, the windows kept inside the new viewport.
TEST(WebBinding, AViewportOfAnotherSizeRedrawsAtItsZoom) {
    WebProgram t;
    Tafels& drill = t.openDrill();
    t.app.click(drill.cmdstarter(6));
    t.clock.advance(300);
    ASSERT_NE(t.of(drill.lblvalprobleem).style["transform"], "");

    EXPECT_EQ(mt::web::viewportZoom(768, 1024), 0.95);
    t.web.viewportChanged(0.95, 768, 1024);
    auto& problem = t.of(drill.lblvalprobleem);
    EXPECT_EQ(problem.style["left"], std::to_string(t.web.px(drill.lblvalprobleem.left())) + "px");
    EXPECT_EQ(problem.style["top"], std::to_string(t.web.px(drill.lblvalprobleem.top())) + "px");
    EXPECT_EQ(problem.style["transform"], "") << "placed where it stands now";
    EXPECT_EQ(problem.style["font"], mt::web::WebBinding::cssFont(drill.lblvalprobleem.font(), 0.95));
    EXPECT_EQ(t.of(drill).style["--cw"], std::to_string(t.web.px(drill.width())) + "px");
    for (mt::Screen* s : {static_cast<mt::Screen*>(&t.app.mdiForm2()), static_cast<mt::Screen*>(&drill)}) {
        const int left = std::stoi(t.of(*s).style["left"]), top = std::stoi(t.of(*s).style["top"]);
        EXPECT_GE(left, 0) << s->name();
        EXPECT_LE(left + t.web.px(s->width()) + mt::web::frameExtraWidth, 768) << s->name();
        EXPECT_GE(top, 0) << s->name();
        EXPECT_LE(top + t.web.px(s->height()) + mt::web::frameExtraHeight, 1024) << s->name();
    }
    const int top = drill.lblvalprobleem.top();
    t.clock.advance(100);
    ASSERT_GT(drill.lblvalprobleem.top(), top);
    EXPECT_EQ(problem.style["transform"],
              "translate(0px," + std::to_string(t.web.px(drill.lblvalprobleem.top()) - t.web.px(top)) + "px)")
        << "and falls on from there";
}

// A screen built ahead, hidden, before the viewport changed opens placed and sized at the new zoom.
TEST(WebBinding, ScreensBuiltAheadOpenAtTheZoomOfTheirOpening) {
    WebProgram t;
    while (t.web.prepareNext()) {
    }
    t.web.viewportChanged(0.95, 768, 1024);
    Tafels& drill = t.openDrill();
    for (mt::Control* c :
         {static_cast<mt::Control*>(&drill.lblvalprobleem), static_cast<mt::Control*>(&drill.cmdstop)}) {
        auto& e = t.of(*c);
        EXPECT_EQ(e.style["left"], std::to_string(t.web.px(c->left())) + "px") << c->fullName();
        EXPECT_EQ(e.style["width"], std::to_string(t.web.px(c->width())) + "px") << c->fullName();
        EXPECT_EQ(e.style["transform"], "") << c->fullName() << " is placed, not moved there";
        EXPECT_EQ(e.style["font"], mt::web::WebBinding::cssFont(c->font(), 0.95)) << c->fullName();
    }
    EXPECT_EQ(t.of(drill).style["--cw"], std::to_string(t.web.px(drill.width())) + "px");
}

// When a drill's run is over no button has the focus, so that a reflex Enter does nothing; an
// arrow gives the focus back to a button, and the page shows it there.
TEST(WebBinding, ArrowsWithoutFocusFindAButton) {
    WebProgram t;
    Tafels& drill = t.openDrill();
    t.app.click(drill.cmdstarter(6));
    t.clock.advance(62000);
    ASSERT_TRUE(drill.cmdstop.visible());
    ASSERT_EQ(drill.focus(), nullptr);
    EXPECT_EQ(t.page.focused(), t.web.window(drill)) << "the window holds the keys";
    EXPECT_TRUE(t.web.keyDown({.key = "Enter"}));
    EXPECT_TRUE(drill.visible()) << "a reflex Enter does nothing";
    EXPECT_TRUE(t.web.keyDown({.key = "ArrowRight"}));
    ASSERT_NE(drill.focus(), nullptr);
    EXPECT_EQ(drill.focus()->kind(), mt::Kind::Button);
    EXPECT_TRUE(t.hasFocus(*drill.focus()));
}

// The A-klas hundred field only shows: read-only on the page, out of reach of the mouse.
TEST(WebBinding, ReadOnlyBoxesOnlyShow) {
    WebProgram t;
    int readOnly = 0;
    for (const std::string& name : t.app.definedNames())
        for (mt::Control* c : t.app.use(name).controls())
            if (c->kind() == mt::Kind::TextBox) {
                const bool only = static_cast<mt::TextBox*>(c)->readOnly();
                readOnly += only;
                EXPECT_EQ(t.of(*c).attr["readonly"], only ? "readonly" : "") << name << "." << c->fullName();
                EXPECT_EQ(t.of(*c).style["pointer-events"], only ? "none" : "")
                    << name << "." << c->fullName();
                EXPECT_EQ(t.of(*c).attr["inputmode"], only ? "" : "numeric") << name << "." << c->fullName();
            }
    EXPECT_GE(readOnly, 100);
}

// Ctrl+S is the frame's menu item, only while the frame is on; the browser never saves the page.
TEST(WebBinding, TheMenuShortcutFollowsTheFrame) {
    WebProgram t;
    MDIForm2& frame = t.app.mdiForm2();
    EXPECT_EQ(t.of(frame.aftrek2).tag, Page::Tag::MenuItem);
    EXPECT_EQ(t.of(frame.aftrek2).parent, t.web.element(frame.aftrek));
    EXPECT_EQ(t.of(frame.aftrek2).text, "&Basis");
    EXPECT_TRUE(t.web.keyDown({.key = "s", .ctrl = true}));
    EXPECT_TRUE(t.app.frmbasis().visible());
    EXPECT_FALSE(frame.enabled());
    t.app.frmbasis().hide();
    EXPECT_TRUE(t.web.keyDown({.key = "S", .ctrl = true})) << "taken, though the frame is off";
    EXPECT_FALSE(t.app.frmbasis().visible());
}

// The close box asks the model; a discarded screen's window is hidden, its elements kept for the
// screen's next opening, which shows the new screen as it is and not what the old one left.
TEST(WebBinding, CloseBoxesAndDiscardedScreens) {
    WebProgram t;
    Tafels& drill = t.openDrill();
    const auto window = t.web.window(drill);
    const auto stop = t.web.element(drill.cmdstop), count = t.web.element(drill.lblaantal);
    const auto falling = t.web.element(drill.lblvalprobleem);
    t.app.click(drill.cmdstarter(6));
    t.clock.advance(62000);
    ASSERT_TRUE(drill.cmdstop.visible());
    ASSERT_NE(t.page.at(falling).style["transform"], "");
    ASSERT_NE(t.page.at(count).text, "0");
    t.web.closeBox(window); // the run is over: its way back, the stop button, is on offer
    EXPECT_EQ(t.app.find("TafelsE"), nullptr);
    EXPECT_FALSE(t.page.shown(window));
    EXPECT_EQ(t.web.control(stop), nullptr);
    t.web.click(stop); // a late click on what is gone does nothing
    EXPECT_EQ(t.shownWindows(), (std::vector<std::string>{"MDIForm2", "frmSplash"}));

    const int made = t.page.created;
    t.app.click(t.app.frmSplash().cmdvervoer);
    Tafels& again = t.app.tafels(Level::E);
    EXPECT_EQ(t.page.created, made) << "the same elements again";
    EXPECT_EQ(t.web.window(again), window);
    EXPECT_TRUE(t.page.shown(window));
    EXPECT_EQ(t.web.element(again.lblaantal), count);
    EXPECT_EQ(t.page.at(count).text, again.lblaantal.caption());
    EXPECT_EQ(t.page.at(falling).style["transform"], "");
    EXPECT_EQ(t.shownWindows(), (std::vector<std::string>{"MDIForm2", "TafelsE"}));
    t.web.click(t.web.element(again.cmdstarter(6)));
    EXPECT_FALSE(again.cmdstarter(6).visible()) << "the kept elements take input for the new screen";
}

// A binding that goes takes its windows with it, the hidden ones kept for a next opening too: a
// new program on the same page (the scenario page runs one per file) starts on an empty page.
TEST(WebBinding, AnEndedBindingLeavesAnEmptyPage) {
    RecordingPage page;
    TestProgram t;
    {
        mt::web::WebBinding web{t.app, page, {.zoom = 1, .workWidth = 1366, .workHeight = 768}};
        ASSERT_TRUE(web.prepareNext());
        t.app.click(t.app.frmmecenaat1().cmdkombinnen); // the welcome screen goes into hiding
        ASSERT_FALSE(page.els.empty());
    }
    EXPECT_TRUE(page.els.empty()) << page.els.size() << " elements left";
}

// Another program on the same page starts its ids at 1 again: nothing of the last one may be left,
// not even the hidden windows kept for a next opening.
TEST(WebBinding, RemovingTheWindowsLeavesAnEmptyPage) {
    WebProgram t;
    t.app.click(t.app.frmmecenaat1().cmdkombinnen);
    ASSERT_TRUE(t.web.prepareNext()) << "a screen built ahead, hidden";
    t.web.removeWindows();
    EXPECT_TRUE(t.page.els.empty()) << t.page.els.size() << " elements left";
    EXPECT_EQ(t.web.window(t.app.frmbasis()), 0);
    t.web.bringForward(1); // input for what was there does nothing
    EXPECT_TRUE(t.page.els.empty());
}

// What the page holds for a control, the attributes and styles it was told to drop left out.
std::map<std::string, std::string> shown(RecordingPage::Element& e) {
    std::map<std::string, std::string> out{{"text", e.text}, {"picture", e.picture}};
    for (auto& [k, v] : e.style)
        if (!v.empty())
            out["style " + k] = v;
    for (auto& [k, v] : e.attr)
        if (!v.empty() && k != "value")
            out[k] = v;
    return out;
}

// Every screen built ahead, hidden, while the child looks at the welcome screen; each one opened
// from the choice board then makes no element and shows what a screen built on opening shows.
TEST(WebBinding, ScreensBuiltAheadShowWhatTheyWouldShowBuiltOnOpening) {
    const std::vector<std::string> buttons{"Command2", "Command3", "Command4", "cmdkwartier",
                                           "Command8", "Command1", "Command5", "Command9",
                                           "Command6", "Command7", "cmdeinde"};
    for (const std::string& button : buttons) {
        WebProgram ahead, fresh;
        int prepared = 0;
        while (ahead.web.prepareNext())
            ++prepared;
        EXPECT_EQ(prepared, int(ahead.app.definedNames().size() - ahead.app.loadedScreens().size()));
        EXPECT_EQ(ahead.shownWindows(), fresh.shownWindows());
        const int made = ahead.page.created;
        for (WebProgram* t : {&ahead, &fresh}) {
            t->app.click(t->app.frmmecenaat1().cmdkombinnen);
            for (mt::Control* c : t->app.frmbasis().controls())
                if (c->name() == button)
                    t->web.click(t->web.element(*c));
        }
        ASSERT_EQ(ahead.shownWindows(), fresh.shownWindows()) << button;
        mt::Screen& a = *ahead.app.find(ahead.shownWindows().back());
        mt::Screen& f = *fresh.app.find(fresh.shownWindows().back());
        EXPECT_EQ(ahead.of(a).style, fresh.of(f).style) << a.name();
        for (std::size_t i = 0; i < a.controls().size(); ++i) {
            if (!ahead.web.element(*a.controls()[i]))
                continue;
            EXPECT_EQ(shown(ahead.of(*a.controls()[i])), shown(fresh.of(*f.controls()[i])))
                << a.name() << "." << a.controls()[i]->fullName();
        }
        EXPECT_EQ(ahead.page.created, made);
    }
}

// The about screen measures its scrolling text in the page's fonts, through the metrics.
TEST(WebBinding, StatusBarPanelsAndTheirTexts) {
    WebProgram t;
    t.app.click(t.app.frmmecenaat1().cmdkombinnen);
    t.app.click(t.app.frmbasis().cmdeinde);
    Frminfo& about = t.app.frminfo();
    auto& bar = t.of(about.StatusBar1);
    std::vector<RecordingPage::Element*> panels;
    for (auto& [id, e] : t.page.els)
        if (e.parent == t.web.element(about.StatusBar1) && e.tag == Page::Tag::StatusPanel) {
            panels.push_back(&e);
            EXPECT_EQ(t.web.control(id), &about.StatusBar1) << "the mouse on a panel is on the bar";
        }
    ASSERT_EQ(panels.size(), std::size_t(about.StatusBar1.panelCount()));
    EXPECT_EQ(bar.tag, Page::Tag::StatusBar);
    EXPECT_EQ(panels[2]->attr["data-clock"], "date");
    EXPECT_EQ(panels[3]->attr["data-clock"], "time");
    t.clock.advance(1500);
    EXPECT_EQ(panels[0]->text, about.StatusBar1.panel(1).text);
    EXPECT_NE(panels[0]->text, "");
}

// Colours as the desktop draws a button: Qt's darker and lighter, to within one step of its
// 16-bit rounding.
void expectNear(mt::Color got, mt::Color want) {
    EXPECT_NEAR(got.r, want.r, 1) << mt::web::hex(got) << " for " << mt::web::hex(want);
    EXPECT_NEAR(got.g, want.g, 1) << mt::web::hex(got) << " for " << mt::web::hex(want);
    EXPECT_NEAR(got.b, want.b, 1) << mt::web::hex(got) << " for " << mt::web::hex(want);
}

TEST(WebColour, DarkerAndLighterAsOnTheDesktop) {
    using mt::Color;
    EXPECT_EQ(mt::web::hex(Color::rgb(128, 0, 0)), "#800000");
    EXPECT_EQ(mt::web::hex(Color::buttonFace()), "#efefef");
    EXPECT_EQ(mt::web::hex(Color::windowBackground()), "#ffffff");
    expectNear(mt::web::darker(Color::rgb(128, 0, 0), 160), Color::rgb(80, 0, 0));
    expectNear(mt::web::darker(Color::rgb(255, 255, 255), 200), Color::rgb(127, 127, 127));
    expectNear(mt::web::darker(Color::rgb(255, 236, 139), 115), Color::rgb(222, 205, 121));
    expectNear(mt::web::lighter(Color::rgb(128, 0, 0), 130), Color::rgb(167, 0, 0));
    // Past white, lighter takes the saturation down instead.
    expectNear(mt::web::lighter(Color::rgb(239, 239, 239), 130), Color::rgb(255, 255, 255));
    expectNear(mt::web::lighter(Color::rgb(255, 0, 0), 150), Color::rgb(255, 128, 128));
}

} // namespace
