#include <gtest/gtest.h>
#include <limits>

#include "platform/numbers.h"

using namespace mt;

TEST(Numbers, NumberTextIsPlainDecimal) {
    EXPECT_EQ(numberText(7), "7");
    EXPECT_EQ(numberText(100), "100");
    EXPECT_EQ(numberText(0), "0");
    EXPECT_EQ(numberText(-12), "-12");
}

struct NumericCase {
    const char* text;
    bool numeric;
    double value;
};

class NumericTest : public ::testing::TestWithParam<NumericCase> {};

TEST_P(NumericTest, ReadsTheWholeTextOrNothing) {
    const auto& c = GetParam();
    EXPECT_EQ(isNumeric(c.text), c.numeric) << '"' << c.text << '"';
    auto v = toNumber(c.text);
    ASSERT_EQ(v.has_value(), c.numeric) << '"' << c.text << '"';
    if (v) {
        EXPECT_DOUBLE_EQ(*v, c.value) << '"' << c.text << '"';
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, NumericTest,
                         ::testing::Values(NumericCase{"12", true, 12}, NumericCase{"0", true, 0},
                                           NumericCase{"  12 ", true, 12}, NumericCase{"+5", true, 5},
                                           NumericCase{"-5", true, -5}, NumericCase{" -3,5", true, -3.5},
                                           NumericCase{"2.25", true, 2.25}, NumericCase{",5", true, 0.5},
                                           NumericCase{"5.", true, 5}, NumericCase{"0120", true, 120},
                                           NumericCase{"", false, 0}, NumericCase{"   ", false, 0},
                                           NumericCase{"12a", false, 0}, NumericCase{"a", false, 0},
                                           NumericCase{"1 2", false, 0}, NumericCase{"1.2.3", false, 0},
                                           NumericCase{"1,2.3", false, 0}, NumericCase{"+", false, 0},
                                           NumericCase{"-", false, 0}, NumericCase{".", false, 0},
                                           NumericCase{"1e3", false, 0}, NumericCase{"0x10", false, 0},
                                           NumericCase{"1,000,000", false, 0}, NumericCase{"--1", false, 0},
                                           NumericCase{"+-1", false, 0}, NumericCase{"\t7\t", true, 7}));

TEST(Numbers, RoundHalfToEven) {
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(0.5), 0);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(-3.5), -4);
    EXPECT_EQ(roundHalfEven(2.4999), 2);
    EXPECT_EQ(roundHalfEven(2.5001), 3);
    EXPECT_EQ(roundHalfEven(7), 7);
}

TEST(Numbers, SixteenBitConversionReportsOverflow) {
    EXPECT_EQ(toInt16(32767), 32767);
    EXPECT_EQ(toInt16(-32768), -32768);
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_FALSE(toInt16(32767.5)); // rounds to 32768
    EXPECT_FALSE(toInt16(32768));
    EXPECT_FALSE(toInt16(-32769));
    EXPECT_FALSE(toInt16(1e12));
    EXPECT_FALSE(toInt16(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(toInt16(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_EQ(toInt16(*toNumber("99999999999999999999") / 1e20), 1);
    EXPECT_FALSE(toInt16(*toNumber("99999999999999999999")));
    EXPECT_EQ(toInt16(2.5), 2);
}

TEST(Numbers, IntPartRoundsDown) {
    EXPECT_EQ(intPart(0.999 * 11), 10);
    EXPECT_EQ(intPart(0), 0);
    EXPECT_EQ(intPart(-0.5), -1);
}
