// SPDX-License-Identifier: GPL-3.0-or-later
#include "product/tafelkleur.h"

#include <array>

namespace product {

namespace {

using mt::Color;

constexpr Color wit = Color::rgb(255, 255, 255);
constexpr Color zwart = Color::rgb(0, 0, 0);

constexpr std::array<Tafelkleur, 10> kaart{{
    {Color::windowBackground(), zwart},
    {Color::rgb(255, 6, 6), wit},
    {Color::rgb(43, 255, 43), zwart},
    {Color::rgb(244, 0, 244), wit},
    {Color::rgb(249, 249, 0), zwart},
    {Color::rgb(0, 106, 53), wit},
    {Color::rgb(0, 0, 0), wit},
    {Color::rgb(119, 60, 60), wit},
    {Color::rgb(45, 45, 255), wit},
    {Color::rgb(255, 128, 0), wit},
}};

} // namespace

std::optional<Tafelkleur> tafelkleur(int tafel) {
    if (tafel < 1 || tafel > 10)
        return std::nullopt;
    return kaart[static_cast<std::size_t>(tafel - 1)];
}

} // namespace product
