// The heat load is given: it fixes the mean temperature difference the surface needs, and the
// outlet water temperature that gives that difference is the root of the log-mean relation.
#include "box_io.h"
#include "cases.h"
#include "heat_exchanger.h"
#include "number_text.h"

namespace dephlegmator {

void HeatLoadBody(FormState& state, const FormInputs& inputs, Controls& controls,
                  CalcError::Stage& stage) {
    const double tc = inputs[Box::Text1].value();
    const double tin = inputs[Box::Text2].value();
    const double heatLoad = inputs[Box::Text6].value();

    // The outlet temperature is found for the required difference as rounded to 2 decimals.
    stage = CalcError::Stage::MeanDifference;
    const auto requiredDT = LogMeanDTForLoad<Checked>(heatLoad, state.AreaM2, state.HeatTransferK);
    state.LogMeanDT = RoundDecimals(requiredDT.value(), 2);
    WriteNumber(controls, Box::Text7, heatLoad);

    stage = CalcError::Stage::OutletTemp;
    if (state.LogMeanDT == 0) throw CalcError(CalcError::Kind::DivisionByZero);
    // The mean difference can only approach Tc − Tin, as the water flow grows without bound.
    const Checked span = Checked(tc) - tin;
    if (!(span.value() > 0) || state.LogMeanDT >= span.value()) {
        const auto maxHeatLoad = MaxLoad<Checked>(state.HeatTransferK, state.AreaM2, span);
        throw CalcError(CalcError::Kind::HeatLoadBeyondSurface, maxHeatLoad.value());
    }
    const auto warming = WarmingForLogMeanDT<Checked>(span, state.LogMeanDT);
    state.WaterOutTemp = (Checked(tin) + warming).value();
    WriteRounded(controls, Box::Text9, state.WaterOutTemp, 0);

    // Both flows carry the heat load as displayed; the external one warms by the unrounded rise.
    stage = CalcError::Stage::ExternalFlow;
    const auto flow = FlowForLoadAndRise<Checked>(
        ReadInput(controls, Box::Text7), state.SpecificHeatC, Checked(state.WaterOutTemp) - tin);
    WriteRounded(controls, Box::Text8, flow.value(), 2);

    stage = CalcError::Stage::AutonomousColumn;
    const auto autonomousFlow = FlowForLoadAndRise<Checked>(ReadInput(controls, Box::Text7),
                                                            state.SpecificHeatC, kAutonomousRiseK);
    WriteRounded(controls, Box::Text81, autonomousFlow.value(), 2);

    WriteNumber(controls, Box::Text91, (Checked(tin) + kAutonomousRiseK).value());
}

}  // namespace dephlegmator
