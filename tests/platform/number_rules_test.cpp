// SPDX-License-Identifier: GPL-3.0-or-later
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <vector>

#include "platform/numbers.h"
#include "tests/platform/number_rules.h"

namespace {

// Every input the fuzzer kept, so that what it found once stays found without clang.
TEST(NumberRules, HoldForTheFuzzCorpus) {
    int read = 0;
    for (const auto& entry : std::filesystem::directory_iterator(NUMBER_CORPUS)) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        ++read;
        EXPECT_EQ(numberrules::broken(text.str()), std::nullopt) << entry.path();
    }
    EXPECT_GT(read, 20);
}

// Texts made of the pieces the rules care about, in every order and length: long fractions just
// above, at and just below a half among them.
TEST(NumberRules, HoldForGeneratedTexts) {
    const std::vector<std::string> pieces = {"0",
                                             "1",
                                             "2",
                                             "5",
                                             "9",
                                             "00",
                                             "32767",
                                             "32768",
                                             "-",
                                             "+",
                                             ",",
                                             ".",
                                             " ",
                                             "\t",
                                             "e",
                                             "E",
                                             "x",
                                             "a",
                                             "\xc2\xbd",
                                             "\xe2\x82\xac",
                                             "\xd9\xa3",
                                             "\n",
                                             std::string(1, '\0'),
                                             "5",
                                             "49999999999999999999",
                                             "50000000000000000000",
                                             "00000000000000000001",
                                             "0000000000",
                                             "99999999999999999999999999999999999999"};
    std::mt19937_64 rng(20240901);
    std::uniform_int_distribution<std::size_t> piece(0, pieces.size() - 1), length(0, 12);
    int numbers = 0;
    for (int n = 0; n < 100000; ++n) {
        std::string text;
        for (std::size_t k = length(rng); k > 0; --k)
            text += pieces[piece(rng)];
        ASSERT_EQ(numberrules::broken(text), std::nullopt);
        numbers += mt::isNumeric(text);
    }
    // The texts must reach numbers, not just fail the numeric test.
    EXPECT_GT(numbers, 5000) << numbers;
}

// Numbers only, whole parts around the 16-bit ends and fractions near a half at any length, where
// rounding and comparing by the digits matter.
TEST(NumberRules, HoldForGeneratedLongDecimals) {
    const std::vector<std::string> wholes = {
        "", "0", "1", "2", "47", "48", "32766", "32767", "32768", "65547", "99999999999999999999"};
    const std::vector<std::string> fractions = {
        "0", "4", "5", "6", "9", "49999999999999999999", "50000000000000000000", "00000000000000000001"};
    const std::vector<std::string> signs = {"", "-", "+", " -", "\t+"};
    std::mt19937_64 rng(48);
    const auto pick = [&rng](const std::vector<std::string>& from) {
        return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(rng)];
    };
    std::uniform_int_distribution<int> pieces(0, 4);
    int halves = 0, wide = 0;
    for (int n = 0; n < 20000; ++n) {
        std::string text = pick(signs) + pick(wholes) + (n % 2 ? "." : ",");
        for (int k = pieces(rng); k > 0; --k)
            text += pick(fractions);
        if (text.back() == ',' || text.back() == '.')
            text += "5";
        ASSERT_EQ(numberrules::broken(text), std::nullopt);
        const auto d = mt::toDecimal(text);
        ASSERT_TRUE(d) << text;
        halves += d->fraction() == "5";
        wide += d->fraction().size() > 20;
    }
    EXPECT_GT(halves, 2000) << halves;
    EXPECT_GT(wide, 4000) << wide;
}

} // namespace
