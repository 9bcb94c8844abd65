// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/scenario/walk.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <iomanip>
#include <iostream>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/numbers.h"
#include "tools/scenario/answers.h"
#include "tools/scenario/run.h"
#include "tools/scenario/trend.h"

namespace scenario {

namespace {

// The screen the child comes back to; reaching it, or the end, means nobody is stranded.
constexpr const char* choiceBoard = "frmbasis";

// What a walk can find. The values are the worker's exit status; anything else is a crash.
enum class Found {
    Mismatch = 10,
    Stranded = 11,
    Ended = 12,
    Error = 13,
    Uncovered = 14,
    Grown = 15,
    Diverged = 16, // the same inputs lead elsewhere without widgets
    Crash = 99
};

struct Finding {
    Found kind;
    std::string message;
};

const char* expectFor(Found kind) {
    switch (kind) {
    case Found::Mismatch:
        return "expect widgets";
    case Found::Stranded:
    case Found::Diverged:
        return "expect way out";
    case Found::Ended:
        return "expect running";
    default:
        return nullptr;
    }
}

const Options& headless() {
    static const Options o{};
    return o;
}

Line lineOf(const std::string& text) {
    std::vector<Line> lines;
    if (auto error = parse(text, lines))
        fail(*error);
    if (lines.size() != 1)
        fail("not one line: " + text);
    return lines.front();
}

// Carries out one line as a walk does: a refused input is no failure, it just does nothing.
bool perform(Run& run, const std::string& text) {
    const Line l = lineOf(text);
    const std::string& cmd = l.words[0];
    if (cmd == "wait" || cmd == "rnd" || cmd == "expect") {
        run.line(l);
        return true;
    }
    return !run.input(l);
}

std::unique_ptr<Run> replay(const std::vector<std::string>& lines) {
    auto run = std::make_unique<Run>(headless(), std::cout);
    for (const std::string& t : lines)
        perform(*run, t);
    run->messageBoxes().shown().clear();
    return run;
}

bool up(const mt::Screen& s) {
    return s.alive() && s.visible() && s.enabled();
}

bool someScreenUp(const Maaltafels& p) {
    for (mt::Screen* s : p.loadedScreens())
        if (up(*s))
            return true;
    return false;
}

bool home(const Maaltafels& p) {
    if (p.ended())
        return true;
    const mt::Screen* board = p.find(choiceBoard);
    return board && up(*board) && !p.messageBoxOpen();
}

bool clickable(const mt::Control& c) {
    return c.Click && c.clickTarget() == &c;
}

// A way forward the search may take: one or more lines, as the child gives them.
struct Move {
    enum Kind { Close, Menu, Answer, Button, Click, Wait } kind;
    std::vector<std::string> lines;
    const mt::Control* control = nullptr;
};

std::vector<Move> movesFrom(Run& run) {
    std::vector<Move> out;
    Maaltafels& p = run.program();
    for (mt::Screen* s : p.loadedScreens()) {
        if (!up(*s))
            continue;
        if (s->closeRule() == mt::CloseRule::WayBack && p.closable(*s))
            out.push_back({Move::Close, {"close " + s->name()}, nullptr});
        for (Answer& a : expectedAnswers(*s))
            out.push_back({Move::Answer, std::move(a.lines), a.control});
        for (const mt::Control* c : s->tabOrder()) {
            if (!c->reachable())
                continue;
            if (c->kind() == mt::Kind::MenuItem && c->Click)
                out.push_back({Move::Menu, {"menu " + pathOf(*c)}, c});
            else if (clickable(*c))
                out.push_back(
                    {c->kind() == mt::Kind::Button ? Move::Button : Move::Click, {"click " + pathOf(*c)}, c});
        }
    }
    return out;
}

std::size_t signature(const Run& run) {
    std::size_t h = 0;
    for (const std::string& l : stateOf(run))
        h = h * 1000003 + std::hash<std::string>{}(l);
    return h;
}

// One try at getting home from the replayed state. Variant 0 goes the obvious way: the way back,
// the menu, the answers a screen waits for, the buttons in tab order, other clicks, and waiting
// when nothing else is left; a move is made at most once in one state and a dozen times in all,
// so that nothing goes round for ever. The other variants pick at random, for an order the
// obvious way gets wrong.
bool tryWayHome(const std::vector<std::string>& history, int variant, std::mt19937_64& rng) {
    auto run = replay(history);
    std::set<std::pair<const mt::Control*, std::size_t>> triedHere;
    std::map<const mt::Control*, int> tried;
    long long pause = 1000, waited = 0;
    constexpr int steps = 300, cap = 12;
    constexpr long long longestWait = 16000, patience = 120000; // waiting with nothing else to do
    for (int step = 0; step < steps; ++step) {
        if (home(run->program()))
            return true;
        const std::size_t here = signature(*run);
        std::vector<Move> moves;
        for (Move& m : movesFrom(*run))
            if (!m.control || (!triedHere.count({m.control, here}) && tried[m.control] < cap))
                moves.push_back(std::move(m));
        const Move* pick = nullptr;
        if (variant == 0) {
            for (Move::Kind k : {Move::Close, Move::Menu, Move::Answer, Move::Button, Move::Click})
                for (const Move& m : moves)
                    if (!pick && m.kind == k)
                        pick = &m;
        } else if (!moves.empty() && std::uniform_int_distribution<int>(0, 3)(rng) != 0) {
            pick = &moves[std::uniform_int_distribution<std::size_t>(0, moves.size() - 1)(rng)];
        }
        std::vector<std::string> lines;
        if (pick) {
            lines = pick->lines;
            if (pick->control) {
                triedHere.insert({pick->control, here});
                ++tried[pick->control];
            }
            pause = 1000;
            waited = 0;
        } else {
            if (waited > patience)
                return false;
            lines = {"wait " + std::to_string(pause)};
            waited += pause;
            pause = std::min(pause * 2, longestWait);
        }
        for (const std::string& l : lines)
            perform(*run, l);
        run->messageBoxes().shown().clear();
    }
    return home(run->program());
}

std::optional<Finding> strandedFinding(const Run& run) {
    // The search goes without widgets, so the same inputs must lead to the same state there.
    if (run.hasView()) {
        const auto with = stateOf(run), without = stateOf(*replay(run.history()));
        for (std::size_t i = 0; i < std::max(with.size(), without.size()); ++i) {
            const std::string a = i < with.size() ? with[i] : "(nothing)";
            const std::string b = i < without.size() ? without[i] : "(nothing)";
            if (a != b)
                return Finding{Found::Diverged, "with widgets the inputs lead to " + a + ", without to " + b};
        }
    }
    const Maaltafels& p = run.program();
    if (p.ended())
        return std::nullopt;
    if (!someScreenUp(p))
        return Finding{Found::Stranded, "no screen is visible and reachable"};
    if (home(p))
        return std::nullopt;
    std::size_t seed = 0;
    for (const std::string& l : run.history())
        seed = seed * 31 + std::hash<std::string>{}(l);
    std::mt19937_64 rng(seed);
    constexpr int tries = 6;
    for (int variant = 0; variant < tries; ++variant)
        if (tryWayHome(run.history(), variant, rng))
            return std::nullopt;
    return Finding{Found::Stranded,
                   "stranded: " + std::to_string(tries) +
                       " searches with the child's means found neither the choice board nor the end"};
}

// --- the walk --------------------------------------------------------------------------------

struct Stats {
    long long events = 0, refused = 0, walks = 0, inexpressible = 0;
    std::set<std::string> seen;
    std::map<Found, long long> found;
};

long residentKb() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// For test builds: keeps `kb` kB, every byte written, for every screen that has come on display
// since the last look, so that a test can see the memory rule catch a leak.
class PlantedLeak {
public:
    explicit PlantedLeak(int kb) : m_kb(kb) {}
    void restart() { m_shown.clear(); }
    void look(const Run& run) {
        if (m_kb <= 0)
            return;
        std::set<std::string> shown;
        for (const mt::Screen* s : run.program().loadedScreens())
            if (s->visible() && shown.insert(s->name()).second && !m_shown.count(s->name())) {
                const std::size_t size = static_cast<std::size_t>(m_kb) * 1024;
                m_kept.push_back(std::make_unique<char[]>(size));
                std::fill_n(m_kept.back().get(), size, 'x');
            }
        m_shown = std::move(shown);
    }

private:
    int m_kb;
    std::set<std::string> m_shown;
    std::vector<std::unique_ptr<char[]>> m_kept;
};

// Keeps the current walk's lines, and hands each to the sink as it is carried out, so that they
// survive a crash there: a line that turns out refused is taken back.
class Journal {
public:
    explicit Journal(JournalSink* sink) : m_sink(sink) {}
    void restart(const std::string& header) {
        m_lines.clear();
        if (m_sink)
            m_sink->restart();
        append(header);
    }
    void pending(const std::string& line) { append(line); }
    void takeBack() {
        m_lines.pop_back();
        if (m_sink)
            m_sink->takeBack();
    }
    void append(const std::string& line) {
        m_lines.push_back(line);
        if (m_sink)
            m_sink->add(line);
    }
    const std::vector<std::string>& lines() const { return m_lines; }

private:
    JournalSink* m_sink;
    std::vector<std::string> m_lines;
};

// The lines in a file that the parent process reads once the walk is over, however it ended.
class FileSink final : public JournalSink {
public:
    explicit FileSink(int fd) : m_fd(fd) {}
    void restart() override { truncate(0); }
    void add(const std::string& line) override {
        m_before = m_size;
        if (m_fd < 0)
            return;
        const std::string text = line + "\n";
        if (pwrite(m_fd, text.data(), text.size(), m_size) == static_cast<ssize_t>(text.size()))
            m_size += static_cast<off_t>(text.size());
    }
    void takeBack() override { truncate(m_before); }

private:
    void truncate(off_t size) {
        m_size = m_before = size;
        if (m_fd >= 0 && ftruncate(m_fd, size) != 0)
            m_fd = -1;
    }
    int m_fd;
    off_t m_size = 0, m_before = 0;
};

std::optional<Finding> afterInput(Run& run, const std::string& text) {
    Maaltafels& p = run.program();
    if (p.ended()) {
        // The close boxes that end the program and the about screen's timer are the only ways out.
        const std::string cmd = text.substr(0, text.find(' '));
        if (cmd != "close" && cmd != "wait")
            return Finding{Found::Ended, "the program ended after: " + text};
        return std::nullopt;
    }
    if (!someScreenUp(p))
        return Finding{Found::Stranded, "no screen is visible and reachable"};
    if (auto mismatch = run.widgetMismatch())
        return Finding{Found::Mismatch, *mismatch};
    return std::nullopt;
}

// One fresh program fed line by line, every input checked; at the end the search for a way home.
std::optional<Finding> walkOnce(const Options& options,
                                const std::function<std::optional<std::string>(Run&)>& next, Journal& journal,
                                Stats& stats) {
    try {
        Run run(options, std::cout);
        for (;;) {
            const auto text = next(run);
            if (!text)
                break;
            if (run.inexpressible(lineOf(*text))) {
                ++stats.inexpressible;
                continue;
            }
            journal.pending(*text);
            const bool accepted = perform(run, *text);
            ++stats.events;
            run.messageBoxes().shown().clear();
            if (!accepted) {
                ++stats.refused;
                journal.takeBack();
                continue;
            }
            for (mt::Screen* s : run.program().loadedScreens())
                if (s->visible())
                    stats.seen.insert(s->name());
            if (auto found = afterInput(run, *text))
                return found;
            if (run.program().ended())
                break;
        }
        return strandedFinding(run);
    } catch (const Failure& f) {
        return Finding{Found::Error, f.message};
    } catch (const std::exception& e) {
        return Finding{Found::Error, std::string("error: ") + e.what()};
    }
}

// Picks the next input among what a child can give on the screens that are up now, with a small
// share aimed at anything at all.
class Walker {
public:
    explicit Walker(std::mt19937_64& rng) : m_rng(rng) {}

