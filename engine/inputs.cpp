#include "box_io.h"
#include "cases.h"

namespace dephlegmator {

bool CommonInputsPositive(const Controls& controls, Geometry geometry) {
    // Each box is parsed even when an earlier one already failed: a parse can raise overflow.
    const bool condensationOk = ReadInput(controls, Box::Text1) > 0;
    const bool inletOk = ReadInput(controls, Box::Text2) > 0;
    bool geometryOk = true;
    if (geometry == Geometry::HeightDiameter) {
        const bool heightOk = ReadInput(controls, Box::Text3) > 0;
        const bool diameterOk = ReadInput(controls, Box::Text4) > 0;
        geometryOk = heightOk && diameterOk;
    } else {
        geometryOk = ReadInput(controls, Box::Text5) > 0;
    }
    const bool givenOk = ReadInput(controls, Box::Text6) > 0;
    return condensationOk && inletOk && geometryOk && givenOk;
}

}  // namespace dephlegmator
