// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/web/colour.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace mt::web {

namespace {

struct Hsv {
    double h, s, v; // degrees (-1: grey), 0..255, 0..255
};

Hsv toHsv(Color c) {
    const double r = c.r, g = c.g, b = c.b;
    const double max = std::max({r, g, b}), min = std::min({r, g, b}), delta = max - min;
    Hsv out{-1, max > 0 ? 255 * delta / max : 0, max};
    if (delta > 0) {
        double h = max == r ? (g - b) / delta : max == g ? 2 + (b - r) / delta : 4 + (r - g) / delta;
        h *= 60;
        out.h = h < 0 ? h + 360 : h;
    }
    return out;
}

Color fromHsv(Hsv c) {
    const auto byte = [](double x) { return int(std::lround(std::clamp(x, 0.0, 255.0))); };
    if (c.h < 0 || c.s <= 0)
        return Color::rgb(byte(c.v), byte(c.v), byte(c.v));
    const double s = c.s / 255, v = c.v, h = c.h / 60;
    const int sector = int(h) % 6;
    const double f = h - std::floor(h);
    const double p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
    switch (sector) {
    case 0:
        return Color::rgb(byte(v), byte(t), byte(p));
    case 1:
        return Color::rgb(byte(q), byte(v), byte(p));
    case 2:
        return Color::rgb(byte(p), byte(v), byte(t));
    case 3:
        return Color::rgb(byte(p), byte(q), byte(v));
    case 4:
        return Color::rgb(byte(t), byte(p), byte(v));
    default:
        return Color::rgb(byte(v), byte(p), byte(q));
    }
}

} // namespace

Color resolved(Color c) {
    switch (c.system) {
    case Color::System::WindowBackground:
        return Color::rgb(255, 255, 255);
    case Color::System::ButtonFace:
        return Color::rgb(239, 239, 239);
    case Color::System::None:
        break;
    }
    return c;
}

std::string hex(Color c) {
    c = resolved(c);
    char out[8];
    std::snprintf(out, sizeof out, "#%02x%02x%02x", c.r, c.g, c.b);
    return out;
}

Color darker(Color c, int factor) {
    Hsv hsv = toHsv(resolved(c));
    hsv.v = hsv.v * 100 / factor;
    return fromHsv(hsv);
}

Color lighter(Color c, int factor) {
    Hsv hsv = toHsv(resolved(c));
    hsv.v = hsv.v * factor / 100;
    if (hsv.v > 255) {
        hsv.s = std::max(0.0, hsv.s - (hsv.v - 255));
        hsv.v = 255;
    }
    return fromHsv(hsv);
}

} // namespace mt::web
