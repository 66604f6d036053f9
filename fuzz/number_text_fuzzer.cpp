// The conversions between box texts and numbers. Whatever is typed, reading gives a finite value
// or refuses, and it refuses only what is not a number or lies beyond the double range; whatever
// value is written, its text has the program's number shape and reads back to a value that is
// written as the same text again.

#include "core/number_text.h"
#include "number_shape.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void fault(const char* what, std::string_view text) {
    std::fprintf(stderr, "number text fault: %s: \"%.*s\"\n", what, static_cast<int>(text.size()),
                 text.data());
    std::abort();
}

// The typed grammar, read without the program's parser: blanks, a sign, digits with at most one
// separator ('.' or ','), at least one digit, an optional exponent with at least one digit,
// blanks. A non-zero value lies in [10^(magnitude-1), 10^magnitude).
struct Typed {
    bool isNumber = false, negative = false, zero = true;
    long long magnitude = 0;
};

Typed readTyped(std::string_view s) {
    Typed t;
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) t.negative = s[i++] == '-';
    bool separator = false, any = false;
    for (; i < s.size() && (digit(s[i]) || ((s[i] == '.' || s[i] == ',') && !separator)); ++i) {
        if (!digit(s[i])) {
            separator = true;
            continue;
        }
        any = true;
        t.zero = t.zero && s[i] == '0';
        // Significant digits before the separator count up; zeros after it before the first
        // significant digit count down.
        t.magnitude += !separator && !t.zero ? 1 : separator && t.zero ? -1 : 0;
    }
    if (!any) return t;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        const bool minus = ++i < s.size() && s[i] == '-';
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        long long exponent = 0;
        const std::size_t start = i;
        for (; i < s.size() && digit(s[i]); ++i)
            exponent = std::min(exponent * 10 + (s[i] - '0'), 1'000'000'000LL);
        if (i == start) return t;
        t.magnitude += minus ? -exponent : exponent;
    }
    t.isNumber = i == s.size();
    return t;
}

void checkWrittenText(double value) {
    if (!std::isfinite(value)) return;
    for (const char separator : {'.', ','}) {
        const std::string text = kvor::NumberText(value, separator);
        if (!kvor::fuzz::IsNumberText(text, separator)) fault("a written number has a foreign shape", text);
        const auto back = kvor::ParseNumber(text);
        if (!back || kvor::NumberText(*back, separator) != text)
            fault("a written number does not read back", text);
        // Half a unit of the 15th digit (at most 5E-15 of the value) and the rounding of the reading.
        if (!(std::abs(*back - value) <= 5.2e-15 * std::abs(value) + 5e-324))
            fault("a number read back is not the written value", text);
    }
}

void checkReading(std::string_view text) {
    const Typed typed = readTyped(text);
    const auto value = kvor::ParseNumber(text);
    if (value) {
        const double v = *value;
        if (!typed.isNumber || !std::isfinite(v)) fault("a text that is no number was read", text);
        if (typed.zero ? v != 0 : typed.magnitude > 309) fault("a reading is not the typed number", text);
        if (!typed.zero && typed.magnitude < -324 && v != 0)
            fault("a number below the smallest double is not 0", text);
        if (v != 0 && (v < 0) != typed.negative) fault("a reading has the wrong sign", text);
        const long long k = std::abs(v) >= 1e-300 ? std::llround(std::floor(std::log10(std::abs(v)))) + 1 : 0;
        if (std::abs(v) >= 1e-300 && k != typed.magnitude && k != typed.magnitude + 1)
            fault("a reading has the wrong magnitude", text);
        checkWrittenText(v);
    } else if (typed.isNumber && !typed.zero && typed.magnitude < 309) {
        fault("a number within the double range was refused", text);
    }
    // A 16-bit count is the reading rounded to nearest, ties to even, when that fits; the throwing
    // conversions agree with the others.
    const auto count = kvor::ParseInteger(text);
    const bool fits = value && std::nearbyint(*value) >= -32768 && std::nearbyint(*value) <= 32767;
    if (count.has_value() != fits || (count && *count != std::nearbyint(*value)))
        fault("a count is not the rounded reading", text);
    try {
        const double v = kvor::TextToDouble(text);
        if (!value || std::memcmp(&v, &*value, sizeof v) != 0) fault("TextToDouble disagrees", text);
    } catch (const kvor::ConversionError&) {
        if (value) fault("TextToDouble refuses a number", text);
    }
    try {
        if (kvor::TextToInteger(text) != count.value_or(0) || !count) fault("TextToInteger disagrees", text);
    } catch (const kvor::ConversionError&) {
        if (count) fault("TextToInteger refuses a count", text);
    }
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
