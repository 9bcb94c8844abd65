// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/text.h"

namespace mt {

bool typable(char32_t c) {
    if (c < 32 || (c >= 127 && c < 160))
        return false;
    return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
}

void appendChar(std::string& text, char32_t c) {
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (c >> 18));
        text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void dropLastChar(std::string& text) {
    while (!text.empty()) {
        const auto byte = static_cast<unsigned char>(text.back());
        text.pop_back();
        if ((byte & 0xC0) != 0x80)
            return;
    }
}

std::optional<char32_t> nextChar(std::string_view text, std::size_t& at) {
    if (at >= text.size())
        return std::nullopt;
    const auto lead = static_cast<unsigned char>(text[at]);
    int follow = 0;
    char32_t c = 0;
    char32_t least = 0;
    if (lead < 0x80) {
        ++at;
        return lead;
    }
    if ((lead & 0xE0) == 0xC0) {
        follow = 1, c = lead & 0x1F, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        follow = 2, c = lead & 0x0F, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        follow = 3, c = lead & 0x07, least = 0x10000;
    } else {
        return std::nullopt;
    }
    if (text.size() - at <= static_cast<std::size_t>(follow))
        return std::nullopt;
    for (int i = 1; i <= follow; ++i) {
        const auto b = static_cast<unsigned char>(text[at + static_cast<std::size_t>(i)]);
        if ((b & 0xC0) != 0x80)
            return std::nullopt;
        c = (c << 6) | (b & 0x3F);
    }
    // Overlong forms, surrogates and values past the last code point are not characters.
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return std::nullopt;
    at += static_cast<std::size_t>(follow) + 1;
    return c;
}

bool isUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();)
        if (!nextChar(text, at))
            return false;
    return true;
}

} // namespace mt
