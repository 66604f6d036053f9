// The conversions between box texts and numbers. Whatever is typed, reading gives a finite value
// or refuses, and it refuses only what is not a number or lies beyond the double range; whatever
// value is written, its text has the program's number shape and reads back to a value that is
// written as the same text again.

#include "core/number_text.h"
#include "program_outputs.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
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
// blanks. `magnitude` is k such that the value lies in [10^(k-1), 10^k).
struct Typed {
    bool isNumber = false;
    bool negative = false;
    bool zero = true;
    long long magnitude = 0;
};

Typed readTyped(std::string_view s) {
    Typed t;
    std::size_t i = 0, n = s.size();
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    while (i < n && blank(s[i])) ++i;
    while (n > i && blank(s[n - 1])) --n;
    if (i < n && (s[i] == '+' || s[i] == '-')) t.negative = s[i++] == '-';
    // Significant digits before the separator count up; zeros after it, before the first
    // significant digit, count down.
    long long position = 0;
    bool separator = false, any = false;
    for (; i < n; ++i) {
        if (digit(s[i])) {
            any = true;
            if (s[i] != '0') t.zero = false;
            if (!separator && !t.zero) ++position;
            if (separator && t.zero) --position;
        } else if ((s[i] == '.' || s[i] == ',') && !separator) {
            separator = true;
        } else {
            break;
        }
    }
    if (!any) return t;
    long long exponent = 0;
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        bool minus = false;
        if (i < n && (s[i] == '+' || s[i] == '-')) minus = s[i++] == '-';
        const std::size_t start = i;
        for (; i < n && digit(s[i]); ++i)
            if (exponent < 1'000'000'000'000LL) exponent = exponent * 10 + (s[i] - '0');
        if (i == start) return t;
        if (minus) exponent = -exponent;
    }
    t.isNumber = i == n;
    t.magnitude = position + exponent;
    return t;
}

void checkWrittenText(double value) {
    if (!std::isfinite(value)) return;
    for (const char separator : {'.', ','}) {
        const std::string text = kvor::NumberText(value, separator);
        if (!kvor::fuzz::IsNumberText(text, separator)) fault("a written number has a foreign shape", text);
        std::string appended = "x";
        kvor::AppendNumberText(appended, value, separator);
        if (appended.substr(1) != text) fault("appending writes another text", text);
        const auto back = kvor::ParseNumber(text);
        if (!back) fault("a written number does not read back", text);
        if (kvor::NumberText(*back, separator) != text)
            fault("a number read back is written differently", text);
        // Half a unit of the 15th digit (at most 5E-15 of the value) and the rounding of the reading.
        if (!(std::abs(*back - value) <= 5.2e-15 * std::abs(value) + 5e-324))
            fault("a number read back is not the written value", text);
    }
}

void checkReading(std::string_view text) {
    const Typed typed = readTyped(text);
    const std::optional<double> value = kvor::ParseNumber(text);
    if (value) {
        const double v = *value;
        if (!typed.isNumber) fault("a text that is no number was read", text);
        if (!std::isfinite(v)) fault("a reading is not finite", text);
        if (typed.zero && v != 0) fault("zero read as another number", text);
        if (!typed.zero && typed.magnitude > 309) fault("a number beyond the double range was read", text);
        if (!typed.zero && typed.magnitude < -324 && v != 0)
            fault("a number below the smallest double was not read as 0", text);
        if (v != 0 && (v < 0) != typed.negative) fault("a reading has the wrong sign", text);
        if (std::abs(v) >= 1e-300) {
            const long long k = static_cast<long long>(std::floor(std::log10(std::abs(v)))) + 1;
            if (k != typed.magnitude && k != typed.magnitude + 1)
                fault("a reading has the wrong magnitude", text);
        }
        checkWrittenText(v);
    } else if (typed.isNumber && !typed.zero && typed.magnitude < 309) {
        fault("a number within the double range was refused", text);
    }

    bool thrown = false;
    try {
        const double v = kvor::TextToDouble(text);
        if (!value || std::memcmp(&v, &*value, sizeof v) != 0)
            fault("TextToDouble disagrees with ParseNumber", text);
    } catch (const kvor::ConversionError&) {
        thrown = true;
    }
    if (thrown != !value) fault("TextToDouble refuses what ParseNumber reads", text);

    // A 16-bit count is the reading rounded to nearest, ties to even, when that fits.
    const std::optional<kvor::Integer> count = kvor::ParseInteger(text);
    const bool fits = value && std::nearbyint(*value) >= -32768 && std::nearbyint(*value) <= 32767;
    if (count.has_value() != fits)
        fault("a count is read where it does not fit, or refused where it does", text);
    if (count && *count != std::nearbyint(*value)) fault("a count is not the rounded reading", text);
    thrown = false;
    try {
        if (kvor::TextToInteger(text) != count.value_or(0))
            fault("TextToInteger disagrees with ParseInteger", text);
    } catch (const kvor::ConversionError&) {
        thrown = true;
    }
    if (thrown != !count) fault("TextToInteger refuses what ParseInteger reads", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkReading(text);
    // The same bytes as a double: every value the model can hold must be written readably.
    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        checkWrittenText(value);
    }
    return 0;
}