    std::string next(Run& run) {
        std::vector<mt::Screen*> shown, loaded;
        std::vector<const mt::Control*> controls, boxes, menus;
        for (mt::Screen* s : run.program().loadedScreens()) {
            loaded.push_back(s);
            if (!s->visible())
                continue;
            shown.push_back(s);
            for (const mt::Control* c : s->controls()) {
                if (!c->reachable() || c->kind() == mt::Kind::Timer || c->kind() == mt::Kind::Menu)
                    continue;
                if (c->kind() == mt::Kind::MenuItem)
                    menus.push_back(c);
                else
                    controls.push_back(c);
                if (c->kind() == mt::Kind::TextBox && c->focusable())
                    boxes.push_back(c);
            }
        }
        if (chance(0.05))
            return anything(loaded);
        // Now and then the answer the screen waits for, so that walks get through exercises.
        if (chance(0.08)) {
            std::vector<std::string> answers;
            for (mt::Screen* s : shown)
                for (const Answer& a : expectedAnswers(*s))
                    answers.push_back(a.lines.back());
            if (!answers.empty())
                return pick(answers);
        }
        switch (weighted({40, 12, 6, 12, 8, 10, 3, 3})) {
        case 0:
            break;
        case 1:
            if (!boxes.empty()) {
                const auto& box = static_cast<const mt::TextBox&>(*pick(boxes));
                return "type " + pathOf(box) + " " + quote(text(box));
            }
            break;
        case 2:
            if (!boxes.empty()) {
                const auto& box = static_cast<const mt::TextBox&>(*pick(boxes));
                return "settext " + pathOf(box) + " " + quote(chance(0.1) ? std::string() : text(box));
            }
            break;
        case 3:
            if (!shown.empty()) {
                if (chance(0.15))
                    return "key " + pick(shown)->name() + " " +
                           pick(std::vector<std::string>{"backtab", "left", "right", "up", "down"});
                return "key " + pick(shown)->name() + " " + std::to_string(keyCode());
            }
            break;
        case 4:
            return "wait " + std::to_string(duration());
        case 5:
            if (!controls.empty() && chance(0.7))
                return "hover " + pathOf(*pick(controls));
            if (!shown.empty())
                return "hover " + pick(shown)->name();
            break;
        case 6:
            if (!shown.empty()) {
                mt::Screen* s = pick(shown);
                // Closing the frame, welcome or about screen ends the walk; not too often.
                if (s->closeRule() != mt::CloseRule::EndProgram || chance(0.2))
                    return "close " + s->name();
            }
            break;
        case 7:
            if (!menus.empty())
                return "menu " + pathOf(*pick(menus));
            break;
        }
        if (!controls.empty())
            return "click " + pathOf(*pick(controls));
        return "wait " + std::to_string(duration());
    }

private:
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(m_rng) < p; }
    int between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }
    std::size_t weighted(std::initializer_list<double> w) {
        return std::discrete_distribution<std::size_t>(w)(m_rng);
    }
    template <class T> T pick(const std::vector<T>& v) {
        return v[std::uniform_int_distribution<std::size_t>(0, v.size() - 1)(m_rng)];
    }

