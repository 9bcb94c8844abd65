// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "platform/text.h"

using namespace mt;

namespace {

TEST(Text, ControlCharactersTypeNothing) {
    for (char32_t c : {0, 7, 8, 9, 10, 13, 27, 31, 127, 128, 150, 159})
        EXPECT_FALSE(typable(c)) << static_cast<int>(c);
    for (char32_t c : {32, 48, 126, 160, 189, 233, 255, 0x20AC, 0x10FFFF})
        EXPECT_TRUE(typable(c)) << static_cast<int>(c);
    EXPECT_FALSE(typable(0xD800)) << "a surrogate is no character";
    EXPECT_FALSE(typable(0x110000));
}

TEST(Text, CharactersGoInAndOutWhole) {
    std::string t;
    for (char32_t c : {U'7', U'\u00bd', U'\u20ac', U'\U0001F600'})
        appendChar(t, c);
    EXPECT_EQ(t, "7\xc2\xbd\xe2\x82\xac\xf0\x9f\x98\x80");
    std::vector<char32_t> read;
    for (std::size_t at = 0; at < t.size();)
        read.push_back(*nextChar(t, at));
    EXPECT_EQ(read, (std::vector<char32_t>{U'7', U'\u00bd', U'\u20ac', U'\U0001F600'}));
    dropLastChar(t);
    EXPECT_EQ(t, "7\xc2\xbd\xe2\x82\xac");
    dropLastChar(t);
    dropLastChar(t);
    EXPECT_EQ(t, "7");
    dropLastChar(t);
    dropLastChar(t);
    EXPECT_EQ(t, "");
}

TEST(Text, MalformedBytesAreNoText) {
    for (const char* bad :
         {"\xff", "\xc2", "\xe2\x82", "\xc0\xaf", "\xed\xa0\x80", "\xf4\x90\x80\x80", "a\x80"})
        EXPECT_FALSE(isUtf8(bad)) << bad;
    EXPECT_TRUE(isUtf8("gewoon \xc3\xa9\xc3\xa9n"));
    std::size_t at = 0;
    EXPECT_FALSE(nextChar("\xe2\x82", at));
    EXPECT_EQ(at, 0u) << "nothing read, nothing passed";
}

} // namespace
