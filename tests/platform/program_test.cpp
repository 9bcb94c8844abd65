// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "platform/program.h"

using namespace mt;

namespace {

// A small screen that writes down what happens to it.
class Probe : public Screen {
public:
    Probe(Program& p, std::vector<std::string>& log, std::string name = "probe")
        : Screen(p, std::move(name), {.width = 3000, .height = 2000}), log(log) {
        expose("loads", loads);
        fast.Tick = [this] { this->log.push_back("fast@" + std::to_string(program().clock().now())); };
        slow.Tick = [this] { this->log.push_back("slow@" + std::to_string(program().clock().now())); };
        quit.Click = [this] {
            unload();
            // Still running after the unload: the screen must not be gone under us.
            this->log.push_back("after unload " + caption());
            setCaption("changed while discarded");
        };
        ask.Click = [this] {
            this->log.push_back("box opens");
            program().msgbox("Je mag alleen cijfers invoegen", "Let eens op !!");
            this->log.push_back("box closed");
        };
    }
    void Form_Load() override {
        ++loads;
        log.push_back("Load");
    }
    void Form_Activate() override { log.push_back("Activate"); }

    Frame panel{*this, "panel", {.left = 0, .top = 0, .width = 1000, .height = 1000}};
    TextBox first{*this, "first", {.in = &panel}};
    Button hidden{*this, "hidden", {.visible = false}};
    Button quit{*this, "quit", {}};
    Button ask{*this, "ask", {}};
    TextBox note{*this, "note", {.text = "7", .readOnly = true}};
    Timer fast{*this, "fast", {.enabled = false, .interval = 100}};
    Timer slow{*this, "slow", {.enabled = false, .interval = 250}};
    int loads = 0;
    std::vector<std::string>& log;
};

class ProgramTest : public ::testing::Test {
protected:
    ProgramTest() : program({clock, box, random, metrics}) {
        program.define("probe", [this](Program& p) { return std::make_unique<Probe>(p, log); });
    }
    Probe& probe() { return program.use<Probe>("probe"); }

