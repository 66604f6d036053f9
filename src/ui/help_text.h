#pragma once

#include "core/interface_text.h"

#include <string>
#include <string_view>

namespace kvor::ui {

// The help text of the About window in the language installed, as one string: paragraphs end with
// two line breaks (CR LF), list items with one; indents are leading blanks of the pieces, which
// are joined as they are. Each paragraph and list item is translated whole.
std::string HelpText();

// The two lines under the help text: what the program is and what it is for.
inline constexpr std::string_view kAboutTitleLine = Tr("Kvor3m", "Kvor3m - удар двух тел на плоскости");
inline constexpr std::string_view kAboutPurposeLine =
    Tr("Kvor3m", "Учебная программа для вычислительных экспериментов: удар двух шаров или шара и стержня.");

} // namespace kvor::ui
