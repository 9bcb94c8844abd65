// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "automation/herhaling.h"

namespace {

const std::string streep = " " + std::string(24, '_');

std::vector<std::string> regels(const std::string& tekst) {
    std::vector<std::string> out;
    std::size_t begin = 0;
    for (std::size_t at; (at = tekst.find("\r\n", begin)) != std::string::npos; begin = at + 2)
        out.push_back(tekst.substr(begin, at - begin));
    out.push_back(tekst.substr(begin));
    return out;
}

// The heading and the rule on the first line, ten lines, and the closing rule straight after the
// last line: for every table, each line says its own fact.
TEST(Herhaallijst, EveryTableHasItsTenFactsBetweenTwoRules) {
    for (int t = 2; t <= 10; ++t) {
        const auto lijnen = regels(automation::herhaallijst(t));
        ASSERT_EQ(lijnen.size(), 11u) << t;
        EXPECT_EQ(lijnen[0], " even herhalen " + streep) << t;
        ASSERT_GT(lijnen[10].size(), streep.size());
        EXPECT_EQ(lijnen[10].substr(lijnen[10].size() - streep.size()), streep) << t;
        for (int n = 1; n <= 10; ++n) {
            std::string lijn = lijnen[static_cast<std::size_t>(n)];
            if (n == 10)
                lijn.resize(lijn.size() - streep.size());
            // Blanks aside, line n reads "n x t = n·t".
            std::string kaal;
            for (char c : lijn)
                if (c != ' ')
                    kaal += c;
            EXPECT_EQ(kaal, std::to_string(n) + "x" + std::to_string(t) + "=" + std::to_string(n * t))
                << "table " << t << " line " << n;
            EXPECT_EQ(lijn.front(), ' ');
            EXPECT_EQ(lijn.back(), ' ');
        }
    }
}

// Lines exactly as the wall chart has them, blanks included.
TEST(Herhaallijst, LinesKeepTheirOwnBlanks) {
    const auto twee = regels(automation::herhaallijst(2));
    EXPECT_EQ(twee[1], "  1 x 2  =     2 ");
    EXPECT_EQ(twee[5], "   5 x 2  =   10 ");
    EXPECT_EQ(twee[10], "  10 x 2  =   20 " + streep);
    const auto drie = regels(automation::herhaallijst(3));
    EXPECT_EQ(drie[1], "    1 x 3 =    3 ");
    EXPECT_EQ(drie[10], "   10 x 3 =   30 " + streep);
    EXPECT_EQ(regels(automation::herhaallijst(5))[1], " 1 x 5 =     5 ");
    EXPECT_EQ(regels(automation::herhaallijst(7))[1], "  1 x 7 =     7 ");
    EXPECT_EQ(regels(automation::herhaallijst(10))[10], " 10 x 10 = 100 " + streep);
}

TEST(Herhaallijst, TablesWithoutAListHaveNone) {
    for (int t : {-1, 0, 1, 11})
        EXPECT_EQ(automation::herhaallijst(t), "") << t;
}

TEST(Beloningen, TwiceTheRightAnswersLessOne) {
    EXPECT_EQ(automation::beloningen(0), 0);
    EXPECT_EQ(automation::beloningen(1), 1);
    EXPECT_EQ(automation::beloningen(5), 9);
    EXPECT_EQ(automation::beloningen(10), 19);
    EXPECT_EQ(automation::beloningen(-1), 0);
}

TEST(Rechthoek, RunningProductsAlongBothEdges) {
    const auto r = automation::rechthoek(3, 4);
    EXPECT_EQ(r.rijen, 3);
    EXPECT_EQ(r.kolommen, 4);
    EXPECT_EQ(r.rechts, (std::vector<int>{4, 8, 12}));
    EXPECT_EQ(r.onder, (std::vector<int>{3, 6, 9, 12}));
    const auto vol = automation::rechthoek(10, 10);
    EXPECT_EQ(vol.rechts.back(), 100);
    EXPECT_EQ(vol.onder.back(), 100);
    EXPECT_EQ(automation::rechthoek(1, 1).rechts, std::vector<int>{1});
}

TEST(Rechthoek, NothingUnlessBothCountsAreOneToTen) {
    for (auto [i, j] : {std::pair{0, 4}, {4, 0}, {0, 0}, {11, 3}, {3, 11}, {-2, 5}}) {
        const auto r = automation::rechthoek(i, j);
        EXPECT_EQ(r.rijen, 0);
        EXPECT_TRUE(r.rechts.empty());
        EXPECT_TRUE(r.onder.empty());
    }
}

} // namespace