    std::string anything(const std::vector<mt::Screen*>& loaded) {
        mt::Screen* s = pick(loaded);
        if (s->controls().empty() || chance(0.2))
            return chance(0.5) ? "key " + s->name() + " " + std::to_string(keyCode()) : "close " + s->name();
        const mt::Control* c = pick(s->controls());
        switch (c->kind()) {
        case mt::Kind::TextBox:
            return (chance(0.5) ? "type " : "settext ") + pathOf(*c) + " " +
                   quote(text(static_cast<const mt::TextBox&>(*c)));
        case mt::Kind::MenuItem:
            return "menu " + pathOf(*c);
        case mt::Kind::Timer:
        case mt::Kind::Menu:
            return "hover " + s->name();
        default:
            return (chance(0.8) ? "click " : "hover ") + pathOf(*c);
        }
    }

    int keyCode() {
        switch (weighted({4, 2, 2, 2})) {
        case 0:
            return between(0, 255);
        case 1:
            return between('0', '9');
        case 2:
            return pick(std::vector<int>{8, 9, 13, 27, 32});
        default:
            return pick(std::vector<int>{'a', 'Z', '-', '+', ',', '.', 0xBD, 0xE9, 0x20AC, 0x133, 0xA0});
        }
    }

    long long duration() {
        switch (weighted({4, 3, 3})) {
        case 0:
            return between(1, 1000);
        case 1:
            return between(1000, 5000);
        default:
            return between(5000, 20000);
        }
    }

