#pragma once

#include "calc_error.h"
#include "controls.h"
#include "form_inputs.h"
#include "form_state.h"

namespace dephlegmator {

// The bodies of the three cases, run once the input test has passed and AreaM2 is set. Each reads
// its inputs from `inputs`, writes its result boxes through `controls` and may read a result back
// from its box, so that the next formula takes the value as displayed. Before the formulas of
// each result it sets `stage` to that result, so that a CalcError can be marked with what could
// not be computed; a stage it sets has completed once it sets the next.

// Outlet water temperature given (Option6): Text6 holds it in °C. Stages: ExternalLoad,
// ExternalFlow.
void OutletTempBody(FormState& state, const FormInputs& inputs, Controls& controls,
                    CalcError::Stage& stage);

// Heat load given (Option7): Text6 holds it in W. A load that no water flow carries through the
// surface at these temperatures raises CalcError (HeatLoadBeyondSurface). Stages: MeanDifference,
// OutletTemp, ExternalFlow, AutonomousColumn.
void HeatLoadBody(FormState& state, const FormInputs& inputs, Controls& controls,
                  CalcError::Stage& stage);

// Water flow given (Option8): Text6 holds it in l/min. Stages: OutletTemp, ExternalLoad,
// AutonomousColumn.
void WaterFlowBody(FormState& state, const FormInputs& inputs, Controls& controls,
                   CalcError::Stage& stage);

}  // namespace dephlegmator
