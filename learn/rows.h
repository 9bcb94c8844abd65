// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

// How a table is built row by row: the teaching order of the steps, the row texts and the hints.
namespace learn {

// One step: the step button clicked, its multiplier, the row label it writes, the button shown next.
struct Stap {
    int knop;
    int maal;
    int rij;
    int volgende; // -1: the last step
};

// In the order the child meets them.
inline constexpr std::array<Stap, 10> stappen{{{0, 1, 0, 1},
                                               {1, 2, 1, 2},
                                               {2, 3, 2, 3},
                                               {3, 10, 3, 9},
                                               {9, 9, 10, 4},
                                               {4, 5, 4, 5},
                                               {5, 4, 5, 6},
                                               {6, 6, 6, 7},
                                               {7, 7, 7, 8},
                                               {8, 8, 8, -1}}};

// The step of a step button (index 0 to 9).
const Stap& stapVanKnop(int knop);

// Caption of step button 0 to 9: "1 x ", "2 x ", ...
std::string knoptekst(int knop);

// Row label that holds the 0 x row.
inline constexpr int nulrij = 9;
// Top of each row label, by label index; the rows run 0 x to 10 x from top to bottom.
inline constexpr std::array<int, 11> rijtop{840, 1560, 2280, 7320, 3720, 3000, 4440, 5160, 5880, 120, 6600};

// The 0 x row written at the start.
std::string nulrijtekst(int tafel);
// The row maal x tafel (maal 1 to 10); small products take their own spacing so the rows line up.
std::string rijtekst(int maal, int tafel);
// The hint shown with the row maal x tafel; empty for the first four steps (1, 2, 3 and 10 x).
std::string uitleg(int maal, int tafel);

} // namespace learn