    std::string digits(int n) {
        std::string s;
        for (int i = 0; i < n; ++i)
            s += static_cast<char>('0' + between(i == 0 ? 1 : 0, 9));
        return s;
    }

    std::string text(const mt::TextBox& box) {
        static const std::vector<std::string> forms = {"-3",
                                                       "+4",
                                                       " 12 ",
                                                       "1,5",
                                                       "2.5",
                                                       "1e3",
                                                       "0x1F",
                                                       "00",
                                                       "-0",
                                                       "+",
                                                       "-",
                                                       ",",
                                                       ".",
                                                       "1,2,3",
                                                       "1.2.3",
                                                       "\xd9\xa3",
                                                       "\xef\xbc\x91\xef\xbc\x92",
                                                       " ",
                                                       "\t7",
                                                       "7\t",
                                                       "32767",
                                                       "32768",
                                                       "-32769",
                                                       "2,5",
                                                       "3.5"};
        static const std::vector<std::string> alphabet = {
            "0",        "1",        "2",        "5",        "7",  "9",  "a",        "Z",
            "x",        " ",        "+",        "-",        ",",  ".",  "\xc2\xbd", "\xe2\x82\xac",
            "\xc3\xa9", "\xc4\xb3", "\xc3\x9f", "\xc2\xa0", "\t", "\n", "\""};
        const auto answer = expectedAnswer(box);
        switch (weighted({25, 15, 3, 15, 25, 10})) {
        case 0:
            if (answer)
                return *answer;
            return digits(between(1, 2));
        case 1:
            return digits(between(1, 3));
        case 2:
            return (chance(0.3) ? "-" : "") + digits(400);
        case 3:
            return pick(forms);
        case 4: {
            std::string s;
            for (int n = between(1, 8); n > 0; --n)
                s += pick(alphabet);
            return s;
        }
        default:
            return pick(std::vector<std::string>{" ", "0", ",0", ".5", "x"}) + (answer ? *answer : digits(2));
        }
    }

