#include "cases.h"

namespace dephlegmator {

// Not built yet: the guard and the area run in the driver, the case itself does nothing.
bool WaterFlowInputsValid(const Controls&, Geometry) { return false; }
void WaterFlowBody(FormState&, Controls&) {}

}  // namespace dephlegmator
