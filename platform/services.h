// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "platform/value.h"

// What the screens need from the outside world, each behind an interface so that tests and the
// scenario runner can put exact, repeatable stand-ins in its place.
namespace mt {

// Schedules repeating timers. The program's clock is Qt's; tests use VirtualClock.
class Clock {
public:
    using Handle = int;
    virtual ~Clock() = default;
    // Starts a repeating schedule: due first after intervalMs, then every intervalMs, without drift.
    virtual Handle start(int intervalMs, std::function<void()> due) = 0;
    virtual void stop(Handle h) = 0;
    // Milliseconds on this clock, for reseeding the random generator.
    virtual std::int64_t now() const = 0;
};

// A clock that only moves when told to: advance() delivers every due tick in time order, ties in
// the order the timers were started.
class VirtualClock final : public Clock {
public:
    Handle start(int intervalMs, std::function<void()> due) override;
    void stop(Handle h) override;
    std::int64_t now() const override { return m_now; }
    void advance(std::int64_t ms);
    bool anyRunning() const { return !m_timers.empty(); }

private:
    struct Entry {
        std::int64_t due;
        int interval;
        std::function<void()> fire;
    };
    std::int64_t m_now = 0;
    Handle m_next = 1;
    std::map<Handle, Entry> m_timers; // the handle grows with every start, so it orders ties
};

class MessageBox {
public:
    virtual ~MessageBox() = default;
    // Modal: returns when the child has pressed OK.
    virtual void information(const std::string& text, const std::string& title) = 0;
};

// Records every box and answers OK at once.
class RecordingMessageBox final : public MessageBox {
public:
    struct Shown {
        std::string text, title;
    };
    void information(const std::string& text, const std::string& title) override {
        if (during)
            during();
        m_shown.push_back({text, title});
    }
    std::deque<Shown>& shown() { return m_shown; }
    // Runs while the box is "open", for tests of what happens meanwhile.
    std::function<void()> during;

private:
    std::deque<Shown> m_shown;
};

// Rnd: uniform reals in [0, 1). Queued values come first; past them a seeded generator serves.
class Random {
public:
    double rnd();
    void reseed(std::uint64_t seed) { m_engine.seed(seed); }
    void queue(const std::vector<double>& values) {
        m_queue.insert(m_queue.end(), values.begin(), values.end());
    }
    std::size_t queued() const { return m_queue.size(); }

private:
    std::deque<double> m_queue;
    std::mt19937_64 m_engine{20240901};
};

// The display and text measurements, in twips.
class Metrics {
public:
    virtual ~Metrics() = default;
    virtual int displayWidth() const = 0;
    virtual int displayHeight() const = 0;
    virtual int textWidth(const std::string& text, const Font& font) const = 0;
    virtual int twipsPerPixel() const = 0;
};

// A fixed 1280 x 1024 pixel display and half an em per character, for exact headless runs.
class FixedMetrics final : public Metrics {
public:
    int displayWidth() const override { return 1280 * 15; }
    int displayHeight() const override { return 1024 * 15; }
    int textWidth(const std::string& text, const Font& font) const override {
        return static_cast<int>(text.size()) * static_cast<int>(font.points * 10);
    }
    int twipsPerPixel() const override { return 15; }
};

struct Services {
    Clock& clock;
    MessageBox& messageBox;
    Random& random;
    Metrics& metrics;
};

} // namespace mt