    std::mt19937_64& m_rng;
};

// The shortest click path from the start to each screen, learnt by trying every button there is
// on the way: so that every walk can begin on a screen of its own and none is left out.
std::map<std::string, std::vector<std::string>> routes() {
    std::map<std::string, std::vector<std::string>> to;
    std::deque<std::vector<std::string>> queue{{}};
    std::set<std::string> seen;
    std::size_t wanted = Run(headless(), std::cout).program().definedNames().size();
    int budget = 4000;
    constexpr std::size_t deepest = 8;
    const auto clicks = [](Run& run) {
        std::vector<std::string> out;
        for (mt::Screen* s : run.program().loadedScreens())
            for (const mt::Control* c : s->controls())
                if (c->reachable() && c->Click && (c->kind() == mt::Kind::MenuItem || clickable(*c)))
                    out.push_back((c->kind() == mt::Kind::MenuItem ? "menu " : "click ") + pathOf(*c));
        return out;
    };
    while (!queue.empty() && to.size() < wanted && budget > 0) {
        const auto route = std::move(queue.front());
        queue.pop_front();
        auto run = replay(route);
        for (mt::Screen* s : run->program().loadedScreens())
            if (s->visible() && !to.count(s->name()))
                to[s->name()] = route;
        if (route.size() >= deepest || run->program().ended())
            continue;
        for (const std::string& click : clicks(*run)) {
            auto further = route;
            further.push_back(click);
            auto there = replay(further);
            --budget;
            // Where the child is: which screens are up and which buttons it can press there.
            std::string where;
            for (mt::Screen* s : there->program().loadedScreens())
                if (s->visible())
                    where += s->name() + " ";
            for (const std::string& c : clicks(*there))
                where += c + ";";
            if (seen.insert(where).second)
                queue.push_back(std::move(further));
        }
    }
    return to;
}

std::string header(const WalkOptions& w, long long walk) {
    return std::string("# maaltafels-scenario --walk") + (w.flag.empty() ? "" : " " + w.flag) + " --seed " +
           std::to_string(w.seed) + ", walk " + std::to_string(walk);
}

// What a walk found, with the lines of the walk that found it.
using KeepFinding = std::function<void(Found, const std::vector<std::string>&)>;

