#include "english_texts.h"

namespace kvor {

std::string English(std::string_view text) {
    for (const TextPair& pair : EnglishTexts())
        if (pair.source == text) return std::string(pair.english);
    return std::string(text);
}

} // namespace kvor
