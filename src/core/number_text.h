#pragma once

#include "model_numbers.h"

#include <optional>
#include <string>
#include <string_view>

namespace kvor {

// The one conversion of a number to text, for every box, picture and data record: at most 15
// significant digits, no digit grouping, no trailing zeros, a minus sign only for negative
// values (a negative zero is "0"), the given decimal separator, and the exponent form
// "1E-05", "1,7E-18", "1E+18" below 1E-04 and from 1E+15 on.
std::string NumberText(double value, char decimalSeparator);
void AppendNumberText(std::string& out, double value, char decimalSeparator);

// A duration in seconds for a person to read, such as "12.34": two decimals, rounded, and the
// given decimal separator. Values outside +-1E+15 are written as NumberText writes them.
void AppendSecondsText(std::string& out, double seconds, char decimalSeparator);

// Reads a number as a user types it: optional blanks, an optional sign, digits with at most one
// decimal separator, an optional exponent (E or e, optional sign, digits), optional blanks.
// Both '.' and ',' are taken as the decimal separator, since digits are never grouped, so
// whatever NumberText writes in any locale reads back. An empty or non-numeric text, or a
// magnitude beyond the double range, has no value; one below the smallest double reads as 0.
std::optional<double> ParseNumber(std::string_view text);

// A number rounded to the nearest 16-bit integer, a tie going to the even neighbour
// (2,5 gives 2; 3,5 gives 4); outside -32768..32767 it has no value.
std::optional<Integer> ParseInteger(std::string_view text);

// The same two conversions for the model's inputs: a text without a value is a
// ConversionError.
double TextToDouble(std::string_view text);
Integer TextToInteger(std::string_view text);

} // namespace kvor
