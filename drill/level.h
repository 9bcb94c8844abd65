// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// The three levels of the drill and its trainer: units, tens and hundreds.
enum class Level { E, T, H };

constexpr std::string_view tafelsNaam(Level l) {
    switch (l) {
    case Level::T:
        return "TafelsT";
    case Level::H:
        return "TafelsH";
    case Level::E:
        break;
    }
    return "TafelsE";
}

constexpr std::string_view aklasNaam(Level l) {
    switch (l) {
    case Level::T:
        return "AklasT";
    case Level::H:
        return "AklasH";
    case Level::E:
        break;
    }
    return "AklasE";
}
