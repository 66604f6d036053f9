#include "core/number_text.h"

#include <gtest/gtest.h>

namespace kvor {
namespace {

TEST(NumberText, GeneralFormWithFifteenDigitsAndExponentForms) {
    EXPECT_EQ(NumberText(3.2, '.'), "3.2");
    EXPECT_EQ(NumberText(3.2, ','), "3,2");
    EXPECT_EQ(NumberText(0.00001, '.'), "1E-05");
    EXPECT_EQ(NumberText(1e18, ','), "1E+18");
    EXPECT_EQ(NumberText(1.7e-18, ','), "1,7E-18");
    EXPECT_EQ(NumberText(-0.8071, '.'), "-0.8071");
    EXPECT_EQ(NumberText(-0.0, '.'), "0");
    EXPECT_EQ(NumberText(123456789012345, '.'), "123456789012345");
    EXPECT_EQ(NumberText(1e15, '.'), "1E+15");
    EXPECT_EQ(NumberText(0.0001, '.'), "0.0001");
    EXPECT_EQ(NumberText(1.0 / 3, '.'), "0.333333333333333");
}

TEST(NumberText, ReadsBothSeparatorsAndRoundsIntegersToEven) {
    EXPECT_EQ(ParseNumber("3,2"), 3.2);
    EXPECT_EQ(ParseNumber(" -1.7E-18 "), -1.7e-18);
    EXPECT_EQ(ParseNumber("1e-400"), 0.0);
    EXPECT_FALSE(ParseNumber("1e400"));
    EXPECT_FALSE(ParseNumber(""));
    EXPECT_FALSE(ParseNumber("1,2,3"));
    EXPECT_FALSE(ParseNumber("nan"));
    EXPECT_EQ(ParseInteger("2,5"), 2);
    EXPECT_EQ(ParseInteger("3.5"), 4);
    EXPECT_EQ(ParseInteger("-32768.5"), -32768);
    EXPECT_FALSE(ParseInteger("32767.5"));
    EXPECT_FALSE(ParseInteger("40000"));
}

} // namespace
} // namespace kvor
