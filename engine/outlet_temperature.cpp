// The outlet water temperature is given: the log-mean temperature difference follows directly,
// and with it the heat load and the water flow that carries it away.
#include "box_io.h"
#include "cases.h"
#include "checked.h"

namespace dephlegmator {

bool OutletTempInputsValid(const Controls& controls, Geometry geometry) {
    const bool positive = CommonInputsPositive(controls, geometry);
    const double tc = ReadInput(controls, Box::Text1);
    const double tin = ReadInput(controls, Box::Text2);
    const double tout = ReadInput(controls, Box::Text6);
    return positive && tc > tout && tin < tout;
}

void OutletTempBody(FormState& state, Controls& controls) {
    const double tc = ReadInput(controls, Box::Text1);
    const double tin = ReadInput(controls, Box::Text2);
    const double tout = ReadInput(controls, Box::Text6);

    const Checked ratio = (Checked(tc) - tin) / (Checked(tc) - tout);
    state.LogMeanDT = ((Checked(tout) - tin) / Ln(ratio)).value();

    const Checked heatLoad = Checked(state.HeatTransferK) * state.AreaM2 * state.LogMeanDT;
    WriteRounded(controls, Box::Text7, heatLoad.value(), 0);

    // The flow carries the heat load as displayed, in whole watts.
    const double shownLoad = ReadInput(controls, Box::Text7);
    const Checked flow = Checked(shownLoad) * 60 / state.SpecificHeatC / (Checked(tout) - tin);
    WriteRounded(controls, Box::Text8, flow.value(), 2);

    WriteNumber(controls, Box::Text9, tout);
}

}  // namespace dephlegmator
