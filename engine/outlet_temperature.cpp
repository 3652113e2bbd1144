// The outlet water temperature is given: the log-mean temperature difference follows directly,
// and with it the heat load and the water flow that carries it away.
#include "box_io.h"
#include "cases.h"
#include "heat_exchanger.h"

namespace dephlegmator {

void OutletTempBody(FormState& state, const FormInputs& inputs, Controls& controls,
                    CalcError::Stage& stage) {
    const double tc = inputs[Box::Text1].value();
    const double tin = inputs[Box::Text2].value();
    const double tout = inputs[Box::Text6].value();

    stage = CalcError::Stage::ExternalLoad;
    state.LogMeanDT = LogMeanDifference<Checked>(tc, tin, tout).value();
    const auto heatLoad = HeatLoad<Checked>(state.HeatTransferK, state.AreaM2, state.LogMeanDT);
    WriteRounded(controls, Box::Text7, heatLoad.value(), 0);

    // The flow carries the heat load as displayed, in whole watts.
    stage = CalcError::Stage::ExternalFlow;
    const double shownLoad = ReadInput(controls, Box::Text7);
    const auto flow =
        FlowForLoadAndRise<Checked>(shownLoad, state.SpecificHeatC, Checked(tout) - tin);
    WriteRounded(controls, Box::Text8, flow.value(), 2);

    WriteNumber(controls, Box::Text9, tout);
}

}  // namespace dephlegmator
