// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// The automation screens' rules that need no screen.
namespace automation {

// The repeat list shown after a wrong answer on table 2..10: a heading, a rule, the table's ten
// lines and a closing rule; empty for any other table (table 1 has no list).
std::string herhaallijst(int tafel);

// How many reward pictures a finished series shows for its right answers: 2 x juist - 1 of them,
// none for no right answer (19, indices 0 to 18, for ten).
int beloningen(int juist);

// The rectangle of rijen x kolommen on the grid: which bars show and what the running products
// along the right and the bottom edge read. Empty unless both lie in 1..10.
struct Rechthoek {
    int rijen = 0, kolommen = 0;
    std::vector<int> rechts; // rij x kolommen, for rij 1..rijen
    std::vector<int> onder;  // rijen x kolom, for kolom 1..kolommen
};
Rechthoek rechthoek(int rijen, int kolommen);

} // namespace automation
