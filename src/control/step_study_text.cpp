#include "step_study_text.h"

#include "core/number_text.h"

#include <algorithm>

namespace kvor {

namespace {

constexpr std::string_view kRunNames[] = {"h", "h/2", "h/4"};

} // namespace

StudyTable StudyTableOf(const StudyResult& result, char decimalSeparator, std::string_view unmeasurable,
                        bool captions) {
    const char sep = decimalSeparator;
    StudyTable table;
    std::vector<std::string>& notes = table.notes;

    std::string heading = "Опыт пересчитан с шагом h = ";
    AppendNumberText(heading, result.h, sep);
    heading += " с, h/2 и h/4 до T = ";
    AppendNumberText(heading, result.T, sep);
    heading += " с (" + std::to_string(result.steps) + " шагов с шагом h)";
    if (result.exactContact) heading += ", «Точная модель контакта»";
    notes.push_back(heading);
    if (result.failedRun)
        notes.push_back("Расчёт с шагом " + std::string(kRunNames[*result.failedRun]) +
                        " прервался ошибкой: оценить точность нельзя");
    if (result.lorentzChanged)
        notes.push_back(
            "Флажок «Лоренц» менялся во время расчёта: проверка считает с ним так, как он стоит на "
            "конец расчёта, и y(h) может отличаться от показанного значения");
    if (result.plusFmChanged)
        notes.push_back("Флажок «+Fm» менялся во время расчёта: проверка считает с ним так, как он стоит на "
                        "конец расчёта, и y(h) может отличаться от показанного значения");
    if (result.scalesChanged)
        notes.push_back("Масштабы менялись во время расчёта: проверка берёт их такими, как на конец расчёта "
                        "(на значения величин они не влияют)");

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
            notes.push_back(std::string(name) +
                            ": разности на уровне округления (меньше 1E-13 масштаба величины)");
        if (q.measure == Measure::Erratic) {
            notes.push_back(std::string(name) + ": порядок неустойчив");
            erratic = true;
        }
    }
    // The exact contact law splits the steps where its force jumps; the default law cannot.
    if (erratic && !result.exactContact)
        notes.push_back("Порядок неустойчив, когда сила меняется скачком внутри шага, как при касании тел: "
                        "попробуйте «Точная модель контакта»");

    table.step = result.step ? NumberText(result.step->h, sep) : "-";
    if (result.step) {
        std::string step = "Рекомендуемый шаг: ";
        AppendNumberText(step, result.step->h, sep);
        step += " с при NC0 = " + std::to_string(result.step->NC0) + " (экран обновляется через то же время)";
        notes.push_back(step);
    } else if (!result.failedRun) {
        const bool allEstimated =
            std::all_of(result.quantities.begin(), result.quantities.end(),
                        [](const QuantityStudy& q) { return q.measure == Measure::Estimated; });
        notes.push_back(allEstimated
                            ? "Рекомендуемого шага нет: ни один шаг от h/64 до 64h с тем же временем между "
                              "обновлениями экрана не держит ошибку ниже 1E-6 масштаба величины"
                            : "Рекомендуемого шага нет: не для всех величин есть оценка ошибки");
    }
    return table;
}

} // namespace kvor
