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

void RunBody(FormState& state, const FormInputs& inputs, Controls& controls) {
    switch (inputs.modes.given) {
        case Given::OutletTemp:
            return OutletTempBody(state, inputs, controls);
        case Given::HeatLoad:
            return HeatLoadBody(state, inputs, controls);
        case Given::WaterFlow:
            return WaterFlowBody(state, inputs, controls);
    }
}

}  // namespace

void Calculate(FormState& state, const FormInputs& inputs, Controls& controls) {
    // The surface is assigned before the input test, so it follows the geometry even when the
    // test fails.
    state.AreaM2 = SurfaceAreaM2(inputs);
    if (inputs.inputTestPasses()) RunBody(state, inputs, controls);
    WriteRounded(controls, Box::Text10, (Checked(state.AreaM2) * 10000).value(), 0);
}

void Calculate(FormState& state, Controls& controls) {
    Calculate(state, ReadFormInputs(controls), controls);
}

}  // namespace dephlegmator
