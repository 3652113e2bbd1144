#include "calculate.h"

#include <array>

#include "box_io.h"
#include "cases.h"
#include "checked.h"

namespace dephlegmator {
namespace {

enum class Given { OutletTemp, HeatLoad, WaterFlow };

struct Case {
    Geometry geometry;
    Given given;
};

// Tried in this order on every calculation; the option groups let exactly one pass its guard.
constexpr std::array<Case, 6> kCases{{
    {Geometry::HeightDiameter, Given::OutletTemp},
    {Geometry::HeightDiameter, Given::HeatLoad},
    {Geometry::HeightDiameter, Given::WaterFlow},
    {Geometry::SurfaceArea, Given::OutletTemp},
    {Geometry::SurfaceArea, Given::HeatLoad},
    {Geometry::SurfaceArea, Given::WaterFlow},
}};

Option GuardOption(Geometry geometry) {
    return geometry == Geometry::HeightDiameter ? Option::Option4 : Option::Option5;
}

Option GuardOption(Given given) {
    switch (given) {
        case Given::OutletTemp:
            return Option::Option6;
        case Given::HeatLoad:
            return Option::Option7;
        case Given::WaterFlow:
            return Option::Option8;
    }
    return Option::Option6;
}

// The lateral surface of a cylinder (π taken as 3.1415) in m², or the typed area converted from
// cm² to m², from the geometry inputs as they stand.
double SurfaceAreaM2(const Controls& controls, Geometry geometry) {
    if (geometry == Geometry::HeightDiameter) {
        const double height = ReadInput(controls, Box::Text3);
        const double diameter = ReadInput(controls, Box::Text4);
        return (Checked(height) * kAreaFormulaPi / 100 * diameter / 100).value();
    }
    return (Checked(ReadInput(controls, Box::Text5)) / 10000).value();
}

bool InputsValid(const Controls& controls, const Case& c) {
    switch (c.given) {
        case Given::OutletTemp:
            return OutletTempInputsValid(controls, c.geometry);
        case Given::HeatLoad:
            return HeatLoadInputsValid(controls, c.geometry);
        case Given::WaterFlow:
            return WaterFlowInputsValid(controls, c.geometry);
    }
    return false;
}

void RunBody(FormState& state, Controls& controls, Given given) {
    switch (given) {
        case Given::OutletTemp:
            return OutletTempBody(state, controls);
        case Given::HeatLoad:
            return HeatLoadBody(state, controls);
        case Given::WaterFlow:
            return WaterFlowBody(state, controls);
    }
}

}  // namespace

void Calculate(FormState& state, Controls& controls) {
    for (const Case& c : kCases) {
        const bool geometrySelected = controls.isSelected(GuardOption(c.geometry));
        const bool givenSelected = controls.isSelected(GuardOption(c.given));
        if (!(geometrySelected && givenSelected)) continue;
        state.AreaM2 = SurfaceAreaM2(controls, c.geometry);
        if (InputsValid(controls, c)) RunBody(state, controls, c.given);
    }
    WriteRounded(controls, Box::Text10, (Checked(state.AreaM2) * 10000).value(), 0);
}

}  // namespace dephlegmator
