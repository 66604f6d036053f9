#pragma once

// The shape of a number as the program writes it, by which the number-text target judges every
// text it writes: an optional minus sign, digits with at most one separator and no trailing zero
// after it, at most 15 significant digits, an optional exponent "E+dd" or "E-ddd". No blanks, no
// inf, no NaN.

#include <string_view>

namespace kvor::fuzz {

inline bool IsNumberText(std::string_view t, char separator) {
    std::size_t i = t.starts_with('-') ? 1 : 0, significant = 0;
    const auto digits = [&] {
        const std::size_t start = i;
        for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i) significant += significant > 0 || t[i] != '0';
        return i - start;
    };
    if (digits() == 0) return false;
    if (i < t.size() && t[i] == separator) {
        ++i;
        if (digits() == 0 || t[i - 1] == '0') return false;
    }
    if (significant > 15) return false;
    if (i < t.size() && t[i] == 'E') {
        if (++i == t.size() || (t[i] != '+' && t[i] != '-')) return false;
        const std::size_t start = ++i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i;
        if (i - start < 2 || i - start > 3) return false;
    }
    return i == t.size();
}

} // namespace kvor::fuzz
