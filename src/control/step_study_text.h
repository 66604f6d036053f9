#pragma once

#include "core/interface_text.h"
#include "step_study.h"
#include "translated_messages.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace kvor {

// A step study as the window and a script show it: a row per quantity (its name or caption, y(h),
// y(h/2), y(h/4), p, the error), the suggested step, and the notes under the table. Numbers are
// number texts; an order or an error that cannot be measured is `unmeasurable`, a value that was
// not computed "-".
struct StudyTable {
    std::vector<std::array<std::string, 6>> rows;
    std::string step;               // H, or "-"
    std::vector<std::string> notes; // what was run, what changed during the run, why not, the step
};

// The notes in the language of `translation`, in Russian without one.
StudyTable StudyTableOf(const StudyResult& result, char decimalSeparator, std::string_view unmeasurable,
                        bool captions, const Translation& translation = {});

// The column heads of the window's table, marked.
inline constexpr std::array<std::string_view, 6> kStudyColumns{
    Tr("Kvor3m", "Величина"),   "y(h)", "y(h/2)", "y(h/4)", Tr("Kvor3m", "Порядок p"),
    Tr("Kvor3m", "Ошибка y(h)")};

} // namespace kvor