    VirtualClock clock;
    RecordingMessageBox box;
    Random random;
    FixedMetrics metrics;
    std::vector<std::string> log;
    Program program;
};

TEST_F(ProgramTest, LoadOnceActivateOnEveryShowAndAfreshAfterUnload) {
    EXPECT_EQ(program.find("probe"), nullptr);
    Probe& p = probe();
    EXPECT_EQ(log, (std::vector<std::string>{"Load"}));
    EXPECT_FALSE(p.visible());
    p.show();
    p.show(); // already the active screen: no second Activate
    p.hide();
    EXPECT_TRUE(program.find("probe"));
    p.show();
    EXPECT_EQ(log, (std::vector<std::string>{"Load", "Activate", "Activate"}));
    p.first.setText("kept");
    p.hide();
    p.show();
    EXPECT_EQ(probe().first.text(), "kept") << "hiding keeps every control's state";

    log.clear();
    p.unload();
    EXPECT_EQ(program.find("probe"), nullptr);
    Probe& again = probe();
    again.show();
    EXPECT_EQ(again.first.text(), "") << "unloading discards everything";
    EXPECT_EQ(again.loads, 1);
    EXPECT_EQ(log, (std::vector<std::string>{"Load", "Activate"}));
}

TEST_F(ProgramTest, ActivateRunsOnlyWhenTheChildReallyMovesToTheScreen) {
    program.define("other", [this](Program& p) { return std::make_unique<Probe>(p, log, "other"); });
    Probe& p = probe();
    Probe& other = program.use<Probe>("other");
    p.show();
    other.show();
    log.clear();
    program.activate(other); // the window system reports what the model already knows
    EXPECT_TRUE(log.empty());
    program.activate(p); // the child clicks the first window
    EXPECT_EQ(log, (std::vector<std::string>{"Activate"}));
    EXPECT_EQ(program.active(), &p);
    other.setEnabled(false);
    program.activate(other); // a switched-off window cannot take the activation
    EXPECT_EQ(log.size(), 1u);
    EXPECT_EQ(program.active(), &p);
}

TEST_F(ProgramTest, HidingAScreenThatIsNotLoadedLoadsItHidden) {
    probe().hide();
    ASSERT_TRUE(program.find("probe"));
    EXPECT_FALSE(probe().visible());
    EXPECT_EQ(log, (std::vector<std::string>{"Load"}));
}

TEST_F(ProgramTest, AHandlerMayUnloadItsOwnScreenAndCarryOn) {
    Probe& p = probe();
    p.show();
    program.click(p.quit);
    EXPECT_EQ(log.back(), "after unload ");
    EXPECT_EQ(program.find("probe"), nullptr);
    // The next use is a new instance with fresh state.
    EXPECT_EQ(probe().caption(), "");
}

TEST_F(ProgramTest, VirtualClockDeliversTicksInTimeOrderWithoutDrift) {
    Probe& p = probe();
    p.slow.setEnabled(true);
    p.fast.setEnabled(true);
    clock.advance(500);
    // At 500 both are due; slow was started first, so it goes first.
    EXPECT_EQ(log, (std::vector<std::string>{"Load", "fast@100", "fast@200", "slow@250", "fast@300",
                                             "fast@400", "slow@500", "fast@500"}));
    log.clear();
    // Advancing in odd steps lands on the same schedule: next due = last due + interval.
    for (int i = 0; i < 33; ++i)
        clock.advance(3);
    clock.advance(1);
    EXPECT_EQ(log, (std::vector<std::string>{"fast@600"}));
}

TEST_F(ProgramTest, TimerRestartsOnNewIntervalAndOnEnablingButNotOnSameInterval) {
    Probe& p = probe();
    p.fast.setEnabled(true);
    clock.advance(60);
    p.fast.setInterval(100); // same value: the running interval goes on
    clock.advance(40);
    EXPECT_EQ(log.back(), "fast@100");
    clock.advance(50);
    p.fast.setInterval(200); // a new interval starts afresh at 150
    clock.advance(199);
    EXPECT_EQ(log.back(), "fast@100");
    clock.advance(1);
    EXPECT_EQ(log.back(), "fast@350");
    p.fast.setEnabled(false);
    clock.advance(1000);
    EXPECT_EQ(log.back(), "fast@350");
    p.fast.setEnabled(true); // enabling a stopped timer starts afresh at 1350
    clock.advance(199);
    EXPECT_EQ(log.back(), "fast@350");
    clock.advance(1);
    EXPECT_EQ(log.back(), "fast@1550");
    p.fast.setInterval(0); // interval 0 never fires
    clock.advance(5000);
    EXPECT_EQ(log.back(), "fast@1550");
}

TEST_F(ProgramTest, TicksWaitWhileAMessageBoxIsOpenAndCoalesce) {
    Probe& p = probe();
    p.show();
    p.fast.setEnabled(true);
    p.slow.setEnabled(true);
    // The child takes 420 ms to press OK: four fast ticks and one slow tick fall due meanwhile.
    box.during = [this] { clock.advance(420); };
    log.clear();
    program.click(p.ask);
    ASSERT_EQ(box.shown().size(), 1u);
    EXPECT_EQ(box.shown().front().title, "Let eens op !!");
    // Nothing ran inside the handler; afterwards one tick of each timer, in the order they fell due.
    EXPECT_EQ(log, (std::vector<std::string>{"box opens", "box closed", "fast@420", "slow@420"}));
    box.during = nullptr;
    log.clear();
    clock.advance(80);
    EXPECT_EQ(log, (std::vector<std::string>{"fast@500", "slow@500"})) << "the schedule itself is kept";
}

TEST_F(ProgramTest, InputIsDroppedWhereTheChildCannotReach) {
    Probe& p = probe();
    int clicks = 0;
    p.hidden.Click = [&] { ++clicks; };
    p.quit.Click = [&] { ++clicks; };
    program.click(p.quit); // the screen is not shown
    p.show();
    program.click(p.hidden);
    p.quit.setEnabled(false);
    program.click(p.quit);
    EXPECT_EQ(clicks, 0);
    p.quit.setEnabled(true);
    p.setEnabled(false);
    program.click(p.quit);
    EXPECT_EQ(clicks, 0);
    p.setEnabled(true);
    program.click(p.quit);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ProgramTest, FocusOnlyGoesWhereItCanAndTabSkipsTheRest) {
    Probe& p = probe();
    p.first.setFocus(); // screen hidden
    EXPECT_EQ(p.focus(), nullptr);
    p.panel.setVisible(false);
    p.show();
    EXPECT_EQ(p.focus(), &p.quit) << "on showing, the first control that can take the focus has it";
    p.hidden.setFocus();
    EXPECT_EQ(p.focus(), &p.quit);
    p.first.setFocus(); // its frame is hidden
    EXPECT_EQ(p.focus(), &p.quit);
    p.panel.setVisible(true);
    p.first.setFocus();
    EXPECT_EQ(p.focus(), &p.first);
    p.tab();
    EXPECT_EQ(p.focus(), &p.quit) << "the hidden button is skipped";
    p.tab();
    EXPECT_EQ(p.focus(), &p.ask);
    p.tab();
    EXPECT_EQ(p.focus(), &p.first) << "round to the start";
}

TEST_F(ProgramTest, TheFocusMovesOnFromAControlThatGoesAwayOnlyToAnAnswerBox) {
    Probe& p = probe();
    p.show();
    ASSERT_EQ(p.focus(), &p.first);
    p.ask.setFocus();
    p.ask.setVisible(false);
    EXPECT_EQ(p.focus(), &p.first) << "a button that goes hands the focus to the answer box";
    p.ask.setVisible(true);
    p.quit.setFocus();
    p.first.setEnabled(false);
    p.quit.setVisible(false);
    EXPECT_EQ(p.focus(), nullptr) << "no answer box left: no button takes the focus by itself";
    p.quit.setVisible(true);
    EXPECT_EQ(p.focus(), nullptr) << "a control that comes back does not take it by itself";
    p.first.setEnabled(true);
    p.first.setFocus();
    p.panel.setVisible(false);
    EXPECT_EQ(p.focus(), nullptr) << "its frame hidden, and the other box only shows";
    // Tab, or an arrow, is how the child takes it up again.
    program.arrow(p, Direction::Down);
    EXPECT_EQ(p.focus(), &p.quit);
}

TEST_F(ProgramTest, AReadOnlyTextBoxOnlyShows) {
    Probe& p = probe();
    p.show();
    program.click(p.note);
    EXPECT_EQ(p.focus(), &p.first) << "a click takes no focus there";
    program.edit(p.note, "07");
    EXPECT_EQ(p.note.text(), "7");
    p.note.setFocus();
    EXPECT_EQ(p.focus(), &p.first);
    for (int i = 0; i < 4; ++i) {
        program.key(p, 9);
        EXPECT_NE(p.focus(), &p.note) << "Tab passes it by";
    }
}

// A text box whose Enter presses the screen's check, when the check is on offer.
class Answer : public Screen {
public:
    explicit Answer(Program& p) : Screen(p, "answer", {.width = 3000, .height = 2000}) {
        check.Click = [this] { ++checks; };
    }
    TextBox box{*this, "box", {.enterPresses = &check}};
    TextBox plain{*this, "plain", {.top = 500}};
    Button check{*this, "check", {.top = 1000}};
    int checks = 0;
};

TEST_F(ProgramTest, EnterInAnAnswerBoxPressesItsCheck) {
    program.define("answer", [](Program& p) { return std::make_unique<Answer>(p); });
    auto& a = program.use<Answer>("answer");
    a.show();
    ASSERT_EQ(a.focus(), &a.box);
    program.key(a, '4');
    program.key(a, 13);
    EXPECT_EQ(a.checks, 1);
    EXPECT_EQ(a.box.text(), "4") << "Enter types nothing";
    EXPECT_EQ(a.focus(), &a.box) << "the focus stays in the box";
    EXPECT_EQ(program.keyPreview(a, 13), 0) << "a binding's text box leaves Enter to the model";
    EXPECT_EQ(a.checks, 2);
    a.check.setVisible(false);
    program.key(a, 13);
    EXPECT_EQ(a.checks, 2) << "not on offer: nothing happens";
    a.check.setVisible(true);
    a.plain.setFocus();
    program.key(a, 13);
    EXPECT_EQ(a.checks, 2) << "a box without a check";
}

TEST_F(ProgramTest, ASwitchedOffWindowRefusesItsCloseBox) {
    struct Frame : Screen {
        explicit Frame(Program& p) : Screen(p, "frame", {.width = 3000, .height = 2000}) {}
        CloseRule closeRule() const override { return CloseRule::EndProgram; }
    };
    program.define("frame", [](Program& p) { return std::make_unique<Frame>(p); });
    Screen& frame = program.use("frame");
    frame.show();
    frame.setEnabled(false);
    EXPECT_FALSE(program.closable(frame));
    program.close(frame);
    EXPECT_FALSE(program.ended());
    frame.setEnabled(true);
    program.close(frame);
    EXPECT_TRUE(program.ended());
}

TEST_F(ProgramTest, AScreenComingBackKeepsItsFocusAndAClickTakesIt) {
    Probe& p = probe();
    int clicks = 0;
    p.ask.Click = [&] {
        EXPECT_EQ(p.focus(), &p.ask) << "the focus is there before Click runs";
        ++clicks;
    };
    p.show();
    program.click(p.ask);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(p.focus(), &p.ask);
    program.click(p.panel);
    EXPECT_EQ(p.focus(), &p.ask) << "a frame takes clicks, not the focus";
    program.click(p.first);
    EXPECT_EQ(p.focus(), &p.first) << "a text box takes it with a click, with or without a Click handler";
    p.hide();
    p.show();
    EXPECT_EQ(p.focus(), &p.first) << "a screen that comes back keeps the focus it had";
}

TEST_F(ProgramTest, KeysGoToTheFocusedControl) {
    Probe& p = probe();
    p.show();
    std::vector<std::string> changes;
    p.first.Change = [&] { changes.push_back(p.first.text()); };
    p.first.setFocus();
    program.key(p, '1');
    program.key(p, '2');
    program.key(p, 8);
    EXPECT_EQ(changes, (std::vector<std::string>{"1", "12", "1"}));
    int clicks = 0;
    p.ask.Click = [&] { ++clicks; };
    program.key(p, 9);
    program.key(p, 9);
    ASSERT_EQ(p.focus(), &p.ask);
    program.key(p, 13);
    program.key(p, 32);
    EXPECT_EQ(clicks, 2) << "Enter and Space click the focused button";
}

TEST_F(ProgramTest, EndingStopsEverything) {
    Probe& p = probe();
    p.show();
    p.fast.setEnabled(true);
    program.end();
    clock.advance(1000);
    int clicks = 0;
    p.ask.Click = [&] { ++clicks; };
    program.click(p.ask);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"Load", "Activate"}));
}

