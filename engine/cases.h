#pragma once

#include "controls.h"
#include "form_inputs.h"
#include "form_state.h"

namespace dephlegmator {

// The bodies of the three cases, run once the input test has passed and AreaM2 is set. Each reads
// its inputs from `inputs`, writes its result boxes through `controls` and may read a result back
// from its box, so that the next formula takes the value as displayed.

// Outlet water temperature given (Option6): Text6 holds it in °C.
void OutletTempBody(FormState& state, const FormInputs& inputs, Controls& controls);

// Heat load given (Option7): Text6 holds it in W. A load that no water flow carries through the
// surface at these temperatures raises CalcError (HeatLoadBeyondSurface).
void HeatLoadBody(FormState& state, const FormInputs& inputs, Controls& controls);

// Water flow given (Option8): Text6 holds it in l/min.
void WaterFlowBody(FormState& state, const FormInputs& inputs, Controls& controls);

}  // namespace dephlegmator
