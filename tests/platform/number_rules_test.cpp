#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <vector>

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

// Texts made of the pieces the rules care about, in every order and length.
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
                                             "\0",
                                             "5",
                                             "49999999999999999999",
                                             "0000000000",
                                             "99999999999999999999999999999999999999"};
    std::mt19937_64 rng(20240901);
    std::uniform_int_distribution<std::size_t> piece(0, pieces.size() - 1), length(0, 12);
    for (int n = 0; n < 100000; ++n) {
        std::string text;
        for (std::size_t k = length(rng); k > 0; --k)
            text += pieces[piece(rng)];
        ASSERT_EQ(numberrules::broken(text), std::nullopt);
    }
}

} // namespace
