// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

#include "platform/qt/widgets.h"
#include "tests/qtprogram.h"
#include "tools/scenario/scenario.h"

// Everything the program writes must be readable at every zoom it can choose: no caption cut off
// (its descenders included), no control standing out of its window or frame, no text crossing the
// border of a panel behind it. The captions are the ones the program really writes: every scenario
// is played, and at the end of each event every control on display is looked at.
namespace {

using mt::Control;
using mt::Kind;

// A control on display with a text, as the child saw it.
struct Seen {
    std::string screen, control;
    int index;
    std::string text;
    auto operator<=>(const Seen&) const = default;
};

// A control's box in twips, from the top left of its screen's client area.
struct Box {
    int left, top, right, bottom;
    Box(int l, int t, int r, int b) : left(l), top(t), right(r), bottom(b) {}
    explicit Box(const Control& c) {
        const auto b = c.bounds();
        left = b.left;
        top = b.top;
        right = b.right;
        bottom = b.bottom;
        // A line's far end may lie left of or above its near end.
        if (right < left)
            std::swap(left, right);
        if (bottom < top)
            std::swap(top, bottom);
    }
    bool inside(const Box& o, int margin = 0) const {
        return left >= o.left + margin && top >= o.top + margin && right <= o.right - margin &&
               bottom <= o.bottom - margin;
    }
    bool overlaps(const Box& o) const {
        return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
};

constexpr int twipsPerPixel = 15;

// What the child reads or presses.
bool carriesText(const Control& c) {
    switch (c.kind()) {
    case Kind::Label:
        return !c.caption().empty();
    case Kind::Button:
    case Kind::TextBox:
        return true;
    default:
        return false;
    }
}

// Watches a program through a scenario: what it shows, and where what it shows stands.
class Watcher final : public mt::ProgramObserver {
public:
    Watcher(mt::Program& p, std::set<Seen>& seen, std::set<std::string>& misplaced)
        : m_program(p), m_seen(seen), m_misplaced(misplaced) {}
    void eventDone() override {
        for (mt::Screen* s : m_program.loadedScreens())
            if (s->visible())
                look(*s);
    }

private:
    void look(const mt::Screen& s) {
        const Box client(0, 0, s.width(), s.height());
        const auto& all = s.controls();
        for (std::size_t i = 0; i < all.size(); ++i) {
            const Control& c = *all[i];
            if (!c.shown() || c.kind() == Kind::Timer || c.kind() == Kind::Menu || c.kind() == Kind::MenuItem)
                continue;
            record(c);
            const Box box(c);
            const std::string where = s.name() + "." + c.fullName();
            const Box within = c.container() ? Box(*c.container()) : client;
            if (!box.inside(within))
                m_misplaced.insert(where + " stands out of " +
                                   (c.container() ? c.container()->fullName() : "the window"));
            // Flush with the top or left edge is a board laid out from the corner; flush with the
            // bottom or right edge looks cut off by the window, unless it is a backdrop from edge to
            // edge (or a status bar, which belongs there).
            const bool backdrop =
                (box.top <= 0 && box.bottom >= s.height()) || (box.left <= 0 && box.right >= s.width());
            if (!c.container() && c.kind() != Kind::StatusBar && !backdrop &&
                (box.right > s.width() - twipsPerPixel || box.bottom > s.height() - twipsPerPixel))
                m_misplaced.insert(where + " runs into the window's edge");
            if (!carriesText(c))
                continue;
            // A panel drawn behind it: the text stands inside its border, or clear of it.
            for (std::size_t k = 0; k < i; ++k) {
                const Control& panel = *all[k];
                if (panel.kind() != Kind::Shape || !panel.borderColor() || !panel.shown())
                    continue;
                const Box p(panel);
                if (box.overlaps(p) && !box.inside(p, panel.borderWidth() * twipsPerPixel))
                    m_misplaced.insert(where + " crosses the border of " + panel.fullName());
            }
        }
    }
    void record(const Control& c) {
        std::string text;
        switch (c.kind()) {
        case Kind::Label:
        case Kind::Button:
        case Kind::Frame:
            text = c.caption();
            if (text.empty())
                return;
            break;
        case Kind::TextBox: {
            // What the child types is the child's; the box must hold a line of its font, and the
            // text the program writes into a box that only shows.
            const auto& box = static_cast<const mt::TextBox&>(c);
            if (box.readOnly())
                text = box.text();
            break;
        }
        default:
            return;
        }
        m_seen.insert({c.screen().name(), c.name(), c.index(), text});
    }

