#include "form_inputs.h"

#include "calc_error.h"
#include "form_state.h"
#include "number_text.h"

namespace dephlegmator {
namespace {

std::size_t Index(Box box) {
    return static_cast<std::size_t>(box);
}

Input ReadBox(const Controls& controls, Box box, std::string_view separator) {
    Input input;
    input.text = controls.text(box);
    try {
        const TypedNumber typed = ReadTypedNumber(input.text, separator);
        input.number = typed.value;
        if (typed.empty) {
            input.fault = InputFault::Empty;
        } else if (!typed.whole) {
            input.fault = InputFault::NotANumber;
        } else if (!(typed.value > 0)) {
            input.fault = InputFault::NotAbove0;
        }
    } catch (const CalcError&) {
        input.fault = InputFault::Unreadable;
    }
    return input;
}

}  // namespace

Modes ReadModes(const Controls& controls) {
    Modes modes;
    if (controls.isSelected(Option::Option5)) modes.geometry = Geometry::SurfaceArea;
    if (controls.isSelected(Option::Option7)) modes.given = Given::HeatLoad;
    if (controls.isSelected(Option::Option8)) modes.given = Given::WaterFlow;
    return modes;
}

double Input::value() const {
    if (!readable()) throw CalcError(CalcError::Kind::Overflow);
    return number;
}

const Input& FormInputs::operator[](Box box) const {
    return boxes.at(Index(box));
}

bool FormInputs::used(Box box) const {
    switch (box) {
        case Box::Text3:
        case Box::Text4:
            return modes.geometry == Geometry::HeightDiameter;
        case Box::Text5:
            return modes.geometry == Geometry::SurfaceArea;
        default:
            return Index(box) < boxes.size();
    }
}

bool FormInputs::inputTestPasses() const {
    bool passes = true;
    for (const Box box : kInputBoxes) {
        if (!used(box)) continue;
        (*this)[box].value();
        passes = passes && (*this)[box].inRange();
    }
    return passes;
}

std::optional<Box> FormInputs::firstOutOfRange() const {
    for (const Box box : kInputBoxes) {
        if (used(box) && !(*this)[box].inRange()) return box;
    }
    return std::nullopt;
}

FormInputs ReadFormInputs(const Controls& controls) {
    FormInputs inputs;
    inputs.modes = ReadModes(controls);
    const std::string separator = controls.decimalSeparator();
    for (const Box box : kInputBoxes) {
        inputs.boxes.at(Index(box)) = ReadBox(controls, box, separator);
    }

    Input& condensation = inputs.boxes.at(Index(Box::Text1));
    if (condensation.inRange() && condensation.number > kWaterBoilingTemp) {
        condensation.fault = InputFault::AboveBoiling;
    }

    Input& outlet = inputs.boxes.at(Index(Box::Text6));
    if (inputs.modes.given == Given::OutletTemp && outlet.inRange()) {
        const Input& tc = inputs[Box::Text1];
        const Input& tin = inputs[Box::Text2];
        // Only numbers can be compared; an unreadable temperature is marked on its own box.
        if (tc.readable() && tin.readable() &&
            !(tc.number > outlet.number && tin.number < outlet.number)) {
            outlet.fault = InputFault::OutletNotBetween;
        }
    }
    return inputs;
}

}  // namespace dephlegmator