TEST(RandomTest, QueuedValuesFirstThenASeededGenerator) {
    Random a, b;
    a.queue({0.5, 0.25});
    a.reseed(7);
    EXPECT_EQ(a.rnd(), 0.5) << "reseeding keeps the queue";
    EXPECT_EQ(a.rnd(), 0.25);
    b.reseed(7);
    for (int i = 0; i < 100; ++i) {
        double x = a.rnd();
        EXPECT_EQ(x, b.rnd());
        EXPECT_GE(x, 0.0);
        EXPECT_LT(x, 1.0);
    }
}

// A screen that writes down every key its KeyPress sees, and swallows "x".
class Keys : public Screen {
public:
    explicit Keys(Program& p) : Screen(p, "keys", {.width = 3000, .height = 2000}) {
        box.Change = [this] { log.push_back("change " + box.text()); };
    }
    void Form_KeyPress(int& k) override {
        log.push_back("key " + std::to_string(k));
        if (k == 'x')
            k = 0;
    }
    TextBox box{*this, "box", {}};
    TextBox other{*this, "other", {.top = 500}};
    std::vector<std::string> log;
};

// A tablet's on-screen keyboard edits the box and sends no keys: what it typed at the end reaches
// the screen as keys would, one character at a time.
TEST_F(ProgramTest, TypingWithoutKeysReachesKeyPressAsKeysDo) {
    program.define("keys", [](Program& p) { return std::make_unique<Keys>(p); });
    auto& k = program.use<Keys>("keys");
    k.show();
    k.other.setFocus();
    program.typed(k.box, "12");
    EXPECT_EQ(k.log, (std::vector<std::string>{"key 49", "change 1", "key 50", "change 12"}));
    EXPECT_EQ(k.focus(), &k.box) << "the box typed into has the focus";
    k.log.clear();
    program.typed(k.box, "12x3");
    EXPECT_EQ(k.box.text(), "123") << "a swallowed key is not typed";
    EXPECT_EQ(k.log, (std::vector<std::string>{"key 120", "key 51", "change 123"}));
    k.log.clear();
    program.typed(k.box, "12");
    EXPECT_EQ(k.log, (std::vector<std::string>{"key 8", "change 12"})) << "one taken off the end: Backspace";
    k.log.clear();
    program.typed(k.box, "7");
    EXPECT_EQ(k.log, (std::vector<std::string>{"change 7"})) << "anything else is an edit, no keys";
    k.log.clear();
    program.typed(k.box, "7");
    EXPECT_TRUE(k.log.empty());
}

// The display changed size (a tablet turned): every screen that stands in the middle of it is
// centred again, on the new size.
TEST(Display, ScreensCentreAgainWhenItChanges) {
    struct Turning final : Metrics {
        int width = 1024 * 15, height = 768 * 15;
        int displayWidth() const override { return width; }
        int displayHeight() const override { return height; }
        int textWidth(const std::string&, const Font&) const override { return 0; }
        int twipsPerPixel() const override { return 15; }
    } metrics;
    VirtualClock clock;
    RecordingMessageBox box;
    Random random;
    std::vector<std::string> log;
    Program program({clock, box, random, metrics});
    program.define("probe", [&](Program& p) { return std::make_unique<Probe>(p, log); });
    Screen& p = program.use("probe");
    p.show();
    EXPECT_EQ(p.left(), (1024 * 15 - 3000) / 2);
    std::swap(metrics.width, metrics.height);
    program.displayChanged();
    EXPECT_EQ(p.left(), (768 * 15 - 3000) / 2);
    EXPECT_EQ(p.top(), (1024 * 15 - 2000) / 2);
}

} // namespace
