#pragma once

// What the program may show or write, described independently of the code that shows or writes
// it: the texts of its message boxes, the shape of a number it writes, and the layout of a data
// record. The error-path tests, the soak and the fuzz targets judge every outcome by these.

#include <array>
#include <string>
#include <string_view>

namespace kvor::test {

// The message boxes, as the user reads them (a line break inside a text is "\n").
namespace text {
inline constexpr std::string_view kEnterDataCorrectly = "Введите правильно данные";
inline constexpr std::string_view kBallFromLeft = "Шар должен лететь слева направо";
inline constexpr std::string_view kEquationsError = "Ошибка решения уравнений";
inline constexpr std::string_view kLightSpeed = "Вы превысили скорость света, измените начальные данные";
inline constexpr std::string_view kIncompatible =
    "                Несовместимость параметров\n"
    "Быстрее всего получились слишком большие силы \n"
    "а следоватедьно ускорения, скорости и координаты, что при\n"
    "заданных масштабах не позволяет вывести их на зкран";
inline constexpr std::string_view kFileWriteError = "Ошибка записи в файл";
inline constexpr std::string_view kTrackFull = "Увеличьте NC0 (не хватает массива для точек траектории)";
inline constexpr std::string_view kEqQuestion = "    Потенциальная энергия системы Eq \n"
                                                "от действия электростатической силы Fq\n"
                                                "      достигла начального значения\n"
                                                "         Продолжить эксперимент ?";
} // namespace text

inline constexpr std::array<std::string_view, 8> kProgramMessages{
    text::kEnterDataCorrectly, text::kBallFromLeft,   text::kEquationsError, text::kLightSpeed,
    text::kIncompatible,       text::kFileWriteError, text::kTrackFull,      text::kEqQuestion,
};

// True for one of the texts above.
bool IsProgramMessage(std::string_view text);

// True for a number as the program writes it into a box, a picture or the data file: an optional
// minus sign, digits with at most one decimal separator `separator` and no trailing zero after
// it, at most 15 significant digits, and an optional exponent "E+dd" or "E-dd" (two or three
// digits). No blanks, no infinity, no NaN.
bool IsNumberText(std::string_view text, char separator);

// The first fault of a data file's contents, or an empty string when it is a sequence of
// complete records: four labelled lines ("T= ", "    Alfa= "; "m1= " ...; "m2= " ...; "F= " ...)
// each ending in CR LF, a number directly after every label, then two empty lines.
std::string DataFileFault(std::string_view contents, char separator);

// The number of complete records in a data file that DataFileFault accepts.
int DataRecordCount(std::string_view contents, char separator);

} // namespace kvor::test
