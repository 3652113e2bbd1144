#pragma once

#include "calc_error.h"
#include "controls.h"
#include "form_state.h"

namespace dephlegmator {

// Runs the whole calculation once over the current inputs: the six guarded cases in order, then
// the surface area in Text10. A CalcError leaves as an exception; every variable and box written
// before the failing formula keeps its new value.
void Calculate(FormState& state, Controls& controls);

}  // namespace dephlegmator
