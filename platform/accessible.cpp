// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/accessible.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "platform/text.h"

namespace mt {

namespace {

// Letters and their cases as far as a Dutch (or French, German) caption needs them: ASCII and
// Latin-1. Any other character counts as no letter.
bool isLetter(char32_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
           (c >= 0xC0 && c <= 0xFF && c != 0xD7 && c != 0xF7);
}
bool isUpper(char32_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
}
bool isLower(char32_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 0xDF && c <= 0xFF && c != 0xF7);
}
char32_t toLower(char32_t c) {
    return isUpper(c) ? c + 0x20 : c;
}
char32_t toUpper(char32_t c) {
    // ß and ÿ have no capital in Latin-1.
    return isLower(c) && c != 0xDF && c != 0xFF ? c - 0x20 : c;
}

bool isBlank(char32_t c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == 0xA0;
}

std::vector<char32_t> decode(const std::string& text) {
    std::vector<char32_t> out;
    for (std::size_t at = 0; at < text.size();) {
        if (auto c = nextChar(text, at))
            out.push_back(*c);
        else
            ++at; // a stray byte says nothing
    }
    return out;
}

std::string encode(const std::vector<char32_t>& chars) {
    std::string out;
    for (char32_t c : chars)
        appendChar(out, c);
    return out;
}

// "common/pijl_rechts" -> "Pijl rechts"
std::string pictureWord(const std::string& picture) {
    std::vector<char32_t> word = decode(picture.substr(picture.rfind('/') + 1));
    std::replace(word.begin(), word.end(), char32_t('_'), char32_t(' '));
    if (!word.empty())
        word[0] = toUpper(word[0]);
    return encode(word);
}

std::string firstOf(std::initializer_list<std::string> names) {
    for (const std::string& n : names)
        if (!n.empty())
            return n;
    return {};
}

} // namespace

std::string plainWords(const std::string& text) {
    // "&&" is a real ampersand; a single "&" only marks the access key.
    std::vector<char32_t> kept;
    const std::vector<char32_t> chars = decode(text);
    for (std::size_t i = 0; i < chars.size(); ++i) {
        if (chars[i] != '&')
            kept.push_back(chars[i]);
        else if (i + 1 < chars.size() && chars[i + 1] == '&')
            kept.push_back(chars[++i]);
    }
    std::vector<std::vector<char32_t>> words(1);
    for (char32_t c : kept) {
        if (!isBlank(c))
            words.back().push_back(c);
        else if (!words.back().empty())
            words.emplace_back();
    }
    if (words.back().empty())
        words.pop_back();
    const bool spaced = words.size() >= 3 && std::all_of(words.begin(), words.end(), [](const auto& w) {
                            return w.size() == 1 && isLetter(w[0]);
                        });
    std::vector<char32_t> out;
    for (const auto& w : words) {
        if (!out.empty() && !spaced)
            out.push_back(' ');
        out.insert(out.end(), w.begin(), w.end());
    }
    // A word in capitals is read as a word: "STOP" -> "Stop".
    const bool anyUpper = std::any_of(out.begin(), out.end(), isUpper);
    const bool anyLower = std::any_of(out.begin(), out.end(), isLower);
    if (out.size() > 1 && anyUpper && !anyLower) {
        std::transform(out.begin() + 1, out.end(), out.begin() + 1, toLower);
    }
    return encode(out);
}

std::string accessibleName(const Control& c) {
    const std::string named = plainWords(c.accessibleName());
    switch (c.kind()) {
    case Kind::Button:
        return firstOf({plainWords(c.caption()), named, plainWords(c.toolTip()), pictureWord(c.picture())});
    case Kind::TextBox: {
        if (!named.empty())
            return named;
        if (c.labelledBy())
            if (std::string n = plainWords(c.labelledBy()->caption()); !n.empty())
                return n;
        for (const Control* in = c.container(); in; in = in->container())
            if (std::string n = plainWords(in->caption()); !n.empty())
                return n;
        return "Antwoord";
    }
    case Kind::Frame:
        return firstOf({plainWords(c.caption()), named});
    default:
        return named;
    }
}

std::string accessibleDescription(const Control& c) {
    switch (c.kind()) {
    case Kind::Button:
        return plainWords(c.toolTip());
    case Kind::TextBox:
        return firstOf({plainWords(c.toolTip()), "Typ hier je antwoord"});
    default:
        return {};
    }
}

std::string accessibleName(const Screen& s) {
    return plainWords(s.accessibleName().empty() ? s.caption() : s.accessibleName());
}

} // namespace mt
