// The heat load is given: it fixes the mean temperature difference the surface needs, and the
// outlet water temperature that gives that difference is found by fixed-point iteration.
#include "box_io.h"
#include "cases.h"
#include "checked.h"

namespace dephlegmator {
namespace {

// The iteration makes exactly this many passes; there is no convergence test.
constexpr std::int16_t kPasses = 100;

// Applies Tout ← Tc − (Tc − Tin) × exp((Tin − Tout) / LogMeanDT), the log-mean relation of a
// condenser solved for its outlet temperature, starting from LogMeanDT itself.
void IterateOutletTemperature(FormState& state, double tc, double tin) {
    state.PrevWaterOutTemp = state.LogMeanDT;
    for (state.IterCount = 1; state.IterCount <= kPasses; ++state.IterCount) {
        const Checked exponent = (Checked(tin) - state.PrevWaterOutTemp) / state.LogMeanDT;
        const Checked factor = Exp(exponent);
        state.WaterOutTemp = (Checked(tc) - (Checked(tc) - tin) * factor).value();
        state.PrevWaterOutTemp = state.WaterOutTemp;
    }
}

}  // namespace

bool HeatLoadInputsValid(const Controls& controls, Geometry geometry) {
    return CommonInputsPositive(controls, geometry);
}

void HeatLoadBody(FormState& state, Controls& controls) {
    const double tc = ReadInput(controls, Box::Text1);
    const double tin = ReadInput(controls, Box::Text2);
    const double heatLoad = ReadInput(controls, Box::Text6);

    // The iteration works with the required difference as rounded to 2 decimals.
    const Checked requiredDT = Checked(heatLoad) / state.AreaM2 / state.HeatTransferK;
    state.LogMeanDT = RoundDecimals(requiredDT.value(), 2);
    WriteNumber(controls, Box::Text7, heatLoad);

    IterateOutletTemperature(state, tc, tin);
    WriteRounded(controls, Box::Text9, state.WaterOutTemp, 0);

    // Both flows carry the heat load as displayed; the external one warms by the unrounded rise.
    const Checked flow = Checked(ReadBack(controls, Box::Text7)) * 60 / state.SpecificHeatC /
                         (Checked(state.WaterOutTemp) - tin);
    WriteRounded(controls, Box::Text8, flow.value(), 2);

    const Checked autonomousFlow =
        Checked(ReadBack(controls, Box::Text7)) * 60 / state.SpecificHeatC / 10;
    WriteRounded(controls, Box::Text81, autonomousFlow.value(), 2);

    WriteNumber(controls, Box::Text91, (Checked(tin) + 10).value());
}

}  // namespace dephlegmator
