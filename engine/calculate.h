#pragma once

#include "calc_error.h"
#include "controls.h"
#include "form_inputs.h"
#include "form_state.h"

namespace dephlegmator {

// The surface the geometry boxes give, in m²: the lateral surface of a cylinder (π taken as
// 3.1415) from Text3 and Text4, or the area typed in cm² in Text5, as the modes say. Throws
// CalcError where the calculation would: an unreadable box, an overflow. Example: 100 cm × 5 cm
// → 0.157075.
double SurfaceAreaM2(const FormInputs& inputs);

// Runs the whole calculation once over the inputs as the event read them: the case of the
// selected modes (the surface area, the input test, the body), then the surface area in Text10,
// which is shown only when the geometry boxes hold whole numbers above 0. Afterwards every result
// box shows what this calculation wrote or kNoResult, never an earlier result. A CalcError
// leaves as an exception, marked with the stage it arose in (CalcError::stage()); the variables
// and boxes written before the failing formula keep their new values, and the other result boxes
// show kNoResult. Example: Tc 25, Tin 15, area 10000 cm², water flow 0.25 l/min: the outlet
// temperature rounds to Tc, and the external heat load fails with DivisionByZero at
// Stage::ExternalLoad.
void Calculate(FormState& state, const FormInputs& inputs, Controls& controls);

// Reads the inputs from `controls` and calculates.
void Calculate(FormState& state, Controls& controls);

}  // namespace dephlegmator
