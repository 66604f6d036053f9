#pragma once

#include "core/interface_text.h"

#include <string_view>

namespace kvor::messages {

// The texts of the program's message boxes, all titled kTitle.
inline constexpr std::string_view kTitle = "Kvor3";

inline constexpr std::string_view kEnterDataCorrectly = Tr("Kvor3m", "Введите правильно данные");
inline constexpr std::string_view kBallFromLeft = Tr("Kvor3m", "Шар должен лететь слева направо");
// Under "Введите правильно данные": why a box's text is no value, and bodies that start in contact.
inline constexpr std::string_view kNotANumber = Tr("Kvor3m", "не число");
inline constexpr std::string_view kTooLarge = Tr("Kvor3m", "слишком большое число");
inline constexpr std::string_view kBodiesOverlap = Tr("Kvor3m", "Тела перекрываются в начале опыта");

// The run loop's errors, by the stretch of the step in which they arose.
inline constexpr std::string_view kEquationsError = Tr("Kvor3m", "Ошибка решения уравнений");
inline constexpr std::string_view kLightSpeed =
    Tr("Kvor3m", "Вы превысили скорость света, измените начальные данные");
inline constexpr std::string_view kIncompatibleParameters =
    Tr("Kvor3m", "                Несовместимость параметров\n"
                 "Быстрее всего получились слишком большие силы \n"
                 "а следоватедьно ускорения, скорости и координаты, что при\n"
                 "заданных масштабах не позволяет вывести их на зкран");
inline constexpr std::string_view kFileWriteError = Tr("Kvor3m", "Ошибка записи в файл");
// An experiment file that the window cannot open; its path and the reason under it.
inline constexpr std::string_view kCannotOpenExperiment = Tr("Kvor3m", "Не удалось открыть опыт");
// Before a command that would lose changes made to the experiment since it was opened or saved.
inline constexpr std::string_view kAskToSave = Tr("Kvor3m", "Сохранить изменения в опыте?");

// "Проверить шаг…" before a run has reached its first screen update.
inline constexpr std::string_view kNothingToStudy =
    Tr("Kvor3m", "Проверять нечего: начните опыт и дайте ему дойти до первого обновления экрана");

inline constexpr std::string_view kTrackFull =
    Tr("Kvor3m", "Увеличьте NC0 (не хватает массива для точек траектории)");
inline constexpr std::string_view kEqQuestion = Tr("Kvor3m", "    Потенциальная энергия системы Eq \n"
                                                             "от действия электростатической силы Fq\n"
                                                             "      достигла начального значения\n"
                                                             "         Продолжить эксперимент ?");

// Every message above, for whoever must see them all: the tests of a translation.
inline constexpr std::string_view kAll[] = {
    kEnterDataCorrectly, kBallFromLeft,           kNotANumber,
    kTooLarge,           kBodiesOverlap,          kEquationsError,
    kLightSpeed,         kFileWriteError,         kCannotOpenExperiment,
    kAskToSave,          kNothingToStudy,         kTrackFull,
    kEqQuestion,         kIncompatibleParameters,
};

} // namespace kvor::messages
