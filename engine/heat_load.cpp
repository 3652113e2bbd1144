#include "cases.h"

namespace dephlegmator {

// Not built yet: the guard and the area run in the driver, the case itself does nothing.
bool HeatLoadInputsValid(const Controls&, Geometry) { return false; }
void HeatLoadBody(FormState&, Controls&) {}

}  // namespace dephlegmator
