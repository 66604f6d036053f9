// The conversions between box texts and numbers. Whatever is typed, reading gives the value that
// the C library reads from the same number and refuses what is no number or beyond the double
// range; whatever value is written, its text has the program's number shape and reads back to a
// value that is written as the same text again.

#include "core/number_text.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void fault(const char* what, std::string_view text) {
    std::fprintf(stderr, "number text fault: %s: \"%.*s\"\n", what, static_cast<int>(text.size()),
                 text.data());
    std::abort();
}

// Reads digits from t[i] on; returns how many, and the count of significant ones is added to
// `significant`.
std::size_t digits(std::string_view t, std::size_t& i, std::size_t& significant) {
    const std::size_t start = i;
    for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i) significant += significant > 0 || t[i] != '0';
    return i - start;
}

// The typed grammar: a sign, digits with at most one separator ('.' or ','), at least one digit,
// an optional exponent with at least one digit. The text comes without its blanks.
bool isTyped(std::string_view t) {
    std::size_t i = t.starts_with('+') || t.starts_with('-') ? 1 : 0, significant = 0;
    std::size_t count = digits(t, i, significant);
    if (i < t.size() && (t[i] == '.' || t[i] == ',')) count += digits(t, ++i, significant);
    if (count == 0) return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        if (++i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        if (digits(t, i, significant) == 0) return false;
    }
    return i == t.size();
}

// The shape of a written number: a minus sign, digits with at most one separator and no trailing
// zero after it, at most 15 significant digits, an exponent "E+dd" or "E-ddd". No blanks, no inf.
bool isWritten(std::string_view t, char separator) {
    std::size_t i = t.starts_with('-') ? 1 : 0, significant = 0, none = 0;
    if (digits(t, i, significant) == 0) return false;
    if (i < t.size() && t[i] == separator && (digits(t, ++i, significant) == 0 || t[i - 1] == '0'))
        return false;
    if (significant > 15) return false;
    if (i < t.size() && t[i] == 'E') {
        if (++i == t.size() || (t[i] != '+' && t[i] != '-')) return false;
        const std::size_t exponent = digits(t, ++i, none);
        if (exponent < 2 || exponent > 3) return false;
    }
    return i == t.size();
}

void checkWrittenText(double value) {
    if (!std::isfinite(value)) return;
    for (const char separator : {'.', ','}) {
        const std::string text = kvor::NumberText(value, separator);
        if (!isWritten(text, separator)) fault("a written number has a foreign shape", text);
        const auto back = kvor::ParseNumber(text);
        if (!back || kvor::NumberText(*back, separator) != text)
            fault("a written number does not read back", text);
        // Half a unit of the 15th digit (at most 5E-15 of the value) and the rounding of the reading.
        if (!(std::abs(*back - value) <= 5.2e-15 * std::abs(value) + 5e-324))
            fault("a number read back is not the written value", text);
    }
}

void checkReading(std::string_view text) {
    std::string_view t = text;
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
    // The C library's reading of the same number, with a point and in the C locale.
    std::string pointed(t);
    for (char& c : pointed) c = c == ',' ? '.' : c;
    const double library = isTyped(t) ? std::strtod(pointed.c_str(), nullptr) : 0;
    const bool number = isTyped(t) && std::isfinite(library);
    const bool subnormal = std::abs(library) < std::numeric_limits<double>::min();

    const auto value = kvor::ParseNumber(text);
    if (value.has_value() != number)
        fault(number ? "a number was refused" : "a text that is no number was read", text);
    // Below the normal range the reading may give the subnormal value or a zero of its sign.
    if (value) {
        const double expected = *value == 0 && subnormal ? std::copysign(0.0, library) : library;
        if (std::memcmp(&*value, &expected, sizeof expected) != 0)
            fault("a reading is not the typed number", text);
        checkWrittenText(*value);
    }

    // A 16-bit count is the reading rounded to nearest, ties to even, when that fits.
    const auto count = kvor::ParseInteger(text);
    const bool fits = value && std::nearbyint(*value) >= -32768 && std::nearbyint(*value) <= 32767;
    if (count.has_value() != fits || (count && *count != std::nearbyint(*value)))
        fault("a count is not the rounded reading", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkReading(text);
    // The same bytes as a double: every value the model can hold is written readably.
    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        checkWrittenText(value);
    }
    return 0;
}
