#include "step_study_text.h"

#include "core/number_text.h"

#include <algorithm>

namespace kvor {

namespace {

constexpr std::string_view kRunNames[] = {"h", "h/2", "h/4"};

} // namespace

StudyTable StudyTableOf(const StudyResult& result, char decimalSeparator, std::string_view unmeasurable,
                        bool captions, const Translation& translation) {
    const char sep = decimalSeparator;
    StudyTable table;
    std::vector<std::string>& notes = table.notes;
    // A note of words, or of words and numbers, in the language of the translation.
    const auto note = [&](std::string_view pattern, std::initializer_list<std::string_view> args = {}) {
        notes.push_back(Filled(pattern, args, translation));
    };

    std::string heading = Filled(
        Tr("Kvor3m", "Опыт пересчитан с шагом h = %1 с, h/2 и h/4 до T = %2 с (%3 шагов с шагом h)"),
        {NumberText(result.h, sep), NumberText(result.T, sep), std::to_string(result.steps)}, translation);
    if (result.exactContact) heading += Filled(Tr("Kvor3m", ", «Точная модель контакта»"), {}, translation);
    notes.push_back(heading);
    if (result.failedRun)
        note(Tr("Kvor3m", "Расчёт с шагом %1 прервался ошибкой: оценить точность нельзя"),
             {kRunNames[*result.failedRun]});
    if (result.lorentzChanged)
        note(Tr("Kvor3m",
                "Флажок «Лоренц» менялся во время расчёта: проверка считает с ним так, как он стоит "
                "на конец расчёта, и y(h) может отличаться от показанного значения"));
    if (result.plusFmChanged)
        note(Tr("Kvor3m",
                "Флажок «+Fm» менялся во время расчёта: проверка считает с ним так, как он стоит на "
                "конец расчёта, и y(h) может отличаться от показанного значения"));
    if (result.scalesChanged)
        note(Tr("Kvor3m",
                "Масштабы менялись во время расчёта: проверка берёт их такими, как на конец расчёта "
                "(на значения величин они не влияют)"));

    bool erratic = false;
    for (std::size_t i = 0; i < kStudyQuantityCount; ++i) {
        const QuantityStudy& q = result.quantities[i];
        const std::string_view name = captions ? kStudyQuantities[i].caption : kStudyQuantities[i].name;
        std::array<std::string, 6>& row = table.rows.emplace_back();
        row[0] = name;
        for (std::size_t k = 0; k < 3; ++k) row[k + 1] = q.y[k] ? NumberText(*q.y[k], sep) : "-";
        const bool estimated = q.measure == Measure::Estimated;
        row[4] = estimated ? NumberText(q.order, sep) : std::string(unmeasurable);
        row[5] = estimated ? NumberText(q.error, sep) : std::string(unmeasurable);
        if (q.measure == Measure::RoundOff)
            note(Tr("Kvor3m", "%1: разности на уровне округления (меньше 1E-13 масштаба величины)"), {name});
        if (q.measure == Measure::Erratic) {
            note(Tr("Kvor3m", "%1: порядок неустойчив"), {name});
            erratic = true;
        }
    }
    // The exact contact law splits the steps where its force jumps; the default law cannot.
    if (erratic && !result.exactContact)
        note(Tr("Kvor3m", "Порядок неустойчив, когда сила меняется скачком внутри шага, как при касании тел: "
                          "попробуйте «Точная модель контакта»"));

    table.step = result.step ? NumberText(result.step->h, sep) : "-";
    if (result.step) {
        note(Tr("Kvor3m", "Рекомендуемый шаг: %1 с при NC0 = %2 (экран обновляется через то же время)"),
             {NumberText(result.step->h, sep), std::to_string(result.step->NC0)});
    } else if (!result.failedRun) {
        const bool allEstimated =
            std::all_of(result.quantities.begin(), result.quantities.end(),
                        [](const QuantityStudy& q) { return q.measure == Measure::Estimated; });
        note(allEstimated
                 ? Tr("Kvor3m", "Рекомендуемого шага нет: ни один шаг от h/64 до 64h с тем же временем "
                                "между обновлениями экрана не держит ошибку ниже 1E-6 масштаба величины")
                 : Tr("Kvor3m", "Рекомендуемого шага нет: не для всех величин есть оценка ошибки"));
    }
    return table;
}

} // namespace kvor
