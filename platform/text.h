// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Texts are UTF-8 throughout; a typed key carries one character, by its code point.
namespace mt {

// A character that a key types into a text box: anything but the control characters
// (0-31, 127-159) and what is no character at all (surrogates, beyond U+10FFFF).
bool typable(char32_t c);

void appendChar(std::string& text, char32_t c);

// Backspace: removes the last character, however many bytes it takes.
void dropLastChar(std::string& text);

// The character that starts at `at`, moving `at` past it; nothing (and `at` unchanged) when the
// bytes there are not well-formed UTF-8.
std::optional<char32_t> nextChar(std::string_view text, std::size_t& at);

bool isUtf8(std::string_view text);

} // namespace mt
