#pragma once

#include "controls.h"
#include "form_state.h"

namespace dephlegmator {

// How the surface area is given: height and diameter (Option4) or the area itself (Option5).
enum class Geometry { HeightDiameter, SurfaceArea };

// The inputs every case tests, each parsed and tested (all of them, no early exit, since a parse
// can raise): Text1, Text2, the geometry inputs of the variant and Text6 strictly above 0.
bool CommonInputsPositive(const Controls& controls, Geometry geometry);

// Outlet water temperature given (Option6): Text6 holds it in °C.
bool OutletTempInputsValid(const Controls& controls, Geometry geometry);
void OutletTempBody(FormState& state, Controls& controls);

// Heat load given (Option7): Text6 holds it in W. A load that no water flow carries through the
// surface at these temperatures raises CalcError (HeatLoadBeyondSurface).
bool HeatLoadInputsValid(const Controls& controls, Geometry geometry);
void HeatLoadBody(FormState& state, Controls& controls);

// Water flow given (Option8): Text6 holds it in l/min.
bool WaterFlowInputsValid(const Controls& controls, Geometry geometry);
void WaterFlowBody(FormState& state, Controls& controls);

}  // namespace dephlegmator
