#include "error_messages.h"

#include <optional>

#include "form_state.h"
#include "number_text.h"

namespace dephlegmator {
namespace {

using Kind = CalcError::Kind;

constexpr const char* kTooLarge =
    "Число вышло за пределы вычислимого: вероятно, введено слишком большое значение "
    "(например, с порядком E). Проверьте введённые числа.";
constexpr const char* kCheckInputs = "Проверьте введённые значения.";

// Tc − Tin as the calculation read them, if both boxes read as numbers.
std::optional<double> CondensationAboveInlet(const FormInputs& inputs) {
    const Input& tc = inputs[Box::Text1];
    const Input& tin = inputs[Box::Text2];
    if (!tc.readable() || !tin.readable()) return std::nullopt;
    return tc.number - tin.number;
}

// The autonomous rise as the messages write it: "10 °С".
std::string AutonomousRise() {
    return FormatNumber(kAutonomousRiseK, ".") + " °С";
}

std::string OutletTemperatureGiven(Kind kind) {
    if (kind == Kind::DivisionByZero) {
        return "Не удалось вычислить тепловую нагрузку: температура воды на выходе почти равна "
               "температуре воды на входе. Задайте температуру на выходе заметно выше "
               "температуры на входе.";
    }
    return kind == Kind::Overflow ? kTooLarge : kCheckInputs;
}

std::string HeatLoadGiven(const CalcError& error, std::string_view separator) {
    switch (error.kind()) {
        case Kind::HeatLoadBeyondSurface:
            if (error.maxHeatLoad() <= 0) {
                return "Не удалось вычислить расход воды: температура конденсации не выше "
                       "температуры воды на входе, и вода не может отбирать тепло. Задайте "
                       "температуру конденсации выше температуры воды на входе.";
            }
            return "Не удалось вычислить расход воды: эта поверхность при таких температурах "
                   "передаёт не больше " +
                   FormatRounded(error.maxHeatLoad(), 0, separator) +
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

std::string WaterFlowGiven(Kind kind, const FormInputs& inputs) {
    const std::optional<double> difference = CondensationAboveInlet(inputs);
    const std::string autonomous =
        "Не удалось вычислить результаты автономного охлаждения: при нём вода нагревается на " +
        AutonomousRise() + ", а температура конденсации ";
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
            if (difference == kAutonomousRiseK) {
                return autonomous + "всего на " + AutonomousRise() +
                       " выше температуры воды на входе. Внешнее охлаждение рассчитано.";
            }
            return "Не удалось вычислить тепловую нагрузку: при таком малом расходе вода "
                   "нагревается до температуры конденсации. Увеличьте расход воды.";
        case Kind::InvalidArgument:
            return autonomous + "меньше чем на " + AutonomousRise() +
                   " выше температуры воды на входе. Внешнее охлаждение рассчитано.";
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

std::string ErrorMessage(const CalcError& error, const FormInputs& inputs,
                         std::string_view separator) {
    std::string why;
    switch (inputs.modes.given) {
        case Given::HeatLoad:
            why = HeatLoadGiven(error, separator);
            break;
        case Given::WaterFlow:
            why = WaterFlowGiven(error.kind(), inputs);
            break;
        case Given::OutletTemp:
            why = OutletTemperatureGiven(error.kind());
            break;
    }
    return ErrorKindLine(error.kind()) + "\n\n" + why;
}

}  // namespace dephlegmator
