// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace mt {

// An RGB colour or one of the platform's system colours, resolved by whoever draws it.
struct Color {
    enum class System : std::uint8_t { None, WindowBackground, ButtonFace };

    std::uint8_t r = 0, g = 0, b = 0;
    System system = System::None;

    static constexpr Color rgb(int red, int green, int blue) {
        return {static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green),
                static_cast<std::uint8_t>(blue), System::None};
    }
    static constexpr Color windowBackground() { return {0, 0, 0, System::WindowBackground}; }
    static constexpr Color buttonFace() { return {0, 0, 0, System::ButtonFace}; }

    friend constexpr bool operator==(const Color&, const Color&) = default;
};

std::string toString(const Color& c);

struct Font {
    std::string family = "Arial";
    double points = 10;
    bool bold = false;
    bool italic = false;

    friend bool operator==(const Font&, const Font&) = default;
};

// A property value as the scenario runner and the tracer see it.
using Value = std::variant<bool, double, std::string, Color>;

std::string toString(const Value& v);
// A readable form for messages: strings quoted with escapes.
std::string describe(const Value& v);

} // namespace mt
