#include "impact_texts.h"

#include "core/number_text.h"

namespace kvor {

ImpactTexts ImpactFigures(const Impact& impact, char decimalSeparator) {
    const auto text = [decimalSeparator](std::optional<double> value) {
        return value ? NumberText(*value, decimalSeparator) : std::string("-");
    };
    return {text(impact.T0),      text(impact.finished ? std::optional(impact.T1) : std::nullopt),
            text(impact.en),      text(impact.et),
            text(impact.impulse), text(impact.lost)};
}

} // namespace kvor
