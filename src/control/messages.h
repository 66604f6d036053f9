#pragma once

#include <string_view>

namespace kvor::messages {

// The texts of the program's message boxes, all titled kTitle.
inline constexpr std::string_view kTitle = "Kvor3";

inline constexpr std::string_view kEnterDataCorrectly = "Введите правильно данные";
inline constexpr std::string_view kBallFromLeft = "Шар должен лететь слева направо";
// Under "Введите правильно данные": why a box's text is no value, and bodies that start in contact.
inline constexpr std::string_view kNotANumber = "не число";
inline constexpr std::string_view kTooLarge = "слишком большое число";
inline constexpr std::string_view kBodiesOverlap = "Тела перекрываются в начале опыта";

// The run loop's errors, by the stretch of the step in which they arose.
inline constexpr std::string_view kEquationsError = "Ошибка решения уравнений";
inline constexpr std::string_view kLightSpeed = "Вы превысили скорость света, измените начальные данные";
inline constexpr std::string_view kIncompatibleParameters =
    "                Несовместимость параметров\n"
    "Быстрее всего получились слишком большие силы \n"
    "а следоватедьно ускорения, скорости и координаты, что при\n"
    "заданных масштабах не позволяет вывести их на зкран";
inline constexpr std::string_view kFileWriteError = "Ошибка записи в файл";

// "Проверить шаг…" before a run has reached its first screen update.
inline constexpr std::string_view kNothingToStudy =
    "Проверять нечего: начните опыт и дайте ему дойти до первого обновления экрана";

inline constexpr std::string_view kTrackFull = "Увеличьте NC0 (не хватает массива для точек траектории)";
inline constexpr std::string_view kEqQuestion = "    Потенциальная энергия системы Eq \n"
                                                "от действия электростатической силы Fq\n"
                                                "      достигла начального значения\n"
                                                "         Продолжить эксперимент ?";

} // namespace kvor::messages
