// The one conversion of numbers to text and the two conversions of typed text to numbers: what is
// written reads back, whole numbers round to the nearest with ties to even, and the decimal
// separator is the user's.

#include "core/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace kvor {
namespace {

TEST(NumberText, WhatItWritesReadsBackAsTheSameText) {
    std::mt19937_64 engine(12345);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-320, 307);
    for (int n = 0; n < 20000; ++n) {
        const double x = mantissa(engine) * std::pow(10.0, exponent(engine));
        for (const char separator : {'.', ','}) {
            const std::string text = NumberText(x, separator);
            const auto back = ParseNumber(text);
            ASSERT_TRUE(back) << text;
            ASSERT_EQ(NumberText(*back, separator), text);
            ASSERT_LE(std::abs(*back - x), 5.01e-15 * std::abs(x)) << text << " holds 15 digits";
        }
    }
}

TEST(NumberText, FifteenDigitsAndTheExponentFormOnlyForTheVeryLargeAndSmall) {
    EXPECT_EQ(NumberText(-0.8071, '.'), "-0.8071");
    EXPECT_EQ(NumberText(2.0 / 3, ','), "0,666666666666667");
    EXPECT_EQ(NumberText(123456789012345.0, '.'), "123456789012345");
    EXPECT_EQ(NumberText(0.0001, '.'), "0.0001");
    EXPECT_EQ(NumberText(0.000099, ','), "9,9E-05");
    EXPECT_EQ(NumberText(1e15, '.'), "1E+15");
    EXPECT_EQ(NumberText(-2.5e-300, ','), "-2,5E-300");
    EXPECT_EQ(NumberText(-0.0, '.'), "0");
}

TEST(NumberText, ReadsEitherSeparatorAndRefusesWhatIsNoNumber) {
    EXPECT_EQ(ParseNumber(" -1,7E-18 "), -1.7e-18);
    EXPECT_EQ(ParseNumber("3.2"), 3.2);
    EXPECT_EQ(ParseNumber("1e-400"), 0.0) << "below the smallest double is 0";
    for (const char* bad : {"", "-", "1e400", "1,2.3", "1 000", "inf", "nan", "0x10", "5kg"})
        EXPECT_FALSE(ParseNumber(bad)) << bad;
}

TEST(NumberText, WholeNumbersRoundToNearestTiesToEvenWithinSixteenBits) {
    const std::pair<const char*, int> rounded[] = {{"2,5", 2},  {"3,5", 4},         {"-2.5", -2},
                                                   {"2,51", 3}, {"32767,4", 32767}, {"-32768,5", -32768}};
    for (const auto& [text, value] : rounded) EXPECT_EQ(ParseInteger(text), value) << text;
    for (const char* bad : {"32767.5", "-32768.6", "1e5", "x"}) EXPECT_FALSE(ParseInteger(bad)) << bad;
}

} // namespace
} // namespace kvor
