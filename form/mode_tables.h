#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "controls.h"

// The window's behaviour that is data: what each geometry mode shows, which unit label each given
// quantity shows, and where each Enter takes the focus.
namespace dephlegmator::modes {

// The condensation-temperature presets written into Text1 by Option1 and Option2, in °C.
inline constexpr std::array<double, 2> kPresetCondensationTemp{78, 88};

struct Visibility {
    std::string_view control;
    bool shown;
};

// Applied in this order; what a mode shows comes before what it hides, so a focused box is never
// hidden before its replacement appears.
inline constexpr std::array<Visibility, 6> kHeightDiameterSet{{
    {"Text3", true},
    {"Text4", true},
    {"Text5", false},
    {"Label6", false},
    {"Label5", true},
    {"Label4", true},
}};
inline constexpr std::array<Visibility, 6> kAreaSet{{
    {"Text5", true},
    {"Text3", false},
    {"Text4", false},
    {"Label6", true},
    {"Label5", false},
    {"Label4", false},
}};

// The unit label Text6 shows for each given quantity; the other two are hidden.
struct GivenQuantity {
    Option option;
    std::string_view unitLabel;
};
inline constexpr std::array<GivenQuantity, 3> kGivenQuantities{{
    {Option::Option6, "Label7"},  // outlet water temperature, °С
    {Option::Option7, "Label8"},  // heat load, W
    {Option::Option8, "Label9"},  // water flow, l/min
}};

// One Enter cycle: the box each step focuses (empty: none) and the last step before the cycle
// starts again at 0.
struct EnterCycle {
    const std::array<Visibility, 6>& visibility;
    std::array<std::string_view, 5> focusAtStep;
    std::int16_t lastStep;
};

// Height and diameter: Text1, Text2, Text3, Text4, Text6, and back to Text1.
inline constexpr EnterCycle kHeightDiameterCycle{
    kHeightDiameterSet, {"Text2", "Text3", "Text4", "Text6", "Text1"}, 4};
// Surface area: Text1, Text2, Text5, Text6, and back to Text1. Step 4 is reached only from the
// height/diameter cycle; it moves nothing and starts over.
inline constexpr EnterCycle kAreaCycle{kAreaSet, {"Text2", "Text5", "Text6", "Text1", ""}, 3};

// The step an option handler leaves, so the next Enter goes to the box after the one it focused.
inline constexpr std::int16_t kStepAfterPreset = 0;    // next Enter: Text2
inline constexpr std::int16_t kStepAfterGeometry = 2;  // focus Text3/Text5; next: Text4/Text6
inline constexpr std::int16_t kStepAfterGivenHeightDiameter = 4;  // focus Text6; next: Text1
inline constexpr std::int16_t kStepAfterGivenArea = 3;            // focus Text6; next: Text1

}  // namespace dephlegmator::modes