int work(const WalkOptions& w, JournalSink* sink, const KeepFinding& keep) {
    const auto environment = w.environment ? w.environment() : nullptr;
    const Options options{.driver = w.driver};
    const auto paths = routes();
    std::vector<std::string> targets;
    for (const auto& [name, route] : paths)
        targets.push_back(name);
    Journal journal(sink);
    Stats stats;
    PlantedLeak leak(w.leakKb);
    // Resident memory between walks, about a thousand times in all; room for it is made now.
    const long long every = std::max(1LL, w.events / 1000);
    std::vector<MemorySample> memory;
    memory.reserve(static_cast<std::size_t>(w.events / every + 2));
    for (long long walk = 0; stats.events < w.events; ++walk) {
        if (stats.events >= (memory.empty() ? 0 : memory.back().inputs + every))
            memory.push_back({stats.events, residentKb()});
        std::mt19937_64 rng(w.seed * 0x9E3779B97F4A7C15ULL + static_cast<std::uint64_t>(walk));
        Walker walker(rng);
        // Walk by walk the start moves round every screen, and now and then stays at the start.
        const std::size_t t = static_cast<std::size_t>(walk) % (targets.size() + 1);
        std::deque<std::string> prefix;
        if (t < targets.size())
            prefix.assign(paths.at(targets[t]).begin(), paths.at(targets[t]).end());
        int left = std::uniform_int_distribution<int>(1, std::max(1, w.episode))(rng);
        journal.restart(header(w, walk));
        leak.restart();
        auto found = walkOnce(
            options,
            [&](Run& run) -> std::optional<std::string> {
                leak.look(run);
                if (!prefix.empty()) {
                    std::string line = prefix.front();
                    prefix.pop_front();
                    return line;
                }
                if (left-- <= 0 || stats.events >= w.events)
                    return std::nullopt;
                return walker.next(run);
            },
            journal, stats);
        ++stats.walks;
        if (found) {
            journal.append("#! " + found->message);
            std::cout << "walk: seed " << w.seed << ", walk " << walk << ": " << found->message << std::endl;
            // The first few of each kind are kept, to be cut down and written out.
            if (++stats.found[found->kind] <= 3)
                keep(found->kind, journal.lines());
            if (!w.keepGoing)
                return static_cast<int>(found->kind);
        }
    }
    memory.push_back({stats.events, residentKb()});
    const MemoryTrend trend = memoryTrend(memory, stats.events);
    if (!w.memoryLog.empty()) {
        std::ofstream log(w.memoryLog);
        log << "# inputs\tresident kB\n";
        for (const MemorySample& m : memory)
            log << m.inputs << "\t" << m.kb << "\n";
    }
    std::vector<std::string> missed;
    for (const std::string& name : Run(headless(), std::cout).program().definedNames())
        if (!stats.seen.count(name))
            missed.push_back(name);
    const auto count = [&](std::initializer_list<Found> kinds) {
        long long n = 0;
        for (Found k : kinds)
            n += stats.found[k];
        return n;
    };
    std::cout << std::fixed << std::setprecision(1) << "walk" << (w.flag.empty() ? "" : " " + w.flag)
              << ", seed " << w.seed << ": " << stats.events << " events in " << stats.walks << " walks ("
              << stats.refused << " refused"
              << (stats.inexpressible ? ", " + std::to_string(stats.inexpressible) + " the view cannot take"
                                      : "")
              << "), " << count({Found::Mismatch, Found::Diverged}) << " mismatches, "
              << count({Found::Stranded}) << " stranded, " << count({Found::Ended, Found::Error})
              << " other failures; " << stats.seen.size() << " of " << stats.seen.size() + missed.size()
              << " screens on display; resident memory " << memory.front().kb / 1024.0 << " MB at the start, "
              << memory.back().kb / 1024.0 << " MB at the end; past the warm-up, a trend of " << std::showpos
              << trend.kbPerMillion / 1024.0 << std::noshowpos << " MB per million inputs ("
              << trend.fromKb / 1024.0 << " to " << trend.toKb / 1024.0 << " MB over " << trend.samples
              << " samples)" << std::endl;
    if (w.cover && !missed.empty()) {
        std::cout << "walk: never on display:";
        for (const std::string& m : missed)
            std::cout << " " << m;
        std::cout << std::endl;
        return static_cast<int>(Found::Uncovered);
    }
    for (const auto& [kind, n] : stats.found)
        if (n > 0)
            return static_cast<int>(kind);
    if (w.maxTrendKb >= 0 && leaking(trend, static_cast<double>(w.maxTrendKb))) {
        std::cout << "walk: resident memory rises by " << std::setprecision(0) << trend.kbPerMillion
                  << " kB per million inputs, more than " << w.maxTrendKb << ", and by "
                  << (trend.toKb - trend.fromKb) / 1024 << " MB in all, more than the " << cachesKb / 1024
                  << " MB caches may take" << std::endl;
        return static_cast<int>(Found::Grown);
    }
    return 0;
}

Found kindOf(int status) {
    if (WIFEXITED(status))
        for (Found k : {Found::Mismatch, Found::Stranded, Found::Ended, Found::Error, Found::Uncovered,
                        Found::Grown, Found::Diverged})
            if (WEXITSTATUS(status) == static_cast<int>(k))
                return k;
    return Found::Crash;
}

std::string describeStatus(int status) {
    if (WIFSIGNALED(status))
        return "killed by signal " + std::to_string(WTERMSIG(status));
    return "exit status " + std::to_string(WEXITSTATUS(status));
}

std::vector<std::string> readLines(const std::string& file) {
    std::ifstream in(file);
    std::vector<std::string> out;
    for (std::string l; std::getline(in, l);)
        out.push_back(l);
    return out;
}

