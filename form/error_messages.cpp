#include "error_messages.h"

#include <optional>

#include "box_io.h"
#include "number_text.h"

namespace dephlegmator {
namespace {

using Kind = CalcError::Kind;

constexpr const char* kTooLarge =
    "Число вышло за пределы вычислимого: вероятно, введено слишком большое значение "
    "(например, с порядком E). Проверьте введённые числа.";
constexpr const char* kCheckInputs = "Проверьте введённые значения.";

// Tc − Tin as the calculation read them, if the boxes still read as numbers.
std::optional<double> CondensationAboveInlet(const Controls& window) {
    try {
        return ReadInput(window, Box::Text1) - ReadInput(window, Box::Text2);
    } catch (const CalcError&) {
        return std::nullopt;
    }
}

std::string OutletTemperatureGiven(Kind kind) {
    if (kind == Kind::DivisionByZero) {
        return "Не удалось вычислить тепловую нагрузку: температура воды на выходе почти равна "
               "температуре воды на входе. Задайте температуру на выходе заметно выше "
               "температуры на входе.";
    }
    return kind == Kind::Overflow ? kTooLarge : kCheckInputs;
}

std::string HeatLoadGiven(const CalcError& error, const Controls& window) {
    switch (error.kind()) {
        case Kind::HeatLoadBeyondSurface:
            if (error.maxHeatLoad() <= 0) {
                return "Не удалось вычислить расход воды: температура конденсации не выше "
                       "температуры воды на входе, и вода не может отбирать тепло. Задайте "
                       "температуру конденсации выше температуры воды на входе.";
            }
            return "Не удалось вычислить расход воды: эта поверхность при таких температурах "
                   "передаёт не больше " +
                   FormatRounded(error.maxHeatLoad(), 0, window.decimalSeparator()) +
                   " Вт, даже при очень большом расходе воды. Уменьшите тепловую нагрузку или "
                   "увеличьте поверхность.";
        case Kind::DivisionByZero:
            return "Не удалось вычислить температуру воды на выходе: тепловая нагрузка слишком "
                   "мала для такой поверхности (средний температурный напор меньше 0,005 К). "
                   "Увеличьте тепловую нагрузку или уменьшите поверхность.";
        case Kind::Overflow:
            return kTooLarge;
        default:
            return kCheckInputs;
    }
}

std::string WaterFlowGiven(Kind kind, const Controls& window) {
    const std::optional<double> difference = CondensationAboveInlet(window);
    const char* autonomous =
        "Не удалось вычислить результаты автономного охлаждения: при нём вода нагревается на "
        "10 °С, а температура конденсации ";
    switch (kind) {
        case Kind::InvalidOperation:
            if (difference != 0) {
                return "Не удалось вычислить тепловую нагрузку: при таком большом расходе вода "
                       "не успевает нагреться даже на малую долю градуса. Уменьшите расход воды.";
            }
            return "Не удалось вычислить тепловую нагрузку: температура конденсации равна "
                   "температуре воды на входе. Задайте температуру конденсации выше температуры "
                   "воды на входе.";
        case Kind::DivisionByZero:
            if (difference == 10) {
                return std::string(autonomous) +
                       "всего на 10 °С выше температуры воды на входе. Внешнее охлаждение "
                       "рассчитано.";
            }
            return "Не удалось вычислить тепловую нагрузку: при таком малом расходе вода "
                   "нагревается до температуры конденсации. Увеличьте расход воды.";
        case Kind::InvalidArgument:
            return std::string(autonomous) +
                   "меньше чем на 10 °С выше температуры воды на входе. Внешнее охлаждение "
                   "рассчитано.";
        case Kind::Overflow:
            return kTooLarge;
        default:
            return kCheckInputs;
    }
}

}  // namespace

std::string ErrorKindLine(Kind kind) {
    switch (kind) {
        case Kind::Overflow:
            return "Ошибка вычисления: переполнение.";
        case Kind::DivisionByZero:
            return "Ошибка вычисления: деление на ноль.";
        case Kind::InvalidOperation:
            return "Ошибка вычисления: недопустимая операция.";
        case Kind::InvalidArgument:
            return "Ошибка вычисления: недопустимый аргумент логарифма.";
        case Kind::HeatLoadBeyondSurface:
            return "Ошибка вычисления: нагрузка больше предела поверхности.";
    }
    return "Ошибка вычисления.";
}

std::string ErrorMessage(const CalcError& error, const Controls& window) {
    std::string why;
    if (window.isSelected(Option::Option7)) {
        why = HeatLoadGiven(error, window);
    } else if (window.isSelected(Option::Option8)) {
        why = WaterFlowGiven(error.kind(), window);
    } else {
        why = OutletTemperatureGiven(error.kind());
    }
    return ErrorKindLine(error.kind()) + "\n\n" + why;
}

}  // namespace dephlegmator
