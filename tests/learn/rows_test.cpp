// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

#include "learn/rows.h"

using namespace learn;

namespace {

// Writes a row as it is shown on paper: "·" is one blank, {T} the table, {R} the product.
std::string fill(std::string pattern, int tafel, int r) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size();) {
        if (pattern.compare(i, 2, "\xC2\xB7") == 0) { // the middle dot
            out += ' ';
            i += 2;
        } else if (pattern.compare(i, 3, "{T}") == 0) {
            out += std::to_string(tafel);
            i += 3;
        } else if (pattern.compare(i, 3, "{R}") == 0) {
            out += std::to_string(r);
            i += 3;
        } else {
            out += pattern[i++];
        }
    }
    return out;
}

struct Example {
    int maal, tafel;
    const char* row;
};

class RowExample : public ::testing::TestWithParam<Example> {};

TEST_P(RowExample, ReadsAsOnTheSheet) {
    const auto& e = GetParam();
    EXPECT_EQ(rijtekst(e.maal, e.tafel), fill(e.row, 0, 0)) << e.maal << " x " << e.tafel;
}

INSTANTIATE_TEST_SUITE_P(
    Sheets, RowExample,
    ::testing::Values(Example{1, 7, "·1·x···7·=·····7"}, Example{2, 3, "·2·x··3·=····6"},
                      Example{2, 7, "··2·x····7·=···14"}, Example{3, 2, "·3·x···2·=···6"},
                      Example{3, 7, "··3·x···7·=····21"}, Example{10, 7, "10·x··7·=·····70"},
                      Example{9, 7, "·9·x···7·=····63"}, Example{5, 1, "··5·x···1·=·····5"},
                      Example{5, 7, "·5·x···7·=····35"}, Example{4, 7, "·4·x···7·=····28"},
                      Example{6, 7, "·6·x···7·=····42"}, Example{7, 7, "·7·x···7·=····49"},
                      Example{8, 7, "·8·x···7·=····56"}, Example{2, 4, "·2·x··4·=····8"},
                      Example{3, 4, "··3·x···4·=····12"}, Example{1, 10, "·1·x···10·=·····10"},
                      Example{10, 10, "10·x··10·=·····100"}, Example{5, 2, "·5·x···2·=····10"},
                      Example{2, 2, "·2·x··2·=····4"}, Example{3, 3, "·3·x···3·=···9"}));

// Each row's one-digit and two-digit form; the form follows the product, not the table.
struct Form {
    int maal;
    const char* eencijfer;
    const char* tweecijfers;
};

const Form forms[] = {
    {1, "·1·x···{T}·=·····{R}", "·1·x···{T}·=·····{R}"}, {2, "·2·x··{T}·=····{R}", "··2·x····{T}·=···{R}"},
    {3, "·3·x···{T}·=···{R}", "··3·x···{T}·=····{R}"},   {10, "10·x··{T}·=·····{R}", "10·x··{T}·=·····{R}"},
    {9, "·9·x···{T}·=····{R}", "·9·x···{T}·=····{R}"},   {5, "··5·x···{T}·=·····{R}", "·5·x···{T}·=····{R}"},
    {4, "·4·x···{T}·=····{R}", "·4·x···{T}·=····{R}"},   {6, "·6·x···{T}·=····{R}", "·6·x···{T}·=····{R}"},
    {7, "·7·x···{T}·=····{R}", "·7·x···{T}·=····{R}"},   {8, "·8·x···{T}·=····{R}", "·8·x···{T}·=····{R}"},
};

class EveryTable : public ::testing::TestWithParam<int> {};

TEST_P(EveryTable, EveryRowTakesTheFormOfItsProduct) {
    const int t = GetParam();
    EXPECT_EQ(nulrijtekst(t), fill("0·x···{T}·=·····0", t, 0));
    for (const auto& f : forms) {
        const int r = f.maal * t;
        EXPECT_EQ(rijtekst(f.maal, t), fill(r <= 9 ? f.eencijfer : f.tweecijfers, t, r))
            << f.maal << " x " << t;
    }
}