// Runs these lines in a child process as one walk; true when it fails the same way. The lines it
// carried out (the refused ones left out) are then in `kept`.
std::optional<Finding> replayWalk(const WalkOptions& w, const std::vector<std::string>& lines,
                                  Journal& journal) {
    const Options options{.driver = w.driver};
    Stats stats;
    std::size_t at = 0;
    return walkOnce(
        options,
        [&](Run&) -> std::optional<std::string> {
            if (at < lines.size())
                return lines[at++];
            return std::nullopt;
        },
        journal, stats);
}

bool failsAgain(const WalkOptions& w, const std::vector<std::string>& lines, Found kind,
                std::vector<std::string>& kept) {
    if (!w.fork) {
        Journal journal(nullptr);
        const auto found = replayWalk(w, lines, journal);
        if (!found || found->kind != kind)
            return false;
        kept = journal.lines();
        return true;
    }
    char name[] = "/tmp/maaltafels-replay-XXXXXX";
    const int fd = mkstemp(name);
    if (fd < 0)
        return false;
    std::cout.flush();
    const pid_t pid = fork();
    if (pid == 0) {
        // Quiet: the first run has said everything there is to say.
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        dup2(null, 2);
        auto environment = w.environment ? w.environment() : nullptr;
        FileSink sink(fd);
        Journal journal(&sink);
        const auto found = replayWalk(w, lines, journal);
        environment.reset();
        std::exit(found ? static_cast<int>(found->kind) : 0);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    const bool again = !(WIFEXITED(status) && WEXITSTATUS(status) == 0) && kindOf(status) == kind;
    if (again)
        kept = readLines(name);
    close(fd);
    unlink(name);
    return again;
}

// Leaves out as many lines as it can while the walk still fails the same way (delta debugging).
std::vector<std::string> minimise(const WalkOptions& w, std::vector<std::string> lines, Found kind) {
    std::vector<std::string> kept;
    int runs = 0;
    constexpr int mostRuns = 400;
    std::size_t parts = 2;
    while (lines.size() >= 2 && runs < mostRuns) {
        const std::size_t chunk = (lines.size() + parts - 1) / parts;
        bool smaller = false;
        for (std::size_t start = 0; start < lines.size() && runs < mostRuns; start += chunk) {
            std::vector<std::string> rest(lines.begin(), lines.begin() + static_cast<long>(start));
            rest.insert(rest.end(), lines.begin() + static_cast<long>(std::min(lines.size(), start + chunk)),
                        lines.end());
            ++runs;
            if (failsAgain(w, rest, kind, kept)) {
                lines = std::move(rest);
                parts = std::max<std::size_t>(parts - 1, 2);
                smaller = true;
                break;
            }
        }
        if (!smaller) {
            if (parts >= lines.size())
                break;
            parts = std::min(parts * 2, lines.size());
        }
    }
    // Once more, for the lines it really carried out.
    if (failsAgain(w, lines, kind, kept)) {
        std::vector<std::string> out;
        for (const std::string& l : kept)
            if (!l.empty() && l[0] != '#')
                out.push_back(l);
        return out;
    }
    return lines;
}

} // namespace

std::vector<std::string> stateOf(const Run& run) {
    const Maaltafels& p = run.program();
    std::vector<std::string> out;
    out.push_back(std::string("ended ") + (p.ended() ? "yes" : "no") + ", active " +
                  (p.active() ? p.active()->name() : "none"));
    for (const mt::Screen* s : p.loadedScreens()) {
        out.push_back(s->name() + (s->visible() ? " shown" : " hidden") + (s->enabled() ? "" : " off") + " " +
                      mt::describe(s->caption()) + " focus " +
                      (s->focus() ? s->focus()->fullName() : "none"));
        for (const mt::Control* c : s->controls()) {
            std::string l = pathOf(*c) + (c->visible() ? "" : " hidden") + (c->enabled() ? "" : " off") +
                            " " + mt::describe(c->caption());
            if (c->kind() == mt::Kind::TextBox)
                l += " text " + mt::describe(static_cast<const mt::TextBox&>(*c).text());
            if (c->kind() == mt::Kind::Timer && static_cast<const mt::Timer&>(*c).running())
                l += " running";
            out.push_back(std::move(l));
        }
        for (const std::string& v : s->variableNames())
            out.push_back(s->name() + "." + v + " = " + mt::describe(*s->variable(v)));
    }
    return out;
}

