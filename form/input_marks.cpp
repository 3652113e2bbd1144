#include "input_marks.h"

#include "number_text.h"
#include "texts.h"

namespace dephlegmator {
namespace {

// What each box wants: the quantity, as «Введите …» asks for it, its unit and an example.
struct Wanted {
    Text quantity;
    Text unit;  // «в …»
    double example;
};

Wanted WantedIn(Box box, Given given) {
    switch (box) {
        case Box::Text1:
            return {Text::QuantityCondensationTemp, Text::InUnitDegrees, 78};
        case Box::Text2:
            return {Text::QuantityInletTemp, Text::InUnitDegrees, 15};
        case Box::Text3:
            return {Text::QuantityHeight, Text::InUnitCentimetres, 100};
        case Box::Text4:
            return {Text::QuantityDiameter, Text::InUnitCentimetres, 5};
        case Box::Text5:
            return {Text::QuantitySurfaceArea, Text::InUnitSquareCentimetres, 1500};
        default:
            break;
    }
    switch (given) {
        case Given::HeatLoad:
            return {Text::QuantityHeatLoad, Text::InUnitWatts, 1500};
        case Given::WaterFlow:
            return {Text::QuantityWaterFlow, Text::InUnitLitresPerMinute, 1.5};
        case Given::OutletTemp:
            break;
    }
    return {Text::QuantityOutletTemp, Text::InUnitDegrees, 40};
}

std::string OutletNotBetween(const FormInputs& inputs, std::string_view separator) {
    const double tout = inputs[Box::Text6].number;
    const bool aboveInlet = tout > inputs[Box::Text2].number;
    const Box other = aboveInlet ? Box::Text1 : Box::Text2;
    return Fill(aboveInlet ? Text::MarkOutletNotBelowCondensation : Text::MarkOutletNotAboveInlet,
                {{"temp", FormatNumber(inputs[other].number, separator)}});
}

}  // namespace

std::string_view QuantityToEnter(Box box, Given given) {
    return Tr(WantedIn(box, given).quantity);
}

std::string InputMark(Box box, const FormInputs& inputs, std::string_view separator) {
    if (!inputs.used(box)) return {};
    const Wanted wanted = WantedIn(box, inputs.modes.given);
    const std::string example = FormatNumber(wanted.example, separator);
    const std::initializer_list<Filling> fillings{
        {"quantity", Tr(wanted.quantity)}, {"unit", Tr(wanted.unit)}, {"example", example}};
    switch (inputs[box].fault) {
        case InputFault::None:
        case InputFault::Empty:
            return {};
        case InputFault::NotANumber:
            return Fill(Text::MarkNotANumber, fillings);
        case InputFault::Unreadable:
            return Fill(Text::MarkTooLarge, fillings);
        case InputFault::NotAbove0:
            return Fill(Text::MarkNotAboveZero, fillings);
        case InputFault::OutletNotBetween:
            return OutletNotBetween(inputs, separator);
        case InputFault::AboveBoiling:
            return std::string(Tr(Text::MarkAboveBoiling));
    }
    return {};
}

}  // namespace dephlegmator