// The hints as the child reads them, one line per entry.
std::string lines(std::vector<std::string> ls) {
    std::string out;
    for (std::size_t i = 0; i < ls.size(); ++i)
        out += (i ? "\r\n" : "") + ls[i];
    return out;
}

TEST_P(EveryTable, HintsExplainTheRowFromRowsAlreadyKnown) {
    const int t = GetParam();
    const std::string T = std::to_string(t);
    auto x = [t](int m) { return std::to_string(m * t); };
    EXPECT_EQ(uitleg(9, t),
              lines({"", " trek 1 x " + T + " af ", " van 10 x " + T, "", x(10) + " - " + T + " = " + x(9)}));
    EXPECT_EQ(uitleg(5, t),
              lines({"", " 5 x " + T, " is de helft van", " 10 x " + T, "", x(10) + " : 2 = " + x(5)}));
    EXPECT_EQ(uitleg(4, t),
              lines({"", " trek 1 x " + T + " af ", " van 5 x " + T, "", x(5) + " - " + T + " = " + x(4)}));
    EXPECT_EQ(uitleg(6, t),
              lines({"", " tel 1 x " + T, " bij 5 x " + T, "", x(5) + " + " + T + " = " + x(6)}));
    EXPECT_EQ(uitleg(7, t),
              lines({"", " tel 5 x " + T, " en 2 x " + T, "samen", "", x(5) + " + " + x(2) + " = " + x(7)}));
    EXPECT_EQ(uitleg(8, t),
              lines({"", " tel 5 x " + T, " en 3 x " + T, "samen", "", x(5) + " + " + x(3) + " = " + x(8)}));
    for (int m : {1, 2, 3, 10})
        EXPECT_EQ(uitleg(m, t), "") << m << " x " << t;
}

INSTANTIATE_TEST_SUITE_P(Tables, EveryTable, ::testing::Range(1, 11));

TEST(Hints, TableSeven) {
    EXPECT_EQ(uitleg(9, 7), "\r\n trek 1 x 7 af \r\n van 10 x 7\r\n\r\n70 - 7 = 63");
    EXPECT_EQ(uitleg(5, 7), "\r\n 5 x 7\r\n is de helft van\r\n 10 x 7\r\n\r\n70 : 2 = 35");
    EXPECT_EQ(uitleg(8, 7), "\r\n tel 5 x 7\r\n en 3 x 7\r\nsamen\r\n\r\n35 + 21 = 56");
}

TEST(Steps, TeachingOrderWritesEveryRowOnceTopToBottom) {
    std::vector<int> order;
    std::set<int> rows{nulrij};
    int knop = 0;
    for (int n = 0; knop >= 0 && n < 20; ++n) {
        const Stap& s = stapVanKnop(knop);
        order.push_back(s.maal);
        EXPECT_TRUE(rows.insert(s.rij).second) << "row " << s.rij << " written twice";
        // A row's place on the sheet follows its multiplier: 0 x at the top, 10 x at the bottom.
        EXPECT_EQ(rijtop[static_cast<std::size_t>(s.rij)], 120 + 720 * s.maal) << s.maal << " x";
        knop = s.volgende;
    }
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3, 10, 9, 5, 4, 6, 7, 8}));
    EXPECT_EQ(rows.size(), 11u);
    EXPECT_EQ(rijtop[nulrij], 120);
}

TEST(Steps, ButtonCaptionsByIndex) {
    const char* captions[] = {"1 x ", "2 x ", "3 x ", "10 x ", "5 x ",
                              "4 x ", "6 x ", "7 x ", "8 x ",  "9 x "};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(knoptekst(i), captions[i]) << i;
    EXPECT_THROW(stapVanKnop(10), std::out_of_range);
}

} // namespace
