#pragma once

// What the program may show or write, by which the fuzz targets judge every outcome: one of its
// own message texts, a number of the shape the program writes, data records of four lines of
// labelled numbers followed by two empty lines.

#include "control/messages.h"

#include <string>
#include <string_view>

namespace kvor::fuzz {

inline bool IsProgramMessage(std::string_view text) {
    using namespace messages;
    for (const std::string_view m : {kEnterDataCorrectly, kBallFromLeft, kEquationsError, kLightSpeed,
                                     kIncompatibleParameters, kFileWriteError, kTrackFull, kEqQuestion})
        if (text == m) return true;
    return false;
}

// An optional minus sign, digits with at most one separator and no trailing zero after it, at most
// 15 significant digits, an optional exponent "E+dd" or "E-ddd". No blanks, no inf, no NaN.
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

// The first fault of a data file's contents, or "" for a sequence of complete records.
inline std::string DataFileFault(std::string_view contents, char separator) {
    constexpr std::size_t kFields[] = {2, 8, 8, 8, 0, 0};
    for (std::size_t line = 0; !contents.empty(); ++line) {
        const std::size_t end = contents.find("\r\n");
        if (end == std::string_view::npos) return "a line without CR LF";
        std::string_view rest = contents.substr(0, end);
        contents.remove_prefix(end + 2);
        std::size_t fields = 0;
        for (; !rest.empty(); ++fields) {
            if (fields > 0 && !rest.starts_with("    ")) return "fields not four blanks apart";
            const std::size_t label = rest.find("= ");
            if (label == std::string_view::npos) return "a field without a label: " + std::string(rest);
            const std::size_t next = rest.find("    ", label + 2);
            if (!IsNumberText(rest.substr(label + 2, next - label - 2), separator))
                return "a label without its number: " + std::string(rest);
            rest.remove_prefix(next == std::string_view::npos ? rest.size() : next);
        }
        if (fields != kFields[line % 6]) return "a record line with the wrong number of fields";
        if (contents.empty() && line % 6 != 5) return "an incomplete record";
    }
    return {};
}

} // namespace kvor::fuzz
