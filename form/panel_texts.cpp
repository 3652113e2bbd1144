#include "panel_texts.h"

#include "input_marks.h"
#include "number_text.h"

namespace dephlegmator {
std::string OutOfRangeReason(Box box, const FormInputs& inputs, std::string_view separator) {
    if (inputs[box].fault == InputFault::Empty) {
        return "Введите " + std::string(QuantityToEnter(box, inputs.modes.given)) + ".";
    }
    return InputMark(box, inputs, separator);
}

std::string ChartDescription(const ControlCurveChart& chart, std::string_view separator) {
    std::string text =
        "График: тепловая нагрузка дефлегматора в ваттах в зависимости от расхода воды в литрах "
        "в минуту, от 0 до " +
        FormatNumber(chart.flow.max, separator) +
        " л/мин, и температура воды на выходе. Предел поверхности " +
        FormatRounded(chart.maxLoad, 0, separator) + " Вт.";
    if (chart.result) {
        text += " Результат расчёта: " + FormatRounded(chart.result->flow, 2, separator) +
                " л/мин, " + FormatRounded(chart.result->load, 0, separator) + " Вт.";
    }
    if (chart.heaterPower) {
        text += " Мощность нагрева " + FormatNumber(*chart.heaterPower, separator) + " Вт.";
    }
    return text;
}

std::string BeyondTheChart(const ControlCurveChart& chart, std::string_view separator) {
    constexpr double kReachShare = 0.95;
    if (!(chart.flow.max < chart.reach)) return {};
    return "Дальше кривая почти горизонтальна: при " + FormatRounded(chart.reach, 1, separator) +
           " л/мин — " + FormatRounded(kReachShare * chart.maxLoad, 0, separator) +
           " Вт, 95 % предела.";
}

}  // namespace dephlegmator
