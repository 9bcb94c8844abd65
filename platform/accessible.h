// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "platform/screen.h"

// What a screen reader hears of the screens: one rule for every screen and every binding, so that
// a new screen is named without doing anything for it.
namespace mt {

// A text as it should be read rather than as it is drawn: blanks around and doubled blanks go, an
// access-key "&" goes, a letter-spaced word is one word and a word in capitals is read as a word:
// "K E U Z E B O R D" -> "Keuzebord", "S T O P " -> "Stop", "&Basis" -> "Basis".
std::string plainWords(const std::string& text);

// A button: its caption, else its design's name, its tool tip or the word its picture is named by.
// A text box: its design's name, else the label or question it answers, else the caption of the
// frame it is in, else "Antwoord". A frame: its caption. Anything else: its design's name, if any;
// without one it is decoration.
std::string accessibleName(const Control& c);
// A button's tool tip as it should be read; for a text box, what to do with it.
std::string accessibleDescription(const Control& c);
// The design's name of the window, else its caption.
std::string accessibleName(const Screen& s);

} // namespace mt