std::optional<std::string> strandedBy(const Run& run) {
    if (auto found = strandedFinding(run))
        return found->message;
    return std::nullopt;
}

namespace {

// Cuts a failing walk down and writes it out as a scenario that fails the same way.
void report(const WalkOptions& w, Found kind, std::vector<std::string> journal, const std::string& message,
            const std::string& file) {
    const std::string title = journal.empty() ? header(w, 0) : journal.front();
    std::string why = message;
    std::vector<std::string> lines;
    for (const std::string& l : journal)
        if (l.rfind("#! ", 0) == 0)
            why = l.substr(3);
        else if (!l.empty() && l[0] != '#')
            lines.push_back(l);
    std::cout << "walk: seed " << w.seed << " " << why << "; minimising the " << lines.size() << " inputs of "
              << title.substr(2) << std::endl;
    lines = minimise(w, lines, kind);
    std::ostringstream text;
    text << title << "\n# " << why << "\n";
    for (const std::string& l : lines)
        text << l << "\n";
    if (const char* check = expectFor(kind))
        text << check << "\n";
    std::ofstream(file) << text.str();
    std::cout << "walk: seed " << w.seed << ": replay with maaltafels-scenario "
              << (w.flag.empty() ? "" : w.flag + " ") << file << "\n"
              << text.str() << std::flush;
}

// walk-1.scn, walk-1-2.scn, walk-1-3.scn...
std::string replayFile(const WalkOptions& w, int n) {
    std::string file = w.replay.empty() ? "walk-" + std::to_string(w.seed) + ".scn" : w.replay;
    if (n == 0)
        return file;
    const auto dot = file.rfind('.');
    const std::string suffix = "-" + std::to_string(n + 1);
    return dot == std::string::npos ? file + suffix : file.substr(0, dot) + suffix + file.substr(dot);
}

} // namespace

// A walk in this very process: what it finds is cut down and written out here; a crash takes the
// process down, and the journal's sink keeps the lines so far.
int walkHere(const WalkOptions& w) {
    std::vector<std::pair<Found, std::vector<std::string>>> findings;
    const int status = work(w, w.journal, [&](Found kind, const std::vector<std::string>& lines) {
        findings.emplace_back(kind, lines);
    });
    int written = 0;
    for (const auto& [kind, lines] : findings)
        report(w, kind, lines, "failed", replayFile(w, written++));
    return status == 0 ? 0 : 1;
}

int walk(const WalkOptions& w) {
    if (!w.fork)
        return walkHere(w);
    char journalName[] = "/tmp/maaltafels-walk-XXXXXX";
    char findingsName[] = "/tmp/maaltafels-findings-XXXXXX";
    const int journalFd = mkstemp(journalName);
    const int findingsFd = mkstemp(findingsName);
    if (journalFd < 0 || findingsFd < 0) {
        std::cerr << "walk: no room for the journal in /tmp\n";
        return 2;
    }
    std::cout.flush();
    const pid_t pid = fork();
    if (pid == 0) {
        FileSink sink(journalFd);
        // The findings go to the parent, one block each.
        std::exit(work(w, &sink, [findingsFd](Found kind, const std::vector<std::string>& lines) {
            std::string block = "#= " + std::to_string(static_cast<int>(kind)) + "\n";
            for (const std::string& l : lines)
                block += l + "\n";
            if (write(findingsFd, block.data(), block.size()) != static_cast<ssize_t>(block.size()))
                std::cerr << "walk: could not keep the finding\n";
        }));
    }
    int status = 0;
    waitpid(pid, &status, 0);
    const std::vector<std::string> journal = readLines(journalName), findings = readLines(findingsName);
    for (int fd : {journalFd, findingsFd})
        close(fd);
    unlink(journalName);
    unlink(findingsName);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
        return 0;
    int written = 0;
    for (std::size_t at = 0; at < findings.size();) {
        const Found kind = static_cast<Found>(std::stoi(findings[at].substr(3)));
        std::vector<std::string> block;
        for (++at; at < findings.size() && findings[at].rfind("#= ", 0) != 0; ++at)
            block.push_back(findings[at]);
        report(w, kind, block, "failed", replayFile(w, written++));
    }
    // What the child found it has reported above; only a crash is left, from the journal.
    if (kindOf(status) == Found::Crash)
        report(w, Found::Crash, journal, "crashed (" + describeStatus(status) + ")",
               replayFile(w, written++));
    return 1;
}

} // namespace scenario
