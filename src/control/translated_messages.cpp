#include "translated_messages.h"

namespace kvor {

namespace {

// One line: whole, or its name and the text after it each by itself.
std::string translatedLine(std::string_view line, const Translation& translation) {
    std::string whole = translation(line);
    if (whole != line) return whole;
    const std::size_t colon = line.find(": ");
    if (colon == std::string_view::npos) return whole;
    return translation(line.substr(0, colon)) + ": " + translation(line.substr(colon + 2));
}

} // namespace

std::string TranslatedText(std::string_view text, const Translation& translation) {
    if (!translation || text.empty()) return std::string(text);
    std::string whole = translation(text);
    if (whole != text) return whole;
    std::string translated;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find('\n', start);
        translated += translatedLine(text.substr(start, end - start), translation);
        if (end == std::string_view::npos) return translated;
        translated += '\n';
        start = end + 1;
    }
}

std::string Filled(std::string_view pattern, std::initializer_list<std::string_view> args,
                   const Translation& translation) {
    const std::string text = translation ? translation(pattern) : std::string(pattern);
    std::string filled;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t n =
            i + 1 < text.size() && text[i] == '%' ? std::size_t(text[i + 1] - '1') : args.size();
        if (n < args.size()) {
            filled += args.begin()[n];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

void TranslatedMessages::info(std::string_view text, std::string_view detail) {
    shown_.info(TranslatedText(text, translation_), TranslatedText(detail, translation_));
}

bool TranslatedMessages::askYesNo(std::string_view text) {
    return shown_.askYesNo(TranslatedText(text, translation_));
}

MessageHost::SaveAnswer TranslatedMessages::askToSave(std::string_view text) {
    return shown_.askToSave(TranslatedText(text, translation_));
}

} // namespace kvor
