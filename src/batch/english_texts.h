#pragma once

#include <span>
#include <string>
#include <string_view>

namespace kvor {

// A marked text and its English.
struct TextPair {
    std::string_view source;
    std::string_view english;
};

// The English texts of translations/kvor3m_en.ts, as the build generated them from it: the batch
// runner's translation, which needs no Qt.
std::span<const TextPair> EnglishTexts();

// A text in English, or as it is where the table has none.
std::string English(std::string_view text);

} // namespace kvor
