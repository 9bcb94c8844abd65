// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <string>

#include "platform/accessible.h"

namespace {

struct Plain {
    std::string drawn, read;
};

class PlainWords : public ::testing::TestWithParam<Plain> {};

TEST_P(PlainWords, ReadsAsTheWordItShows) {
    EXPECT_EQ(mt::plainWords(GetParam().drawn), GetParam().read);
}

INSTANTIATE_TEST_SUITE_P(Texts, PlainWords,
                         ::testing::Values(Plain{"K E U Z E B O R D", "Keuzebord"}, Plain{"S T O P ", "Stop"},
                                           Plain{"STOP", "Stop"}, Plain{"KWISPELWERK ", "Kwispelwerk"},
                                           Plain{" Alle kinderen moeten alle kansen krijgen.",
                                                 "Alle kinderen moeten alle kansen krijgen."},
                                           Plain{"&Basis", "Basis"},
                                           Plain{"Rekenen && spelen", "Rekenen & spelen"},
                                           Plain{"A klas ", "A klas"}, Plain{"40  x 3  =  ? ", "40 x 3 = ?"},
                                           // Short runs of single characters are sums, not spaced words.
                                           Plain{"x 3", "x 3"}, Plain{"1 x 7", "1 x 7"}, Plain{"100", "100"},
                                           Plain{"+", "+"}, Plain{"Dat\r\nis prima", "Dat is prima"},
                                           Plain{" ", ""}, Plain{"", ""},
                                           // Accented capitals are capitals; a digit leads as it is.
                                           Plain{"É L È V E", "Élève"}, Plain{"ÉÉN KEER", "Één keer"},
                                           Plain{"10X", "10x"}, Plain{"Één keer", "Één keer"},
                                           Plain{"ß", "ß"}, Plain{"\xC2\xA0Tafel\xC2\xA0", "Tafel"}));

} // namespace
