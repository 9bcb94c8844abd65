// SPDX-License-Identifier: GPL-3.0-or-later
#include <cfenv>
#include <climits>
#include <cmath>
#include <gtest/gtest.h>
#include <ostream>
#include <random>
#include <string>

#include "platform/numbers.h"

using namespace mt;

namespace mt {
void PrintTo(const Decimal& d, std::ostream* out) {
    *out << d.text();
}
} // namespace mt

namespace {

std::string read(const std::string& text) {
    const auto d = toDecimal(text);
    return d ? d->text() : "(not a number)";
}

std::string rounded(const std::string& text) {
    return roundHalfEven(*toDecimal(text)).text();
}

} // namespace

TEST(Numbers, NumberTextIsPlainDecimal) {
    EXPECT_EQ(numberText(7), "7");
    EXPECT_EQ(numberText(100), "100");
    EXPECT_EQ(numberText(0), "0");
    EXPECT_EQ(numberText(-12), "-12");
}

struct NumericCase {
    const char* text;
    const char* value; // the shortest way to write it, or nullptr for a text that is no number
};

class NumericTest : public ::testing::TestWithParam<NumericCase> {};

TEST_P(NumericTest, ReadsTheWholeTextOrNothing) {
    const auto& c = GetParam();
    EXPECT_EQ(isNumeric(c.text), c.value != nullptr) << '"' << c.text << '"';
    EXPECT_EQ(read(c.text), c.value ? c.value : "(not a number)") << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumericTest,
    ::testing::Values(NumericCase{"12", "12"}, NumericCase{"0", "0"}, NumericCase{"  12 ", "12"},
                      NumericCase{"+5", "5"}, NumericCase{"-5", "-5"}, NumericCase{" -3,5", "-3.5"},
                      NumericCase{"2.25", "2.25"}, NumericCase{",5", "0.5"}, NumericCase{"5.", "5"},
                      NumericCase{"0120", "120"}, NumericCase{"12.000", "12"}, NumericCase{"-0", "0"},
                      NumericCase{"-0,000", "0"}, NumericCase{"00.0100", "0.01"}, NumericCase{"\t7\t", "7"},
                      NumericCase{"12.00000000000000000001", "12.00000000000000000001"},
                      NumericCase{"123456789012345678901234567890", "123456789012345678901234567890"},
                      NumericCase{"", nullptr}, NumericCase{"   ", nullptr}, NumericCase{"12a", nullptr},
                      NumericCase{"a", nullptr}, NumericCase{"1 2", nullptr}, NumericCase{"1.2.3", nullptr},
                      NumericCase{"1,2.3", nullptr}, NumericCase{"+", nullptr}, NumericCase{"-", nullptr},
                      NumericCase{".", nullptr}, NumericCase{"1e3", nullptr}, NumericCase{"0x10", nullptr},
                      NumericCase{"1,000,000", nullptr}, NumericCase{"--1", nullptr},
                      NumericCase{"+-1", nullptr}, NumericCase{"- 1", nullptr}, NumericCase{"1\n", nullptr}));

// The digits after the point decide, however many there are: more than half, exactly half, less.
TEST(Numbers, RoundHalfToEvenByTheDigits) {
    EXPECT_EQ(rounded("48.50000000000000000001"), "49");
    EXPECT_EQ(rounded("47.49999999999999999999"), "47");
    EXPECT_EQ(rounded("48.5"), "48");
    EXPECT_EQ(rounded("47.5"), "48");
    EXPECT_EQ(rounded("47.500000000000000000000"), "48");
    EXPECT_EQ(rounded("2,5"), "2");
    EXPECT_EQ(rounded("3.5"), "4");
    EXPECT_EQ(rounded("-2.5"), "-2");
    EXPECT_EQ(rounded("-3.5"), "-4");
    EXPECT_EQ(rounded("-2.50000000000000000000001"), "-3");
    EXPECT_EQ(rounded("0.5"), "0");
    EXPECT_EQ(rounded("-0.5"), "0");
    EXPECT_EQ(rounded(".50000000000000000000000000001"), "1");
    EXPECT_EQ(rounded("-0.49999999999999999999999999999"), "0");
    EXPECT_EQ(rounded("9.5"), "10");
    EXPECT_EQ(rounded("-999.6"), "-1000");
    EXPECT_EQ(rounded("7"), "7");
    EXPECT_EQ(rounded(std::string(400, '9') + ".5"), "1" + std::string(400, '0'));
}

