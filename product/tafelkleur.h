// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "platform/value.h"

namespace product {

// One row of the table-colour map: the colour of a table's cells and bars, and of the text on it.
struct Tafelkleur {
    mt::Color achter;
    mt::Color tekst;
};

// The row of table 1..10; nothing for any other number. Table 1 has no colour of its own: its row
// holds the window background with black text, and each screen says what stands in for it.
std::optional<Tafelkleur> tafelkleur(int tafel);

} // namespace product
