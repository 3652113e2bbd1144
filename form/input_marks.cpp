#include "input_marks.h"

#include <array>

#include "number_text.h"

namespace dephlegmator {
namespace {

// What each box wants, for «Введите …»: the quantity in the accusative, its unit and an example.
struct Wanted {
    std::string_view quantity;
    std::string_view unit;  // «в …»
    double example;
};

Wanted WantedIn(Box box, Given given) {
    switch (box) {
        case Box::Text1:
            return {"температуру конденсации", "градусах", 78};
        case Box::Text2:
            return {"температуру воды на входе", "градусах", 15};
        case Box::Text3:
            return {"высоту", "сантиметрах", 100};
        case Box::Text4:
            return {"диаметр", "сантиметрах", 5};
        case Box::Text5:
            return {"площадь поверхности", "квадратных сантиметрах", 1500};
        default:
            break;
    }
    switch (given) {
        case Given::HeatLoad:
            return {"тепловую нагрузку", "ваттах", 1500};
        case Given::WaterFlow:
            return {"расход воды", "литрах в минуту", 1.5};
        case Given::OutletTemp:
            break;
    }
    return {"температуру воды на выходе", "градусах", 40};
}

std::string OutletNotBetween(const FormInputs& inputs, std::string_view separator) {
    const double tout = inputs[Box::Text6].number;
    const bool aboveInlet = tout > inputs[Box::Text2].number;
    const Box other = aboveInlet ? Box::Text1 : Box::Text2;
    return std::string("Температура воды на выходе должна быть ") +
           (aboveInlet ? "ниже температуры конденсации (" : "выше температуры воды на входе (") +
           FormatNumber(inputs[other].number, separator) + " °С).";
}

}  // namespace

std::string_view QuantityToEnter(Box box, Given given) {
    return WantedIn(box, given).quantity;
}

std::string InputMark(Box box, const FormInputs& inputs, std::string_view separator) {
    if (!inputs.used(box)) return {};
    const Wanted wanted = WantedIn(box, inputs.modes.given);
    const std::string example = ", например " + FormatNumber(wanted.example, separator) + ".";
    switch (inputs[box].fault) {
        case InputFault::None:
        case InputFault::Empty:
            return {};
        case InputFault::NotANumber:
            return "Введите число в " + std::string(wanted.unit) + example;
        case InputFault::Unreadable:
            return "Число слишком велико. Введите " + std::string(wanted.quantity) + " в " +
                   std::string(wanted.unit) + example;
        case InputFault::NotAbove0:
            return "Введите " + std::string(wanted.quantity) + " больше нуля" + example;
        case InputFault::OutletNotBetween:
            return OutletNotBetween(inputs, separator);
    }
    return {};
}

}  // namespace dephlegmator
