// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <string>

#include "product/regels.h"
#include "product/tafelkleur.h"

using mt::Color;

namespace {

struct Rij {
    int tafel;
    Color achter, tekst;
};

// The colour map as the board's design gives it.
const Rij kaart[] = {
    {1, Color::windowBackground(), Color::rgb(0, 0, 0)},
    {2, Color::rgb(255, 6, 6), Color::rgb(255, 255, 255)},
    {3, Color::rgb(43, 255, 43), Color::rgb(0, 0, 0)},
    {4, Color::rgb(244, 0, 244), Color::rgb(255, 255, 255)},
    {5, Color::rgb(249, 249, 0), Color::rgb(0, 0, 0)},
    {6, Color::rgb(0, 106, 53), Color::rgb(255, 255, 255)},
    {7, Color::rgb(0, 0, 0), Color::rgb(255, 255, 255)},
    {8, Color::rgb(119, 60, 60), Color::rgb(255, 255, 255)},
    {9, Color::rgb(45, 45, 255), Color::rgb(255, 255, 255)},
    {10, Color::rgb(255, 128, 0), Color::rgb(255, 255, 255)},
};

TEST(Tafelkleur, EveryTableHasItsRowAndNothingElseHasOne) {
    for (const Rij& r : kaart) {
        auto k = product::tafelkleur(r.tafel);
        ASSERT_TRUE(k) << r.tafel;
        EXPECT_EQ(k->achter, r.achter) << r.tafel;
        EXPECT_EQ(k->tekst, r.tekst) << r.tafel;
    }
    for (int buiten : {-1, 0, 11, 32767})
        EXPECT_FALSE(product::tafelkleur(buiten)) << buiten;
}

TEST(Productgetallen, TheBlankCellsAreExactlyThoseNoTwoFactorsMake) {
    std::set<int> producten;
    for (int a = 1; a <= 10; ++a)
        for (int b = 1; b <= 10; ++b)
            producten.insert(a * b);
    std::set<int> verwacht;
    for (int n = 0; n <= 100; ++n)
        if (n > 10 && !producten.count(n))
            verwacht.insert(n);
    const std::set<int> blanco(product::blanco.begin(), product::blanco.end());
    EXPECT_EQ(blanco.size(), product::blanco.size()) << "a cell listed twice";
    EXPECT_EQ(blanco, verwacht);
    EXPECT_TRUE(std::is_sorted(product::blanco.begin(), product::blanco.end()));
}

TEST(Hulpzin, SixSevensAsTheBoardWritesIt) {
    EXPECT_EQ(product::hulpzin(7, 6), " denk eerst aan 5 x 6 = 30 en dan aan 2 x 6 = 12.  Tel samen.");
}

// Every table 2..10 with every factor 4..9, from the pieces each sentence is made of.
TEST(Hulpzin, EveryTableAndFactorFromItsPieces) {
    for (int k = 2; k <= 10; ++k) {
        const std::string K = std::to_string(k);
        auto x = [k](int n) { return std::to_string(n * k); };
        EXPECT_EQ(product::hulpzin(4, k),
                  " denk eerst aan 5 x " + K + " = " + x(5) + " en trek er 1 x " + K + " = " + K + " af ");
        EXPECT_EQ(product::hulpzin(5, k),
                  " denk eerst aan 10 x " + K + " = " + x(10) + " en neem dan de helft ");
        EXPECT_EQ(product::hulpzin(6, k),
                  " denk eerst aan 5 x " + K + " = " + x(5) + " en tel er 1 x " + K + " = " + K + " bij ");
        EXPECT_EQ(product::hulpzin(7, k), " denk eerst aan 5 x " + K + " = " + x(5) + " en dan aan 2 x " + K +
                                              " = " + x(2) + ".  Tel samen.");
        EXPECT_EQ(product::hulpzin(8, k), " denk eerst aan 5 x " + K + " = " + x(5) + " en dan aan 3 x " + K +
                                              " = " + x(3) + ".  Tel samen.");
        EXPECT_EQ(product::hulpzin(9, k),
                  " denk eerst aan 10 x " + K + " = " + x(10) + " en trek er 1 x " + K + " = " + K + " af ");
        for (int geen : {0, 1, 2, 3, 10, 11})
            EXPECT_EQ(product::hulpzin(geen, k), "") << geen << " x " << k;
    }
    EXPECT_EQ(product::hulpzin(9, 10), " denk eerst aan 10 x 10 = 100 en trek er 1 x 10 = 10 af ");
}

TEST(Antwoord, NumbersStayAndAreComparedByValue) {
    struct Geval {
        const char* getypt;
        const char* blijft;
        const char* waarde;
    };
    const Geval gevallen[] = {
        {" 12 ", " 12 ", "12"},   {"12.0", "12.0", "12"}, {"12,0", "12,0", "12"}, {"+12", "+12", "12"},
        {"12.5", "12.5", "12.5"}, {"-3", "-3", "-3"},     {"0012", "0012", "12"}, {"", "0", "0"},
        {"12a", "0", "0"},        {"1 2", "0", "0"},      {"1e2", "0", "0"},      {"0x10", "0", "0"},
        {"1.2.3", "0", "0"},      {"-", "0", "0"},        {".", "0", "0"},        {"½", "0", "0"},
    };
    for (const Geval& g : gevallen) {
        EXPECT_EQ(product::gelezen(g.getypt), g.blijft) << '"' << g.getypt << '"';
        EXPECT_EQ(product::antwoordwaarde(product::gelezen(g.getypt)).text(), g.waarde)
            << '"' << g.getypt << '"';
    }
}

// A long fraction is not the whole number it is close to, however many digits it takes.
TEST(Antwoord, ALongFractionIsNotTheWholeNumber) {
    EXPECT_EQ(product::antwoordwaarde("12.00000000000000000000000000000"), 12);
    EXPECT_NE(product::antwoordwaarde("12.00000000000000000001"), 12);
    EXPECT_NE(product::antwoordwaarde("11,99999999999999999999"), 12);
    EXPECT_NE(product::antwoordwaarde("-12"), 12);
}

TEST(Antwoord, AHugeNumberIsJustAnotherWrongValue) {
    const std::string lang(400, '9');
    EXPECT_EQ(product::gelezen(lang), lang);
    const mt::Decimal v = product::antwoordwaarde(lang);
    for (int verwacht = 0; verwacht <= 100; ++verwacht)
        EXPECT_NE(v, verwacht);
}

} // namespace