TEST(Numbers, SixteenBitConversionReportsOverflow) {
    EXPECT_EQ(toInt16("32767"), 32767);
    EXPECT_EQ(toInt16("-32768"), -32768);
    EXPECT_EQ(toInt16("32767.49999999999999999999"), 32767);
    EXPECT_EQ(toInt16("-32768.5"), -32768); // the even neighbour
    EXPECT_EQ(toInt16("00000000000000000000000012,5"), 12);
    EXPECT_EQ(toInt16("48.50000000000000000001"), 49);
    EXPECT_EQ(toInt16("-0.5"), 0);
    EXPECT_FALSE(toInt16("32767.5")); // rounds to 32768
    EXPECT_FALSE(toInt16("32768"));
    EXPECT_FALSE(toInt16("-32768.50000000000000000001"));
    EXPECT_FALSE(toInt16("-32769"));
    EXPECT_FALSE(toInt16("99999"));
    EXPECT_FALSE(toInt16("100000"));
    EXPECT_FALSE(toInt16("65548")); // would wrap to 12
    EXPECT_FALSE(toInt16(std::string(400, '9')));
    EXPECT_FALSE(toInt16("12a"));
    EXPECT_FALSE(toInt16(""));
}

// A typed number equals a whole number only when it is that number, digit for digit.
TEST(Numbers, ComparedExactlyWithWholeNumbers) {
    const auto d = [](const char* text) { return *toDecimal(text); };
    EXPECT_EQ(d("12"), 12);
    EXPECT_EQ(d(" 12,000 "), 12);
    EXPECT_EQ(d("+0012"), 12);
    EXPECT_NE(d("12.00000000000000000001"), 12);
    EXPECT_GT(d("12.00000000000000000001"), 12);
    EXPECT_LT(d("11.99999999999999999999"), 12);
    EXPECT_LT(d("12.00000000000000000001"), 13);
    EXPECT_NE(d("-12"), 12);
    EXPECT_LT(d("-12"), -11);
    EXPECT_GT(d("-11.5"), -12);
    EXPECT_LT(d("-12.00000000000000000001"), -12);
    EXPECT_EQ(d("-0"), 0);
    EXPECT_LT(d("-0.00000000000000000001"), 0);
    EXPECT_GT(d("0.00000000000000000001"), 0);
    EXPECT_LT(d("0.5"), 1);
    EXPECT_GT(d("1"), 0);
    EXPECT_LT(d("-1"), 0);
    EXPECT_EQ(d("9223372036854775807"), LLONG_MAX);
    EXPECT_GT(d("9223372036854775808"), LLONG_MAX);
    EXPECT_EQ(d("-9223372036854775808"), LLONG_MIN);
    EXPECT_LT(d("-9223372036854775808.1"), LLONG_MIN);
    EXPECT_GT(d("-9223372036854775807.9"), LLONG_MIN);
    EXPECT_GT(d(std::string(400, '9').c_str()), LLONG_MAX);
    EXPECT_LT(d(("-" + std::string(400, '9')).c_str()), LLONG_MIN);
    EXPECT_EQ(Decimal{}, 0);
}

// Computed values (a position, a count of blanks) round as the processor rounds to nearest.
TEST(Numbers, RoundHalfToEvenOfComputedValues) {
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(-0.4), 0);
    EXPECT_EQ(roundHalfEven(2.5001), 3);
    ASSERT_EQ(std::fegetround(), FE_TONEAREST);
    std::mt19937_64 rng(7);
    std::uniform_int_distribution<int> half(-4000, 4000);
    std::uniform_real_distribution<double> any(-1e6, 1e6);
    for (int n = 0; n < 10000; ++n) {
        const double h = half(rng) / 2.0, x = any(rng);
        EXPECT_EQ(roundHalfEven(h), std::nearbyint(h)) << h;
        EXPECT_EQ(roundHalfEven(x), std::nearbyint(x)) << x;
    }
}

TEST(Numbers, IntPartRoundsDown) {
    EXPECT_EQ(intPart(0.999 * 11), 10);
    EXPECT_EQ(intPart(0), 0);
    EXPECT_EQ(intPart(-0.5), -1);
}
