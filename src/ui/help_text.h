#pragma once

#include <string>
#include <string_view>

namespace kvor::ui {

// The help text of the About window, as one string: paragraphs end with two line breaks (CR LF),
// list items with one; indents are leading blanks of the pieces, which are joined as they are.
std::string HelpText();

// The two lines under the help text: what the program is and what it is for.
inline constexpr std::string_view kAboutTitleLine = "Kvor3m - удар двух тел на плоскости";
inline constexpr std::string_view kAboutPurposeLine =
    "Учебная программа для вычислительных экспериментов: удар двух шаров или шара и стержня.";

} // namespace kvor::ui
