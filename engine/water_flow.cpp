// The water flow is given: the outlet temperature follows from the exponential warming of the
// water along the surface, and the heat load from the log-mean temperature difference. The
// autonomous column takes the same surface with the water warming by exactly 10 K.
#include "box_io.h"
#include "cases.h"
#include "checked.h"

namespace dephlegmator {
namespace {

void ExternalCooling(FormState& state, Controls& controls, double tc, double tin, double flow) {
    const Checked exponent =
        -Checked(state.AreaM2) * state.HeatTransferK * 60 / flow / state.SpecificHeatC;
    const Checked factor = Exp(exponent);
    state.WaterOutTemp = (Checked(tc) - (Checked(tc) - tin) * factor).value();

    const Checked ratio = (Checked(tc) - tin) / (Checked(tc) - state.WaterOutTemp);
    state.LogMeanDT = ((Checked(state.WaterOutTemp) - tin) / Ln(ratio)).value();

    const Checked heatLoad = Checked(state.HeatTransferK) * state.AreaM2 * state.LogMeanDT;
    WriteRounded(controls, Box::Text7, heatLoad.value(), 0);
    WriteNumber(controls, Box::Text8, flow);
    WriteRounded(controls, Box::Text9, state.WaterOutTemp, 0);
}

void AutonomousCooling(FormState& state, Controls& controls, double tc, double tin, double flow) {
    const Checked ratio = (Checked(tc) - tin) / (Checked(tc) - tin - kAutonomousRiseK);
    state.AutoLogMeanDT = (Checked(kAutonomousRiseK) / Ln(ratio)).value();

    const Checked heatLoad = Checked(state.HeatTransferK) * state.AreaM2 * state.AutoLogMeanDT;
    WriteRounded(controls, Box::Text71, heatLoad.value(), 0);
    WriteNumber(controls, Box::Text81, flow);
    WriteNumber(controls, Box::Text91, (Checked(tin) + kAutonomousRiseK).value());
}

}  // namespace

bool WaterFlowInputsValid(const Controls& controls, Geometry geometry) {
    return CommonInputsPositive(controls, geometry);
}

void WaterFlowBody(FormState& state, Controls& controls) {
    const double tc = ReadInput(controls, Box::Text1);
    const double tin = ReadInput(controls, Box::Text2);
    const double flow = ReadInput(controls, Box::Text6);
    ExternalCooling(state, controls, tc, tin, flow);
    AutonomousCooling(state, controls, tc, tin, flow);
}

}  // namespace dephlegmator
