// Numbers to text and typed text to numbers: fifteen digits, the user's separator, whole numbers
// rounded to nearest with ties to even (that every text reads back is the fuzz target's to show).

#include "core/number_text.h"

#include <gtest/gtest.h>

namespace kvor {
namespace {

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

TEST(NumberText, ReadsEitherSeparatorAndRoundsWholeNumbersToNearestTiesToEvenWithinSixteenBits) {
    EXPECT_EQ(ParseNumber(" -1,7E-18 "), -1.7e-18);
    EXPECT_EQ(ParseNumber("1e-400"), 0.0) << "below the smallest double is 0";
    for (const char* bad : {"", "-", "1e400", "1,2.3", "1 000", "inf", "nan", "0x10", "5kg"})
        EXPECT_FALSE(ParseNumber(bad)) << bad;
    const std::pair<const char*, int> rounded[] = {{"2,5", 2},  {"3,5", 4},         {"-2.5", -2},
                                                   {"2,51", 3}, {"32767,4", 32767}, {"-32768,5", -32768}};
    for (const auto& [text, value] : rounded) EXPECT_EQ(ParseInteger(text), value) << text;
    for (const char* bad : {"32767.5", "-32768.6", "1e5", "x"}) EXPECT_FALSE(ParseInteger(bad)) << bad;
}

} // namespace
} // namespace kvor
