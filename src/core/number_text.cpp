#include "number_text.h"

#include <charconv>
#include <cmath>

namespace kvor {

void AppendNumberText(std::string& out, double value, char decimalSeparator) {
    if (value == 0) { // also a negative zero
        out += '0';
        return;
    }
    // Rounded to 15 digits, the largest doubles would become 1.79769313486232E+308, beyond the
    // double range, and a box showing it could not be read again. They are written as the largest
    // 15-digit number within the range instead.
    constexpr double kLargestWritable = 1.79769313486231e308;
    if (std::isfinite(value) && std::abs(value) > kLargestWritable)
        value = std::copysign(kLargestWritable, value);
    // The general format with 15 significant digits: the shortest of fixed and exponent
    // notation, trailing zeros dropped, the exponent with at least two digits.
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    for (char* p = buffer; p != result.ptr; ++p) {
        if (*p == '.')
            out += decimalSeparator;
        else if (*p == 'e')
            out += 'E';
        else
            out += *p;
    }
}

void AppendSecondsText(std::string& out, double seconds, char decimalSeparator) {
    if (!(std::abs(seconds) < 1e15)) {
        AppendNumberText(out, seconds, decimalSeparator);
        return;
    }
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, seconds, std::chars_format::fixed, 2);
    for (char* p = buffer; p != result.ptr; ++p) out += *p == '.' ? decimalSeparator : *p;
}

std::string NumberText(double value, char decimalSeparator) {
    std::string text;
    AppendNumberText(text, value, decimalSeparator);
    return text;
}

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The number's text in the form from_chars reads ("-12.5e3": no '+', a point), or nothing when
// the text is not a number. firstDigitExponent receives the decimal exponent of the first
// significant digit, which tells an overflow from an underflow when the value is out of range.
std::optional<std::string> normalised(std::string_view text, long& firstDigitExponent) {
    std::size_t i = 0, n = text.size();
    while (i < n && isBlank(text[i])) ++i;
    while (n > i && isBlank(text[n - 1])) --n;

    std::string out;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') out += '-';
        ++i;
    }
    long integerDigits = 0, leadingZeros = 0, digits = 0;
    bool significant = false, afterPoint = false;
    for (; i < n; ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            out += c;
            ++digits;
            if (c != '0') significant = true;
            if (!afterPoint) ++integerDigits;
            if (!significant) ++leadingZeros;
        } else if ((c == '.' || c == ',') && !afterPoint) {
            out += '.';
            afterPoint = true;
        } else {
            break;
        }
    }
    if (digits == 0) return std::nullopt;
    long exponent = 0;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        out += 'e';
        ++i;
        bool negative = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            negative = text[i] == '-';
            out += text[i++];
        }
        const std::size_t exponentStart = i;
        for (; i < n && isDigit(text[i]); ++i) {
            out += text[i];
            // Saturates far beyond any number of digits a text can have, so that the sum with
            // the digits' own position below keeps its sign.
            if (exponent < 1'000'000'000'000'000) exponent = exponent * 10 + (text[i] - '0');
        }
        if (i == exponentStart) return std::nullopt;
        if (negative) exponent = -exponent;
    }
    if (i != n) return std::nullopt;
    firstDigitExponent = integerDigits - leadingZeros + exponent;
    return out;
}

} // namespace

std::optional<double> ParseNumber(std::string_view text) {
    long firstDigitExponent = 0;
    const auto form = normalised(text, firstDigitExponent);
    if (!form) return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(form->data(), form->data() + form->size(), value);
    if (end != form->data() + form->size()) return std::nullopt;
    if (error == std::errc::result_out_of_range) {
        if (firstDigitExponent > 0) return std::nullopt; // beyond the double range
        return (*form)[0] == '-' ? -0.0 : 0.0;           // below the smallest double
    }
    if (error != std::errc{} || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<Integer> ParseInteger(std::string_view text) {
    const auto value = ParseNumber(text);
    if (!value) return std::nullopt;
    // The default rounding mode, which nothing in the program changes, rounds ties to even.
    const double rounded = std::nearbyint(*value);
    if (rounded < -32768 || rounded > 32767) return std::nullopt;
    return static_cast<Integer>(rounded);
}

double TextToDouble(std::string_view text) {
    const auto value = ParseNumber(text);
    if (!value) throw ConversionError{};
    return *value;
}

Integer TextToInteger(std::string_view text) {
    const auto value = ParseInteger(text);
    if (!value) throw ConversionError{};
    return *value;
}

} // namespace kvor
