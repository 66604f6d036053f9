#pragma once

#include <string_view>

namespace kvor {

// The texts of the interface are written in Russian in the code and shown in the user's language.
// The layers without Qt mark theirs with Tr: a no-op, which lupdate reads as QT_TRANSLATE_NOOP
// (-tr-function-alias), so that they come into translations/kvor3m_en.ts. The window and the
// batch runner translate them where they show them, always in the one context kTextContext.
inline constexpr std::string_view kTextContext = "Kvor3m";

// A marked text, as it is. The context is named at every mark for lupdate; a mark in another
// context would never be translated, so it does not compile.
consteval std::string_view Tr(std::string_view context, std::string_view text) {
    if (context != kTextContext) throw "the interface's texts are translated in the context Kvor3m";
    return text;
}

} // namespace kvor
