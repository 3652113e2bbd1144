#include "calculate.h"

#include "box_io.h"
#include "cases.h"
#include "heat_exchanger.h"

namespace dephlegmator {
namespace {

// The lateral surface of a cylinder (π taken as 3.1415) in m², or the typed area converted from
// cm² to m², from the geometry inputs as they stand.
double SurfaceAreaM2(const FormInputs& inputs) {
    if (inputs.modes.geometry == Geometry::HeightDiameter) {
        const double height = inputs[Box::Text3].value();
        const double diameter = inputs[Box::Text4].value();
        return LateralAreaM2<Checked>(height, diameter).value();
    }
    return AreaM2FromCm2<Checked>(inputs[Box::Text5].value()).value();
}

void RunBody(FormState& state, const FormInputs& inputs, Controls& controls,
             CalcError::Stage& stage) {
    switch (inputs.modes.given) {
        case Given::OutletTemp:
            return OutletTempBody(state, inputs, controls, stage);
        case Given::HeatLoad:
            return HeatLoadBody(state, inputs, controls, stage);
        case Given::WaterFlow:
            return WaterFlowBody(state, inputs, controls, stage);
    }
}

}  // namespace

void Calculate(FormState& state, const FormInputs& inputs, Controls& controls) {
    using Stage = CalcError::Stage;
    Stage stage = Stage::Area;
    try {
        // The surface is assigned before the input test, so it follows the geometry even when the
        // test fails.
        state.AreaM2 = SurfaceAreaM2(inputs);
        stage = Stage::InputTest;
        if (inputs.inputTestPasses()) RunBody(state, inputs, controls, stage);
        stage = Stage::Area;
        WriteRounded(controls, Box::Text10, (Checked(state.AreaM2) * 10000).value(), 0);
    } catch (const CalcError& error) {
        throw error.at(stage);
    }
}

void Calculate(FormState& state, Controls& controls) {
    Calculate(state, ReadFormInputs(controls), controls);
}

}  // namespace dephlegmator
