// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "aklas/beurt.h"

namespace {

using namespace aklas;

std::vector<std::string> regels(const std::string& text) {
    std::vector<std::string> out;
    std::size_t at = 0;
    for (std::size_t nl; (nl = text.find("\r\n", at)) != std::string::npos; at = nl + 2)
        out.push_back(text.substr(at, nl - at));
    out.push_back(text.substr(at)); // after a final CR LF: ""
    return out;
}

TEST(Productcellen, AreTheFortyThreeProducts) {
    const std::vector<int> expected{0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 12, 14, 15, 16,
                                    18, 20, 21, 24, 25, 27, 28, 30, 32, 35, 36, 40, 42, 45, 48,
                                    49, 50, 54, 56, 60, 63, 64, 70, 72, 80, 81, 90, 100};
    EXPECT_EQ(productcellen(), expected);
    EXPECT_TRUE(isProductcel(49));
    EXPECT_FALSE(isProductcel(11));
    EXPECT_FALSE(isProductcel(99));
}

struct Tafel {
    int n;
    const char* eersteMakkelijk;
    const char* laatsteMakkelijk;
    const char* eersteMoeilijk;
    const char* laatsteMoeilijk;
    const char* antwoordEen;
    const char* antwoordTien;
};

class Teksten : public ::testing::TestWithParam<Tafel> {};

TEST_P(Teksten, QuestionListsHaveTheirLinesAndEndInCrLf) {
    const Tafel& t = GetParam();
    const auto makkelijk = regels(makkelijkeVragen(t.n));
    ASSERT_EQ(makkelijk.size(), 7u);
    EXPECT_EQ(makkelijk[0], t.eersteMakkelijk);
    EXPECT_EQ(makkelijk[5], t.laatsteMakkelijk);
    EXPECT_EQ(makkelijk[6], "");
    const auto moeilijk = regels(moeilijkeVragen(t.n));
    ASSERT_EQ(moeilijk.size(), 6u);
    EXPECT_EQ(moeilijk[0], t.eersteMoeilijk);
    EXPECT_EQ(moeilijk[4], t.laatsteMoeilijk);
    EXPECT_EQ(moeilijk[5], "");
}

TEST_P(Teksten, AnswerListHasElevenLinesAndNoFinalCrLf) {
    const Tafel& t = GetParam();
    const auto a = regels(antwoorden(std::to_string(t.n)));
    ASSERT_EQ(a.size(), 11u);
    EXPECT_EQ(a[0], "    0 x " + std::to_string(t.n) + " = 0");
    EXPECT_EQ(a[1], t.antwoordEen);
    EXPECT_EQ(a[10], t.antwoordTien);
}

TEST_P(Teksten, MultiplesAreLitAndCoveredTogether) {
    const Tafel& t = GetParam();
    Beurt b;
    b.kies(t.n);
    int groen = 0;
    for (int c = 0; c < cellen; ++c) {
        const bool veelvoud = c % t.n == 0 && c / t.n <= 10;
        EXPECT_EQ(b.kleur[static_cast<std::size_t>(c)] == opgelicht, veelvoud) << "cell " << c;
        groen += veelvoud;
    }
    EXPECT_EQ(groen, 11);
    EXPECT_EQ(b.tafel, std::to_string(t.n));
    b.bedek(t.n);
    for (int c : veelvouden(t.n))
        EXPECT_EQ(b.kleur[static_cast<std::size_t>(c)], bedekt) << "cell " << c;
}

INSTANTIATE_TEST_SUITE_P(EveryTable, Teksten,
                         ::testing::Values(Tafel{1, "  0 x 1= ?", "   10 x 1= ?", "   4 x 1= ?",
                                                 "   9 x 1= ?", "    1 x 1 = 1", "   10 x 1 = 10"},
                                           Tafel{2, "  0 x 2= ?", "   10 x 2= ?", "   4 x 2= ?",
                                                 "   9 x 2= ?", "    1 x 2 = 2", "   10 x 2 = 20"},
                                           Tafel{3, "  0 x 3= ?", "   10 x 3= ?", "   4 x 3= ?",
                                                 "   9 x 3= ?", "    1 x 3 = 3", "   10 x 3 = 30"},
                                           Tafel{4, "  0 x 4= ?", "   10 x 4= ?", "   4 x 4= ?",
                                                 "   9 x 4= ?", "    1 x 4 = 4", "   10 x 4 = 40"},
                                           Tafel{5, "  0 x 5= ?", "   10 x 5= ?", "   4 x 5= ?",
                                                 "   9 x 5= ?", "    1 x 5 = 5", "   10 x 5 = 50"},
                                           Tafel{6, "   0 x 6= ?", "   10 x 6= ?", "   4 x 6= ?",
                                                 "   9 x 6= ?", "    1 x 6 = 6", "   10 x 6 = 60"},
                                           Tafel{7, "  0 x 7= ?", "   10 x 7= ?", "   4 x 7= ?",
                                                 "   9 x 7= ?", "    1 x 7 = 7", "   10 x 7 = 70"},
                                           Tafel{8, "  0 x 8= ?", "   10 x 8= ?", "   4 x 8= ?",
                                                 "   9 x 8= ?", "    1 x 8 = 8", "   10 x 8 = 80"},
                                           Tafel{9, "  0 x 9= ?", "   10 x 9= ?", "   4 x 9= ?",
                                                 "   9 x 9= ?", "    1 x 9 = 9", "   10 x 9 = 90"},
                                           Tafel{10, "  0 x 10= ?", "   10 x 10= ?", "   4 x 10= ?",
                                                 "   9 x 10= ?", "    1 x 10 = 10", "   10 x 10 = 100"}),
                         [](const auto& info) { return "tafel" + std::to_string(info.param.n); });

TEST(Teksten, TableSevenInFull) {
    EXPECT_EQ(makkelijkeVragen(7), "  0 x 7= ?\r\n   1 x 7= ?\r\n   2 x 7= ?\r\n   3 x 7= ?\r\n"
                                   "   5 x 7= ?\r\n   10 x 7= ?\r\n");
    EXPECT_EQ(moeilijkeVragen(7),
              "   4 x 7= ?\r\n   6 x 7= ?\r\n   7 x 7= ?\r\n   8 x 7= ?\r\n   9 x 7= ?\r\n");
    EXPECT_EQ(regels(antwoorden("7"))[2], "    2 x 7 = 14");
}

TEST(Teksten, AnswerListOfZeroAfterReset) {
    const auto a = regels(antwoorden("0"));
    ASSERT_EQ(a.size(), 11u);
    EXPECT_EQ(a[7], "    7 x 0 = 0");
    EXPECT_EQ(a[10], "   10 x 0 = 0");
}

TEST(Hint, NamesTheTableTwice) {
    EXPECT_EQ(hint("7"), "klik op   x 7\r\n zo leer je 1 minuut de tafel van 7");
    EXPECT_EQ(hint(""), "klik op   x \r\n zo leer je 1 minuut de tafel van ");
}

TEST(Beurt, TimelineOfTwoTurns) {
    Beurt b;
    b.reset();
    EXPECT_EQ(b.fase, Fase::Kiezen);
    EXPECT_TRUE(b.keuze);
    EXPECT_FALSE(b.vragen || b.antwoord || b.terug);

    b.kies(3); // 0 ms
    EXPECT_EQ(b.fase, Fase::Tonen);
    EXPECT_FALSE(b.keuze || b.terug);
    EXPECT_TRUE(b.vragen);
    EXPECT_FALSE(b.antwoord) << "first turn after a reset: answers hidden until 10 s";
    b.bedek(3); // 10 s
    EXPECT_EQ(b.fase, Fase::Bedekt);
    EXPECT_TRUE(b.antwoord);
    EXPECT_FALSE(b.keuze || b.terug);
    b.einde(); // 15 s
    EXPECT_EQ(b.fase, Fase::Kiezen);
    EXPECT_TRUE(b.keuze && b.terug && b.antwoord && b.vragen);

    b.kies(7);
    EXPECT_TRUE(b.antwoord) << "later turns show the answer list at once";
    EXPECT_EQ(b.tafel, "7");
    EXPECT_EQ(b.kleur[0], opgelicht);
    EXPECT_EQ(b.kleur[21], opgelicht);
    for (int c : {3, 6, 9, 12, 15, 18, 24, 27, 30})
        EXPECT_EQ(b.kleur[static_cast<std::size_t>(c)], bedekt) << "cell " << c;

    b.bedek(7);
    b.einde();
    b.reset();
    for (int c : productcellen())
        EXPECT_EQ(b.kleur[static_cast<std::size_t>(c)], neutraal) << "cell " << c;
    EXPECT_EQ(b.tafel, "0");
    EXPECT_TRUE(b.terug) << "a reset leaves the way back alone";
}

} // namespace
