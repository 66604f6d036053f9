// The one conversion of numbers to text and the two conversions of typed text to numbers.

#include "core/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

namespace kvor {
namespace {

struct TextCase {
    double value;
    const char* text; // with '.' as the separator
};

// Named by the expected text in test listings, rather than by its bytes.
void PrintTo(const TextCase& c, std::ostream* out) { *out << c.text; }

class NumberTextForm : public testing::TestWithParam<TextCase> {};

std::string withSeparator(std::string text, char separator) {
    for (char& c : text)
        if (c == '.' || c == ',') c = separator;
    return text;
}

TEST_P(NumberTextForm, GeneralFormatInBothSeparators) {
    const TextCase c = GetParam();
    EXPECT_EQ(NumberText(c.value, '.'), c.text);
    EXPECT_EQ(NumberText(c.value, ','), withSeparator(c.text, ','));
    std::string appended = "F= ";
    AppendNumberText(appended, c.value, ',');
    EXPECT_EQ(appended, "F= " + withSeparator(c.text, ','));
}

INSTANTIATE_TEST_SUITE_P(
    Values, NumberTextForm,
    testing::Values(
        // Plain numbers, no trailing zeros, no grouping.
        TextCase{0, "0"}, TextCase{1, "1"}, TextCase{-19, "-19"}, TextCase{3.2, "3.2"},
        TextCase{-0.8071, "-0.8071"}, TextCase{400, "400"}, TextCase{10000, "10000"},
        TextCase{1234567.25, "1234567.25"},
        // A negative zero shows no sign.
        TextCase{-0.0, "0"},
        // At most 15 significant digits, rounded.
        TextCase{1.0 / 3, "0.333333333333333"}, TextCase{2.0 / 3, "0.666666666666667"},
        TextCase{0.1 + 0.2, "0.3"}, TextCase{-0.482000000000015, "-0.482000000000015"},
        TextCase{123456789.123456789, "123456789.123457"}, TextCase{123456789012345.0, "123456789012345"},
        TextCase{999999999999999.0, "999999999999999"},
        // Exponent form below 1E-04 and from 1E+15 on: the letter E, a signed two-digit exponent.
        TextCase{0.0001, "0.0001"}, TextCase{0.00012, "0.00012"}, TextCase{0.00001, "1E-05"},
        TextCase{0.000001, "1E-06"}, TextCase{0.000099, "9.9E-05"}, TextCase{1.7e-18, "1.7E-18"},
        TextCase{3.2e-19, "3.2E-19"}, TextCase{1e15, "1E+15"}, TextCase{1e18, "1E+18"},
        TextCase{-2.5e20, "-2.5E+20"}, TextCase{1e100, "1E+100"}, TextCase{-1e-300, "-1E-300"},
        TextCase{9999999999999999.0, "1E+16"}, TextCase{66.7e-12, "6.67E-11"},
        // The largest doubles would round up past the double range; they are written as the
        // largest 15-digit number within it, so that the text reads back.
        TextCase{std::numeric_limits<double>::max(), "1.79769313486231E+308"},
        TextCase{-1.797693134862313e308, "-1.79769313486231E+308"},
        TextCase{std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"}));

TEST(NumberText, WhatItWritesReadsBackUnchanged) {
    // Random doubles over the whole range: the text reads back to a value whose text is the same,
    // in both separators, and that value is the one nearest to the text.
    std::mt19937_64 engine(12345);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-320, 307);
    for (int n = 0; n < 20000; ++n) {
        const double x = mantissa(engine) * std::pow(10.0, exponent(engine));
        for (const char separator : {'.', ','}) {
            const std::string text = NumberText(x, separator);
            const auto back = ParseNumber(text);
            ASSERT_TRUE(back) << text;
            EXPECT_EQ(NumberText(*back, separator), text);
            EXPECT_EQ(*back, std::strtod(withSeparator(text, '.').c_str(), nullptr)) << text;
        }
    }
    // Every 16-bit integer, as the exponent and step-count boxes hold them.
    for (int i = -32768; i <= 32767; ++i) ASSERT_EQ(ParseInteger(NumberText(i, ',')), i);
}

TEST(NumberText, ReadsWhatAUserTypes) {
    // Either separator, since digits are never grouped.
    EXPECT_EQ(ParseNumber("3,2"), 3.2);
    EXPECT_EQ(ParseNumber("3.2"), 3.2);
    EXPECT_EQ(ParseNumber("1,7E-18"), 1.7e-18);
    EXPECT_EQ(ParseNumber("1E+18"), 1e18);
    EXPECT_EQ(ParseNumber("1e18"), 1e18);
    EXPECT_EQ(ParseNumber(" -1.7E-18 "), -1.7e-18);
    EXPECT_EQ(ParseNumber("\t+5"), 5.0);
    EXPECT_EQ(ParseNumber(",5"), 0.5);
    EXPECT_EQ(ParseNumber("5."), 5.0);
    EXPECT_EQ(ParseNumber("-0,8071"), -0.8071);
    EXPECT_EQ(ParseNumber("00012"), 12.0);
    EXPECT_EQ(ParseNumber("0.000001"), 1e-6);
    // Below the smallest double is 0, not an error; beyond the largest is an error.
    EXPECT_EQ(ParseNumber("1e-400"), 0.0);
    EXPECT_EQ(ParseNumber("0.00000000000000000001e-320"), 0.0);
    EXPECT_EQ(ParseNumber("0e999999"), 0.0);
    EXPECT_FALSE(ParseNumber("1e400"));
    EXPECT_FALSE(ParseNumber("-1.8e308"));
    EXPECT_FALSE(ParseNumber("100000000000000000000e300"));
    // Not numbers.
    for (const char* bad :
         {"",    " ",     "-",    "+",   ".",    ",",   "e5",  "1e",  "1e+", "1.2.3", "1,2,3", "1,2.3",
          "1 2", "1 000", "0x10", "inf", "-inf", "nan", "1d5", "--1", "+-1", "5kg",   "1e5.0", "\xd0\xb0"}) {
        EXPECT_FALSE(ParseNumber(bad)) << '"' << bad << '"';
        EXPECT_THROW(TextToDouble(bad), ConversionError) << '"' << bad << '"';
    }
    EXPECT_EQ(TextToDouble("2,5"), 2.5);
}

TEST(NumberText, IntegersRoundToNearestTiesToEvenWithinSixteenBits) {
    const std::pair<const char*, int> rounded[] = {
        {"0,5", 0},         {"1,5", 2},           {"2,5", 2},       {"3,5", 4},
        {"-0.5", 0},        {"-1.5", -2},         {"-2,5", -2},     {"2,49", 2},
        {"2,51", 3},        {"1E+4", 10000},      {"32767", 32767}, {"32767.4", 32767},
        {"-32768", -32768}, {"-32768,5", -32768}, {"-19", -19},     {" 20 ", 20},
    };
    for (const auto& [text, value] : rounded) {
        EXPECT_EQ(ParseInteger(text), value) << text;
        EXPECT_EQ(TextToInteger(text), value) << text;
    }
    for (const char* bad : {"32767.5", "32768", "-32768.6", "40000", "1e5", "", "abc", "1e400"}) {
        EXPECT_FALSE(ParseInteger(bad)) << bad;
        EXPECT_THROW(TextToInteger(bad), ConversionError) << bad;
    }
}

} // namespace
} // namespace kvor
