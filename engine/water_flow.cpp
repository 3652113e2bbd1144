// The water flow is given: the outlet temperature follows from the exponential warming of the
// water along the surface, and the heat load from the log-mean temperature difference. The
// autonomous column takes the same surface with the water warming by exactly kAutonomousRiseK,
// and the flow that carries its load at that rise (not the flow given, which would warm by
// another amount).
#include "box_io.h"
#include "cases.h"
#include "heat_exchanger.h"

namespace dephlegmator {
namespace {

void ExternalCooling(FormState& state, Controls& controls, CalcError::Stage& stage, double tc,
                     double tin, double flow) {
    stage = CalcError::Stage::OutletTemp;
    const auto exponent =
        FlowExponent<Checked>(state.AreaM2, state.HeatTransferK, flow, state.SpecificHeatC);
    state.WaterOutTemp = OutletTempAtExponent<Checked>(tc, tin, exponent).value();

    stage = CalcError::Stage::ExternalLoad;
    state.LogMeanDT = LogMeanDifference<Checked>(tc, tin, state.WaterOutTemp).value();

    const auto heatLoad = HeatLoad<Checked>(state.HeatTransferK, state.AreaM2, state.LogMeanDT);
    WriteRounded(controls, Box::Text7, heatLoad.value(), 0);
    WriteNumber(controls, Box::Text8, flow);
    WriteRounded(controls, Box::Text9, state.WaterOutTemp, 0);
}

void AutonomousCooling(FormState& state, Controls& controls, CalcError::Stage& stage, double tc,
                       double tin) {
    stage = CalcError::Stage::AutonomousColumn;
    state.AutoLogMeanDT = RiseLogMeanDifference<Checked>(tc, tin, kAutonomousRiseK).value();

    const auto heatLoad = HeatLoad<Checked>(state.HeatTransferK, state.AreaM2, state.AutoLogMeanDT);
    WriteRounded(controls, Box::Text71, heatLoad.value(), 0);
    // The flow that carries the load as displayed at that rise, as in the heat-load case.
    const auto autonomousFlow = FlowForLoadAndRise<Checked>(ReadInput(controls, Box::Text71),
                                                            state.SpecificHeatC, kAutonomousRiseK);
    WriteRounded(controls, Box::Text81, autonomousFlow.value(), 2);
    WriteNumber(controls, Box::Text91, (Checked(tin) + kAutonomousRiseK).value());
}

}  // namespace

void WaterFlowBody(FormState& state, const FormInputs& inputs, Controls& controls,
                   CalcError::Stage& stage) {
    const double tc = inputs[Box::Text1].value();
    const double tin = inputs[Box::Text2].value();
    const double flow = inputs[Box::Text6].value();
    ExternalCooling(state, controls, stage, tc, tin, flow);
    AutonomousCooling(state, controls, stage, tc, tin);
}

}  // namespace dephlegmator
