#include "panel_texts.h"

#include "number_text.h"

namespace dephlegmator {
namespace {

// What a box holds, in the accusative, after «Введите».
std::string_view Accusative(Box box, Given given) {
    switch (box) {
        case Box::Text1:
            return "температуру конденсации";
        case Box::Text2:
            return "температуру воды на входе";
        case Box::Text3:
            return "высоту";
        case Box::Text4:
            return "диаметр";
        case Box::Text5:
            return "площадь поверхности";
        default:
            break;
    }
    switch (given) {
        case Given::HeatLoad:
            return "тепловую нагрузку";
        case Given::WaterFlow:
            return "расход воды";
        case Given::OutletTemp:
            break;
    }
    return "температуру воды на выходе";
}

}  // namespace

std::string OutOfRangeReason(Box box, InputFault fault, Given given) {
    switch (fault) {
        case InputFault::OutletNotBetween:
            return "Температура воды на выходе должна быть между температурой на входе и "
                   "температурой конденсации.";
        case InputFault::Unreadable:
            return "Число вне допустимого диапазона.";
        case InputFault::NotAbove0:
        case InputFault::None:
            break;
    }
    return "Введите " + std::string(Accusative(box, given)) + " больше нуля.";
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

}  // namespace dephlegmator