    mt::Program& m_program;
    std::set<Seen>& m_seen;
    std::set<std::string>& m_misplaced;
};

// Plays every scenario file headless and watches it.
void watchEveryScenario(std::set<Seen>& seen, std::set<std::string>& misplaced) {
    std::vector<std::string> files;
    for (const auto& e : std::filesystem::recursive_directory_iterator(SCENARIO_DIR))
        if (e.path().extension() == ".scn")
            files.push_back(e.path().string());
    std::sort(files.begin(), files.end());
    std::vector<std::unique_ptr<Watcher>> watchers;
    scenario::Options options;
    options.onStart = [&](mt::Program& p) {
        watchers.push_back(std::make_unique<Watcher>(p, seen, misplaced));
        p.addObserver(watchers.back().get());
    };
    std::ostringstream out;
    for (const std::string& f : files)
        scenario::runFile(f, options, out);
}

// Whether the widget shows the whole text, with its font and in the room it has. A row of
// underscores is a rule under a heading: it is drawn as far as the label goes.
bool fits(QWidget* w, const Control& c, const std::string& text) {
    const QString t =
        QString::fromStdString(text).replace("\r\n", "\n").replace(QRegularExpression("_{3,}"), "_");
    if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(t);
        const QRect room = label->contentsRect();
        const QRect needed =
            label->fontMetrics().boundingRect(room, int(label->alignment()) | Qt::TextWordWrap, t);
        return room.contains(needed);
    }
    if (auto* button = dynamic_cast<mt::qt::PictureButton*>(w)) {
        button->setText(t);
        return button->captionFits();
    }
    if (auto* panel = dynamic_cast<mt::qt::Panel*>(w)) {
        panel->setTitle(t, Qt::black);
        return panel->titleFits();
    }
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        // A line edit keeps a margin round its text of 2 px across and 1 px up and down, inside its
        // frame of 2 px if it has one.
        const QFontMetrics fm = edit->fontMetrics();
        const int frame = edit->hasFrame() ? 2 : 0;
        const QRect room = edit->rect().adjusted(frame + 2, frame + 1, -frame - 2, -frame - 1);
        return fm.height() <= room.height() && fm.horizontalAdvance(t) <= room.width();
    }
    ADD_FAILURE() << "no way to measure " << c.fullName();
    return false;
}

TEST(Fit, EveryTextFitsAtEveryZoom) {
    std::set<Seen> seen;
    std::set<std::string> misplaced;
    watchEveryScenario(seen, misplaced);
    ASSERT_GT(seen.size(), 500u) << "the scenarios showed too little to judge by";
    for (const std::string& m : misplaced)
        ADD_FAILURE() << m;

    // What does not fit, with the zooms at which it does not.
    std::map<Seen, std::vector<double>> cut;
    for (int step = 15; step <= 52; ++step) {
        const double zoom = step / 20.0;
        QtTestProgram test(zoom);
        for (const Seen& s : seen) {
            const Control* c = test.app.use(s.screen).control(s.control, s.index);
            ASSERT_NE(c, nullptr) << s.screen << "." << s.control;
            if (!fits(test.qt.widget(*c), *c, s.text))
                cut[s].push_back(zoom);
        }
    }
    for (const auto& [s, zooms] : cut) {
        std::ostringstream z;
        for (double x : zooms)
            z << " " << x;
        ADD_FAILURE() << s.screen << "." << s.control
                      << (s.index >= 0 ? "(" + std::to_string(s.index) + ")" : "") << " does not show "
                      << mt::describe(s.text) << " whole at zoom" << z.str();
    }
}

} // namespace
