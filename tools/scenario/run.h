// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/services.h"
#include "shell/maaltafels.h"
#include "tools/scenario/driver.h"
#include "tools/scenario/scenario.h"

namespace scenario {

// A line that did not hold; the runner prints it as FILE:LINE: message.
struct Failure {
    std::string message;
};

[[noreturn]] void fail(std::string message);

// One fresh program, started, driven line by line through a driver: headless, through real
// widgets, or through a page.
class Run {
public:
    Run(const Options& options, std::ostream& out);
    ~Run();
    Run(const Run&) = delete;
    Run& operator=(const Run&) = delete;

    // Carries out one line of a scenario; throws Failure when it does not hold.
    void line(const Line& l);
    // Why the driver's view cannot take this line's input at all, if it cannot.
    std::optional<std::string> inexpressible(const Line& l) const;
    // Fails on a message box that nobody checked.
    void finish();

    // An input as the child gives it (click, menu, hover, type, settext, key, close): why it was
    // refused, if it was. Throws Failure on a line that makes no sense (no such control).
    std::optional<std::string> input(const Line& l);

    Maaltafels& program() { return *m_program; }
    const Maaltafels& program() const { return *m_program; }
    // Whether a view (widgets, a page) shows the program, to be checked against the model.
    bool hasView() const { return m_driver->hasView(); }
    mt::VirtualClock& clock() { return m_clock; }
    mt::RecordingMessageBox& messageBoxes() { return m_box; }

    // Every line that changed the program so far, as written: the way back to this state.
    const std::vector<std::string>& history() const { return m_history; }

    // With a view: the first place where it shows something other than the model holds (every
    // control's Visible, Enabled, Caption and Text, each window's caption, visibility and enabled
    // flag, and the focus). Nothing without a view.
    std::optional<std::string> widgetMismatch() const;

private:
    std::optional<std::string> act(const Line& l, std::size_t at);
    mt::Screen& screen(const std::string& name);
    mt::Control& control(const std::string& path);
    std::string unreachable(const mt::Control& c) const;
    void settle();
    // The child's hand goes to the text box: its screen becomes the active one, and the box takes
    // the focus without a click.
    void focusBox(mt::TextBox& box);
    void type(mt::TextBox& box, const std::string& text);
    void settext(mt::TextBox& box, const std::string& text);
    void key(mt::Screen& s, char32_t code);
    // Shift+Tab and the arrows: keys without a character code, named in the scenario. No arrow:
    // Shift+Tab.
    static std::optional<std::optional<mt::Direction>> focusKeyNamed(const std::string& name);
    void focusKey(mt::Screen& s, std::optional<mt::Direction> arrow);
    void wait(long long ms);
    void shot(mt::Screen& s, const std::string& name);
    mt::Value literal(const Line& l, std::size_t i);
    mt::Value read(const std::string& path, std::optional<mt::Value>* shown);
    void expect(const Line& l);

    const Options& m_options;
    std::ostream& m_out;
    std::unique_ptr<Driver> m_driver;
    mt::VirtualClock m_clock;
    mt::RecordingMessageBox m_box;
    mt::Random m_random;
    mt::FixedMetrics m_metrics;
    std::unique_ptr<mt::ProgramObserver> m_tracer;
    std::unique_ptr<Maaltafels> m_program;
    std::vector<std::string> m_history;
};

// "cmdstarter(3)" -> ("cmdstarter", 3); "cmdstart" -> ("cmdstart", -1)
std::pair<std::string, int> splitIndex(const std::string& word);

// "frmmaal4.txtproduct", "frmbasis.Command2": how a scenario names a control.
std::string pathOf(const mt::Control& c);

// A label's text as the widget shows it: line breaks without the CR.
std::string withoutCrLf(std::string s);

} // namespace scenario
