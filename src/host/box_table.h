#pragma once

#include "core/interface_text.h"
#include "core/model_record.h"
#include "form.h"

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace kvor {

// The facts of the main window's 67 text boxes and 13 check boxes, each said once: what a box is
// for, which quantity of the record it reads or shows, which exponent box scales it, its caption
// and unit as the window shows them, and the names by which a batch script calls it. The input
// reader, the scale reader, the value panel, the series of values, the window and the batch
// runner all take them from here.

// What a box is for. A box may have several roles: Text61 is a scale that the run reads and a box
// that the panel writes back, Text64 the rod angle typed in and the velocity angle of body 2
// written out.
enum BoxRole : unsigned {
    kInputBox = 1,    // typed into, read by Start
    kExponentBox = 2, // the decimal exponent of a row of input pairs, shared by both bodies
    kScaleBox = 4,    // a drawing scale, read before every step
    kPanelBox = 8,    // written at every screen update
    kStartBox = 16,   // written by Start (and Reverse): masses, E0, KD0, the angles
};

// How the text of an input box becomes its quantity.
enum class Reading {
    None,
    Exponent, // a 16-bit integer into `count`
    Scaled,   // a mantissa times 10 to the power of the `exponent` box's value, into `field`
    Plain,    // a double into `field`
    Count,    // a 16-bit integer into `count`, at least 1
    Degrees,  // an angle in degrees into `field` in radians, only while `onlyWhen` is ticked, else 0
};

// What a panel box shows where it is not a quantity of the record.
enum class Shown { Field, Balance, SecondsSinceStart };

// What Start asks of an input's value.
enum class Rule { None, Positive, NotNegative };

// Which variant uses a control. Start checks the rules of the boxes that the selected variant
// uses; the window hides or greys the others.
enum class Uses { Both, BallBall, BallRod };

using RecordField = real BasicModelRecord<real>::*;
using RecordCount = Integer BasicModelRecord<real>::*;

// The quantity that a box shows instead of its own while a check box is ticked: Text35 and Text36
// show FX and FY under "FX,FY", Text39 and Text40 the masses under "m1,m2".
struct Alternative {
    CheckBox check;
    RecordField field;
    std::string_view caption;
    std::string_view series; // the column of the series of values
};

struct BoxRow {
    TextBox box;
    unsigned roles = 0;
    std::string_view caption = {}; // the label beside the box
    std::string_view unit = {};    // the unit caption of its row, where it has one
    Reading reading = Reading::None;
    RecordField field = nullptr; // read into (inputs)
    RecordCount count = nullptr; // read into (exponents, step counts)
    TextBox exponent = TextBox(0);
    std::optional<CheckBox> onlyWhen = std::nullopt;
    Shown shown = Shown::Field;
    RecordField shows = nullptr;  // what the panel or Start writes into it
    std::string_view series = {}; // its column of the series of values, if any
    std::optional<Alternative> alternative = std::nullopt;
    // A batch script's names for it, besides TextN; the first names the box in a refusal too, and
    // is marked with Tr where it is a word.
    std::array<std::string_view, 2> names = {};
    // For inputs: the rule a value must keep, said as the refusal says it, the variant that uses
    // the box, and what the box holds, for its tooltip.
    Rule rule = Rule::None;
    std::string_view ruleText = {};
    Uses uses = Uses::Both;
    std::string_view description = {};
};

struct CheckRow {
    CheckBox box;
    std::string_view caption; // as the window shows it ("" for the unlabelled graph boxes)
    std::array<std::string_view, 2> names = {};
    Uses uses = Uses::Both;
    std::string_view description = {};
};

namespace box_table {

using R = BasicModelRecord<real>;
constexpr unsigned kIn = kInputBox;

// Each row: box, roles, caption, unit, reading, field, count, exponent, only when, shown, shows,
// series column, alternative, batch names.
// clang-format off
inline constexpr std::array<BoxRow, kTextBoxCount> kBoxes{{
    {Text1, kIn, "m10", Tr("Kvor3m", "кг"), Reading::Scaled, &R::m10, nullptr, Text21, {}, {}, {}, {}, {}, {"m10"}, Rule::Positive, Tr("Kvor3m", "масса должна быть больше 0"), Uses::Both, Tr("Kvor3m", "Масса покоя тела 1")},
    {Text2, kIn, "q1", Tr("Kvor3m", "к"), Reading::Scaled, &R::q1, nullptr, Text22, {}, {}, {}, {}, {}, {"q1"}, {}, {}, Uses::BallBall, Tr("Kvor3m", "Заряд тела 1")},
    {Text3, kIn, "D1", Tr("Kvor3m", "м"), Reading::Scaled, &R::D1, nullptr, Text23, {}, {}, {}, {}, {}, {"D1"}, Rule::Positive, Tr("Kvor3m", "диаметр должен быть больше 0"), Uses::Both, Tr("Kvor3m", "Диаметр шара 1")},
    {Text4, kIn, "C1", Tr("Kvor3m", "н/м"), Reading::Scaled, &R::C1, nullptr, Text24, {}, {}, {}, {}, {}, {"C1"}, Rule::Positive, Tr("Kvor3m", "жёсткость должна быть больше 0"), Uses::Both, Tr("Kvor3m", "Жёсткость материала тела 1")},
    {Text5, kIn, "Kj1", Tr("Kvor3m", "н*с/м"), Reading::Scaled, &R::Kj1, nullptr, Text25, {}, {}, {}, {}, {}, {"Kj1"}, Rule::NotNegative, Tr("Kvor3m", "вязкое трение не может быть меньше 0"), Uses::Both, Tr("Kvor3m", "Вязкое трение в материале тела 1")},
    {Text6, kIn, "Ks", "", Reading::Plain, &R::Ks, nullptr, {}, {}, {}, {}, {}, {}, {"Ks"}, Rule::NotNegative, Tr("Kvor3m", "сухое трение не может быть меньше 0"), Uses::BallBall, Tr("Kvor3m", "Коэффициент сухого трения между поверхностями тел")},
    {Text7, kIn, "VX1", Tr("Kvor3m", "м/с"), Reading::Scaled, &R::VX1, nullptr, Text27, {}, {}, {}, {}, {}, {"VX1"}, {}, {}, Uses::Both, Tr("Kvor3m", "Скорость тела 1 вдоль оси X")},
    {Text8, kIn, "VY1", Tr("Kvor3m", "м/с"), Reading::Scaled, &R::VY1, nullptr, Text28, {}, {}, {}, {}, {}, {"VY1"}, {}, {}, Uses::Both, Tr("Kvor3m", "Скорость тела 1 вдоль оси Y")},
    {Text9, kIn, "X1", Tr("Kvor3m", "м"), Reading::Scaled, &R::X1, nullptr, Text66, {}, {}, {}, {}, {}, {"X1"}, {}, {}, Uses::Both, Tr("Kvor3m", "Координата X центра тела 1")},
    {Text10, kIn, "Y1", Tr("Kvor3m", "м"), Reading::Scaled, &R::Y1, nullptr, Text67, {}, {}, {}, {}, {}, {"Y1"}, {}, {}, Uses::Both, Tr("Kvor3m", "Координата Y центра тела 1")},
    {Text11, kIn, "m20", Tr("Kvor3m", "кг"), Reading::Scaled, &R::m20, nullptr, Text21, {}, {}, {}, {}, {}, {"m20"}, Rule::Positive, Tr("Kvor3m", "масса должна быть больше 0"), Uses::Both, Tr("Kvor3m", "Масса покоя тела 2")},
    {Text12, kIn, "q2", Tr("Kvor3m", "к"), Reading::Scaled, &R::q2, nullptr, Text22, {}, {}, {}, {}, {}, {"q2"}, {}, {}, Uses::BallBall, Tr("Kvor3m", "Заряд тела 2")},
    {Text13, kIn, "D2", Tr("Kvor3m", "м"), Reading::Scaled, &R::D2, nullptr, Text23, {}, {}, {}, {}, {}, {"D2"}, Rule::Positive, Tr("Kvor3m", "диаметр должен быть больше 0"), Uses::Both, Tr("Kvor3m", "Диаметр шара 2, толщина стержня")},
    {Text14, kIn, "C2", Tr("Kvor3m", "н/м"), Reading::Scaled, &R::C2, nullptr, Text24, {}, {}, {}, {}, {}, {"C2"}, Rule::Positive, Tr("Kvor3m", "жёсткость должна быть больше 0"), Uses::BallBall, Tr("Kvor3m", "Жёсткость материала тела 2")},
    {Text15, kIn, "Kj2", Tr("Kvor3m", "н*с/м"), Reading::Scaled, &R::Kj2, nullptr, Text25, {}, {}, {}, {}, {}, {"Kj2"}, Rule::NotNegative, Tr("Kvor3m", "вязкое трение не может быть меньше 0"), Uses::BallBall, Tr("Kvor3m", "Вязкое трение в материале тела 2")},
    {Text16, kIn, "Длинна стержня, м", Tr("Kvor3m", "м"), Reading::Plain, &R::L2, nullptr, {}, {}, {}, {}, {}, {}, {"L2"}, Rule::Positive, Tr("Kvor3m", "длина стержня должна быть больше 0"), Uses::BallRod, Tr("Kvor3m", "Длина стержня")},
    {Text17, kIn, "VX2", Tr("Kvor3m", "м/с"), Reading::Scaled, &R::VX2, nullptr, Text27, {}, {}, {}, {}, {}, {"VX2"}, {}, {}, Uses::Both, Tr("Kvor3m", "Скорость тела 2 вдоль оси X")},
    {Text18, kIn, "VY2", Tr("Kvor3m", "м/с"), Reading::Scaled, &R::VY2, nullptr, Text28, {}, {}, {}, {}, {}, {"VY2"}, {}, {}, Uses::Both, Tr("Kvor3m", "Скорость тела 2 вдоль оси Y")},
    {Text19, kIn, "X2", Tr("Kvor3m", "м"), Reading::Scaled, &R::X2, nullptr, Text66, {}, {}, {}, {}, {}, {"X2"}, {}, {}, Uses::Both, Tr("Kvor3m", "Координата X центра тела 2")},
    {Text20, kIn, "Y2", Tr("Kvor3m", "м"), Reading::Scaled, &R::Y2, nullptr, Text67, {}, {}, {}, {}, {}, {"Y2"}, {}, {}, Uses::Both, Tr("Kvor3m", "Координата Y центра тела 2")},
    {Text21, kIn | kExponentBox, "* 10 ^", Tr("Kvor3m", "кг"), Reading::Exponent, nullptr, &R::ExpM, {}, {}, {}, {}, {}, {}, {"10^m"}, {}, {}, Uses::Both, Tr("Kvor3m", "Десятичный порядок масс обоих тел")},
    {Text22, kIn | kExponentBox, "* 10 ^", Tr("Kvor3m", "к"), Reading::Exponent, nullptr, &R::ExpQ, {}, {}, {}, {}, {}, {}, {"10^q"}, {}, {}, Uses::BallBall, Tr("Kvor3m", "Десятичный порядок зарядов обоих тел")},
    {Text23, kIn | kExponentBox, "* 10 ^", Tr("Kvor3m", "м"), Reading::Exponent, nullptr, &R::ExpD, {}, {}, {}, {}, {}, {}, {"10^D"}, {}, {}, Uses::Both, Tr("Kvor3m", "Десятичный порядок диаметров")},
    {Text24, kIn | kExponentBox, "* 10 ^", Tr("Kvor3m", "н/м"), Reading::Exponent, nullptr, &R::ExpC, {}, {}, {}, {}, {}, {}, {"10^C"}, {}, {}, Uses::Both, Tr("Kvor3m", "Десятичный порядок жёсткостей")},
    {Text25, kIn | kExponentBox, "* 10 ^", Tr("Kvor3m", "н*с/м"), Reading::Exponent, nullptr, &R::ExpKj, {}, {}, {}, {}, {}, {}, {"10^Kj"}, {}, {}, Uses::Both, Tr("Kvor3m", "Десятичный порядок вязкого трения")},
    {Text26, kIn | kScaleBox, "MF, н/см", Tr("Kvor3m", "н/см"), Reading::Plain, &R::MF, nullptr, {}, {}, {}, {}, {}, {}, {"MF"}, Rule::Positive, Tr("Kvor3m", "масштаб должен быть больше 0"), Uses::Both, Tr("Kvor3m", "Масштаб сил на графике")},
    {Text27, kIn | kExponentBox, "* 10 ^", Tr("Kvor3m", "м/с"), Reading::Exponent, nullptr, &R::ExpVX, {}, {}, {}, {}, {}, {}, {"10^VX"}, {}, {}, Uses::Both, Tr("Kvor3m", "Десятичный порядок скоростей вдоль оси X")},
    {Text28, kIn | kExponentBox, "* 10 ^", Tr("Kvor3m", "м/с"), Reading::Exponent, nullptr, &R::ExpVY, {}, {}, {}, {}, {}, {}, {"10^VY"}, {}, {}, Uses::Both, Tr("Kvor3m", "Десятичный порядок скоростей вдоль оси Y")},
    {Text29, kIn | kScaleBox, "Mx, м/см", Tr("Kvor3m", "м/см"), Reading::Plain, &R::Mx, nullptr, {}, {}, {}, {}, {}, {}, {"Mx"}, Rule::Positive, Tr("Kvor3m", "масштаб должен быть больше 0"), Uses::Both, Tr("Kvor3m", "Масштаб координат на рисунке траекторий")},
    {Text30, kIn | kScaleBox, "Mv, (м/с)/см", Tr("Kvor3m", "(м/с)/см"), Reading::Plain, &R::Mv, nullptr, {}, {}, {}, {}, {}, {}, {"Mv"}, Rule::Positive, Tr("Kvor3m", "масштаб должен быть больше 0"), Uses::Both, Tr("Kvor3m", "Масштаб скоростей на рисунках")},
    {Text31, kPanelBox, "VX1", "", {}, {}, {}, {}, {}, Shown::Field, &R::VX1, "VX1_m_s"},
    {Text32, kPanelBox, "VX2", "", {}, {}, {}, {}, {}, Shown::Field, &R::VX2, "VX2_m_s"},
    {Text33, kPanelBox, "VY1", "", {}, {}, {}, {}, {}, Shown::Field, &R::VY1, "VY1_m_s"},
    {Text34, kPanelBox, "VY2", "", {}, {}, {}, {}, {}, Shown::Field, &R::VY2, "VY2_m_s"},
    {Text35, kPanelBox, "V1,FX", "", {}, {}, {}, {}, {}, Shown::Field, &R::V1, "V1_m_s",
     Alternative{Check10, &R::FX, "FX", "FX_N"}, {"V1,FX"}},
    {Text36, kPanelBox, "V2,FY", "", {}, {}, {}, {}, {}, Shown::Field, &R::V2, "V2_m_s",
     Alternative{Check10, &R::FY, "FY", "FY_N"}, {"V2,FY"}},
    {Text37, kPanelBox, "w1", "", {}, {}, {}, {}, {}, Shown::Field, &R::w1, "w1_rad_s", {}, {"w1"}},
    {Text38, kPanelBox, "w2", "", {}, {}, {}, {}, {}, Shown::Field, &R::w2, "w2_rad_s", {}, {"w2"}},
    {Text39, kPanelBox | kStartBox, "X1, m1", "", {}, {}, {}, {}, {}, Shown::Field, &R::X1, "X1_m",
     Alternative{Check9, &R::m1, "m1", "m1_kg"}},
    {Text40, kPanelBox | kStartBox, "X2, m2", "", {}, {}, {}, {}, {}, Shown::Field, &R::X2, "X2_m",
     Alternative{Check9, &R::m2, "m2", "m2_kg"}},
    {Text41, kPanelBox, "Fc+Fj", "", {}, {}, {}, {}, {}, Shown::Field, &R::FcFj, "FcFj_N", {}, {"Fc+Fj"}},
    {Text42, kPanelBox, "Fs", "", {}, {}, {}, {}, {}, Shown::Field, &R::Fs, "Fs_N", {}, {"Fs"}},
    {Text43, kPanelBox, "Fm", "", {}, {}, {}, {}, {}, Shown::Field, &R::Fm, "Fm_N", {}, {"Fm"}},
    {Text44, kPanelBox, "Fq", "", {}, {}, {}, {}, {}, Shown::Field, &R::Fq, "Fq_N", {}, {"Fq"}},
    {Text45, kPanelBox, "Ew", "", {}, {}, {}, {}, {}, Shown::Field, &R::Ew, "Ew_J", {}, {"Ew"}},
    {Text46, kPanelBox, "Ev", "", {}, {}, {}, {}, {}, Shown::Field, &R::Ev, "Ev_J", {}, {"Ev"}},
    {Text47, kPanelBox, "Es", "", {}, {}, {}, {}, {}, Shown::Field, &R::Es, "Es_J", {}, {"Es"}},
    {Text48, kPanelBox, "Ej", "", {}, {}, {}, {}, {}, Shown::Field, &R::Ej, "Ej_J", {}, {"Ej"}},
    {Text49, kPanelBox, "Em", "", {}, {}, {}, {}, {}, Shown::Field, &R::Em, "Em_J", {}, {"Em"}},
    {Text50, kPanelBox, "Eq", "", {}, {}, {}, {}, {}, Shown::Field, &R::Eq, "Eq_J", {}, {"Eq"}},
    {Text51, kIn | kScaleBox, "Mt, с/см", Tr("Kvor3m", "с/см"), Reading::Plain, &R::Mt, nullptr, {}, {}, {}, {}, {}, {}, {"Mt"}, Rule::Positive, Tr("Kvor3m", "масштаб должен быть больше 0"), Uses::Both, Tr("Kvor3m", "Масштаб времени на графике")},
    {Text52, kStartBox, "KD0", "", {}, {}, {}, {}, {}, Shown::Field, &R::KD0, "KD0_kg_m_s", {}, {"KD0"}},
    {Text53, kPanelBox, "KD", "", {}, {}, {}, {}, {}, Shown::Field, &R::KD, "KD_kg_m_s", {}, {"KD"}},
    {Text54, kIn, "шаг, с", Tr("Kvor3m", "с"), Reading::Plain, &R::h, nullptr, {}, {}, {}, {}, {}, {}, {Tr("Kvor3m", "шаг"), "h"}, Rule::Positive, Tr("Kvor3m", "шаг должен быть больше 0"), Uses::Both, Tr("Kvor3m", "Шаг интегрирования")},
    {Text55, kIn, "NC0", "", Reading::Count, nullptr, &R::NC0, {}, {}, {}, {}, {}, {}, {"NC0"}, {}, {}, Uses::Both, Tr("Kvor3m", "Число шагов между обновлениями экрана; меньше 1 считается за 1")},
    {Text56, kPanelBox, "Время реал", "", {}, {}, {}, {}, {}, Shown::SecondsSinceStart},
    {Text57, kIn, "NCOfile", "", Reading::Count, nullptr, &R::NC0file, {}, {}, {}, {}, {}, {}, {"NCOfile", "NC0file"}, {}, {}, Uses::Both, Tr("Kvor3m", "Число шагов между записями в файл; меньше 1 считается за 1")},
    {Text58, kPanelBox, "E - E0 + Em + Eq + Ej + Es", "", {}, {}, {}, {}, {}, Shown::Balance, nullptr, "balance_J"},
    {Text59, kPanelBox | kStartBox, "Угол1, град", "", {}, {}, {}, {}, {}, Shown::Field, &R::Ugol1, "Ugol1_deg"},
    {Text60, kPanelBox, "T, с", "", {}, {}, {}, {}, {}, Shown::Field, &R::Ts, "T_s"},
    {Text61, kIn | kScaleBox | kPanelBox, "MFq, н/см", Tr("Kvor3m", "н/см"), Reading::Plain, &R::MFq, nullptr, {}, {}, Shown::Field, &R::MFq, {}, {}, {"MFq"}, Rule::Positive, Tr("Kvor3m", "масштаб должен быть больше 0"), Uses::Both, Tr("Kvor3m", "Масштаб электростатической силы на графике")},
    {Text62, kStartBox, "E0", "", {}, {}, {}, {}, {}, Shown::Field, &R::E0, "E0_J", {}, {"E0"}},
    {Text63, kPanelBox, "E", "", {}, {}, {}, {}, {}, Shown::Field, &R::E, "E_J", {}, {"E"}},
    {Text64, kIn | kPanelBox | kStartBox, "Угол2, град", "", Reading::Degrees, &R::phi2, nullptr, {}, Check11, Shown::Field, &R::Ugol2, "Ugol2_deg", {}, {Tr("Kvor3m", "Угол2")}, {}, {}, Uses::Both, Tr("Kvor3m", "Угол поворота стержня в начале опыта, когда флажок рядом отмечен; иначе угол скорости тела 2")},
    {Text65, kPanelBox | kStartBox, "Угол m1m2, град", "", {}, {}, {}, {}, {}, Shown::Field, &R::AlfaDeg, "Alfa_deg"},
    {Text66, kIn | kExponentBox, "* 10^", Tr("Kvor3m", "м"), Reading::Exponent, nullptr, &R::ExpX, {}, {}, {}, {}, {}, {}, {"10^X"}, {}, {}, Uses::Both, Tr("Kvor3m", "Десятичный порядок координат X")},
    {Text67, kIn | kExponentBox, "* 10^", Tr("Kvor3m", "м"), Reading::Exponent, nullptr, &R::ExpY, {}, {}, {}, {}, {}, {}, {"10^Y"}, {}, {}, Uses::Both, Tr("Kvor3m", "Десятичный порядок координат Y")},
}};

inline constexpr std::array<CheckRow, kCheckBoxCount> kChecks{{
    {Check1, "Лоренц", {"Лоренц"}, Uses::Both, Tr("Kvor3m", "Массы растут со скоростью по формуле теории относительности")},
    {Check2, "Запись", {"Запись"}, Uses::Both, Tr("Kvor3m", "Записывать состояние в файл записи")},
    {Check3, "", {"VX1"}, Uses::Both, Tr("Kvor3m", "Кривая VX1 на графике")},
    {Check4, "", {"VX2"}, Uses::Both, Tr("Kvor3m", "Кривая VX2 на графике")},
    {Check5, "", {"VY1"}, Uses::Both, Tr("Kvor3m", "Кривая VY1 на графике")},
    {Check6, "", {"VY2"}, Uses::Both, Tr("Kvor3m", "Кривая VY2 на графике")},
    {Check7, "", {"w1"}, Uses::Both, Tr("Kvor3m", "Кривая w1 на графике")},
    {Check8, "", {"w2"}, Uses::Both, Tr("Kvor3m", "Кривая w2 на графике")},
    {Check9, "m1,m2", {"m1,m2"}, Uses::Both, Tr("Kvor3m", "Показывать массы m1, m2 вместо координат X1, X2")},
    {Check10, "FX,FY", {"FX,FY"}, Uses::Both, Tr("Kvor3m", "Показывать проекции силы FX, FY вместо скоростей V1, V2")},
    {Check11, "", {"Угол2"}, Uses::BallRod, Tr("Kvor3m", "Повернуть стержень в начале опыта на угол, набранный рядом")},
    {Check12, "исходные данные", {"исходные данные"}, Uses::Both, Tr("Kvor3m", "Загружать пример при выборе варианта")},
    {Check13, "+Fm", {"+Fm"}, Uses::BallBall, Tr("Kvor3m", "Учитывать притяжение тел (сила Fm)")},
}};

// The order in which Start reads its inputs, each value stored before the next box is read: it
// decides which box is reported when several cannot be read. The exponents first, then body 1 and
// the plain values, body 2 and the rod angle.
inline constexpr TextBox kStartReadingOrder[] = {
    Text21, Text22, Text23, Text24, Text25, Text27, Text28, Text66, Text67,
    Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, Text9, Text10,
    Text16, Text26, Text29, Text30, Text61, Text51, Text54, Text55, Text57,
    Text11, Text12, Text13, Text14, Text15, Text17, Text18, Text19, Text20,
    Text64,
};

// What Show bodies reads, in its order: the exponents it needs, the diameters, both bodies'
// velocities and positions, the rod length, the coordinate and velocity scales; then, after the
// free radii are set, the rod angle.
inline constexpr TextBox kGeometryReadingOrder[] = {
    Text23, Text27, Text28, Text66, Text67,
    Text3, Text13, Text7, Text8, Text9, Text10, Text17, Text18, Text19, Text20,
    Text16, Text29, Text30,
};

// The scales as the run reads them before every step.
inline constexpr TextBox kScaleReadingOrder[] = {Text29, Text26, Text61, Text51, Text30};
// clang-format on

} // namespace box_table

inline constexpr const BoxRow& RowOf(TextBox box) {
    return box_table::kBoxes[static_cast<std::size_t>(box) - 1];
}
inline constexpr const CheckRow& RowOf(CheckBox box) {
    return box_table::kChecks[static_cast<std::size_t>(box) - 1];
}
inline constexpr bool HasRole(TextBox box, BoxRole role) {
    return (RowOf(box).roles & role) != 0;
}

// Whether a variant uses a control: the rod variant's (`ballRod`) or the two balls'.
inline constexpr bool UsedBy(Uses uses, bool ballRod) {
    return uses == Uses::Both || (uses == Uses::BallRod) == ballRod;
}

// Whether the program writes a box's quantity into it now. Text64 holds the rod's angle as typed
// while the tick beside it is on, and body 2's velocity angle otherwise.
inline bool WrittenNow(TextBox box, const Form& form) {
    const BoxRow& row = RowOf(box);
    return !row.onlyWhen || !form.isChecked(*row.onlyWhen);
}

static_assert(
    [] {
        for (int n = 1; n <= kTextBoxCount; ++n)
            if (box_table::kBoxes[static_cast<std::size_t>(n) - 1].box != n) return false;
        for (int n = 1; n <= kCheckBoxCount; ++n)
            if (box_table::kChecks[static_cast<std::size_t>(n) - 1].box != n) return false;
        return true;
    }(),
    "the rows stand in the order of their boxes");

} // namespace kvor
