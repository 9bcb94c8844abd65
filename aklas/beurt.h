// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/value.h"

// The rules of the A-klas trainer, free of any screen: the hundred field's cells, the texts it
// shows, and what a turn looks like at 0, 10 and 15 seconds.
namespace aklas {

constexpr int cellen = 101; // 0 to 100
constexpr int bedekNa = 10000;
constexpr int eindeNa = 15000;

constexpr mt::Color neutraal = mt::Color::rgb(255, 255, 0);
constexpr mt::Color opgelicht = mt::Color::rgb(0, 255, 0);
constexpr mt::Color bedekt = mt::Color::rgb(0, 0, 0);

// The 43 cells that are a product a x b, a from 1 to 10, b from 0 to 10, smallest first.
const std::vector<int>& productcellen();
bool isProductcel(int cel);
// N x 0, N x 1, ..., N x 10.
std::array<int, 11> veelvouden(int tafel);

// " 0 x N= ?" and the other known facts, every line ending in CR LF.
std::string makkelijkeVragen(int tafel);
// The facts times 4, 6, 7, 8 and 9, every line ending in CR LF.
std::string moeilijkeVragen(int tafel);
// The whole table of the text t with its answers; no CR LF after the last line.
std::string antwoorden(std::string_view tafel);
// What the trainer says about the drill's current table (possibly empty).
std::string hint(std::string_view tafel);

enum class Fase { Kiezen, Tonen, Bedekt };

// One visit's state: cell colours, the current table and what is shown.
struct Beurt {
    std::array<mt::Color, cellen> kleur;
    std::string tafel = "0";
    Fase fase = Fase::Kiezen;
    bool keuze = true;     // the table buttons
    bool vragen = false;   // the two question lists
    bool antwoord = false; // the answer list
    bool terug = false;    // the way back to the drill

    Beurt();
    void reset();
    // At 0 ms: light the multiples of n.
    void kies(int n);
    // At 10,000 ms: cover the multiples of n, show the answers.
    void bedek(int n);
    // At 15,000 ms: the table choice and the way back again.
    void einde();
};

} // namespace aklas
