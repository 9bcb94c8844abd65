// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/services.h"

#include <cstdio>

namespace mt {

Clock::Handle VirtualClock::start(int intervalMs, std::function<void()> due) {
    Handle h = m_next++;
    m_timers.emplace(h, Entry{m_now + intervalMs, intervalMs, std::move(due)});
    return h;
}

void VirtualClock::stop(Handle h) {
    m_timers.erase(h);
}

void VirtualClock::advance(std::int64_t ms) {
    const std::int64_t until = m_now + ms;
    for (;;) {
        auto next = m_timers.end();
        for (auto it = m_timers.begin(); it != m_timers.end(); ++it)
            if (it->second.due <= until && (next == m_timers.end() || it->second.due < next->second.due))
                next = it;
        if (next == m_timers.end())
            break;
        m_now = next->second.due;
        next->second.due += next->second.interval;
        // The handler may stop or restart any timer, this one included: copy before calling.
        auto fire = next->second.fire;
        fire();
    }
    m_now = until;
}

double Random::rnd() {
    if (!m_queue.empty()) {
        double v = m_queue.front();
        m_queue.pop_front();
        return v;
    }
    return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine);
}

std::string toString(const Color& c) {
    switch (c.system) {
    case Color::System::WindowBackground:
        return "WindowBackground";
    case Color::System::ButtonFace:
        return "ButtonFace";
    case Color::System::None:
        break;
    }
    return "RGB(" + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) + ")";
}

std::string toString(const Value& v) {
    if (auto* b = std::get_if<bool>(&v))
        return *b ? "true" : "false";
    if (auto* d = std::get_if<double>(&v)) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.10g", *d);
        return buf;
    }
    if (auto* s = std::get_if<std::string>(&v))
        return *s;
    return toString(std::get<Color>(v));
}

std::string describe(const Value& v) {
    auto* s = std::get_if<std::string>(&v);
    if (!s)
        return toString(v);
    std::string out = "\"";
    for (char c : *s) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            out += c;
        }
    }
    return out + "\"";
}

} // namespace mt
