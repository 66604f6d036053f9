#pragma once

#include <QString>

#include <string_view>

namespace kvor {

// A text of the interface in the language of the translation installed in the application: a text
// marked with Tr, translated in the context kTextContext; any other text, such as a number, as it
// is. With no translation installed, or none in the application, the text as it is.
QString Translated(std::string_view text);

} // namespace kvor
